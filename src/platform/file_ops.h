// The few whole-file operations of the editor's own files (the recovery
// copy): make a directory, remove a file, rename a file, on editor paths.
#pragma once

// True when the directory exists afterwards (made now or before).
bool makeDirectory(const char* editorPath);
// True when the file is gone afterwards (removed now, or it never existed).
bool removeFile(const char* editorPath);
// Renames a file; false (errno set) when it could not be.
bool renameFile(const char* fromEditorPath, const char* toEditorPath);
// True when the editor path names a regular file that a save may replace:
// it has a write permission bit (a file without one is read-only even to a
// superuser, as the safe save treats it) and the host lets this process write it.
bool isWritableFile(const char* editorPath);

// True when anything (a file, a folder, ...) has the editor path's name.
bool pathExists(const char* editorPath);
