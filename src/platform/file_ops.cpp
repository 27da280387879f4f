// makeDirectory, removeFile and renameFile over the host's calls.
#include "platform/file_ops.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/host_path.h"

bool makeDirectory(const char* editorPath) {
  char host[4096];
  if (!pathToHost(editorPath, host, sizeof host)) return false;
  return mkdir(host, 0777) == 0 || (errno == EEXIST && isDirectoryPath(editorPath));
}

bool removeFile(const char* editorPath) {
  char host[4096];
  if (!pathToHost(editorPath, host, sizeof host)) return false;
  return unlink(host) == 0 || errno == ENOENT;
}

bool renameFile(const char* fromEditorPath, const char* toEditorPath) {
  char from[4096], to[4096];
  if (!pathToHost(fromEditorPath, from, sizeof from) || !pathToHost(toEditorPath, to, sizeof to)) return false;
  return rename(from, to) == 0;
}

bool isWritableFile(const char* editorPath) {
  char host[4096];
  struct stat st;
  if (!pathToHost(editorPath, host, sizeof host) || stat(host, &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return (st.st_mode & 0222) != 0 && access(host, W_OK) == 0;
}

bool pathExists(const char* editorPath) {
  char host[4096];
  struct stat st;
  return pathToHost(editorPath, host, sizeof host) && lstat(host, &st) == 0;
}
