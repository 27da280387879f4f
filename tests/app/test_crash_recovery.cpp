// Never losing work, in the editor itself: a copy of a changed map survives a
// killed editor and is offered back once; an unreadable copy is kept and
// reported; Save keeps backups of both files it replaces (and replaces
// nothing when it cannot), removes the copy, and Restore Backup brings the
// open map back from a backup.
#include <allegro.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <memory>

#include "app/backup_chooser.h"
#include "app/commands.h"
#include "app/crash_recovery.h"
#include "app/editor_program.h"
#include "app/file_commands.h"
#include "app/map_file.h"
#include "app/restore_backup.h"
#include "app_fixture.h"
#include "gui/gui.h"
#include "support/game_art.h"
#include "platform/backup_store.h"
#include "platform/directory_list.h"
#include "platform/write_faults.h"
#include "platform/write_journal.h"
#include "data/world_replace.h"

namespace {

// The editor program in a temporary working directory holding a map M.MAP
// (rows of 'a') and its M.DAT, with dola.ini naming that directory.
class RecoveryTest : public ::testing::Test {
 public:  // the checks run inside the editor are plain functions
  void SetUp() override {
    ASSERT_NE(getcwd(saved_, sizeof saved_), nullptr);
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
    writeFileBytes(dir.file("dola.ini"), "mode=window\r\nZANDirectory=" + dir.editorPath() + "\r\n");
    writeFileBytes(dir.file("M.MAP"), mapText("LOCAL!~EXIT~", 23, 'a'));
    writeFileBytes(dir.file("M.DAT"), std::string(2200, '\0'));
    ASSERT_TRUE(GuiInitHeadless(1024, 768, 16));  // Allegro writes the palette
    writeTestPalette(dir.file("palette.bmp"));  // sprites found: no report between the questions
    writeFileBytes(dir.file("ZAN.SPR"), spriteFileBytes(0, false));
    writeFileBytes(dir.file("ZAN2.SPR"), spriteFileBytes(0, false));
    mapPath = dir.editorPath("M.MAP");
    answerDialogsFrom(&dialogs);
  }
  void TearDown() override {
    answerDialogsFrom(nullptr);
    EXPECT_EQ(chdir(saved_), 0);
  }
  // Runs the editor until check (queued once its window is up) quits it.
  int runEditorWith(void (*check)(void*)) {
    GuiQueueCall(check, this, 50);
    EditorStart start;
    start.dialogs = scriptedDialogs();
    return runEditor(EditorDisplay::Headless, start);
  }
  std::string read(const std::string& name) const { return readFileBytes(dir.file(name)); }
  bool asked(const std::string& text) const {
    for (const std::string& t : dialogs.texts)
      if (t == text) return true;
    return false;
  }

  TempDir dir;
  DialogScript dialogs;
  std::string mapPath;
  char saved_[4096];
  // What the checks inside the editor saw.
  int tile = 0, changed = 0, placementInUse = 0;
  std::string openPath;
};

std::string recoveryQuestion(const std::string& path) {
  return "DOLA was closed without saving " + path + ". Recover the unsaved changes?";
}

}  // namespace

TEST_F(RecoveryTest, AKilledEditorsChangesAreOfferedOnceAndRecovered) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {  // an editor that paints a cell, places an object and is killed
    auto editor = std::make_unique<EditorState>();
    editor->document.recovery().start("recovery");
    editor->document.open(mapPath.c_str());
    editor->document.beginEdit();
    editor->openMap.setTile(5, 6, 'Z');
    editor->mapData.placement(3)->inUse = 1;
    editor->document.commitEdit();
    kill(getpid(), SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(child, waitpid(child, &status, 0));
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  ASSERT_TRUE(fileExistsOnHost(dir.file("recovery/map.txt")));

  dialogs.answers = {0, 1};  // Recover; then Discard when quitting
  EXPECT_EQ(0, runEditorWith([](void* test) {
    auto* t = static_cast<RecoveryTest*>(test);
    EditorState& e = *editorState();
    t->tile = e.openMap.getTile(5, 6);
    t->changed = e.document.mapModified();
    t->placementInUse = e.mapData.placement(3)->inUse;
    t->openPath = e.openMap.path;
    quitCommand(&e);
  }));
  ASSERT_FALSE(dialogs.texts.empty());
  EXPECT_EQ(recoveryQuestion(mapPath), dialogs.texts[0]);  // before any other dialog
  EXPECT_EQ("~Recover|~Discard", dialogs.buttons[0]);
  EXPECT_EQ('Z', tile);
  EXPECT_EQ(1, placementInUse);
  EXPECT_EQ(1, changed);
  EXPECT_EQ(mapPath, openPath);
  EXPECT_EQ(mapText("LOCAL!~EXIT~", 23, 'a'), read("M.MAP"));  // recovered, not saved
  EXPECT_FALSE(fileExistsOnHost(dir.file("recovery/map.txt")));

  dialogs.texts.clear();
  EXPECT_EQ(0, runEditorWith([](void*) { quitCommand(editorState()); }));
  EXPECT_FALSE(asked(recoveryQuestion(mapPath)));
}

// Editors running side by side in one directory keep copies of their own; a
// copy a crashed editor left is the one the next editor started takes.
TEST_F(RecoveryTest, EditorsSideBySideKeepCopiesOfTheirOwn) {
  RecoveryCopy copy;
  copy.start("recovery");
  EXPECT_STREQ("recovery\\map.txt", copy.path());
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    RecoveryCopy second;
    second.start("recovery");
    _exit(strcmp(second.path(), "recovery\\map-2.txt") == 0 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(child, waitpid(child, &status, 0));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  writeFileBytes(dir.file("recovery/map-3.txt"), "left by a crash");
  copy.start("recovery");
  EXPECT_STREQ("recovery\\map-3.txt", copy.path());
  copy.stop();  // gives its slot up: the next editor takes the copy left there
  const pid_t next = fork();
  ASSERT_GE(next, 0);
  if (next == 0) {
    RecoveryCopy third;
    third.start("recovery");
    _exit(strcmp(third.path(), "recovery\\map-3.txt") == 0 ? 0 : 1);
  }
  ASSERT_EQ(next, waitpid(next, &status, 0));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(RecoveryTest, AnUnreadableCopyIsKeptUnderANewNameAndReported) {
  std::system("mkdir recovery");
  writeFileBytes(dir.file("recovery/map.txt"), "DOLA recovery copy 1\npath=C:\\M.MAP\nchanged=yes\n");
  EXPECT_EQ(0, runEditorWith([](void*) { quitCommand(editorState()); }));
  ASSERT_FALSE(dialogs.texts.empty());
  const std::string& told = dialogs.texts[0];
  EXPECT_EQ(0u, told.find("The recovery copy of a map not saved before DOLA was closed cannot be read (line 3: "
                          "the changed is not a number from 0 to 1). It was kept as recovery\\unreadable "))
      << told;
  std::vector<DirectoryEntry> kept;
  ASSERT_TRUE(listDirectory(dir.editorPath("recovery").c_str(), kept));
  ASSERT_EQ(2u, kept.size());  // ".." and the renamed copy
  EXPECT_EQ(0u, kept[1].name.find("unreadable "));
  EXPECT_EQ("DOLA recovery copy 1\npath=C:\\M.MAP\nchanged=yes\n",
            readFileBytes(dir.file("recovery/" + kept[1].name)));
}

// Save keeps both replaced files as one operation and removes the copy; a
// backup that cannot be made saves nothing; a restore reloads the open map.
TEST_F(RecoveryTest, SaveKeepsBackupsAndRestoreBringsTheOpenMapBack) {
  static RecoveryTest* self;
  self = this;  // anew in every run of the test (--gtest_repeat)
  dialogs.answers = {0, 0, 0};  // OK to the failed save, Restore, OK to the report
  EXPECT_EQ(0, runEditorWith([](void*) {
    EditorState& e = *editorState();
    openMapFile(self->mapPath.c_str(), e);
    e.document.beginEdit();
    e.openMap.setTile(1, 1, 'Q');
    e.mapData.placement(0)->inUse = 1;  // the .DAT is written (and kept) only when it changed
    e.document.commitEdit();
    EXPECT_TRUE(fileExistsOnHost(self->dir.file("recovery/map.txt")));

    writeFileBytes(self->dir.file("backups"), "");  // no folder can be made there
    saveOpenMap(e);
    EXPECT_EQ(1, e.document.mapModified());
    EXPECT_EQ(mapText("LOCAL!~EXIT~", 23, 'a'), self->read("M.MAP"));
    unlink(self->dir.file("backups").c_str());

    saveOpenMap(e);
    EXPECT_EQ(0, e.document.mapModified());
    EXPECT_FALSE(fileExistsOnHost(self->dir.file("recovery/map.txt")));
    std::vector<BackupSummary> backups = listBackups("backups");
    EXPECT_EQ(1u, backups.size());
    if (backups.size() != 1) return quitCommand(&e);
    EXPECT_EQ("Save", backups[0].operation);
    EXPECT_EQ(2u, backups[0].files.size());

    setBackupChooser(e, [](const std::vector<BackupSummary>&) { return 0; });
    restoreBackupCommand(&e);
    setBackupChooser(e, nullptr);
    EXPECT_EQ('a', e.openMap.getTile(1, 1));  // reloaded from the restored file
    EXPECT_EQ(2u, listBackups("backups").size());
    quitCommand(&e);
  }));
  ASSERT_GE(dialogs.texts.size(), 3u);
  EXPECT_EQ(0u, dialogs.texts[0].find("The map was not saved: the backup folder backups\\")) << dialogs.texts[0];
  EXPECT_NE(std::string::npos, dialogs.texts[0].find("Not a directory. Nothing was replaced."));
  EXPECT_EQ(0u, dialogs.texts[1].find("Restore the backup of ")) << dialogs.texts[1];
  EXPECT_NE(std::string::npos, dialogs.texts[1].find("(Save)? These files go back to what they were before it:\n" +
                                                      mapPath + "\n" + dir.editorPath("M.DAT")));
  EXPECT_EQ(mapText("LOCAL!~EXIT~", 23, 'a'), read("M.MAP"));
}

// Recovery folders that cannot take a copy: the user is told once (status
// line and message) while edits go on, the copy is written once the folder
// is mended, and a folder in a copy's place is passed over for the next name,
// whose copy the next start offers.
namespace {

struct BrokenRecovery {
  const char* broken;
  void (*breakIt)(const TempDir& dir);
  const char* told;  // "" when the copy goes elsewhere
  const char* copy;
};
RecoveryTest* g_test;
const BrokenRecovery* g_case;
int g_polls;

void paint(EditorState& e, int column) {
  e.document.beginEdit();
  e.openMap.setTile(column, 1, 'Q');
  e.document.commitEdit();
}

// Waits for the held-back write (5 s at most), then starts copies anew as
// the next start would and looks at what it offers.
void offeredAtNextStart(void*) {
  const std::string copy = g_test->dir.file(g_case->copy);
  if (!fileExistsOnHost(copy) && ++g_polls < 50) return GuiQueueCall(offeredAtNextStart, nullptr, 100);
  EXPECT_TRUE(fileExistsOnHost(copy)) << g_case->broken;
  EditorState& e = *editorState();
  e.document.recovery().stop();
  e.document.recovery().start("recovery");
  RecoveredMap offered;
  askToRecover(e, offered);
  EXPECT_EQ(recoveryQuestion(g_test->mapPath), g_test->dialogs.texts.back()) << g_case->broken;
  quitCommand(&e);
}

void toldOnce(void*) {
  EditorState& e = *editorState();
  const std::string told = g_case->told;
  const std::vector<std::string>& texts = g_test->dialogs.texts;
  EXPECT_EQ(told.empty() ? 0u : 1u, texts.size()) << g_case->broken;
  if (!told.empty() && !texts.empty()) {
    EXPECT_EQ(0u, texts[0].find(told)) << texts[0];
    EXPECT_EQ(0, strncmp(e.mapView.tools.note, "No recovery copy: ", 18)) << e.mapView.tools.note;
    unlink(g_test->dir.file("recovery").c_str());  // mended: the next write goes through
    paint(e, 9);
  }
  GuiQueueCall(offeredAtNextStart, nullptr, 50);
}

void editThreeTimes(void*) {
  EditorState& e = *editorState();
  openMapFile(g_test->mapPath.c_str(), e);
  for (int i = 0; i < 3; i++) paint(e, i);
  GuiQueueCall(toldOnce, nullptr, 50);
}

}  // namespace

TEST_F(RecoveryTest, ABrokenRecoveryFolderIsToldOnceAndCopiesResumeWhenMended) {
  static const BrokenRecovery cases[] = {
      {"recovery is a file", [](const TempDir& d) { writeFileBytes(d.file("recovery"), "notes"); },
       "The recovery copy of the unsaved changes cannot be written to recovery\\map.txt (recovery is not a folder)",
       "recovery/map.txt"},
      {"map.txt is a folder", [](const TempDir& d) { ASSERT_EQ(0, std::system(("mkdir -p " + d.file("recovery/map.txt")).c_str())); },
       "", "recovery/map-2.txt"},
  };
  g_test = this;
  for (const BrokenRecovery& c : cases) {
    g_case = &c;
    g_polls = 0;
    c.breakIt(dir);
    dialogs = DialogScript();
    dialogs.answers = c.told[0] ? std::vector<int>{0, 1, 1} : std::vector<int>{1, 1};  // OK, Discard, Discard
    EXPECT_EQ(0, runEditorWith(editThreeTimes)) << c.broken;
  }
}

// A world write stopped between its renames is offered at the next start:
// put back from its backup, or finished; no new file is left either way.
TEST_F(RecoveryTest, AWorldWriteStoppedBetweenRenamesIsSettledAtTheNextStart) {
  for (int answer : {1, 0}) {  // Put Backup Back, Finish
    for (const char* name : {"ZANAA.MAP", "ZANBA.MAP", "ZANCA.MAP"}) writeFileBytes(dir.file(name), mapText("LOCAL!~EXIT~", 23, 'a'));
    stopBatchAfterRenames(1);
    {
      BackupOperation backup(BackupPlace{"backups", 50}, "Replace Tile");
      ASSERT_TRUE(replaceTileInWorld(dir.editorPath().c_str(), 'a', 'b', &backup).interrupted);
    }
    stopBatchAfterRenames(-1);
    EXPECT_EQ(2u, leftTemporaries(dir.editorPath().c_str()).size());
    dialogs = DialogScript();
    dialogs.answers = {answer, 0};
    EXPECT_EQ(0, runEditorWith([](void*) { quitCommand(editorState()); }));
    ASSERT_GE(dialogs.texts.size(), 2u);
    EXPECT_EQ("DOLA stopped while it wrote Replace Tile into " + dir.editorPath() +
                  ": 1 of the 3 files were replaced. Finish the write, or put the backup backups\\",
              dialogs.texts[0].substr(0, dialogs.texts[0].find("backups\\") + 8));
    const char fill = answer == 0 ? 'b' : 'a';
    for (const char* name : {"ZANAA.MAP", "ZANBA.MAP", "ZANCA.MAP"}) EXPECT_EQ(mapText("LOCAL!~EXIT~", 23, fill), read(name)) << answer;
    EXPECT_TRUE(leftTemporaries(dir.editorPath().c_str()).empty());
    EXPECT_FALSE(fileExistsOnHost(dir.file(".dola-write-journal")));
  }
}

// The Restore Backup window: an unreadable folder is listed as such, and
// Escape closes the window choosing nothing.
TEST_F(RecoveryTest, TheRestoreWindowListsUnreadableBackupsAndClosesOnEscape) {
  EXPECT_EQ(0, runEditorWith([](void*) {
    std::vector<BackupSummary> backups(2);
    backups[0].when = "2026-12-07 14:37:05";
    backups[0].operation = "Save";
    backups[1].when = "2026-12-06 10:00:00";
    backups[1].state = BackupState::Unreadable;
    GuiQueueCall([](void*) { simulate_keypress((KEY_ESC << 8) | 27); }, nullptr, 50);
    EXPECT_EQ(-1, chooseBackup(*editorState(), backups));
    quitCommand(editorState());
  }));
}
