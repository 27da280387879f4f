// checkBackup and restoreBackup: each copy read whole and checked, then all
// of them queued in one FileReplacer that requires every file.
#include "platform/backup_restore.h"

#include <cstdio>
#include <cstring>
#include <strings.h>
#include <vector>

#include "platform/backup_format.h"
#include "platform/checksum.h"
#include "platform/editor_path.h"
#include "platform/file_replacer.h"
#include "platform/file_stream.h"

namespace {

bool readWhole(const std::string& editorPath, std::vector<char>& bytes) {
  bytes.clear();
  FILE* f = openStream(editorPath.c_str(), "rb");
  if (!f) return false;
  char buf[65536];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
  const bool ok = !ferror(f);
  fclose(f);
  return ok;
}

std::string lastPart(const std::string& path) {
  const char* slash = lastBackslash(path.c_str());
  return slash ? slash + 1 : path;
}

// A name the backup gave a copy of original: the original's own name, or
// that name with " (N)" when another file of the operation had it first.
bool storedNameFits(const std::string& stored, const std::string& original) {
  const std::string base = storedBaseName(lastPart(original));
  if (base.empty() || base == "." || base == ".." || stored.compare(0, base.size(), base) != 0) return false;
  const std::string rest = stored.substr(base.size());
  if (rest.empty()) return true;
  if (rest.size() < 4 || rest.compare(0, 2, " (") != 0 || rest.back() != ')' || rest[2] == '0') return false;
  for (size_t i = 2; i + 1 < rest.size(); i++)
    if (rest[i] < '0' || rest[i] > '9') return false;
  return true;
}

// The original goes back into a directory by a path without "." or ".."
// parts, which could lead it elsewhere.
bool plainPath(const std::string& original) {
  size_t start = 0;
  for (;;) {
    const size_t end = original.find('\\', start);
    const std::string part = original.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (part == "." || part == ".." || original.find('/') != std::string::npos) return false;
    if (end == std::string::npos) return !part.empty();
    start = end + 1;
  }
}

// One file's problem in words, "" when it checks out; bytes get its copy.
std::string checkFile(const BackupSummary& backup, const BackupFile& file, std::vector<char>& bytes) {
  const std::string stored = file.copy.compare(0, backup.folder.size() + 1, backup.folder + "\\") == 0
                                 ? file.copy.substr(backup.folder.size() + 1)
                                 : std::string();
  if (stored.empty() || stored.find('\\') != std::string::npos || strcasecmp(stored.c_str(), kManifestName) == 0 ||
      !storedNameFits(stored, file.original) || !plainPath(file.original))
    return "its list names " + file.original + ", which is no file this backup made";
  if (!readWhole(file.copy, bytes)) return "the copy of " + file.original + " cannot be read: " + strerror(errno);
  if (!file.recorded) return bytes.empty() ? "the copy of " + file.original + " is empty" : "";
  if (static_cast<long long>(bytes.size()) != file.size)
    return "the copy of " + file.original + " holds " + std::to_string(bytes.size()) + " bytes, not the " +
           std::to_string(file.size) + " it was made with";
  if (updateChecksum(0, bytes.data(), bytes.size()) != file.checksum)
    return "the copy of " + file.original + " is not what was backed up (its checksum differs)";
  return "";
}

}  // namespace

bool checkBackup(const BackupSummary& backup, std::string* why) {
  std::vector<char> bytes;
  for (const BackupFile& file : backup.files) {
    const std::string problem = checkFile(backup, file, bytes);
    if (problem.empty()) continue;
    if (why) *why = problem;
    return false;
  }
  return true;
}

RestoreResult restoreBackup(const BackupSummary& backup, const BackupPlace& place) {
  RestoreResult result;
  BackupOperation operation(place, ("Restore backup of " + backup.when).c_str());
  FileReplacer replacer(&operation);
  replacer.requireAll();
  std::vector<char> bytes;
  for (const BackupFile& file : backup.files) {
    result.failure = checkFile(backup, file, bytes);
    if (!result.failure.empty()) {
      result.damaged = true;
      return result;  // the replacer drops what it queued
    }
    FILE* f = replacer.open(file.original.c_str(), "wb");
    if (!f) break;
    if (!bytes.empty() && fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
      replacer.abandon();
      break;
    }
    if (replacer.finish() < 0) break;
  }
  result.restored = replacer.commit();
  result.backupFailed = replacer.backupFailed();
  result.interrupted = replacer.interrupted();
  if (result.restored != static_cast<int>(backup.files.size())) result.failure = replacer.failure();
  return result;
}
