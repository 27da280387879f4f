// The colour table of an 8-bit BMP file ("palette.bmp"), read from its
// headers with every size checked against the file; the pixels are never
// read. Anything but an 8-bit paletted bitmap is refused with a sentence that
// says what is wrong with the file.
#pragma once
#include <allegro.h>

#include <cstddef>

enum class PaletteFault {
  None,
  NotFound,     // no file of that name
  Unreadable,   // there, but not a regular file or not readable
  NotBitmap,    // no "BM" at the start
  NotPaletted,  // a bitmap, but not 8 bits per pixel
  Damaged,      // an 8-bit bitmap whose headers or colour table do not fit the file
};

// Fills palette (Allegro's 6-bit entries; entries the file's table does not
// name are black) from the BMP file at editorPath. On a fault palette is left
// as it was and problem gets a sentence that follows the file's name, such as
// "is a 24-bit bitmap, not an 8-bit one with a colour table".
PaletteFault readBmpPalette(const char* editorPath, PALETTE palette, char* problem,
                            size_t problemSize);
