// The program from start to end on the headless screen: the directory prompt
// of a first start before the main window, the dola.ini written at the end,
// the sprite files reported missing, and the graphics mode the settings ask for.
#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "app/commands.h"
#include "app/editor_program.h"
#include "app/graphics_mode.h"
#include "app_fixture.h"
#include "data/settings_file.h"
#include "gui/gui.h"

namespace {

// The editor started in a temporary working directory; the user quits at once.
class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(getcwd(saved_, sizeof saved_), nullptr);
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
    answerDialogsFrom(&dialogs);
    mouse_x = mouse_y = mouse_b = 0;  // nobody touches the mouse while the editor runs
  }
  void TearDown() override {
    answerDialogsFrom(nullptr);
    EXPECT_EQ(chdir(saved_), 0);
  }
  int runAndQuit(EditorStart start = EditorStart()) {
    GuiQueueCall([](void*) { quitCommand(editorState()); }, nullptr, 50);
    start.dialogs = scriptedDialogs();
    return runEditor(EditorDisplay::Headless, start);
  }

  TempDir dir;
  DialogScript dialogs;
  char saved_[4096];
};

std::vector<int> g_modeCalls;
int failingMode(int card, int, int, int, int) {
  g_modeCalls.push_back(card * 100 + get_color_depth());
  return -1;
}
int windowedMode(int card, int w, int h, int, int) {
  g_modeCalls.push_back(card * 100 + get_color_depth());
  return card == GFX_AUTODETECT_WINDOWED && w == 1024 && h == 768 ? 0 : -1;
}

GraphicsRequest requestOf(const char* ini) {
  TempDir dir;
  writeFileBytes(dir.file("dola.ini"), ini);
  SettingsFile settings;
  loadSettingsWithDefaults(settings, dir.editorPath("dola.ini").c_str());
  return graphicsRequestOf(settings);
}

}  // namespace

TEST_F(StartupTest, AFirstStartAsksForTheGameDirectoryBeforeTheMainWindow) {
  dialogs.paths = {"C:\\games\\zan"};
  EXPECT_EQ(runAndQuit(), 0);
  ASSERT_EQ(dialogs.choices.size(), 1u);
  EXPECT_EQ(dialogs.choices[0].title, "Select ZAN Directory");
  EXPECT_EQ(dialogs.choices[0].mainWindow, 0);  // asked on the bare screen
  EXPECT_EQ(readFileBytes(dir.file("dola.ini")),
            "mode=fullscreen\r\nZANDirectory=C:\\games\\zan\r\nbackups=50\r\ncolordepth=16\r\n");
  ASSERT_EQ(dialogs.texts.size(), 1u);  // the sprite files, once the window is up
  EXPECT_EQ(
      dialogs.texts[0],
      "\"palette.bmp\" was not found in the working directory: the sprites use a standard "
      "palette.\n"
      "\"ZAN.SPR\" was not found in the ZAN directory C:\\games\\zan: its sprites are blank.\n"
      "\"ZAN2.SPR\" was not found in the ZAN directory C:\\games\\zan: objects and creatures "
      "with its sprites are not drawn.\n");
  EXPECT_EQ(editorState(), nullptr);
}

TEST_F(StartupTest, ACancelledPromptIsNotRepeated) {
  dialogs.paths = {""};
  EXPECT_EQ(runAndQuit(), 0);
  EXPECT_EQ(readFileBytes(dir.file("dola.ini")),
            "mode=fullscreen\r\nZANDirectory=\r\nbackups=50\r\ncolordepth=16\r\n");
  EXPECT_EQ(runAndQuit(), 0);
  EXPECT_EQ(dialogs.choices.size(), 1u);
  ASSERT_EQ(dialogs.texts.size(), 2u);
  EXPECT_NE(dialogs.texts[1].find("\"ZAN.SPR\" was not found in the ZAN directory (none is set: "
                                  "choose it with Tools > Set ZAN Directory and start DOLA again)"),
            std::string::npos);
}

// dola MAP: the usual start-up (the same questions, the same settings), then
// the map is open; the only trace in dola.ini is the recent map. A start in a
// new user folder first says where the files are kept.
TEST_F(StartupTest, AMapOfTheCommandLineOpensAfterTheUsualStartUp) {
  const std::string map = dir.editorPath("ZANAB.MAP");
  writeFileBytes(dir.file("ZANAB.MAP"), mapText("WILDERNESS", 24, 'A'));
  static std::string openedPath;
  static int openedMode = -1;
  openedPath.clear();
  GuiQueueCall(
      [](void*) {
        openedPath = editorState()->openMap.path;
        openedMode = editorState()->canvasMode;
      },
      nullptr, 10);
  EditorStart start;
  start.mapPath = map.c_str();
  start.userFolder = "/home/me/.config/dola";
  start.userFolderIsNew = true;
  dialogs.paths = {"C:\\games\\zan"};
  EXPECT_EQ(runAndQuit(start), 0);
  EXPECT_EQ(openedPath, map);
  EXPECT_EQ(openedMode, LocalEdit);
  ASSERT_EQ(dialogs.choices.size(), 1u);
  EXPECT_EQ(dialogs.choices[0].title, "Select ZAN Directory");  // asked as on any first start
  ASSERT_GE(dialogs.texts.size(), 2u);
  EXPECT_EQ(0u, dialogs.texts[0].rfind("Welcome to DOLA.", 0)) << dialogs.texts[0];
  EXPECT_NE(dialogs.texts[0].find(" in /home/me/.config/dola. "), std::string::npos) << dialogs.texts[0];
  EXPECT_EQ(readFileBytes(dir.file("dola.ini")),
            "mode=fullscreen\r\nZANDirectory=C:\\games\\zan\r\nbackups=50\r\ncolordepth=16\r\n"
            "[recent]\r\nmap1=" + map + "\r\n");

  // Without arguments nothing is opened and nothing is said of a folder.
  dialogs.texts.clear();
  openedPath = "unset";
  GuiQueueCall([](void*) { openedPath = editorState()->openMap.path; }, nullptr, 10);
  EXPECT_EQ(runAndQuit(), 0);
  EXPECT_EQ(openedPath, "");
  for (const std::string& text : dialogs.texts) EXPECT_EQ(text.find("Welcome"), std::string::npos) << text;
}

TEST_F(StartupTest, APaletteThatIsNoBitmapAndUnwritableSettingsAreSaid) {
  writeFileBytes(dir.file("dola.ini"), "ZANDirectory=C:\\games\\zan\r\n");
  ASSERT_EQ(chmod(dir.file("dola.ini").c_str(), 0444), 0);
  writeFileBytes(dir.file("palette.bmp"), "GIF89a");
  testing::internal::CaptureStderr();
  EXPECT_EQ(runAndQuit(), 1);  // the settings are lost: said, and the exit status says so
  const std::string lost =
      "The settings could not be written to dola.ini in the working directory (it is read-only): "
      "the changes made to them since DOLA started are lost.";
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "DOLA: " + lost + "\n");
  EXPECT_EQ(dialogs.texts.back(), lost);
  EXPECT_EQ(0u, dialogs.texts[0].rfind("\"palette.bmp\" in the working directory is not a BMP file", 0));
}

TEST(GraphicsMode, TheSettingsChooseTheModeAndDepth) {
  EXPECT_TRUE(requestOf("mode=fullscreen\r\n").fullscreen);
  EXPECT_FALSE(requestOf("mode=Fullscreen\r\n").fullscreen);
  EXPECT_FALSE(requestOf("mode=\r\n").fullscreen);
  EXPECT_TRUE(
      requestOf("mode =fullscreen\r\n").fullscreen);  // the key "mode " is not "mode": the default
  EXPECT_EQ(requestOf("mode=window\r\n").depth, 16);
  EXPECT_EQ(requestOf("colordepth=32\r\n").depth, 32);
  EXPECT_EQ(requestOf("colordepth=12\r\n").depth, 16);
  EXPECT_EQ(requestOf("colordepth=deep\r\n").depth, 16);
}

TEST(GraphicsMode, AFailedModeFallsBackToAWindowAndThenGivesUp) {
  ASSERT_TRUE(GuiInitHeadless(64, 64, 16));
  g_modeCalls.clear();
  EXPECT_TRUE(enterGraphicsMode(GraphicsRequest{32, true}, windowedMode));
  EXPECT_EQ(g_modeCalls, (std::vector<int>{GFX_AUTODETECT_FULLSCREEN * 100 + 32,
                                           GFX_AUTODETECT_WINDOWED * 100 + 32}));
  g_modeCalls.clear();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(enterGraphicsMode(GraphicsRequest{24, false}, failingMode));
  const std::string told = testing::internal::GetCapturedStderr();
  EXPECT_EQ(g_modeCalls, (std::vector<int>{GFX_AUTODETECT_WINDOWED * 100 + 24,
                                           GFX_AUTODETECT_WINDOWED * 100 + 16}));
  EXPECT_NE(told.find("DOLA: no 1024 x 768 graphics mode could be set"), std::string::npos);
}
