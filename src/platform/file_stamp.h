// What tells a file apart from the same file changed by someone else: its
// size and modification time, or that it does not exist.
#pragma once

struct FileStamp {
  bool exists;
  long long size;
  long long modifiedNs;  // modification time in nanoseconds since the epoch
};

// The stamp of the file at an editor path (any letter case); exists is false
// when there is no such regular file.
FileStamp fileStampOf(const char* editorPath);

inline bool sameStamp(const FileStamp& a, const FileStamp& b) {
  return a.exists == b.exists && (!a.exists || (a.size == b.size && a.modifiedNs == b.modifiedNs));
}
