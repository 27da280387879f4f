// Registered images: a table from a name to an Allegro bitmap, shared by all
// windows and used for list row icons. Bitmaps are neither copied nor freed.
#include <cstdio>
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

constexpr int kNameSize = sizeof RegisteredImage::name;

BITMAP* findImage(const char* name, int length) {
  const GuiContext& g = state();
  if (length <= 0 || length >= kNameSize) return nullptr;
  for (int i = 0; i < g.imageCount; ++i)
    if (strncmp(g.images[i].name, name, length) == 0 && g.images[i].name[length] == '\0')
      return g.images[i].bitmap;
  return nullptr;
}

}  // namespace gui

using namespace gui;

void RegisterImage(BITMAP* bitmap, const char* name, int type, int owner) {
  if (type != kImageBitmap || owner != 0 || !name || !name[0] || strlen(name) >= kNameSize) return;
  GuiContext& g = state();
  for (int i = 0; i < g.imageCount; ++i) {
    if (strcmp(g.images[i].name, name) == 0) {
      g.images[i].bitmap = bitmap;
      return;
    }
  }
  if (g.imageCount >= kMaxImages) return;
  snprintf(g.images[g.imageCount].name, kNameSize, "%s", name);
  g.images[g.imageCount].bitmap = bitmap;
  ++g.imageCount;
}
