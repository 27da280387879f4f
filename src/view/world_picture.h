// WorldPicture: the world view as last drawn, with the world cells it was
// drawn from and the teleport overlay drawn over it, so that a mouse event
// over an unchanged world copies one picture. Any change of the cells, the
// sprites, the depth or the overlay redraws it all.
#pragma once
#include <allegro.h>

#include <memory>

#include "data/sprite_set.h"
#include "data/world_buffer.h"
#include "data/world_teleports.h"
#include "view/sprite_snapshot.h"

class WorldPicture {
 public:
  WorldPicture() = default;
  ~WorldPicture();
  WorldPicture(const WorldPicture&) = delete;
  WorldPicture& operator=(const WorldPicture&) = delete;

  // Shows what drawWorld would draw onto target, with drawWorldTeleports of
  // overlay over it when overlay is given; draws straight onto target when
  // there is no memory for the picture.
  void show(BITMAP* target, const SpriteSet& sprites, const WorldBuffer& world,
            const WorldTeleports* overlay = nullptr);
  void invalidate();

 private:
  BITMAP* picture_ = nullptr;
  std::unique_ptr<WorldBuffer> drawnFrom_;
  SpriteSnapshot drawnWith_;
  const WorldTeleports* overlaidWith_ = nullptr;
  unsigned overlayVersion_ = 0;

  bool current(int depth, const SpriteSet& sprites, const WorldBuffer& world, const WorldTeleports* overlay) const;
};
