// SpriteCanvas: one 18 x 20 sprite of palette indices under construction, with
// the few drawing tools the demo art needs: textured fills, shapes, outlines
// and light from the top left. Everything outside the canvas is clipped.
#pragma once
#include <cstdint>

#include "data/sprite_format.h"
#include "demo_palette.h"
#include "demo_random.h"

constexpr int kCanvasW = kSpriteWidth;
constexpr int kCanvasH = kSpriteHeight;

struct SpriteCanvas {
  uint8_t pixel[kCanvasH][kCanvasW];

  SpriteCanvas();  // all transparent
  uint8_t at(int x, int y) const;  // kClear outside
  void set(int x, int y, uint8_t index);
  bool opaque(int x, int y) const { return at(x, y) != kClear; }

  // Fills every pixel with the ramp at level +- spread, speckled by random.
  void texture(Ramp ramp, int level, int spread, DemoRandom& random);
  void rect(int x0, int y0, int x1, int y1, uint8_t index);  // inclusive corners
  void ellipse(int cx, int cy, int rx, int ry, uint8_t index);
  void line(int x0, int y0, int x1, int y1, uint8_t index);
  // Like ellipse/rect, but each pixel takes the ramp at level +- spread.
  void texturedEllipse(int cx, int cy, int rx, int ry, Ramp ramp, int level, int spread,
                       DemoRandom& random);
  void texturedRect(int x0, int y0, int x1, int y1, Ramp ramp, int level, int spread,
                    DemoRandom& random);
  // Lightens opaque pixels whose upper-left neighbour is transparent and darkens
  // those whose lower-right one is, within their own ramp.
  void shadeEdges();
  // Draws index on every transparent pixel that touches an opaque one.
  void outline(uint8_t index);
  // Copies every opaque pixel of other over this canvas.
  void over(const SpriteCanvas& other);
};
