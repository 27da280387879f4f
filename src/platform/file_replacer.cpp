// FileReplacer: the backup first, then the safe batch.
#include "platform/file_replacer.h"

#include <cerrno>

#include "platform/backup_store.h"

FILE* FileReplacer::open(const char* editorPath, const char* mode) {
  if (backupFailed_) {
    errno = EIO;
    return nullptr;
  }
  if (backup_ != nullptr && !backup_->keep(editorPath)) {
    backupFailed_ = true;
    return nullptr;
  }
  return batch_.open(editorPath, mode);
}

int FileReplacer::finish() { return batch_.finish(); }

int FileReplacer::commit() {
  if (!backupFailed_ && backup_ != nullptr && !backup_->sync()) backupFailed_ = true;
  if (backupFailed_) {
    batch_.abandon();
    return 0;  // the batch's destructor removes the queued temporaries
  }
  return batch_.commit();
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
  return writer.commit();
}
