// Reading backup folders: their names, their lists, and the order they were
// made in. A list is trusted only as far as it says it is complete.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>

#include "platform/backup_format.h"
#include "platform/backup_store.h"
#include "platform/directory_list.h"
#include "platform/editor_path.h"
#include "platform/file_stream.h"
#include "platform/host_path.h"
#include "platform/text_lines.h"

namespace {

constexpr size_t kStampLength = 19;  // "YYYY-MM-DD_HH-MM-SS"


// The folder's date and time as the user reads it: local time, also for a
// folder named in UTC.
std::string readableTime(const BackupFolderName& folder) {
  std::string when = folder.name.substr(0, kStampLength);
  if (folder.utc) {
    struct tm utc = {};
    if (sscanf(when.c_str(), "%d-%d-%d_%d-%d-%d", &utc.tm_year, &utc.tm_mon, &utc.tm_mday, &utc.tm_hour,
               &utc.tm_min, &utc.tm_sec) == 6) {
      utc.tm_year -= 1900;
      utc.tm_mon -= 1;
      const time_t t = timegm(&utc);
      struct tm local;
      char text[32];
      if (localtime_r(&t, &local) && strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local) > 0) return text;
    }
  }
  when[10] = ' ';
  when[13] = ':';
  when[16] = ':';
  return when;
}

// "stored<TAB>size<TAB>checksum<TAB>original" into file; false when malformed.
bool parseRecordedFile(const std::string& text, const std::string& folder, BackupFile& file) {
  const size_t a = text.find('\t');
  const size_t b = a == std::string::npos ? a : text.find('\t', a + 1);
  const size_t c = b == std::string::npos ? b : text.find('\t', b + 1);
  if (c == std::string::npos) return false;
  char* end = nullptr;
  const std::string size = text.substr(a + 1, b - a - 1), sum = text.substr(b + 1, c - b - 1);
  file.size = strtoll(size.c_str(), &end, 10);
  if (size.empty() || *end != 0 || file.size < 0) return false;
  const unsigned long checksum = strtoul(sum.c_str(), &end, 16);
  if (sum.size() != 8 || *end != 0) return false;
  file.checksum = static_cast<uint32_t>(checksum);
  file.recorded = true;
  file.copy = joinEditorPath(folder, text.substr(0, a));
  file.original = text.substr(c + 1);
  return true;
}

// The list's lines after its title. Files after the last "Complete" of a
// list of this version are not whole: they are left out, and a list with no
// "Complete" at all is Incomplete.
void readManifestBody(FILE* f, bool current, BackupSummary& out) {
  std::string line;
  size_t complete = 0;
  bool malformed = false;
  while (readTextLine(f, line)) {
    if (startsWith(line, kOperationKey)) {
      out.operation = line.substr(strlen(kOperationKey));
    } else if (startsWith(line, kSequenceKey)) {
      out.sequence = atoll(line.c_str() + strlen(kSequenceKey));
    } else if (line == kCompleteLine) {
      complete = out.files.size();
    } else if (startsWith(line, kFileKey)) {
      const std::string text = line.substr(strlen(kFileKey));
      BackupFile file;
      if (current) {
        malformed = malformed || !parseRecordedFile(text, out.folder, file);
      } else {
        const size_t tab = text.find('\t');
        if (tab == std::string::npos) continue;
        file.copy = joinEditorPath(out.folder, text.substr(0, tab));
        file.original = text.substr(tab + 1);
      }
      if (!malformed) out.files.push_back(file);
    }
  }
  if (malformed) {
    out.state = BackupState::Unreadable;
    out.problem = "its list backup.txt has a line that is not as DOLA writes it";
  } else if (current) {
    out.files.resize(complete);
    if (complete == 0) out.state = BackupState::Incomplete;
  }
}

}  // namespace

bool parseBackupFolderName(const std::string& name, BackupFolderName* out) {
  static const char pattern[] = "0000-00-00_00-00-00";
  if (name.size() < kStampLength) return false;
  for (size_t i = 0; i < kStampLength; i++) {
    const bool digit = name[i] >= '0' && name[i] <= '9';
    if (pattern[i] == '0' ? !digit : name[i] != pattern[i]) return false;
  }
  size_t at = kStampLength;
  out->name = name;
  out->utc = at < name.size() && name[at] == 'Z';
  at += out->utc ? 1 : 0;
  out->counter = 1;
  if (name.size() == at) return true;
  if (name[at] != '_' || name.size() == at + 1 || name.size() > at + 7) return false;
  for (size_t i = at + 1; i < name.size(); i++)
    if (name[i] < '0' || name[i] > '9') return false;
  out->counter = atoi(name.c_str() + at + 1);
  return true;
}

bool listBackupFolderNames(const char* directory, std::vector<BackupFolderName>& out) {
  out.clear();
  std::vector<DirectoryEntry> entries;
  if (!listDirectory(directory, entries)) {
    const int error = errno;
    const bool missing = !isDirectoryPath(directory);
    errno = error;
    return missing;
  }
  for (const DirectoryEntry& entry : entries) {
    BackupFolderName folder;
    if (entry.isDirectory && parseBackupFolderName(entry.name, &folder)) out.push_back(folder);
  }
  return true;
}

long long readBackupSequence(const std::string& editorFolder) {
  FILE* f = openStream(joinEditorPath(editorFolder, kManifestName).c_str(), "r");
  if (!f) return 0;
  std::string line;
  long long sequence = 0;
  for (int i = 0; i < 4 && readTextLine(f, line); i++)
    if (startsWith(line, kSequenceKey)) sequence = atoll(line.c_str() + strlen(kSequenceKey));
  fclose(f);
  return sequence;
}

bool madeAfter(long long sequenceA, const BackupFolderName& a, long long sequenceB, const BackupFolderName& b) {
  if (sequenceA != sequenceB) return sequenceA > sequenceB;
  const int c = a.name.compare(0, kStampLength, b.name, 0, kStampLength);
  return c != 0 ? c > 0 : a.counter > b.counter;
}

std::string joinEditorPath(const std::string& directory, const std::string& name) {
  if (directory.empty()) return name;
  return directory.back() == '\\' ? directory + name : directory + "\\" + name;
}

std::string hostPathOf(const std::string& editorPath) {
  char host[4096];
  return pathToHost(editorPath.c_str(), host, sizeof host) ? host : "";
}

std::string storedBaseName(const std::string& name) {
  std::string base = name;
  std::replace(base.begin(), base.end(), '\t', '_');
  return base;
}

bool readBackup(const char* folder, BackupSummary& out) {
  out = BackupSummary();
  out.folder = folder ? folder : "";
  const char* slash = lastBackslash(out.folder.c_str());
  BackupFolderName name;
  out.when = parseBackupFolderName(slash ? slash + 1 : out.folder, &name) ? readableTime(name) : out.folder;
  FILE* f = openStream(joinEditorPath(out.folder, kManifestName).c_str(), "r");
  if (!f) {
    out.state = BackupState::Unreadable;
    out.problem = errno == ENOENT ? "it has no list backup.txt" : std::string("its list backup.txt cannot be read: ") + strerror(errno);
    // A folder that is still being made (or was cut short before its first
    // copy) has no list yet: incomplete, not unreadable.
    if (errno == ENOENT && isDirectoryPath(out.folder.c_str())) out.state = BackupState::Incomplete;
    return false;
  }
  std::string title;
  readTextLine(f, title);
  if (title == kManifestTitle || title == kOldManifestTitle) {
    readManifestBody(f, title == kManifestTitle, out);
  } else {
    out.state = BackupState::Unreadable;
    out.problem = "its list backup.txt is not a DOLA backup list";
  }
  fclose(f);
  return out.state == BackupState::Usable;
}

std::vector<BackupSummary> listBackups(const char* directory, bool* readable) {
  std::vector<BackupSummary> backups;
  std::vector<BackupFolderName> names;
  const std::string root = directory ? directory : "";
  const bool listed = listBackupFolderNames(root.c_str(), names);
  if (readable) *readable = listed;
  std::vector<std::pair<BackupSummary, BackupFolderName>> found;
  for (const BackupFolderName& name : names) {
    BackupSummary summary;
    readBackup(joinEditorPath(root, name.name).c_str(), summary);
    if (summary.state != BackupState::Incomplete) found.push_back({summary, name});
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return madeAfter(a.first.sequence, a.second, b.first.sequence, b.second);
  });
  for (auto& entry : found) backups.push_back(std::move(entry.first));
  return backups;
}
