// The editor on the toolkit's headless screen for one test: an EditorState
// with its defaults and main window, a temporary game directory, and the
// user's dialogs answered from the test's script while every text is kept.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/editor_state.h"
#include "app/user_dialogs.h"
#include "support/temp_dir.h"

struct FileChoice {
  std::string masks, startPath, title, button;
  int flags;
  int mainWindow;  // the editor's main window when the selector was opened (0: none yet)
};

// What the user answers: asks take the next answer (the first button when
// none is left); the selector returns the next path ("" cancels).
struct DialogScript {
  std::vector<int> answers;
  std::vector<std::string> paths;
  std::vector<std::string> texts;    // every text asked or told, in order
  std::vector<std::string> buttons;  // the buttons of each
  std::vector<FileChoice> choices;   // every selector call
};

// Makes the script the user's answers (null: none), in the editor object
// when there is one; an editor started later takes scriptedDialogs().
void answerDialogsFrom(DialogScript* script);
UserDialogs scriptedDialogs();

// A MAP file text: the header line, then rows lines of a lead blank and 48
// copies of fill, each line ended by CR LF.
std::string mapText(const std::string& header, int rows, char fill, int shortRow = -1,
                    int shortLength = 0);

// The labels of the drop-down of the menu bar's title, as the toolkit holds
// them, and their kinds when asked.
std::vector<std::string> menuItems(const char* title, std::vector<int>* kinds = nullptr);

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes a map file into the game directory; returns its editor path.
  std::string writeMap(const std::string& name, const std::string& text);
  std::string read(const std::string& name) const { return readFileBytes(dir.file(name)); }
  // One edit of the open map through the history's gate.
  template <typename Change>
  void edit(Change change) {
    editor->document.beginEdit();
    change();
    editor->document.commitEdit();
  }
  // Runs command inside an event loop; true when it stopped the loop itself.
  bool commandStopsLoop(void (*command)(void*));

  TempDir dir;
  EditorState* editor = nullptr;
  DialogScript dialogs;
};
