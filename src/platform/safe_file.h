// Safe replacement of a file that the editor rewrites (MAP files, dola.ini,
// ".DAT" tables). The new bytes go to a temporary file beside the target,
// which replaces the target only when every byte has been written and flushed,
// so a save that fails midway leaves the previous file exactly as it was.
// Where no temporary file can be made beside the target (a writable file in a
// read-only directory), the target itself is written in place.
// The new file keeps the old one's permission bits, and its owner and group
// where the process may set them. It is a new file all the same: other hard
// links keep the old contents, and extended attributes (ACLs, labels) are not
// carried over. That is the price of a save that can never leave a file half
// written; copying them would tie this layer to each file system's extras.
#pragma once
#include <cstdio>

// Test hook: while on, no temporary file can be made beside any target, as in
// a read-only directory, so writers fall back to writing in place.
void failTemporaryFileCreation(bool fail);

class SafeWriter {
 public:
  SafeWriter() = default;
  ~SafeWriter();  // an unfinished write is abandoned: the target stays as it was
  SafeWriter(const SafeWriter&) = delete;
  SafeWriter& operator=(const SafeWriter&) = delete;

  // Starts rewriting the file at editorPath. Modes: "w" / "w+" (text, the file
  // is created or replaced), "wb" / "w+b" (binary), "r+b" (binary update: the
  // file must exist, and the stream starts as a copy of its bytes).
  // Returns the stream to write, or nullptr when the file cannot be written in
  // that mode (missing for "r+b", read-only, no such directory, other modes).
  FILE* open(const char* editorPath, const char* mode);

  // Flushes and closes the stream and puts the new file in place. False when
  // any write, the flush or the replacement failed; the target is then as it
  // was before open (unless the write had to happen in place).
  bool commit();

  // Drops what was written so far (in place writes cannot be undone).
  void abandon();

  bool writesInPlace() const { return inPlace_; }

 private:
  FILE* stream_ = nullptr;
  bool inPlace_ = false;
  char target_[4096] = {0};
  char temp_[4096] = {0};
};
