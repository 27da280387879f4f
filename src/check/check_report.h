// Writing the findings: one line per finding ("FILE: error: what") and a
// summary line for people, or one JSON document for other tools.
#pragma once
#include <cstdio>
#include <string>

#include "check_directory.h"
#include "check_findings.h"

// Control bytes (a line feed in a file name, an escape) written "\x0a", so
// that one finding stays one line and cannot steer a terminal.
std::string escapedText(const std::string& s);
// One finding of findings as the text report prints it: "FILE: error: what".
std::string findingLine(const Findings& findings, const Finding& f);

// "1 error, 2,187 warnings": the counts of the summary line.
std::string findingCounts(const Findings& findings);
// "518 files (407 maps, 1 data file)": what the check read.
std::string checkedFiles(const CheckSummary& summary);

void writeTextReport(FILE* out, const std::string& directory, const Findings& findings, const CheckSummary& summary);

void writeJsonReport(FILE* out, const std::string& directory, const Findings& findings, const CheckSummary& summary);

// s as a JSON string with its quotes; bytes from 128 up are taken as Latin-1,
// as the game's 8-bit names are, so the output is always valid UTF-8.
std::string jsonString(const std::string& s);
