// Pictures of maps drawn with the sprite set, as the editor's canvases show
// them: a local map cell by cell (background, then foreground, masked), its
// placed objects and creatures, and the world overview that squeezes 960
// world columns into 864 pixels and colours each cell by pixel (5, 5) of its
// foreground sprite.
#pragma once
#include <allegro.h>

#include "data/creature_list.h"
#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/object_list.h"
#include "data/sprite_set.h"
#include "data/world_buffer.h"

constexpr int kPictureWidth = 864;   // 48 cells of 18 pixels, and the world overview
constexpr int kPictureHeight = 480;  // 24 cells of 20 pixels, and 480 world rows

// Draws one tile code into the cell whose top-left pixel is (px, py).
void drawTile(BITMAP* target, const SpriteSet& sprites, int px, int py, int code, int kind);

// The 48 x 24 cells of map onto target (at least 864 x 480), row 23 included.
void drawMapPicture(BITMAP* target, const SpriteSet& sprites, const LocalMap& map);

// The sprites of every placement that names a record, later records on top.
void drawPlacementSprites(BITMAP* target, const SpriteSet& sprites, const MapDataFile& data,
                          const ObjectList& objects, const CreatureList& creatures);

// The world overview onto target (at least 864 x 480).
void drawWorldPicture(BITMAP* target, const SpriteSet& sprites, const WorldBuffer& world);
