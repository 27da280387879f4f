// The user's DOLA folder: where XDG_CONFIG_HOME and HOME put it, made with
// every missing parent and the palette, an existing palette kept, and the
// folder entered; a folder that cannot be made is said, nothing entered.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/user_folder.h"
#include "support/temp_dir.h"

namespace {

std::string folderWith(const char* config, const char* home) {
  config ? setenv("XDG_CONFIG_HOME", config, 1) : unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", home, 1);
  char folder[512];
  return userFolderPath(folder, sizeof folder) ? folder : "(none)";
}

TEST(UserFolder, TheConfigurationHomeOrHomeNamesIt) {
  const std::string home = getenv("HOME") ? getenv("HOME") : "/root";
  const std::string config = getenv("XDG_CONFIG_HOME") ? getenv("XDG_CONFIG_HOME") : "";
  EXPECT_EQ(folderWith("/cfg", "/home/me"), "/cfg/dola");
  EXPECT_EQ(folderWith("cfg", "/home/me"), "/home/me/.config/dola");  // not absolute: ignored
  EXPECT_EQ(folderWith(nullptr, "/home/me"), "/home/me/.config/dola");
  EXPECT_EQ(folderWith(nullptr, "relative"), "(none)");
  config.empty() ? unsetenv("XDG_CONFIG_HOME") : setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  setenv("HOME", home.c_str(), 1);
}

TEST(UserFolder, IsMadeWithThePaletteOnceAndEntered) {
  TempDir dir;
  char saved[4096], here[4096], error[256] = "";
  ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
  writeFileBytes(dir.file("shipped.bmp"), "BM palette");
  const std::string folder = dir.file("new/config/dola"), shipped = dir.file("shipped.bmp");
  bool made = false;
  ASSERT_TRUE(enterUserFolder(folder.c_str(), shipped.c_str(), &made, error, sizeof error)) << error;
  EXPECT_TRUE(made);
  EXPECT_EQ(std::string(getcwd(here, sizeof here)), folder);
  EXPECT_EQ(readFileBytes(folder + "/palette.bmp"), "BM palette");
  EXPECT_FALSE(fileExistsOnHost(folder + "/palette.bmp.part"));

  // The second time: not new, and the user's own palette stays.
  writeFileBytes(folder + "/palette.bmp", "BM mine");
  ASSERT_TRUE(enterUserFolder(folder.c_str(), shipped.c_str(), &made, error, sizeof error));
  EXPECT_FALSE(made);
  EXPECT_EQ(readFileBytes(folder + "/palette.bmp"), "BM mine");

  // Under a file no folder can be made: said, and the working directory stays.
  writeFileBytes(dir.file("file"), "x");
  const std::string blocked = dir.file("file/dola");
  EXPECT_FALSE(enterUserFolder(blocked.c_str(), nullptr, &made, error, sizeof error));
  EXPECT_EQ(std::string(error), "could not make " + blocked + ": Not a directory");
  EXPECT_EQ(std::string(getcwd(here, sizeof here)), folder);
  ASSERT_EQ(chdir(saved), 0);
}

}  // namespace
