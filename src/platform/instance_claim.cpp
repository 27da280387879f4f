// InstanceClaim on this host: a Unix socket bound to an abstract name made
// from the directory's absolute path and the slot. Binding is exclusive, and
// the kernel drops the name with the last descriptor, also on a crash.
#include "platform/instance_claim.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/host_path.h"

namespace {

// FNV-1a: the absolute path is too long for a socket name, its hash is not.
uint64_t hashOf(const char* text) {
  uint64_t hash = 1469598103934665603ull;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
    hash ^= *p;
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

ClaimResult InstanceClaim::claim(const char* directoryEditorPath, int slot) {
  release();
  char host[4096], absolute[4096];
  if (!pathToHost(directoryEditorPath, host, sizeof host) || !absoluteHostPath(host, absolute, sizeof absolute))
    return ClaimResult::Unavailable;
  sockaddr_un address;
  memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  // sun_path[0] stays 0: an abstract name, not a file.
  const int length = snprintf(address.sun_path + 1, sizeof address.sun_path - 1, "dola-%016llx-%d",
                              static_cast<unsigned long long>(hashOf(absolute)), slot);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return ClaimResult::Unavailable;
  const socklen_t size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0) {
    const bool inUse = errno == EADDRINUSE;
    close(fd);
    return inUse ? ClaimResult::InUse : ClaimResult::Unavailable;
  }
  handle_ = fd;
  return ClaimResult::Claimed;
}

void InstanceClaim::release() {
  if (handle_ >= 0) close(handle_);
  handle_ = -1;
}
