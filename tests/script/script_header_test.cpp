// A script's opening comment: the label and what it runs on, read only from
// the comment lines at the head of the file.
#include <gtest/gtest.h>

#include "script/script_header.h"

TEST(ScriptHeader, LabelAndRunsOnComeFromTheOpeningCommentOnly) {
  struct Case {
    const char* text;
    const char* label;
    ScriptRunsOn runsOn;
  };
  const Case cases[] = {
      {"void main() {}\n", "caves", ScriptRunsOn::Map},
      {"// menu: Link ~Caves\r\n// runs on: each\r\nvoid main() {}\r\n", "Link ~Caves", ScriptRunsOn::Each},
      {"\n\n  //menu:A\n//RUNS ON:  World \n", "A", ScriptRunsOn::World},
      {"// runs on: cell\n// menu:\n", "caves", ScriptRunsOn::Cell},
      {"// runs on: everything\n", "caves", ScriptRunsOn::Map},
      {"// a comment\nconst int A = 1;\n// menu: Too Late\n// runs on: each\n", "caves", ScriptRunsOn::Map},
      {"/* menu: B */\n// menu: C\n", "caves", ScriptRunsOn::Map},
  };
  for (const Case& c : cases) {
    const ScriptHeader header = readScriptHeader(c.text, "caves.as");
    EXPECT_EQ(c.label, header.label) << c.text;
    EXPECT_EQ(c.runsOn, header.runsOn) << c.text;
  }
  EXPECT_EQ("notes.txt", readScriptHeader("", "notes.txt").label);
}
