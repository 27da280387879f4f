// The drawing tools of SpriteCanvas.
#include "sprite_canvas.h"

#include <cstdlib>
#include <cstring>

SpriteCanvas::SpriteCanvas() { memset(pixel, kClear, sizeof pixel); }

uint8_t SpriteCanvas::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= kCanvasW || y >= kCanvasH) return kClear;
  return pixel[y][x];
}

void SpriteCanvas::set(int x, int y, uint8_t index) {
  if (x < 0 || y < 0 || x >= kCanvasW || y >= kCanvasH) return;
  pixel[y][x] = index;
}

void SpriteCanvas::texture(Ramp ramp, int level, int spread, DemoRandom& random) {
  texturedRect(0, 0, kCanvasW - 1, kCanvasH - 1, ramp, level, spread, random);
}

void SpriteCanvas::rect(int x0, int y0, int x1, int y1, uint8_t index) {
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) set(x, y, index);
  }
}

void SpriteCanvas::ellipse(int cx, int cy, int rx, int ry, uint8_t index) {
  for (int y = cy - ry; y <= cy + ry; ++y) {
    for (int x = cx - rx; x <= cx + rx; ++x) {
      const int dx = x - cx, dy = y - cy;
      if (dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry) set(x, y, index);
    }
  }
}

void SpriteCanvas::line(int x0, int y0, int x1, int y1, uint8_t index) {
  const int dx = abs(x1 - x0), dy = -abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    set(x0, y0, index);
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

void SpriteCanvas::texturedEllipse(int cx, int cy, int rx, int ry, Ramp ramp, int level,
                                   int spread, DemoRandom& random) {
  for (int y = cy - ry; y <= cy + ry; ++y) {
    for (int x = cx - rx; x <= cx + rx; ++x) {
      const int dx = x - cx, dy = y - cy;
      if (dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry) {
        set(x, y, shade(ramp, level + random.range(-spread, spread)));
      }
    }
  }
}

void SpriteCanvas::texturedRect(int x0, int y0, int x1, int y1, Ramp ramp, int level, int spread,
                                DemoRandom& random) {
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) set(x, y, shade(ramp, level + random.range(-spread, spread)));
  }
}

void SpriteCanvas::shadeEdges() {
  SpriteCanvas result = *this;
  for (int y = 0; y < kCanvasH; ++y) {
    for (int x = 0; x < kCanvasW; ++x) {
      const uint8_t index = pixel[y][x];
      if (index == kClear) continue;
      const Ramp ramp = rampOf(index);
      if (!opaque(x - 1, y) || !opaque(x, y - 1)) {
        result.pixel[y][x] = shade(ramp, levelOf(index) + 3);
      } else if (!opaque(x + 1, y) || !opaque(x, y + 1)) {
        result.pixel[y][x] = shade(ramp, levelOf(index) - 3);
      }
    }
  }
  *this = result;
}

void SpriteCanvas::outline(uint8_t index) {
  SpriteCanvas result = *this;
  for (int y = 0; y < kCanvasH; ++y) {
    for (int x = 0; x < kCanvasW; ++x) {
      if (opaque(x, y)) continue;
      if (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1)) {
        result.pixel[y][x] = index;
      }
    }
  }
  *this = result;
}

void SpriteCanvas::over(const SpriteCanvas& other) {
  for (int y = 0; y < kCanvasH; ++y) {
    for (int x = 0; x < kCanvasW; ++x) {
      if (other.pixel[y][x] != kClear) pixel[y][x] = other.pixel[y][x];
    }
  }
}
