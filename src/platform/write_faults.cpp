// The counters behind the write fault hooks.
#include "platform/write_faults.h"

#include <cerrno>

namespace {
int g_failCountdown = 0;
int g_stopAfter = -1;
}  // namespace

void failNthFileWrite(int n) { g_failCountdown = n; }

bool injectedWriteFailure() {
  if (g_failCountdown <= 0 || --g_failCountdown > 0) return false;
  errno = ENOSPC;
  return true;
}

void stopBatchAfterRenames(int n) { g_stopAfter = n; }

bool injectedStopBefore(int index) {
  if (g_stopAfter < 0 || index < g_stopAfter) return false;
  g_stopAfter = -1;
  return true;
}
