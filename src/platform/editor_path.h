// The editor's paths use "\" as their separator on every host, as in
// "C:\games\world1\ZANAB.MAP". The one search for a path's last separator,
// shared by the data layer's path functions and the toolkit's file selector.
#pragma once
#include <cstring>

// The last "\" of path at position from or later; nullptr when there is none.
// The path functions of the game never take a path's first character as its
// separator, so they search from 1.
inline const char* lastBackslash(const char* path, size_t from = 0) {
  for (size_t i = strlen(path); i > from; i--)
    if (path[i - 1] == '\\') return path + i - 1;
  return nullptr;
}
