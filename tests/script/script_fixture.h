// A started script host on a fresh EditorState for each test, with the
// headless toolkit, the requesters captured instead of shown, and helpers
// that run script source through runScript from a real file.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/editor_state.h"
#include "script/script_requester.h"
#include "support/temp_dir.h"

// Texts of the requesters shown since the current test began, in order.
std::vector<std::string>& shownRequesters();

class ScriptTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Writes source to a file of the temporary directory and runs it.
  bool run(const std::string& source);
  // The WorldBuffer byte at script cell (x, y), 1-based.
  unsigned char cell(int x, int y) const;

  EditorState* editor = nullptr;
  TempDir dir;

 private:
  ScriptRequester previous_ = nullptr;
};
