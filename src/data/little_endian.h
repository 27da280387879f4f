// Little-endian integers of the game's binary files, read and written byte by
// byte so that the result is the same on every host, whatever its byte order
// or alignment rules. Callers pass buffers that hold the whole integer.
#pragma once
#include <cstdint>

inline uint32_t readLeU32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// Two's complement without relying on how the host converts out-of-range values.
inline int32_t readLeI32(const unsigned char* p) {
  const uint32_t u = readLeU32(p);
  if (u < 0x80000000u) return static_cast<int32_t>(u);
  return -static_cast<int32_t>(~u) - 1;
}

inline void writeLeU32(unsigned char* p, uint32_t value) {
  p[0] = static_cast<unsigned char>(value & 0xFF);
  p[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
  p[2] = static_cast<unsigned char>((value >> 16) & 0xFF);
  p[3] = static_cast<unsigned char>((value >> 24) & 0xFF);
}

inline void writeLeI32(unsigned char* p, int32_t value) {
  writeLeU32(p, static_cast<uint32_t>(value));
}
