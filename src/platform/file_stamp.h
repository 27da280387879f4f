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
// With writable given, it is set from the same look: whether a save may
// replace the file (see isWritableFile in file_ops.h).
FileStamp fileStampOf(const char* editorPath, bool* writable = nullptr);

// The same look at a file by its host path (as pathToHost gave it), for a
// caller that keeps the path and looks again and again; statusChangedNs
// (when given) gets the time its permissions or owner last changed, or 0.
FileStamp fileStampOfHostPath(const char* hostPath, bool* writable, long long* statusChangedNs);

inline bool sameStamp(const FileStamp& a, const FileStamp& b) {
  return a.exists == b.exists && (!a.exists || (a.size == b.size && a.modifiedNs == b.modifiedNs));
}
