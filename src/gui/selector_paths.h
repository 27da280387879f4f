// Path and mask helpers of the file selector, on editor-form paths
// ("C:\dir\file"): joining, normalising and matching names against masks.
#pragma once
#include <cstddef>

namespace gui {

// True when the name matches one of the masks ("*.map", "*.as;*.txt"),
// without regard to letter case; "*.*" matches every name.
bool matchesMask(const char* masks, const char* name);

// The absolute editor path of what the user typed, relative to dir; a host
// path ("/tmp/x") is accepted too. Removes "." and resolves ".." components.
// False when out is too small.
bool resolveTyped(const char* dir, const char* typed, char* out, size_t outSize);

// Splits an editor path into its directory and its last component.
void splitLast(const char* path, char* dir, size_t dirSize, char* name, size_t nameSize);

// Rewrites each component of the absolute editor path as the entry is spelt
// on disk ("notes.txt" becomes "notes.TXT" when only that exists).
void spellAsOnDisk(char* path, size_t size);

}  // namespace gui
