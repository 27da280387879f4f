// A started script host on a fresh WorldBuffer for each test, with a
// ScriptUser that records what it is shown and answers as the test says,
// and helpers that run script source through runScript from a real file.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/progress.h"
#include "data/world_buffer.h"
#include "script/script_host.h"
#include "script/script_user.h"
#include "support/temp_dir.h"

namespace AngelScript {
class asIScriptEngine;
}

// Records each text shown as "text|buttons"; answers questions, the script
// selector, getpos and stop requests from its public fields.
class RecordingUser : public ScriptUser, public ProgressDisplay {
 public:
  int showText(const char* text, const char* buttons) override;
  bool chooseScript(char* path, size_t size) override;
  CellPick pickCell(int* x, int* y) override;
  bool stopRequested() override;
  ProgressDisplay* progress() override { return this; }
  void open() override { progressLog.push_back(-1); }
  void setPercent(int percent) override { progressLog.push_back(percent); }
  void close() override { progressLog.push_back(-2); }

  std::vector<std::string> shown;
  std::vector<int> progressLog;  // -1 open, -2 close, else the percent set
  int answer = 0;                // button index every question gets
  std::string script;            // the chosen script's editor path; "" cancels
  int cellX = 0, cellY = 0;      // the cell getpos gets
  CellPick pick = CellPick::Picked;
  int stopAfterLooks = -1;       // the stop request comes at this look; -1 never
  int looks = 0;
};

class ScriptTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Writes source to a file of the temporary directory and runs it.
  ScriptRunEnd run(const std::string& source);
  // Writes source to name in the temporary directory; returns its editor path.
  std::string writeScript(const std::string& source, const std::string& name = "test.as");
  // The WorldBuffer byte at script cell (x, y), 1-based.
  unsigned char cell(int x, int y) const { return world->cells[(y - 1) * kWorldColumns + (x - 1)]; }

  WorldBuffer* world = nullptr;
  RecordingUser user;
  AngelScript::asIScriptEngine* engine = nullptr;
  TempDir dir;
};
