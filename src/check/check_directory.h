// dola-check's whole run over a game directory: every file the editor reads,
// loaded through the data layer and checked, with the findings in the order
// the checks ran (the directory's tables first, then file by file in listing
// order, then the world as a whole). Nothing is ever written.
#pragma once
#include "check_findings.h"

struct CheckSummary {
  int files = 0;  // regular files in the directory
  int maps = 0;   // MAP files among them
  int dataFiles = 0;
};

class ProgressDisplay;

// False when the directory cannot be read (nothing is checked then). The
// progress display, when given, is opened, shown the share of files checked
// and closed.
bool checkGameDirectory(const char* hostDirectory, Findings& findings, CheckSummary& summary,
                        ProgressDisplay* progress = nullptr);
