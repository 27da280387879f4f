// Choosing and setting the graphics mode: see graphics_mode.h.
#include "app/graphics_mode.h"

#include <allegro.h>

#include <cstdio>
#include <cstring>

#include "data/settings_file.h"

GraphicsRequest graphicsRequestOf(const SettingsFile& settings) {
  GraphicsRequest request;
  const long depth = settings.getInt("", "colordepth");
  const bool supported = depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32;
  request.depth = supported ? static_cast<int>(depth) : 16;
  const char* mode = settings.getString("", "mode");
  request.fullscreen = mode && strcmp(mode, "fullscreen") == 0;
  return request;
}

namespace {

bool trySetMode(int card, int depth, SetGraphicsMode setMode) {
  set_color_depth(depth);
  return setMode(card, kScreenWidth, kScreenHeight, 0, 0) == 0;
}

}  // namespace

bool enterGraphicsMode(const GraphicsRequest& request, SetGraphicsMode setMode) {
  const int asked = request.fullscreen ? GFX_AUTODETECT_FULLSCREEN : GFX_AUTODETECT_WINDOWED;
  if (trySetMode(asked, request.depth, setMode)) return true;
  if (request.fullscreen && trySetMode(GFX_AUTODETECT_WINDOWED, request.depth, setMode))
    return true;
  if (request.depth != 16 && trySetMode(GFX_AUTODETECT_WINDOWED, 16, setMode)) return true;
  reportNoGraphicsMode(allegro_error);
  return false;
}

void reportNoGraphicsMode(const char* reason) {
  fprintf(stderr,
          "DOLA: no %d x %d graphics mode could be set (%s).\n"
          "DOLA needs a graphical display: run it on a desktop, or under a virtual X server such "
          "as Xvfb.\n",
          kScreenWidth, kScreenHeight, reason && reason[0] ? reason : "no display");
}
