// SpriteSet: the 498 sprite slots of 18 x 20 pixels that every map cell, palette
// cell and list icon is drawn with, the palette they were coloured with, and the
// rule that picks a tile code's background and foreground slots.
#pragma once
#include <allegro.h>

#include "data/sprite_format.h"

// Registers slot bitmaps with the GUI toolkit under their decimal numbers; the
// application hands in a function that calls RegisterImage, so this layer
// needs no toolkit. context is passed back unchanged.
typedef void (*SpriteImageRegistrar)(BITMAP* bitmap, const char* name, void* context);

// Which sprite files could not be read in full (bits of SpriteSet::problems).
enum SpriteProblem : unsigned {
  kPaletteMissing = 1u << 0,    // "palette.bmp" could not be read
  kMainSetMissing = 1u << 1,    // "ZAN.SPR" could not be opened
  kSecondSetMissing = 1u << 2,  // "ZAN2.SPR" could not be opened
  kMainSetShort = 1u << 3,      // "ZAN.SPR" holds fewer than 248 sprites
  kSecondSetShort = 1u << 4,    // "ZAN2.SPR" holds fewer than 248 sprites
  kSlotsMissing = 1u << 5,      // a slot's bitmap could not be made (see sprite)
  kPaletteInvalid = 1u << 6,    // "palette.bmp" is there but gives no colours (paletteProblem)
};

// The set knows nothing of the screen: it never sets the screen palette and
// never reads the global colour depth. The program says in which colour depth
// the slots are made (the editor passes its screen's, get_color_depth()) and,
// where it draws at 8 bits per pixel, makes the set's palette the screen's
// itself (set_palette(sprites.palette)). Colours are those that palette would
// give at that depth: at 15 to 32 bits an index's colour, and index 255 the
// mask colour makecol(255, 0, 255); at 8 bits the index itself, and index 255
// the palette entry nearest to that magenta.
class SpriteSet {
 public:
  SpriteSet() = default;
  ~SpriteSet();
  SpriteSet(const SpriteSet&) = delete;
  SpriteSet& operator=(const SpriteSet&) = delete;

  // Reads "palette.bmp" of the working directory and the two sprite files of
  // gameDirectory (editor path form) into slots of colourDepth bits per
  // pixel. A missing "ZAN2.SPR" leaves its slots absent (null); a missing
  // "ZAN.SPR" or a short file leaves its slots blank (colour 0), and
  // problems says which files were at fault. Slots 0..248 are registered
  // with registrar (may be null). False on any problem.
  bool load(const char* gameDirectory, int colourDepth, SpriteImageRegistrar registrar,
            void* context);

  // The two halves of load, for callers that keep the palette elsewhere.
  // loadPalette fills palette only, from an 8-bit BMP file; any other file
  // leaves a standard palette and says why in paletteProblem. loadSprites
  // colours with palette.
  bool loadPalette(const char* editorPath);
  bool loadSprites(const char* gameDirectory, int colourDepth, SpriteImageRegistrar registrar,
                   void* context);

  // The bitmap of slot i (0..497). Null before load, for i out of range, and
  // for a slot whose bitmap could not be made (no memory, or a colour depth
  // that no bitmap can have; problems then holds kSlotsMissing): a caller
  // draws nothing for a null slot.
  BITMAP* sprite(int i) const;

  static int foregroundSprite(int code);
  static int backgroundSprite(int code, int kind);

  // Destroys every slot bitmap; the set is then as after construction.
  void release();

  unsigned problems() const { return problems_; }
  // The name of the first file that was missing or short, or null.
  const char* firstProblemFile() const;
  // What was wrong with the palette file, after its name ("was not found",
  // "is a 24-bit bitmap, ..."); "" when it was read.
  const char* paletteProblem() const { return paletteProblem_; }

  PALETTE palette = {};

 private:
  bool loadHalf(const char* gameDirectory, const char* fileName, int firstSlot, int colourDepth,
                SpriteImageRegistrar registrar, void* context);

  BITMAP* slots_[kSpriteSlotCount] = {};
  unsigned problems_ = 0;
  char paletteProblem_[160] = {};
};
