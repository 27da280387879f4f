// What the demo's object and creature tables hold: each entry's name and the
// sprite slot that pictures it, and how that picture is drawn.
#pragma once
#include <cstdint>

#include "demo_palette.h"

enum class ItemShape { Chest, Potion, Sword, Axe, Shield, Bow, Helmet, Armour, Ring, Coins, Gem,
                       Key, Scroll, Book, Bread, Apple, Cheese, Fish, Lantern, Bag, Mug, Candle,
                       Skull, Mushroom, Herb, Staff, Dagger, Pickaxe };

struct ItemEntry {
  const char* name;
  int sprite;  // slot 1..248
  ItemShape shape;
  Ramp colour;
};

enum class BeingShape { Person, Beast, Bird, Rat, Bat, Spider, Snake, Slime, Ghost, Dragon };

struct BeingEntry {
  const char* name;
  int sprite;  // slot 1..255
  BeingShape shape;
  Ramp body;   // clothes or fur
  Ramp extra;  // hair, trim or markings
  int size;    // 0 small .. 2 large
};

extern const ItemEntry kItems[];
extern const int kItemCount;
extern const BeingEntry kBeings[];
extern const int kBeingCount;

// Player objects ("playername.OBJ"): index into kItems of each.
extern const int kPlayerItems[];
extern const int kPlayerItemCount;
