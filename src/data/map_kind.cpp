// Header words and row counts of the map kinds; unknown values get the
// answers of NoKind, so no lookup ever leaves the table.
#include "data/map_kind.h"

const char* mapKindHeaderWord(MapKind kind) {
  switch (kind) {
    case Wilderness: return "WILDERNESS!";
    case Local: return "LOCAL!~EXIT~";
    case Interior: return "INTERIOR!";
    default: return "";
  }
}

int mapKindRowCount(MapKind kind) {
  switch (kind) {
    case Wilderness: return 24;
    case Local:
    case Interior: return 23;
    default: return 0;
  }
}
