// Text and binary streams over host files. On Windows the C runtime already
// gives text streams their CR LF behaviour; elsewhere a cookie stream does it.
#include "platform/file_stream.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/host_path.h"

namespace {

std::atomic<long> writeBudget{-1};

// Takes up to n bytes from the injected write budget; returns how many may be written.
size_t takeBudget(size_t n) {
  long budget = writeBudget.load();
  if (budget < 0) return n;
  size_t allowed = static_cast<size_t>(budget) < n ? static_cast<size_t>(budget) : n;
  writeBudget.store(budget - static_cast<long>(allowed));
  return allowed;
}

bool isTextMode(const char* mode) { return strchr(mode, 'b') == nullptr; }

#ifndef _WIN32
struct Cookie {
  FILE* raw;
  bool text;
};

ssize_t cookieRead(void* c, char* buf, size_t size) {
  Cookie* k = static_cast<Cookie*>(c);
  size_t n = fread(buf, 1, size, k->raw);
  if (n == 0 && ferror(k->raw)) return -1;  // a read error is no end of file
  if (!k->text) return static_cast<ssize_t>(n);
  const char* firstCr = static_cast<const char*>(memchr(buf, '\r', n));
  if (!firstCr) return static_cast<ssize_t>(n);
  size_t j = static_cast<size_t>(firstCr - buf);
  for (size_t i = j; i < n;) {
    if (buf[i] != '\r') {  // move the run up to the next CR in one go
      const char* cr = static_cast<const char*>(memchr(buf + i, '\r', n - i));
      size_t run = cr ? static_cast<size_t>(cr - (buf + i)) : n - i;
      memmove(buf + j, buf + i, run);
      i += run;
      j += run;
      continue;
    }
    char ch = '\r';
    if (i + 1 < n) {
      if (buf[i + 1] == '\n') {  // CR LF: the CR goes, the LF stays
        i++;
        continue;
      }
    } else {
      int next = fgetc(k->raw);  // the CR ends this read: look at what follows it
      if (next == '\n') ch = '\n';
      else if (next != EOF) ungetc(next, k->raw);
    }
    buf[j++] = ch;
    i++;
  }
  return static_cast<ssize_t>(j);
}

// Writes bytes to the host file, honouring the injected failure budget.
bool rawWrite(FILE* raw, const char* p, size_t n) {
  size_t allowed = takeBudget(n);
  if (allowed > 0 && fwrite(p, 1, allowed, raw) != allowed) return false;
  if (allowed < n) {
    errno = ENOSPC;
    return false;
  }
  return true;
}

ssize_t cookieWrite(void* c, const char* buf, size_t size) {
  Cookie* k = static_cast<Cookie*>(c);
  if (!k->text) return rawWrite(k->raw, buf, size) ? static_cast<ssize_t>(size) : -1;
  size_t start = 0;
  for (size_t i = 0; i < size; i++) {
    if (buf[i] != '\n') continue;
    if (!rawWrite(k->raw, buf + start, i - start) || !rawWrite(k->raw, "\r\n", 2)) return -1;
    start = i + 1;
  }
  if (!rawWrite(k->raw, buf + start, size - start)) return -1;
  return static_cast<ssize_t>(size);
}

int cookieSeek(void* c, off64_t* offset, int whence) {
  Cookie* k = static_cast<Cookie*>(c);
  if (fseeko(k->raw, *offset, whence) != 0) return -1;
  *offset = ftello(k->raw);
  return 0;
}

int cookieClose(void* c) {
  Cookie* k = static_cast<Cookie*>(c);
  int result = fclose(k->raw);
  delete k;
  return result;
}

// The open(2) flags of a standard stream mode ("r", "w+b", "a", ...).
int openFlagsOf(const char* mode) {
  const bool update = strchr(mode, '+') != nullptr;
  int flags = update ? O_RDWR : (mode[0] == 'r' ? O_RDONLY : O_WRONLY);
  if (mode[0] == 'w') flags |= O_CREAT | O_TRUNC;
  if (mode[0] == 'a') flags |= O_CREAT | O_APPEND;
  return flags | O_CLOEXEC;
}

// Opens host only when it is a regular file. A named pipe would block the
// open or the first read until some other program writes to it, and a device
// or directory is no file of the game's: each is refused with errno set. The
// open itself does not wait (O_NONBLOCK), and the check is made on what was
// opened, so nothing can be swapped in between.
FILE* openRegularFile(const char* host, const char* mode) {
  int fd = ::open(host, openFlagsOf(mode) | O_NONBLOCK, 0666);
  if (fd < 0) return nullptr;
  struct stat st;
  const bool statted = fstat(fd, &st) == 0;
  if (!statted || !S_ISREG(st.st_mode)) {
    const int error = statted && S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    close(fd);
    errno = error;
    return nullptr;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  FILE* raw = fdopen(fd, mode);
  if (!raw) close(fd);
  return raw;
}
#endif

}  // namespace

void failWritesAfter(long bytes) { writeBudget.store(bytes < 0 ? -1 : bytes); }

FILE* wrapHostStream(FILE* raw, const char* mode) {
  if (!raw) return nullptr;
#ifdef _WIN32
  return raw;
#else
  cookie_io_functions_t io = {cookieRead, cookieWrite, cookieSeek, cookieClose};
  Cookie* k = new Cookie{raw, isTextMode(mode)};
  FILE* f = fopencookie(k, mode, io);
  if (!f) {
    fclose(raw);
    delete k;
  }
  return f;
#endif
}

FILE* openStream(const char* editorPath, const char* mode) {
  if (!editorPath || !mode || !*editorPath) return nullptr;
  char host[4096];
#ifdef _WIN32
  if (!pathToHost(editorPath, host, sizeof host)) return nullptr;
  return fopen(host, mode);
#else
  char rawMode[8];
  snprintf(rawMode, sizeof rawMode, "%s%s", mode, isTextMode(mode) ? "b" : "");
  // Reading needs an existing file, so the name as given is tried first and
  // the lookup without regard to case is paid only when that fails. Modes that
  // may create a file always look up first, lest a second file in another
  // case be made beside the existing one.
  FILE* raw = nullptr;
  if (mode[0] == 'r' && mapHostPathAsGiven(editorPath, host, sizeof host)) {
    raw = openRegularFile(host, rawMode);
    if (!raw && errno != ENOENT && errno != ENOTDIR) return nullptr;
  }
  if (!raw) {
    if (!pathToHost(editorPath, host, sizeof host)) return nullptr;
    raw = openRegularFile(host, rawMode);
  }
  return wrapHostStream(raw, mode);
#endif
}

#ifndef _WIN32
bool readOpenFile(int fd, std::string& bytes, long limit, long* size) {
  struct stat st;
  if (size) *size = -1;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if (size) *size = static_cast<long>(st.st_size);
  if (st.st_size > limit) return false;
  bytes.resize(static_cast<size_t>(st.st_size) + 1);
  size_t got = 0;
  for (;;) {
    const ssize_t n = ::read(fd, &bytes[got], bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    got += static_cast<size_t>(n);
    if (got < bytes.size()) break;
    if (got > static_cast<size_t>(limit)) return false;
    bytes.resize(std::min(bytes.size() * 2, static_cast<size_t>(limit) + 1));
  }
  bytes.resize(got);
  return true;
}
#endif

bool readWholeFile(const char* editorPath, std::string& bytes, long limit) {
  bytes.clear();
#ifdef _WIN32
  FILE* f = openStream(editorPath, "rb");
  if (!f) return false;
  char buffer[8192];
  size_t got;
  while (bytes.size() <= static_cast<size_t>(limit) && (got = fread(buffer, 1, sizeof buffer, f)) > 0)
    bytes.append(buffer, got);
  const bool ok = ferror(f) == 0 && bytes.size() <= static_cast<size_t>(limit);
  fclose(f);
  if (!ok) bytes.clear();
  return ok;
#else
  if (!editorPath || !*editorPath) return false;
  char host[4096];
  // As openStream reads: the name as given first, the lookup without regard
  // to case only when that names nothing. O_NONBLOCK keeps a pipe from
  // holding the open; the descriptor is refused after fstat unless regular.
  const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
  int fd = mapHostPathAsGiven(editorPath, host, sizeof host) ? ::open(host, flags) : -1;
  if (fd < 0 && (errno == ENOENT || errno == ENOTDIR) && pathToHost(editorPath, host, sizeof host))
    fd = ::open(host, flags);
  if (fd < 0) return false;
  const bool ok = readOpenFile(fd, bytes, limit, nullptr);
  close(fd);
  if (!ok) bytes.clear();
  return ok;
#endif
}

FILE* openMemoryStream(const std::string& bytes, const char* mode) {
  if (!mode) return nullptr;
  // fmemopen wants a writable buffer even to read; the stream is opened read-only.
  FILE* raw = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
#ifdef _WIN32
  return raw;
#else
  return wrapHostStream(raw, mode);
#endif
}
