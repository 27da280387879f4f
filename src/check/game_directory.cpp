// Listing the checked directory through the platform layer and reading its
// files in binary, so that line ends and sizes are seen as they are on disk.
#include "game_directory.h"

#include <strings.h>

#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/directory_list.h"
#include "platform/file_stream.h"
#include "platform/host_path.h"
#include "platform/write_journal.h"

bool GameDirectory::open(const char* hostPath) {
  shownName_ = hostPath;
  char absolute[4096], editor[4096];
  if (!absoluteHostPath(hostPath, absolute, sizeof absolute) || !pathToEditor(absolute, editor, sizeof editor))
    return false;
  editorPath_ = editor;
  // "C:\games\world1\" names the same directory as "C:\games\world1".
  while (editorPath_.size() > 1 && editorPath_.back() == '\\') editorPath_.pop_back();
  std::vector<DirectoryEntry> entries;
  if (!listDirectory(editorPath_.c_str(), entries)) return false;
  files_.clear();
  others_.clear();
  listed_.clear();
  exactly_.clear();
  withoutCase_.clear();
  backslashNames_.clear();
  temporaries_.clear();
  writeJournal_.clear();
  for (const DirectoryEntry& e : entries) {
    if (e.isDirectory || e.name == "..") continue;
    if (e.name.find('\\') != std::string::npos) {
      backslashNames_.push_back(e.name);
      continue;
    }
    if (!e.isRegular) {
      others_.push_back(e.name);
      continue;
    }
    if (isWriteTemporaryName(e.name.c_str())) temporaries_.push_back(e.name);
    else if (e.name == kWriteJournalName) writeJournal_ = e.name;
    else files_.push_back(e.name);
    exactly_.emplace(e.name, listed_.size());
    withoutCase_.emplace(upperCase(e.name), listed_.size());
    listed_.push_back(File{e.name, static_cast<long>(e.size)});
  }
  return true;
}

const GameDirectory::File* GameDirectory::find(const std::string& name) const {
  auto at = exactly_.find(name);
  if (at != exactly_.end()) return &listed_[at->second];
  at = withoutCase_.find(upperCase(name));
  return at == withoutCase_.end() ? nullptr : &listed_[at->second];
}

long GameDirectory::listedSize(const std::string& name) const {
  const File* file = find(name);
  return file ? file->size : kFileMissing;
}

std::string GameDirectory::pathOf(const std::string& name) const { return editorPath_ + "\\" + name; }

const char* absenceOf(long size) { return size == kFileUnreadable ? "cannot be read" : "missing"; }

long GameDirectory::sizeOf(const std::string& name) const {
  if (!isFilePath(pathOf(name).c_str())) return kFileMissing;
  FILE* f = openStream(pathOf(name).c_str(), "rb");
  if (!f) return kFileUnreadable;
  long size = fseek(f, 0, SEEK_END) == 0 ? ftell(f) : -1;
  fclose(f);
  return size;
}

bool GameDirectory::read(const std::string& name, std::string& bytes) const {
  const File* file = find(name);
  return readWholeFile(pathOf(file ? file->name : name).c_str(), bytes, kMostFileBytes);
}

bool hasExtension(const std::string& name, const char* extension) {
  const size_t n = strlen(extension);
  return name.size() > n && strcasecmp(name.c_str() + name.size() - n, extension) == 0;
}

std::string upperCase(const std::string& name) {
  std::string out = name;
  for (char& c : out) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string stemOf(const std::string& name) { return name.substr(0, name.find('.')); }
