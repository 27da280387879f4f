// Safe replacement of a file that the editor rewrites (MAP files, dola.ini,
// ".DAT" tables). The new bytes go to a temporary file beside the target,
// which replaces the target only when every byte has been written and flushed,
// so a save that fails midway leaves the previous file exactly as it was.
// Where no temporary file can be made beside the target (a writable file in a
// read-only directory), the target itself is written in place.
// A SafeBatch replaces many files that way with one sync for all of them.
// The new file keeps the old one's permission bits, and its owner and group
// where the process may set them. It is a new file all the same: other hard
// links keep the old contents, and extended attributes (ACLs, labels) are not
// carried over. That is the price of a save that can never leave a file half
// written; copying them would tie this layer to each file system's extras.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

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
  // that mode, with errno saying why: ENOENT (missing for "r+b", no such
  // directory), EACCES (a read-only file), EROFS (a read-only disk), EISDIR or
  // EINVAL (a directory or another file that is no regular file).
  FILE* open(const char* editorPath, const char* mode);

  // Flushes and closes the stream and puts the new file in place. False when
  // any write, the flush or the replacement failed; the target is then as it
  // was before open (unless the write had to happen in place).
  bool commit();

  // Drops what was written so far (in place writes cannot be undone).
  void abandon();

  bool writesInPlace() const { return inPlace_; }

 private:
  friend class SafeBatch;
  bool closeStream();  // flushes and closes; the temporary stays where it is

  FILE* stream_ = nullptr;
  bool inPlace_ = false;
  bool mayWriteInPlace_ = true;
  char target_[4096] = {0};
  char temp_[4096] = {0};
};

// Test hook: while on, the one sync of SafeBatch::commit fails, as on a disk
// that reports a write error.
void failBatchSync(bool fail);

// Many files replaced at once, for a command that writes a run of them. Each
// new file goes to its own temporary beside its target, as with SafeWriter;
// commit makes them all durable with one sync, renames each over its target
// and syncs their directories. A file whose write failed is dropped alone;
// after a failed sync no temporary is placed. No target is ever replaced by a
// partial file (save where it had to be written in place), and no temporary
// outlives the batch.
// A batch that requires all its files (requireAll: every world-wide
// operation) writes nothing in place and places nothing once any file
// failed; before its first rename it writes a journal (write_journal.h) that
// it removes after the last, so that a program killed between the renames
// leaves a record of what to finish or undo.
class SafeBatch {
 public:
  SafeBatch() = default;
  ~SafeBatch();  // files not committed are abandoned: their targets stay as they were
  SafeBatch(const SafeBatch&) = delete;
  SafeBatch& operator=(const SafeBatch&) = delete;

  // Starts the next file, in the modes and with the failures of
  // SafeWriter::open. A file opened before and not finished is abandoned.
  FILE* open(const char* editorPath, const char* mode);

  // Closes the file opened last and queues it. Returns its index for placed,
  // or -1 when no file is open or a write or the flush failed (that file is
  // dropped and its target untouched, unless it was written in place: a
  // read-only directory). A file written in place is placed from here on.
  int finish();

  // Drops the file opened last; in a batch that requires all, that fails the batch.
  void abandon();

  // Syncs every queued file with one sync, then puts each in place and syncs
  // their directories once. Returns how many files are now in place; a failed
  // sync places no temporary and removes them all, a failed rename drops that
  // file alone. A directory sync that fails is not undone: each target is
  // then whole, old or new, but its new name may not outlive a power cut.
  int commit();

  bool placed(int index) const {
    return index >= 0 && index < static_cast<int>(files_.size()) && files_[index].placed;
  }

  // All or nothing from here on (see above); operation and backupFolder (an
  // editor path, "" for none) go into the journal.
  void requireAll(const std::string& operation, const std::string& backupFolder);
  void setBackupFolder(const std::string& backupFolder) { backupFolder_ = backupFolder; }
  // The first failure of a batch that requires all, naming the file
  // ("C:\world\ZANAB.MAP: No space left on device"); "" when none.
  const std::string& failure() const { return failure_; }
  // True after a commit that stopped between its renames: its journal is
  // left beside the first target, with the files still to be placed.
  bool interrupted() const { return interrupted_; }
  // Notes a failure of the caller's that must keep the batch from placing anything.
  void fail(const std::string& why);

 private:
  struct QueuedFile {
    std::string temp;  // "" for a file written in place
    std::string target;
    bool placed;
  };
  SafeWriter writer_;
  std::vector<QueuedFile> files_;
  bool all_ = false;
  bool interrupted_ = false;
  std::string operation_, backupFolder_, failure_;

  void removeTemporaries();
  bool writeJournal(const std::string& directory, std::string* journalPath);
  int renameAll(const std::vector<std::string>& directories);
};
