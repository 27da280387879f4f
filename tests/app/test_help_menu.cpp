// Help > Keys lists every command of the table with its key and its menu
// letters; Help > About names the version, the game directory and where the
// settings, backups and recovery copies are.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "app/command_table.h"
#include "app/commands.h"
#include "app/editor_state.h"
#include "app_fixture.h"
#include "dola_version.h"

namespace {

TEST_F(AppTest, KeysListsEveryCommandAndAboutSaysWhereTheFilesAre) {
  keysCommand(editor);
  ASSERT_EQ(dialogs.texts.size(), 1u);
  const std::string keys = dialogs.texts[0];
  for (const char* line : {"File > Open:  Ctrl+O   or   Alt+F, O\n", "File > Save As:  Ctrl+Shift+S   or   Alt+F, A\n",
                           "Edit > Brush:  B\n", "View > World Map:  Alt+V, W\n", "Tools > Check World:  Alt+T, C\n",
                           "Ctrl+Shift+Z:  Edit > Redo\n", "Help > About:  Alt+H, A\n"})
    EXPECT_NE(keys.find(line), std::string::npos) << line << " in:\n" << keys;
  const CommandTable table = editorCommands();
  int lines = 0;
  for (size_t at = 0; (at = keys.find('\n', at)) != std::string::npos; ++at) ++lines;
  int madeAtOpening = 0;  // the recent maps, the folder scripts
  for (int i = 0; i < table.count; ++i) madeAtOpening += table.entries[i].addItems != nullptr;
  EXPECT_EQ(lines, table.count - madeAtOpening);  // every command but the items made at opening
  EXPECT_EQ(keys.find("Recent"), std::string::npos);

  editor->settings.updateString("", "backups", "7");
  aboutCommand(editor);
  ASSERT_EQ(dialogs.texts.size(), 2u);
  const std::string about = dialogs.texts[1];
  char here[4096];
  ASSERT_NE(getcwd(here, sizeof here), nullptr);
  const std::string folder = here;
  for (const std::string& part :
       {std::string("DOLA ") + DOLA_VERSION + ", a map editor", "Game directory: " + dir.editorPath() + " (" + dir.path() + ")\n",
        "Settings: " + folder + "/dola.ini", "Backups: " + folder + "/backups (the newest 7 operations are kept)\n",
        "Recovery copies of unsaved changes: " + folder + "/recovery\n", std::string("C:\\ is the root folder /.")})
    EXPECT_NE(about.find(part), std::string::npos) << part << " in:\n" << about;
}

}  // namespace
