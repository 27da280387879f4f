// Reading the small "Key: value" text files the editor keeps beside the
// game's files (backup manifests, the world write journal), line by line.
#pragma once
#include <cstdio>
#include <string>

// The next line of f without its '\n' (a '\r' before it stays); false at the
// end of the file.
bool readTextLine(FILE* f, std::string& line);

// True when text begins with prefix.
bool startsWith(const std::string& text, const char* prefix);
