// Listing a directory of the host for the file selector, in editor path form.
#pragma once
#include <string>
#include <vector>

struct DirectoryEntry {
  std::string name;  // the entry's name as stored on the host
  bool isDirectory;
  bool isRegular = false;  // a regular file (through a symbolic link too)
  long long size = 0;      // bytes, of a regular file
};

// Lists the entries of the directory that the editor path names ("" is the
// working directory), without "." but with ".." where the directory has a
// parent; sorted with directories first, then by name without regard to case.
// Each entry is looked at once, relative to the open directory, not by a
// path that the host resolves anew. False when the directory cannot be read.
bool listDirectory(const char* editorPath, std::vector<DirectoryEntry>& out);

// Sorts entries as listDirectory does: ".." first, then directories, then
// files, each by name without regard to case (names equal but for case in
// byte order).
void sortDirectoryEntries(std::vector<DirectoryEntry>& entries);
