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

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    if (value != nullptr) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (had_) setenv(name_, old_.c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  std::string old_;
};

std::string folderOf() {
  char folder[512];
  return userFolderPath(folder, sizeof folder) ? folder : "(none)";
}

TEST(UserFolder, TheConfigurationHomeOrHomeNamesIt) {
  ScopedEnv home("HOME", "/home/me");
  {
    ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(folderOf(), "/cfg/dola");
  }
  for (const char* notAbsolute : {"", "cfg", static_cast<const char*>(nullptr)}) {
    ScopedEnv config("XDG_CONFIG_HOME", notAbsolute);
    EXPECT_EQ(folderOf(), "/home/me/.config/dola");
  }
  ScopedEnv config("XDG_CONFIG_HOME", nullptr);
  ScopedEnv noHome("HOME", "relative");
  EXPECT_EQ(folderOf(), "(none)");
  char tiny[8];
  ScopedEnv longConfig("XDG_CONFIG_HOME", "/a/long/configuration/home");
  EXPECT_FALSE(userFolderPath(tiny, sizeof tiny));
}

TEST(UserFolder, IsMadeWithThePaletteOnceAndEntered) {
  TempDir dir;
  char saved[4096];
  ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
  writeFileBytes(dir.file("shipped.bmp"), "BM palette");
  const std::string folder = dir.file("new/config/dola");
  bool made = false;
  char error[256] = "";
  ASSERT_TRUE(enterUserFolder(folder.c_str(), dir.file("shipped.bmp").c_str(), &made, error, sizeof error)) << error;
  EXPECT_TRUE(made);
  char here[4096];
  ASSERT_NE(getcwd(here, sizeof here), nullptr);
  EXPECT_EQ(std::string(here), folder);
  EXPECT_EQ(readFileBytes(folder + "/palette.bmp"), "BM palette");
  EXPECT_FALSE(fileExistsOnHost(folder + "/palette.bmp.part"));

  // The second time: not new, and the user's own palette stays.
  writeFileBytes(folder + "/palette.bmp", "BM mine");
  ASSERT_TRUE(enterUserFolder(folder.c_str(), dir.file("shipped.bmp").c_str(), &made, error, sizeof error));
  EXPECT_FALSE(made);
  EXPECT_EQ(readFileBytes(folder + "/palette.bmp"), "BM mine");

  // No shipped palette: the folder is made without one.
  const std::string bare = dir.file("bare");
  ASSERT_TRUE(enterUserFolder(bare.c_str(), nullptr, &made, error, sizeof error));
  EXPECT_TRUE(made);
  EXPECT_FALSE(fileExistsOnHost(bare + "/palette.bmp"));

  // Under a file no folder can be made: said, and the working directory stays.
  writeFileBytes(dir.file("file"), "x");
  const std::string blocked = dir.file("file/dola");
  EXPECT_FALSE(enterUserFolder(blocked.c_str(), nullptr, &made, error, sizeof error));
  EXPECT_EQ(std::string(error), "could not make " + blocked + ": Not a directory");
  ASSERT_NE(getcwd(here, sizeof here), nullptr);
  EXPECT_EQ(std::string(here), bare);
  ASSERT_EQ(chdir(saved), 0);
}

}  // namespace
