// The script test fixture: a real engine set up as at start-up, released
// after every test so that LeakSanitizer sees everything it allocated freed.
#include "script_fixture.h"

#include <allegro.h>

#include <cstdio>

#include "gui/gui.h"

int RecordingUser::showText(const char* text, const char* buttons) {
  shown.push_back(std::string(text) + "|" + (buttons != nullptr && buttons[0] != '\0' ? buttons : "~OK"));
  return answer;
}

bool RecordingUser::chooseScript(char* path, size_t size) {
  if (script.empty()) return false;
  snprintf(path, size, "%s", script.c_str());
  return true;
}

CellPick RecordingUser::pickCell(int* x, int* y) {
  *x = cellX;
  *y = cellY;
  return pick;
}

bool RecordingUser::stopRequested() { return looks++ == stopAfterLooks; }

void ScriptTest::SetUpTestSuite() { ASSERT_TRUE(GuiInitHeadless(1024, 768, 16)); }

void ScriptTest::SetUp() {
  world = new WorldBuffer();
  ASSERT_TRUE(startScriptHost(&engine, world, &user));
  clear_keybuf();
}

void ScriptTest::TearDown() {
  stopScriptHost(&engine);
  EXPECT_EQ(nullptr, engine);
  delete world;
}

std::string ScriptTest::writeScript(const std::string& source, const std::string& name) {
  writeFileBytes(dir.file(name), source);
  return dir.editorPath(name);
}

ScriptRunEnd ScriptTest::run(const std::string& source) { return runScript(writeScript(source).c_str(), engine); }
