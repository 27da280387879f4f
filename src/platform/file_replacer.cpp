// FileReplacer: the backup first, then the safe batch.
#include "platform/file_replacer.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "platform/backup_store.h"
#include "platform/host_path.h"

FILE* FileReplacer::open(const char* editorPath, const char* mode) {
  if (backupFailed_) {
    errno = EIO;
    return nullptr;
  }
  if (backup_ != nullptr && !backup_->keep(editorPath)) {
    backupFailed_ = true;
    batch_.fail(backup_->failure());
    return nullptr;
  }
  FILE* f = batch_.open(editorPath, mode);
  noteDevice(editorPath);
  return f;
}

// The batch's commit syncs the file system of each target's directory once
// before it renames anything; copies kept there need no sync of their own.
void FileReplacer::noteDevice(const char* editorPath) {
  char host[4096];
  if (!pathToHost(editorPath, host, sizeof host)) return;
  std::string directory = host;
  const size_t slash = directory.rfind('/');
  directory = slash == std::string::npos ? "." : directory.substr(0, slash + 1);
  struct stat st;
  if (stat(directory.c_str(), &st) != 0) return;
  const unsigned long long device = st.st_dev;
  if (std::find(devices_.begin(), devices_.end(), device) == devices_.end()) devices_.push_back(device);
}

int FileReplacer::finish() { return batch_.finish(); }

void FileReplacer::requireAll() { batch_.requireAll(backup_ != nullptr ? backup_->what() : "", ""); }

std::string FileReplacer::failure() const { return batch_.failure(); }

int FileReplacer::commit() {
  if (!backupFailed_ && backup_ != nullptr && !batch_.failure().empty()) {
    backup_->abandon();  // a batch that requires all places nothing now: its backup serves no restore
    return batch_.commit();
  }
  if (!backupFailed_ && backup_ != nullptr && !backup_->sync(&devices_)) {
    backupFailed_ = true;
    batch_.fail(backup_->failure());
  }
  if (backupFailed_) {
    batch_.abandon();
    return 0;  // the batch's destructor removes the queued temporaries
  }
  if (backup_ != nullptr) batch_.setBackupFolder(backup_->folder());
  const int placed = batch_.commit();
  if (backup_ != nullptr && placed > 0) backup_->reliedOn();
  if (backup_ != nullptr && placed == 0 && !batch_.failure().empty()) backup_->abandon();
  return placed;
}

// A lone file goes through SafeWriter, which syncs that file alone rather
// than its whole file system.
bool FileReplacer::replaceWhole(const char* editorPath, const char* mode, const void* bytes, size_t size) {
  if (backupFailed_) {
    errno = EIO;
    return false;
  }
  if (backup_ != nullptr && (!backup_->keep(editorPath) || !backup_->sync())) {
    backupFailed_ = true;
    return false;
  }
  SafeWriter writer;
  FILE* f = writer.open(editorPath, mode);
  if (f == nullptr) return false;
  if (size > 0 && fwrite(bytes, 1, size, f) != size) return false;  // the writer abandons it
  const bool placed = writer.commit();
  if (placed && backup_ != nullptr) backup_->reliedOn();
  return placed;
}
