// FileReplacer: the one writer through which the editor and its tools replace
// files. Each file opened through it is first kept in the backup of the
// operation (when there is one and the file exists), then written to a
// temporary beside it as SafeBatch does; commit makes the backup durable and
// only then puts the new files in place. When any backup fails, the whole
// batch is dropped: nothing is replaced.
//
// For a batch (a world generation, Replace in all world maps):
//   BackupOperation backup(place, "Replace in all world maps");
//   FileReplacer replacer(&backup);
//   for each map: map.saveInto(replacer, path);   // or open / fwrite / finish
//   if (replacer.backupFailed()) tell the user backup.failure(); nothing was replaced
//   else replacer.commit();                       // then replacer.placed(index) per file
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "platform/safe_file.h"

class BackupOperation;

class FileReplacer {
 public:
  // backup: the operation whose backup gets the old files; null for files
  // that are the editor's own (dola.ini, the recovery copy) or a program run
  // without backups.
  explicit FileReplacer(BackupOperation* backup = nullptr) : backup_(backup) {}
  FileReplacer(const FileReplacer&) = delete;
  FileReplacer& operator=(const FileReplacer&) = delete;

  // Keeps the file at editorPath in the backup, then starts its new bytes in
  // the modes of SafeWriter::open. nullptr when the backup failed (then
  // backupFailed(); errno says why) or the file cannot be written.
  FILE* open(const char* editorPath, const char* mode);

  // Closes the file opened last and queues it: its index for placed(), or -1
  // when a write failed (that file is dropped, its target untouched).
  int finish();

  // Drops the file opened last.
  void abandon() { batch_.abandon(); }

  // Syncs the backup, then every queued file, and puts them in place. Returns
  // how many were placed: none at all after a failed backup.
  int commit();

  bool placed(int index) const { return batch_.placed(index); }
  bool backupFailed() const { return backupFailed_; }

  // All or nothing (every world-wide operation): no file is written in
  // place, and once any file or its backup failed, commit places none; the
  // batch keeps a journal while it renames (see SafeBatch).
  void requireAll();
  // Fails a batch that requires all with the caller's reason (a file it
  // could not even start); the first reason given is kept.
  void fail(const std::string& why) { batch_.fail(why); }
  // Why a batch that requires all placed nothing (or stopped between its
  // renames), naming the file; "" when nothing failed.
  std::string failure() const;
  // True when the commit stopped between its renames: the journal beside the
  // first target holds the rest.
  bool interrupted() const { return batch_.interrupted(); }

  // One whole file on its own (not part of the batch): the backup, then a
  // safe save of size bytes. True when the file is in place.
  bool replaceWhole(const char* editorPath, const char* mode, const void* bytes, size_t size);

 private:
  BackupOperation* backup_;
  SafeBatch batch_;
  std::vector<unsigned long long> devices_;  // file systems of the targets, synced at commit
  bool backupFailed_ = false;

  void noteDevice(const char* editorPath);
};
