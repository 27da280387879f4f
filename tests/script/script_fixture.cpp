// The script test fixture: a real engine set up as at start-up, released
// after every test so that LeakSanitizer sees everything it allocated freed.
#include "script_fixture.h"

#include <allegro.h>

#include "gui/gui.h"
#include "script/script_host.h"

namespace {
int captureRequester(const char* title, const char* text) {
  EXPECT_STREQ("", title);
  shownRequesters().push_back(text);
  return 0;
}
}  // namespace

std::vector<std::string>& shownRequesters() {
  static std::vector<std::string> texts;
  return texts;
}

void ScriptTest::SetUpTestSuite() { ASSERT_TRUE(GuiInitHeadless(1024, 768, 16)); }

void ScriptTest::SetUp() {
  editor = new EditorState();
  setEditorState(editor);
  ASSERT_TRUE(startScriptHost(editor));
  previous_ = setScriptRequester(captureRequester);
  shownRequesters().clear();
  clear_keybuf();
}

void ScriptTest::TearDown() {
  setScriptRequester(previous_);
  stopScriptHost(editor);
  EXPECT_EQ(nullptr, editor->scriptEngine);
  setEditorState(nullptr);
  delete editor;
}

bool ScriptTest::run(const std::string& source) {
  writeFileBytes(dir.file("test.as"), source);
  return runScript(dir.editorPath("test.as").c_str(), editor);
}

unsigned char ScriptTest::cell(int x, int y) const {
  return editor->worldBuffer.cells[(y - 1) * kWorldColumns + (x - 1)];
}
