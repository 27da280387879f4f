// Loading the sprite set: palette from "palette.bmp", the main set from
// "ZAN.SPR" and the second set from "ZAN2.SPR", converted to the colour depth
// the caller names; blank slots stand in for whatever a file could not give.
#include "data/sprite_set.h"

#include <cstdio>
#include <cstring>

#include "data/bmp_palette.h"
#include "data/sprite_tables.h"
#include "platform/file_stream.h"

namespace {

// What each palette index becomes in a slot of one colour depth.
struct SpriteColours {
  int of[256];
};

// The colours the palette gives at depth, as Allegro's screen palette would
// (6-bit entries scaled to 8 bits); index 255 is the mask colour at 15 to 32
// bits and the entry nearest to magenta at 8 bits.
SpriteColours coloursAt(const PALETTE palette, int depth) {
  SpriteColours colours;
  for (int i = 0; i < 256; ++i) {
    const RGB& c = palette[i];
    colours.of[i] = depth == 8 ? i
                               : makecol_depth(depth, _rgb_scale_6[c.r], _rgb_scale_6[c.g],
                                               _rgb_scale_6[c.b]);
  }
  colours.of[255] = depth == 8 ? bestfit_color(palette, 63, 0, 63) : makecol_depth(depth, 255, 0, 255);
  return colours;
}

// Reads the next 360 bytes of file and, when there is a slot, puts them into
// it. A sprite that the file does not hold at all leaves the slot blank; the
// missing rest of a cut sprite takes index 0. False when the file held less
// than the whole sprite.
bool readSprite(FILE* file, BITMAP* slot, const SpriteColours& colours) {
  unsigned char bytes[kSpriteBytes];
  const size_t got = fread(bytes, 1, sizeof bytes, file);
  if (got == 0) return false;
  memset(bytes + got, 0, sizeof bytes - got);
  for (int y = 0; slot != nullptr && y < kSpriteHeight; ++y) {
    for (int x = 0; x < kSpriteWidth; ++x) putpixel(slot, x, y, colours.of[bytes[y * kSpriteWidth + x]]);
  }
  return got == sizeof bytes;
}

}  // namespace

SpriteSet::~SpriteSet() { release(); }

bool SpriteSet::load(const char* gameDirectory, int colourDepth, SpriteImageRegistrar registrar,
                     void* context) {
  const bool paletteRead = loadPalette("palette.bmp");
  const bool spritesRead = loadSprites(gameDirectory, colourDepth, registrar, context);
  return paletteRead && spritesRead;
}

bool SpriteSet::loadPalette(const char* editorPath) {
  problems_ &= ~static_cast<unsigned>(kPaletteMissing | kPaletteInvalid);
  const PaletteFault fault =
      readBmpPalette(editorPath, palette, paletteProblem_, sizeof paletteProblem_);
  if (fault == PaletteFault::None) return true;
  // Without the game's palette the sprites still get distinct colours.
  memcpy(palette, default_palette, sizeof(PALETTE));
  problems_ |= fault == PaletteFault::NotFound ? kPaletteMissing : kPaletteInvalid;
  return false;
}

bool SpriteSet::loadSprites(const char* gameDirectory, int colourDepth,
                            SpriteImageRegistrar registrar, void* context) {
  release();
  problems_ &= kPaletteMissing | kPaletteInvalid;
  const bool mainRead = loadHalf(gameDirectory, kMainSpriteFile, 0, colourDepth, registrar, context);
  const bool secondRead =
      loadHalf(gameDirectory, kSecondSpriteFile, kSecondSetFirstSlot, colourDepth, nullptr, nullptr);
  return mainRead && secondRead && !(problems_ & kSlotsMissing);
}

// Reads one sprite file into the slots firstSlot + 1 .. firstSlot + 248 after a
// blank slot firstSlot. The file is only read, so it is opened "rb": a game
// directory on read-only media still gives its pictures.
bool SpriteSet::loadHalf(const char* gameDirectory, const char* fileName, int firstSlot,
                         int colourDepth, SpriteImageRegistrar registrar, void* context) {
  const bool isMain = firstSlot == 0;
  char path[1024];
  snprintf(path, sizeof path, "%s\\%s", gameDirectory, fileName);
  FILE* file = openStream(path, "rb");
  if (file == nullptr) problems_ |= isMain ? kMainSetMissing : kSecondSetMissing;
  // Without "ZAN2.SPR" its slots stay absent, so that the objects and
  // creatures drawn with them are not drawn at all rather than as black
  // squares. The main set keeps blank slots: every tile and list icon needs one.
  if (file == nullptr && !isMain) return false;

  const SpriteColours colours = coloursAt(palette, colourDepth);
  bool complete = file != nullptr;
  for (int n = 0; n <= kSpritesPerFile; ++n) {
    BITMAP* slot = create_bitmap_ex(colourDepth, kSpriteWidth, kSpriteHeight);
    if (slot != nullptr) clear_bitmap(slot);
    else problems_ |= kSlotsMissing;
    slots_[firstSlot + n] = slot;
    // Read even without a slot, so that the sprites after it keep their places.
    if (n > 0 && file != nullptr && !readSprite(file, slot, colours)) complete = false;
    if (registrar != nullptr && slot != nullptr) {
      char name[16];
      snprintf(name, sizeof name, "%i", n);
      registrar(slot, name, context);
    }
  }
  if (file != nullptr) {
    fclose(file);
    if (!complete) problems_ |= isMain ? kMainSetShort : kSecondSetShort;
  }
  return complete;
}

BITMAP* SpriteSet::sprite(int i) const {
  if (i < 0 || i >= kSpriteSlotCount) return nullptr;
  return slots_[i];
}

int SpriteSet::foregroundSprite(int code) { return foregroundSlotOf(code); }

int SpriteSet::backgroundSprite(int code, int kind) { return backgroundSlotOf(code, kind); }

void SpriteSet::release() {
  for (BITMAP*& slot : slots_) {
    if (slot != nullptr) destroy_bitmap(slot);
    slot = nullptr;
  }
}

const char* SpriteSet::firstProblemFile() const {
  if (problems_ & (kPaletteMissing | kPaletteInvalid)) return "palette.bmp";
  if (problems_ & (kMainSetMissing | kMainSetShort)) return kMainSpriteFile;
  if (problems_ & (kSecondSetMissing | kSecondSetShort)) return kSecondSpriteFile;
  return nullptr;
}
