// The floor of a world write as the editor makes it: each file's old bytes
// copied into a backup folder, its new bytes written to a temporary beside
// it, one sync of the file system, then a rename each and one sync of the
// directory. What a world write must do at the least; benchmarks report
// their figures beside it.
#pragma once
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

// Writes bytes[i] over targets[i] that way, the old files kept in backupFolder
// (made here). False when any step failed.
inline bool safeWriteFloor(const std::string& directory, const std::vector<std::string>& targets,
                           const std::vector<std::string>& bytes, const std::string& backupFolder) {
  if (mkdir(backupFolder.c_str(), 0777) != 0) return false;
  char buffer[65536];
  bool ok = true;
  for (size_t i = 0; i < targets.size(); i++) {
    FILE* in = fopen(targets[i].c_str(), "rb");
    FILE* copy = fopen((backupFolder + "/" + std::to_string(i)).c_str(), "wb");
    const size_t n = in ? fread(buffer, 1, sizeof buffer, in) : 0;
    ok = ok && in && copy && fwrite(buffer, 1, n, copy) == n;
    if (in) fclose(in);
    if (copy) fclose(copy);
    FILE* temp = fopen((targets[i] + ".new").c_str(), "wb");
    ok = ok && temp && fwrite(bytes[i].data(), 1, bytes[i].size(), temp) == bytes[i].size();
    if (temp) fclose(temp);
  }
  int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY);
  ok = ok && fd >= 0 && syncfs(fd) == 0;
  for (size_t i = 0; i < targets.size(); i++) ok = ok && rename((targets[i] + ".new").c_str(), targets[i].c_str()) == 0;
  ok = ok && fd >= 0 && fsync(fd) == 0;
  if (fd >= 0) close(fd);
  return ok;
}
