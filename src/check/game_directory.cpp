// Listing the checked directory through the platform layer and reading its
// files in binary, so that line ends and sizes are seen as they are on disk.
#include "game_directory.h"

#include <strings.h>

#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/host_path.h"
#include "platform/write_journal.h"

namespace {

char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

long sizeOrAbsence(FileRead result, long size) {
  if (result == FileRead::Missing) return kFileMissing;
  return size < 0 ? kFileUnreadable : size;
}

}  // namespace

size_t GameDirectory::CaselessHash::operator()(const std::string& name) const {
  size_t h = 14695981039346656037ull;  // FNV-1a over the upper-case bytes
  for (char c : name) h = (h ^ static_cast<unsigned char>(asciiUpper(c))) * 1099511628211ull;
  return h;
}

bool GameDirectory::CaselessEqual::operator()(const std::string& a, const std::string& b) const {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); i++)
    if (asciiUpper(a[i]) != asciiUpper(b[i])) return false;
  return true;
}

bool GameDirectory::open(const char* hostPath) {
  shownName_ = hostPath;
  char absolute[4096], editor[4096];
  if (!absoluteHostPath(hostPath, absolute, sizeof absolute) || !pathToEditor(absolute, editor, sizeof editor))
    return false;
  editorPath_ = editor;
  // "C:\games\world1\" names the same directory as "C:\games\world1".
  while (editorPath_.size() > 1 && editorPath_.back() == '\\') editorPath_.pop_back();
  std::vector<DirectoryEntry> entries;
  if (!directory_.open(editorPath_.c_str(), entries)) return false;
  files_.clear();
  others_.clear();
  listed_.clear();
  withoutCase_.clear();
  backslashNames_.clear();
  temporaries_.clear();
  writeJournal_.clear();
  withoutCase_.reserve(entries.size());
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
    withoutCase_.emplace(e.name, listed_.size());
    listed_.push_back(e.name);
  }
  return true;
}

const std::string* GameDirectory::find(const std::string& name) const {
  const auto at = withoutCase_.find(name);
  if (at == withoutCase_.end()) return nullptr;
  // The listing is sorted without regard to case, so the other cases of the
  // name follow the first one.
  for (size_t i = at->second; i < listed_.size() && CaselessEqual()(listed_[i], name); i++)
    if (listed_[i] == name) return &listed_[i];
  return &listed_[at->second];
}

const char* GameDirectory::hostNameOf(const std::string& name) const {
  const std::string* listed = find(name);
  return listed ? listed->c_str() : name.c_str();
}

std::string GameDirectory::pathOf(const std::string& name) const { return editorPath_ + "\\" + name; }

const char* absenceOf(long size) { return size == kFileUnreadable ? "cannot be read" : "missing"; }

long GameDirectory::sizeOf(const std::string& name) const {
  long size = -1;
  const FileRead result = directory_.measure(hostNameOf(name), &size);
  return sizeOrAbsence(result, size);
}

bool GameDirectory::read(const std::string& name, std::string& bytes, long* size) const {
  long told = -1;
  const FileRead result = directory_.read(hostNameOf(name), bytes, kMostFileBytes, &told);
  if (size) *size = sizeOrAbsence(result, told);
  return result == FileRead::Read;
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
