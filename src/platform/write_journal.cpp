// Writing, reading and settling the journal of a batch of replacements.
#include "platform/write_journal.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "platform/directory_list.h"
#include "platform/file_stream.h"
#include "platform/host_path.h"
#include "platform/text_lines.h"
#include "platform/write_faults.h"

namespace {

constexpr const char kTitle[] = "DOLA write journal";
constexpr const char kOperationKey[] = "Operation: ";
constexpr const char kBackupKey[] = "Backup: ";
constexpr const char kReplaceKey[] = "Replace: ";
constexpr const char kTemporaryMark[] = ".dola-";
constexpr size_t kRandomLength = 6;


std::string hostOf(const std::string& editorPath) {
  char host[4096];
  return mapHostPathAsGiven(editorPath.c_str(), host, sizeof host) ? host : "";
}

bool exists(const std::string& editorPath) { return access(hostOf(editorPath).c_str(), F_OK) == 0; }

}  // namespace

std::string temporaryNamePattern(const char* name) { return std::string(".") + name + kTemporaryMark + "XXXXXX"; }

bool isWriteTemporaryName(const char* name) {
  const size_t length = strlen(name);
  const size_t mark = strlen(kTemporaryMark);
  if (name[0] != '.' || length < 2 + mark + kRandomLength) return false;
  return strncmp(name + length - kRandomLength - mark, kTemporaryMark, mark) == 0;
}

bool writeWriteJournal(const char* hostPath, const WriteJournal& journal) {
  std::string text = std::string(kTitle) + "\n" + kOperationKey + journal.operation + "\n" + kBackupKey +
                     journal.backupFolder + "\n";
  for (const JournalFile& file : journal.files) text += kReplaceKey + file.temp + "\t" + file.target + "\n";
  const int fd = ::open(hostPath, O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) return false;
  bool ok = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) && !injectedWriteFailure();
  const int error = errno;
  ok = close(fd) == 0 && ok;
  if (!ok) {
    unlink(hostPath);
    errno = error ? error : EIO;
  }
  return ok;
}

bool readWriteJournal(const char* directory, WriteJournal& out, std::string* why) {
  out = WriteJournal();
  if (why) why->clear();
  char host[4096], canonical[4096];
  if (!pathToHost(directory && *directory ? directory : ".", host, sizeof host) ||
      !pathToEditor(host, canonical, sizeof canonical))
    return false;
  out.path = std::string(canonical) + "\\" + kWriteJournalName;
  FILE* f = openStream(out.path.c_str(), "r");
  if (!f) {
    if (why && errno != ENOENT) *why = strerror(errno);
    return false;
  }
  std::string line;
  bool ok = readTextLine(f, line) && line == kTitle;
  while (ok && readTextLine(f, line)) {
    if (startsWith(line, kOperationKey)) {
      out.operation = line.substr(strlen(kOperationKey));
    } else if (startsWith(line, kBackupKey)) {
      out.backupFolder = line.substr(strlen(kBackupKey));
    } else if (startsWith(line, kReplaceKey)) {
      const size_t tab = line.find('\t');
      if (tab == std::string::npos) ok = false;
      else out.files.push_back({line.substr(strlen(kReplaceKey), tab - strlen(kReplaceKey)), line.substr(tab + 1)});
    }
  }
  fclose(f);
  if (!ok && why) *why = "it is not a DOLA write journal";
  return ok;
}

int waitingFiles(const WriteJournal& journal) {
  int waiting = 0;
  for (const JournalFile& file : journal.files) waiting += exists(file.temp);
  return waiting;
}

bool finishJournaledWrite(const WriteJournal& journal, std::string* why) {
  for (const JournalFile& file : journal.files) {
    if (!exists(file.temp)) continue;
    if (rename(hostOf(file.temp).c_str(), hostOf(file.target).c_str()) != 0) {
      if (why) *why = file.target + " could not be replaced: " + strerror(errno);
      return false;
    }
  }
  const std::string journalHost = hostOf(journal.path);
  const std::string directory = journalHost.substr(0, journalHost.rfind('/') + 1);
  const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
  unlink(journalHost.c_str());
  return true;
}

void dropJournaledWrite(const WriteJournal& journal) {
  for (const JournalFile& file : journal.files) unlink(hostOf(file.temp).c_str());
  unlink(hostOf(journal.path).c_str());
}

std::vector<std::string> leftTemporaries(const char* directory) {
  std::vector<std::string> names;
  std::vector<DirectoryEntry> entries;
  if (!listDirectory(directory, entries)) return names;
  for (const DirectoryEntry& entry : entries)
    if (!entry.isDirectory && isWriteTemporaryName(entry.name.c_str())) names.push_back(entry.name);
  return names;
}
