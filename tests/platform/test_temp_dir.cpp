// The tests' temporary directories: made fresh, removed whole, and never a
// stand-in when one cannot be made.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "support/temp_dir.h"

TEST(TempDir, RemovesOnlyWhatItMade) {
  TempDir outer;
  writeFileBytes(outer.file("keep"), "mine");
  std::string inner;
  {
    TempDir made(outer.path());
    inner = made.path();
    EXPECT_EQ(inner.rfind(outer.path() + "/dola-test-", 0), 0u);
    writeFileBytes(made.file("x"), "x");
  }
  EXPECT_FALSE(fileExistsOnHost(inner));
  // A parent that is a file: no directory, so the test fails, and nothing is removed.
  EXPECT_THROW(TempDir(outer.file("keep")), std::runtime_error);
  EXPECT_THROW(TempDir(outer.file("none")), std::runtime_error);
  EXPECT_EQ(readFileBytes(outer.file("keep")), "mine");
}
