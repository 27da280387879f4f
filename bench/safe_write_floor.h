// The floor of a world write as the editor makes it: each file's old bytes
// copied into a backup folder under its own name, with one small list of
// what was kept, its new bytes written to a temporary beside it, one sync of
// the file system, then a rename each and one sync of the directory. What a
// world write must do at the least; benchmarks report their figures beside it.
#pragma once
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

// Writes bytes[i] over targets[i] (host paths) that way, the old files kept
// in backupFolder (made here). False when any step failed.
inline bool safeWriteFloor(const std::string& directory, const std::vector<std::string>& targets,
                           const std::vector<std::string>& bytes, const std::string& backupFolder) {
  if (mkdir(backupFolder.c_str(), 0777) != 0) return false;
  char buffer[65536];
  bool ok = true;
  std::string list;
  for (size_t i = 0; i < targets.size(); i++) {
    const size_t slash = targets[i].rfind('/');
    const std::string name = slash == std::string::npos ? targets[i] : targets[i].substr(slash + 1);
    const std::string dir = slash == std::string::npos ? std::string() : targets[i].substr(0, slash + 1);
    FILE* in = fopen(targets[i].c_str(), "rb");
    FILE* copy = fopen((backupFolder + "/" + name).c_str(), "wb");
    const size_t n = in ? fread(buffer, 1, sizeof buffer, in) : 0;
    ok = ok && in && copy && fwrite(buffer, 1, n, copy) == n;
    if (in) fclose(in);
    if (copy) fclose(copy);
    list += name + "\t" + targets[i] + "\n";
    FILE* temp = fopen((dir + "." + name + ".new").c_str(), "wb");
    ok = ok && temp && fwrite(bytes[i].data(), 1, bytes[i].size(), temp) == bytes[i].size();
    if (temp) fclose(temp);
  }
  FILE* kept = fopen((backupFolder + "/list.txt").c_str(), "wb");
  ok = ok && kept && fwrite(list.data(), 1, list.size(), kept) == list.size();
  if (kept) fclose(kept);
  int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY);
  ok = ok && fd >= 0 && syncfs(fd) == 0;
  for (size_t i = 0; i < targets.size(); i++) {
    const size_t slash = targets[i].rfind('/');
    const std::string temp = targets[i].substr(0, slash + 1) + "." + targets[i].substr(slash + 1) + ".new";
    ok = ok && rename(temp.c_str(), targets[i].c_str()) == 0;
  }
  ok = ok && fd >= 0 && fsync(fd) == 0;
  if (fd >= 0) close(fd);
  return ok;
}
