// copyDescriptorBytes: plain read and write loops, short writes continued.
#include "platform/descriptor_copy.h"

#include <unistd.h>

bool copyDescriptorBytes(int src, int dst) {
  char buf[65536];
  for (;;) {
    ssize_t n = read(src, buf, sizeof buf);
    if (n == 0) return true;
    if (n < 0) return false;
    for (ssize_t done = 0; done < n;) {
      ssize_t w = write(dst, buf + done, static_cast<size_t>(n - done));
      if (w <= 0) return false;
      done += w;
    }
  }
}
