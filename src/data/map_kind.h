// The three kinds of local map and what each means for its MAP file: the
// header word written for it and how many row lines follow the header.
#pragma once
#include <cstdint>

enum MapKind : int32_t {
  NoKind = 0,      // the header named no kind; such a map cannot be saved
  Wilderness = 1,  // 24 row lines, the only kind with a row 23
  Local = 2,       // 23 row lines
  Interior = 4,    // 23 row lines
};

// "WILDERNESS!", "LOCAL!~EXIT~" or "INTERIOR!"; "" for NoKind and unknown values.
const char* mapKindHeaderWord(MapKind kind);

// Row lines in a file of this kind: 24, 23 or 23; 0 for NoKind and unknown values.
int mapKindRowCount(MapKind kind);
