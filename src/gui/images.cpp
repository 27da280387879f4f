// Registered images: a table from a name to an Allegro bitmap, shared by all
// windows and used for list row icons. Bitmaps are neither copied nor freed.
#include <cstdio>
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

namespace {
constexpr int kMaxImages = 2048;
constexpr int kNameSize = 64;
struct Image {
  char name[kNameSize];
  BITMAP* bitmap;
};
Image g_images[kMaxImages];
int g_imageCount = 0;
}  // namespace

BITMAP* findImage(const char* name, int length) {
  if (length <= 0 || length >= kNameSize) return nullptr;
  for (int i = 0; i < g_imageCount; ++i)
    if (strncmp(g_images[i].name, name, length) == 0 && g_images[i].name[length] == '\0')
      return g_images[i].bitmap;
  return nullptr;
}

}  // namespace gui

using namespace gui;

void RegisterImage(BITMAP* bitmap, const char* name, int type, int owner) {
  if (type != kImageBitmap || owner != 0 || !name || !name[0] || strlen(name) >= kNameSize) return;
  for (int i = 0; i < g_imageCount; ++i) {
    if (strcmp(g_images[i].name, name) == 0) {
      g_images[i].bitmap = bitmap;
      return;
    }
  }
  if (g_imageCount >= kMaxImages) return;
  snprintf(g_images[g_imageCount].name, kNameSize, "%s", name);
  g_images[g_imageCount].bitmap = bitmap;
  ++g_imageCount;
}
