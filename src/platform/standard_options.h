// The two options every DOLA program answers before it does anything else:
// "--help" (or "-h") prints the program's usage and "--version" its name and
// the DOLA version, both on standard output, and the program then ends with
// status 0. Options after a lone "--" are file names, never these.
#pragma once

// The version of this build ("1.0.0").
const char* dolaVersion();

// When argv asks for --help or --version, prints the answer (usage for help,
// "program (DOLA) VERSION" for version) and returns true: the caller returns 0.
bool answerStandardOption(int argc, char** argv, const char* program, const char* usage);
