// dola-render: draws a MAP file, or a whole world directory as the world
// overview, into a PNG picture, without a display.
// Usage: dola-render [--objects] [--palette FILE] [--sprites DIR] INPUT OUTPUT.png
//   INPUT a MAP file (drawn at 864 x 480; --objects adds its ".DAT" placements)
//   or a directory holding ZANAA.MAP .. ZANTT.MAP (the 864 x 480 overview).
//   Sprites come from INPUT's directory unless --sprites names another;
//   the palette is "palette.bmp" of the working directory unless --palette names one.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "render_job.h"

int main(int argc, char** argv) {
  RenderJob job;
  if (!parseRenderArguments(argc, argv, &job)) {
    fprintf(stderr,
            "usage: dola-render [--objects] [--palette FILE] [--sprites DIR] INPUT OUTPUT.png\n");
    return 2;
  }
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
    fprintf(stderr, "dola-render: Allegro could not start\n");
    return 1;
  }
  set_color_depth(32);
  char message[512];
  const bool done = runRenderJob(job, message, sizeof message);
  fprintf(done ? stdout : stderr, "dola-render: %s\n", message);
  return done ? 0 : 1;
}
