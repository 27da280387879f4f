// The headless editor fixture: see app_fixture.h.
#include "app_fixture.h"

#include "gui/gui_internal.h"

#include "app/editor_program.h"
#include "app/main_window.h"
#include "gui/gui.h"

namespace {

DialogScript* g_script = nullptr;

int scriptedAsk(const char* text, const char* buttons) {
  g_script->texts.push_back(text);
  g_script->buttons.push_back(buttons ? buttons : "");
  if (g_script->answers.empty()) return 0;
  int answer = g_script->answers.front();
  g_script->answers.erase(g_script->answers.begin());
  return answer;
}

const char* scriptedChoice(const char* masks, const char* start, int flags, const char* title,
                           const char* button) {
  static std::string chosen;
  const int window = editorState() ? editorState()->mainWindow : -1;
  g_script->choices.push_back(FileChoice{masks, start, title, button, flags, window});
  chosen.clear();
  if (!g_script->paths.empty()) {
    chosen = g_script->paths.front();
    g_script->paths.erase(g_script->paths.begin());
  }
  return chosen.c_str();
}


void stopLoop(void* timedOut) {
  *static_cast<bool*>(timedOut) = true;
  StopEventLoop();
}

}  // namespace

void answerDialogsFrom(DialogScript* script) {
  g_script = script;
  setUserDialogs(scriptedDialogs());
}

UserDialogs scriptedDialogs() {
  return g_script ? UserDialogs{scriptedAsk, scriptedChoice} : UserDialogs{nullptr, nullptr};
}

std::string mapText(const std::string& header, int rows, char fill, int shortRow, int shortLength) {
  std::string text = header + "\r\n";
  for (int r = 0; r < rows; ++r)
    text += " " + std::string(r == shortRow ? shortLength : kMapColumns, fill) + "\r\n";
  return text;
}

void AppTest::SetUp() {
  ASSERT_TRUE(GuiInitHeadless(1024, 768, 16));
  editor = new EditorState();
  setEditorState(editor);
  setEditingDefaults(*editor);
  editor->settings.addString("", "ZANDirectory", dir.editorPath().c_str());
  editor->settings.addString("", "backups", "0");  // no backups folder in the test's working directory
  answerDialogsFrom(&dialogs);
  buildMainWindow(*editor, 1024, 768);
}

void AppTest::TearDown() {
  answerDialogsFrom(nullptr);
  setEditorState(nullptr);
  delete editor;
}

std::string AppTest::writeMap(const std::string& name, const std::string& text) {
  writeFileBytes(dir.file(name), text);
  return dir.editorPath(name);
}

bool AppTest::commandStopsLoop(void (*command)(void*)) {
  static bool timedOut;
  timedOut = false;
  GuiQueueCall(command, editor, 0);
  GuiQueueCall(stopLoop, &timedOut, 150);
  RunEventLoop();
  const bool stopped = !timedOut;
  if (stopped) RunEventLoop();  // until the pending stop has run, so it cannot end a later loop
  return stopped;
}

// The labels of the drop-down of the menu bar's title, as the toolkit holds them.
std::vector<std::string> menuItems(const char* title, std::vector<int>* kinds) {
  std::vector<std::string> labels;
  for (int i = 0; i < gui::widgetSlotsInUse(); ++i) {
    const gui::Widget& w = gui::widgets()[i];
    if (w.id == 0 || w.kind != gui::Kind::MenuTitle || std::string(w.label) != title) continue;
    gui::openMenu(w.id);
    const gui::Window* popup = gui::topWindow();
    for (int j = 0; j < gui::widgetSlotsInUse(); ++j) {
      const gui::Widget& item = gui::widgets()[j];
      if (item.id == 0 || item.kind != gui::Kind::MenuItem || item.window != popup->id) continue;
      labels.push_back(item.label);
      if (kinds) kinds->push_back(item.value);
    }
    gui::closeMenu();
  }
  return labels;
}
