// Text and binary streams over host files. On Windows the C runtime already
// gives text streams their CR LF behaviour; elsewhere a cookie stream does it.
#include "platform/file_stream.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

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
  if (!k->text) return static_cast<ssize_t>(n);
  size_t j = 0;
  for (size_t i = 0; i < n; i++) {
    char ch = buf[i];
    if (ch == '\r') {
      if (i + 1 < n) {
        if (buf[i + 1] == '\n') continue;  // the LF that follows is kept
      } else {
        int next = fgetc(k->raw);
        if (next == '\n') ch = '\n';
        else if (next != EOF) ungetc(next, k->raw);
      }
    }
    buf[j++] = ch;
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
  if (!pathToHost(editorPath, host, sizeof host)) return nullptr;
#ifdef _WIN32
  return fopen(host, mode);
#else
  char rawMode[8];
  snprintf(rawMode, sizeof rawMode, "%s%s", mode, isTextMode(mode) ? "b" : "");
  return wrapHostStream(fopen(host, rawMode), mode);
#endif
}
