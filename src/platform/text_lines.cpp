// Line reading for the editor's own small text files: see text_lines.h.
#include "platform/text_lines.h"

#include <cstring>

bool readTextLine(FILE* f, std::string& line) {
  line.clear();
  int c;
  while ((c = fgetc(f)) != EOF && c != '\n') line += static_cast<char>(c);
  return c != EOF || !line.empty();
}

bool startsWith(const std::string& text, const char* prefix) { return text.compare(0, strlen(prefix), prefix) == 0; }
