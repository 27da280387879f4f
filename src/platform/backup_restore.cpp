// restoreBackup: each copy read whole, then queued in one FileReplacer.
#include "platform/backup_restore.h"

#include <cstdio>
#include <vector>

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

// Queues the copy's bytes for its original; the replacer's index, or -1.
int queueFile(const BackupFile& file, FileReplacer& replacer) {
  std::vector<char> bytes;
  if (!readWhole(file.copy, bytes)) return -1;
  FILE* f = replacer.open(file.original.c_str(), "wb");
  if (!f) return -1;
  if (!bytes.empty() && fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
    replacer.abandon();
    return -1;
  }
  return replacer.finish();
}

}  // namespace

RestoreResult restoreBackup(const BackupSummary& backup, const BackupPlace& place) {
  RestoreResult result;
  BackupOperation operation(place, ("Restore backup of " + backup.when).c_str());
  FileReplacer replacer(&operation);
  std::vector<int> queued;
  for (const BackupFile& file : backup.files) {
    queued.push_back(replacer.backupFailed() ? -1 : queueFile(file, replacer));
  }
  replacer.commit();
  if (replacer.backupFailed()) {
    result.backupFailed = true;
    result.backupFailure = operation.failure();
    return result;
  }
  for (size_t i = 0; i < queued.size(); i++) {
    if (replacer.placed(queued[i])) {
      result.restored++;
    } else if (result.failed++ == 0) {
      result.firstFailed = backup.files[i].original;
    }
  }
  return result;
}
