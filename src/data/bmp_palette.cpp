// Reading the colour table of a BMP file: the file header, one of the known
// info headers (12 bytes for the old core form, 40 to 124 for the later ones)
// and the table after them. Every offset and count from the file is checked
// against the file's size before it is used, in 64-bit arithmetic.
#include "data/bmp_palette.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "data/little_endian.h"
#include "platform/file_stream.h"

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kCoreHeaderSize = 12;
constexpr int kLargestInfoHeader = 124;
constexpr int kMaxColours = 256;
constexpr size_t kHeadBytes = kFileHeaderSize + kLargestInfoHeader + kMaxColours * 4;
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kRunLength8 = 1;

uint16_t readLeU16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

bool knownInfoHeader(uint32_t size) {
  static const uint32_t kKnown[] = {12, 40, 52, 56, 64, 108, 124};
  for (uint32_t known : kKnown)
    if (size == known) return true;
  return false;
}

// What the headers say, once they are known to lie inside the file.
struct BmpHeader {
  uint32_t pixelOffset;
  uint32_t infoSize;
  int64_t width, height;
  unsigned bitsPerPixel;
  uint32_t compression;
  uint32_t colours;  // entries in the colour table
};

PaletteFault fault(PaletteFault kind, char* problem, size_t size, const char* text) {
  snprintf(problem, size, "%s", text);
  return kind;
}

// Reads the headers out of head (the file's first bytes, fileSize in all).
PaletteFault parseHeader(const unsigned char* head, int64_t fileSize, BmpHeader& h, char* problem,
                         size_t size) {
  if (fileSize < 2 || head[0] != 'B' || head[1] != 'M')
    return fault(PaletteFault::NotBitmap, problem, size, "is not a BMP file (it does not begin with \"BM\")");
  if (fileSize < kFileHeaderSize + 4)
    return fault(PaletteFault::Damaged, problem, size, "is damaged: its header is cut short");
  h.pixelOffset = readLeU32(head + 10);
  h.infoSize = readLeU32(head + 14);
  if (!knownInfoHeader(h.infoSize)) {
    snprintf(problem, size, "is damaged: its header names an unknown header size of %u bytes",
             static_cast<unsigned>(h.infoSize));
    return PaletteFault::Damaged;
  }
  if (fileSize < kFileHeaderSize + static_cast<int64_t>(h.infoSize))
    return fault(PaletteFault::Damaged, problem, size, "is damaged: its header is cut short");
  const unsigned char* info = head + kFileHeaderSize;
  const bool core = h.infoSize == kCoreHeaderSize;
  h.width = core ? readLeU16(info + 4) : readLeI32(info + 4);
  h.height = core ? readLeU16(info + 6) : readLeI32(info + 8);
  h.bitsPerPixel = readLeU16(info + (core ? 10 : 14));
  h.compression = core ? kUncompressed : readLeU32(info + 16);
  h.colours = core ? 0 : readLeU32(info + 32);
  if (h.colours == 0) h.colours = kMaxColours;
  return PaletteFault::None;
}

// Checks what an 8-bit bitmap's header promises against the file's size.
PaletteFault checkSizes(const BmpHeader& h, int64_t fileSize, char* problem, size_t size) {
  if (h.bitsPerPixel != 8) {
    snprintf(problem, size, "is a %u-bit bitmap, not an 8-bit one with a colour table",
             h.bitsPerPixel);
    return PaletteFault::NotPaletted;
  }
  if (h.compression != kUncompressed && h.compression != kRunLength8) {
    snprintf(problem, size, "uses a compression (%u) that DOLA does not read",
             static_cast<unsigned>(h.compression));
    return PaletteFault::Damaged;
  }
  const int64_t rows = h.height < 0 ? -h.height : h.height;
  if (h.width <= 0 || rows == 0) {
    snprintf(problem, size, "is damaged: it says it is %lld x %lld pixels",
             static_cast<long long>(h.width), static_cast<long long>(h.height));
    return PaletteFault::Damaged;
  }
  const int64_t pixelBytes = (h.width + 3) / 4 * 4 * rows;
  if (h.compression == kUncompressed && (h.pixelOffset > fileSize || pixelBytes > fileSize - h.pixelOffset)) {
    snprintf(problem, size, "is damaged: it says it is %lld x %lld pixels, more than the file holds",
             static_cast<long long>(h.width), static_cast<long long>(rows));
    return PaletteFault::Damaged;
  }
  if (h.colours > kMaxColours) {
    snprintf(problem, size, "is damaged: its colour table names %u colours, more than 256",
             static_cast<unsigned>(h.colours));
    return PaletteFault::Damaged;
  }
  const int64_t entrySize = h.infoSize == kCoreHeaderSize ? 3 : 4;
  if (kFileHeaderSize + h.infoSize + entrySize * h.colours > fileSize)
    return fault(PaletteFault::Damaged, problem, size, "is damaged: its colour table is cut short");
  return PaletteFault::None;
}

}  // namespace

PaletteFault readBmpPalette(const char* editorPath, PALETTE palette, char* problem,
                            size_t problemSize) {
  FILE* file = openStream(editorPath, "rb");
  if (!file) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
      return fault(PaletteFault::NotFound, problem, problemSize, "was not found");
    snprintf(problem, problemSize, "cannot be read: %s",
             error == EINVAL ? "it is not a regular file" : strerror(error));
    return PaletteFault::Unreadable;
  }
  unsigned char head[kHeadBytes] = {0};
  int64_t fileSize = -1;
  if (fseek(file, 0, SEEK_END) == 0) fileSize = ftell(file);
  const bool read = fileSize >= 0 && fseek(file, 0, SEEK_SET) == 0 &&
                    fread(head, 1, sizeof head, file) == static_cast<size_t>(
                        fileSize < static_cast<int64_t>(sizeof head) ? fileSize : sizeof head);
  fclose(file);
  if (!read) return fault(PaletteFault::Unreadable, problem, problemSize, "cannot be read");

  BmpHeader h;
  PaletteFault found = parseHeader(head, fileSize, h, problem, problemSize);
  if (found == PaletteFault::None) found = checkSizes(h, fileSize, problem, problemSize);
  if (found != PaletteFault::None) return found;

  const int entrySize = h.infoSize == kCoreHeaderSize ? 3 : 4;
  const unsigned char* table = head + kFileHeaderSize + h.infoSize;
  for (int i = 0; i < kMaxColours; ++i) {
    const bool named = i < static_cast<int>(h.colours);
    const unsigned char* e = table + entrySize * i;  // blue, green, red
    palette[i].r = named ? e[2] / 4 : 0;
    palette[i].g = named ? e[1] / 4 : 0;
    palette[i].b = named ? e[0] / 4 : 0;
    palette[i].filler = 0;
  }
  problem[0] = '\0';
  return PaletteFault::None;
}
