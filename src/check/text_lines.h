// The lines of a text file as its raw bytes hold them: each line's length as
// the editor's text streams see it (a CR LF or a bare LF ends a line) and how
// many lines end in a bare LF instead of the game's CR LF.
#pragma once
#include <string>
#include <vector>

struct TextLines {
  std::vector<size_t> lengths;  // characters of each line, its line end not counted
  int bareLineFeeds = 0;        // lines ended by LF without CR
  int firstBareLineFeed = 0;    // 1-based line of the first of them, 0 when none
  int bareCarriageReturns = 0;  // CRs not followed by LF (a CR-only line end)
};

TextLines scanTextLines(const std::string& bytes);
