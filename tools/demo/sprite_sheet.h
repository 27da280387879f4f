// The demo sprite files in the making: 249 canvases per file, canvas n being
// sprite n (slot n of the editor's set; canvas 0 is unused, the editor's blank
// slot). The art is drawn by the functions below, one family each.
#pragma once
#include <string>

#include "sprite_canvas.h"

constexpr int kSheetSlots = kSpritesPerFile + 1;

struct SpriteSheet {
  SpriteCanvas slot[kSheetSlots];
};

void drawGroundArt(SpriteSheet& sheet, DemoRandom& random);    // grass, water, shores, floors
void drawNatureArt(SpriteSheet& sheet, DemoRandom& random);    // trees, rocks, mountains
void drawBuildingArt(SpriteSheet& sheet, DemoRandom& random);  // walls, doors, town pieces
void drawFurnitureArt(SpriteSheet& sheet, DemoRandom& random); // furniture, cave pieces
void drawItemArt(SpriteSheet& sheet, DemoRandom& random);      // the objects' pictures
void drawCreatureArt(SpriteSheet& sheet, DemoRandom& random);  // the creatures' pictures

// The main set ("ZAN.SPR") and the second set ("ZAN2.SPR"), complete: every
// tile picture gets an opaque pixel (5, 5), the colour the world overview
// shows for its tile, and every slot without a role gets a variant picture.
void buildMainSheet(SpriteSheet& sheet);
void buildSecondSheet(SpriteSheet& sheet);

// Writes sprites 1..248 of the sheet, 360 bytes each. False on a write error.
bool writeSpriteFile(const SpriteSheet& sheet, const std::string& hostPath);
