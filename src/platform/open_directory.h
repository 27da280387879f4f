// One host directory held open while its files are read, for a reader of a
// whole directory (the world checker). The listing takes each entry's kind
// from the directory itself where the host gives it, and each file is opened
// relative to the open directory: no path is resolved again for every file,
// and a file is looked at once, when it is read.
#pragma once
#include <dirent.h>

#include <string>
#include <vector>

#include "platform/directory_list.h"

enum class FileRead {
  Read,        // the whole file is in bytes
  Missing,     // no regular file of that name
  Unreadable,  // there, but it cannot be opened or read
  TooLarge,    // larger than the limit: not read
};

class OpenDirectory {
 public:
  OpenDirectory() = default;
  ~OpenDirectory() { close(); }
  OpenDirectory(const OpenDirectory&) = delete;
  OpenDirectory& operator=(const OpenDirectory&) = delete;

  // Opens the directory that the editor path names (any letter case) and
  // lists it as listDirectory does, except that no entry has a size (0): a
  // link or an entry of a kind the listing does not tell is looked up, the
  // rest are not. A directory held before is closed first. False when the
  // directory cannot be read.
  bool open(const char* editorPath, std::vector<DirectoryEntry>& entries);
  void close();

  // Reads the regular file name (a name in this directory, exactly as the
  // host stores it) whole into bytes with one open; size receives its size
  // when it could be opened (-1 otherwise), also when it is TooLarge. A pipe
  // or a device is Missing and never waited on.
  FileRead read(const char* name, std::string& bytes, long limit, long* size) const;
  // The size of the regular file name, opened to tell one that cannot be
  // read (Unreadable) from one that can; size is -1 unless Read.
  FileRead measure(const char* name, long* size) const;

 private:
  DIR* dir_ = nullptr;

  // An open descriptor of name for reading, or -1 with the reason in why.
  int openFile(const char* name, FileRead* why) const;
};
