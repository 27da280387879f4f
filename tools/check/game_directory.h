// The game directory being checked: its files as the host lists them, and the
// editor paths, sizes and bytes of files in it. Names are looked up without
// regard to letter case, as the editor finds its files.
#pragma once
#include <string>
#include <vector>

class GameDirectory {
 public:
  // Lists the directory at hostPath. False when it cannot be read.
  bool open(const char* hostPath);

  const std::string& shownName() const { return shownName_; }      // as given, for messages
  const std::string& editorPath() const { return editorPath_; }    // editor form, no trailing "\"
  const std::vector<std::string>& files() const { return files_; }  // regular files, listing order

  // Editor path of a file in the directory ("<dir>\<name>").
  std::string pathOf(const std::string& name) const;
  // Size in bytes of the named file (any letter case); -1 when it cannot be read.
  long sizeOf(const std::string& name) const;
  // The whole file, read as bytes; false when it cannot be read.
  bool read(const std::string& name, std::string& bytes) const;

 private:
  std::string shownName_;
  std::string editorPath_;
  std::vector<std::string> files_;
};

// True when name ends in extension (".MAP"), compared without regard to case.
bool hasExtension(const std::string& name, const char* extension);
// The name in capitals, for case-blind comparison of map names.
std::string upperCase(const std::string& name);
// The name without its extension (up to the first ".").
std::string stemOf(const std::string& name);
