// Loading the sprite set: palette from "palette.bmp", the main set from
// "ZAN.SPR" and the second set from "ZAN2.SPR", converted to the current
// colour depth; blank slots stand in for whatever a file could not give.
#include "data/sprite_set.h"

#include <cstdio>
#include <cstring>

#include "data/sprite_tables.h"
#include "platform/file_stream.h"
#include "platform/host_path.h"

namespace {

// Reads the next 360 bytes of file into slot: index 255 becomes the mask
// colour, every other index its palette colour. A sprite that the file does
// not hold at all leaves the slot blank; the missing rest of a cut sprite
// takes index 0. False when the file held less than the whole sprite.
bool readSprite(FILE* file, BITMAP* slot, int maskColour) {
  unsigned char bytes[kSpriteBytes];
  const size_t got = fread(bytes, 1, sizeof bytes, file);
  if (got == 0) return false;
  memset(bytes + got, 0, sizeof bytes - got);
  for (int y = 0; y < kSpriteHeight; ++y) {
    for (int x = 0; x < kSpriteWidth; ++x) {
      const int index = bytes[y * kSpriteWidth + x];
      putpixel(slot, x, y, index == 255 ? maskColour : palette_color[index]);
    }
  }
  return got == sizeof bytes;
}

}  // namespace

SpriteSet::~SpriteSet() { release(); }

bool SpriteSet::load(const char* gameDirectory, SpriteImageRegistrar registrar, void* context) {
  const bool paletteRead = loadPalette("palette.bmp");
  const bool spritesRead = loadSprites(gameDirectory, registrar, context);
  return paletteRead && spritesRead;
}

bool SpriteSet::loadPalette(const char* editorPath) {
  problems_ &= ~static_cast<unsigned>(kPaletteMissing);
  char hostPath[1024];
  BITMAP* picture = nullptr;
  if (pathToHost(editorPath, hostPath, sizeof hostPath)) {
    picture = load_bitmap(hostPath, palette);
  }
  const bool found = picture != nullptr;
  if (found) {
    destroy_bitmap(picture);  // only its palette is wanted
  } else {
    // Without the game's palette the sprites still get distinct colours.
    memcpy(palette, default_palette, sizeof(PALETTE));
    problems_ |= kPaletteMissing;
  }
  set_palette(palette);
  return found;
}

bool SpriteSet::loadSprites(const char* gameDirectory, SpriteImageRegistrar registrar,
                            void* context) {
  release();
  problems_ &= kPaletteMissing;
  const bool mainRead = loadHalf(gameDirectory, "ZAN.SPR", 0, registrar, context);
  const bool secondRead = loadHalf(gameDirectory, "ZAN2.SPR", kSecondSetFirstSlot, nullptr, nullptr);
  return mainRead && secondRead;
}

// Reads one sprite file into the slots firstSlot + 1 .. firstSlot + 248 after a
// blank slot firstSlot. The file is only read, so it is opened "rb": a game
// directory on read-only media still gives its pictures.
bool SpriteSet::loadHalf(const char* gameDirectory, const char* fileName, int firstSlot,
                         SpriteImageRegistrar registrar, void* context) {
  const bool isMain = firstSlot == 0;
  char path[1024];
  snprintf(path, sizeof path, "%s\\%s", gameDirectory, fileName);
  FILE* file = openStream(path, "rb");
  if (file == nullptr) problems_ |= isMain ? kMainSetMissing : kSecondSetMissing;

  const int depth = get_color_depth();
  const int maskColour = makecol(255, 0, 255);
  bool complete = file != nullptr;
  for (int n = 0; n <= kSpritesPerFile; ++n) {
    BITMAP* slot = create_bitmap_ex(depth, kSpriteWidth, kSpriteHeight);
    if (slot == nullptr) continue;
    clear_bitmap(slot);
    slots_[firstSlot + n] = slot;
    if (n > 0 && file != nullptr && !readSprite(file, slot, maskColour)) complete = false;
    if (registrar != nullptr) {
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
  if (problems_ & kPaletteMissing) return "palette.bmp";
  if (problems_ & (kMainSetMissing | kMainSetShort)) return "ZAN.SPR";
  if (problems_ & (kSecondSetMissing | kSecondSetShort)) return "ZAN2.SPR";
  return nullptr;
}
