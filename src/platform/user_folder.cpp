// The user's DOLA folder: where it is, making it with its palette, and the
// palette installed beside the program.
#include "platform/user_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/descriptor_copy.h"

namespace {

bool formatInto(char* out, size_t size, const char* a, const char* b) {
  const int n = snprintf(out, size, "%s%s", a, b);
  return n >= 0 && static_cast<size_t>(n) < size;
}

bool isRegularFile(const char* path) {
  struct stat info;
  return stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

// mkdir -p: every missing directory of path.
bool makeDirectories(const char* path) {
  char partial[PATH_MAX];
  if (!formatInto(partial, sizeof partial, path, "")) return false;
  for (char* p = partial + 1; *p != '\0'; ++p) {
    if (*p != '/') continue;
    *p = '\0';
    if (mkdir(partial, 0755) != 0 && errno != EEXIST) return false;
    *p = '/';
  }
  return mkdir(partial, 0755) == 0 || errno == EEXIST;
}

// Copies the file through a temporary name, so that a copy cut short is never
// taken for the palette.
bool copyFile(const char* from, const char* to) {
  char partial[PATH_MAX];
  if (!formatInto(partial, sizeof partial, to, ".part")) return false;
  const int in = open(from, O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  const int out = open(partial, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  bool copied = out >= 0 && copyDescriptorBytes(in, out);
  if (out >= 0 && close(out) != 0) copied = false;
  close(in);
  if (copied && rename(partial, to) == 0) return true;
  unlink(partial);
  return false;
}

}  // namespace

bool userFolderPath(char* out, size_t outSize) {
  const char* config = getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return formatInto(out, outSize, config, "/dola");
  const char* home = getenv("HOME");
  if (home == nullptr || home[0] != '/') return false;
  return formatInto(out, outSize, home, "/.config/dola");
}

bool enterUserFolder(const char* folder, const char* paletteSource, bool* made, char* error, size_t errorSize) {
  struct stat info;
  *made = stat(folder, &info) != 0;
  if (*made && !makeDirectories(folder)) {
    snprintf(error, errorSize, "could not make %s: %s", folder, strerror(errno));
    return false;
  }
  char palette[PATH_MAX];
  if (!formatInto(palette, sizeof palette, folder, "/palette.bmp")) {
    snprintf(error, errorSize, "the folder's path is too long: %s", folder);
    return false;
  }
  if (paletteSource != nullptr && !isRegularFile(palette) && isRegularFile(paletteSource) &&
      !copyFile(paletteSource, palette)) {
    snprintf(error, errorSize, "could not copy %s into %s: %s", paletteSource, folder, strerror(errno));
    return false;
  }
  if (chdir(folder) != 0) {
    snprintf(error, errorSize, "could not enter %s: %s", folder, strerror(errno));
    return false;
  }
  return true;
}

bool shippedPalette(char* out, size_t outSize) {
  char program[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", program, sizeof program - 1);
  if (length <= 0) return false;
  program[length] = '\0';
  char* slash = strrchr(program, '/');
  if (slash == nullptr) return false;
  *slash = '\0';  // the program's directory
  return (formatInto(out, outSize, program, "/../share/dola/palette.bmp") && isRegularFile(out)) ||
         (formatInto(out, outSize, program, "/demo/palette.bmp") && isRegularFile(out));
}
