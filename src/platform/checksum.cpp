// updateChecksum: a table-driven CRC-32, the table made once.
#include "platform/checksum.h"

namespace {

struct CrcTable {
  uint32_t entry[256];
  CrcTable() {
    for (uint32_t i = 0; i < 256; i++) {
      uint32_t c = i;
      for (int k = 0; k < 8; k++) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entry[i] = c;
    }
  }
};

}  // namespace

uint32_t updateChecksum(uint32_t crc, const void* bytes, size_t size) {
  static const CrcTable table;
  const unsigned char* p = static_cast<const unsigned char*>(bytes);
  crc = ~crc;
  for (size_t i = 0; i < size; i++) crc = table.entry[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}
