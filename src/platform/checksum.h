// The checksum a backup records for each copy it makes, so that a copy
// damaged later (cut short, overwritten) is found before it is restored.
// CRC-32 of the reflected 0xEDB88320 polynomial, fed in pieces.
#pragma once
#include <cstddef>
#include <cstdint>

// Continues crc (0 for the first piece) over size bytes.
uint32_t updateChecksum(uint32_t crc, const void* bytes, size_t size);
