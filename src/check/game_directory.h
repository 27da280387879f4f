// The game directory being checked: its files as the host lists them, and the
// editor paths, sizes and bytes of files in it. Names are looked up without
// regard to letter case, as the editor finds its files: the checks of a run
// look in the one listing made when the directory was opened, and each file
// is read with one open relative to the directory, which stays open while
// the GameDirectory lives. Nothing here is written.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/open_directory.h"

constexpr long kFileMissing = -1;       // sizeOf: no regular file of that name
constexpr long kFileUnreadable = -2;    // sizeOf: there, but it cannot be opened for reading
constexpr long kMostFileBytes = 16L << 20;  // well above any game file: larger ones are not read

// "missing" or "cannot be read", for a size that sizeOf gave as negative.
const char* absenceOf(long size);

class GameDirectory {
 public:
  GameDirectory() = default;
  GameDirectory(const GameDirectory&) = delete;
  GameDirectory& operator=(const GameDirectory&) = delete;

  // Lists the directory at hostPath (made absolute first, so that its name
  // is known however it was given). False when it cannot be read.
  bool open(const char* hostPath);

  const std::string& shownName() const { return shownName_; }      // as given, for messages
  const std::string& editorPath() const { return editorPath_; }    // editor form, no trailing "\"
  const std::vector<std::string>& files() const { return files_; }  // regular files, listing order
  // Entries that are neither directories nor regular files (pipes, devices,
  // links to them): never opened, since reading one may never end.
  const std::vector<std::string>& others() const { return others_; }
  // Files whose name holds a "\": no editor path can name them, so they are never read.
  const std::vector<std::string>& backslashNames() const { return backslashNames_; }
  // New files of a save or world write left beside their targets, and the
  // journal of a world write that stopped between its renames ("" when none).
  const std::vector<std::string>& temporaries() const { return temporaries_; }
  const std::string& writeJournal() const { return writeJournal_; }

  // Editor path of a file in the directory ("<dir>\<name>").
  std::string pathOf(const std::string& name) const;
  // True when the listing holds a regular file of that name in some letter
  // case (the name as given wins over another case), as the editor finds it.
  bool holds(const std::string& name) const { return find(name) != nullptr; }
  // The size as the host tells it now (the listed name, else the name as
  // given), opening the file to tell one that cannot be read
  // (kFileUnreadable) from one that is missing (kFileMissing).
  long sizeOf(const std::string& name) const;
  // The whole regular file (the listed name, else the name as given), read as
  // bytes with one open; false when it cannot be read or holds more than
  // kMostFileBytes. size, when given, receives its size as sizeOf tells it
  // (a file too large to be read has its size there).
  bool read(const std::string& name, std::string& bytes, long* size = nullptr) const;

 private:
  // Names compared as the editor finds files: without regard to letter case.
  struct CaselessHash {
    size_t operator()(const std::string& name) const;
  };
  struct CaselessEqual {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  OpenDirectory directory_;
  std::string shownName_;
  std::string editorPath_;
  std::vector<std::string> files_;
  std::vector<std::string> others_;
  std::vector<std::string> backslashNames_;
  std::vector<std::string> temporaries_;
  std::string writeJournal_;
  // The regular files as listed: names equal but for case lie side by side.
  std::vector<std::string> listed_;
  // Each name, any case -> the index in listed_ of the first in its case group.
  std::unordered_map<std::string, size_t, CaselessHash, CaselessEqual> withoutCase_;

  // The listed name of a file (the name as given wins over another case),
  // or nullptr when none is listed.
  const std::string* find(const std::string& name) const;
  // The name to open: the listed one, else the name as given.
  const char* hostNameOf(const std::string& name) const;
};

// True when name ends in extension (".MAP"), compared without regard to case.
bool hasExtension(const std::string& name, const char* extension);
// The name in capitals, for case-blind comparison of map names.
std::string upperCase(const std::string& name);
// The name without its extension (up to the first ".").
std::string stemOf(const std::string& name);
