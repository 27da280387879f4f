// WorldPicture: the world view as last drawn, with the world cells it was
// drawn from, so that a mouse event over an unchanged world copies one
// picture. Any change of the cells, the sprites or the depth redraws it all.
#pragma once
#include <allegro.h>

#include <memory>

#include "data/sprite_set.h"
#include "data/world_buffer.h"
#include "view/sprite_snapshot.h"

class WorldPicture {
 public:
  WorldPicture() = default;
  ~WorldPicture();
  WorldPicture(const WorldPicture&) = delete;
  WorldPicture& operator=(const WorldPicture&) = delete;

  // Shows what drawWorld would draw onto target; draws straight onto it when
  // there is no memory for the picture.
  void show(BITMAP* target, const SpriteSet& sprites, const WorldBuffer& world);
  void invalidate();

 private:
  BITMAP* picture_ = nullptr;
  std::unique_ptr<WorldBuffer> drawnFrom_;
  SpriteSnapshot drawnWith_;
};
