// dola-render: draws a MAP file, or a whole world directory as the world
// overview, into a PNG picture, without a display. Usage: see kUsage.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/standard_options.h"
#include "render_job.h"

namespace {

const char kUsage[] =
    "usage: dola-render [--objects] [--palette FILE] [--sprites DIR] INPUT OUTPUT.png\n"
    "Draws INPUT into OUTPUT.png without a display: a MAP file at 864 x 480 as the\n"
    "editor shows it, or a directory holding ZANAA.MAP .. ZANTT.MAP as the squeezed\n"
    "world overview of 864 x 480.\n"
    "\n"
    "  --objects       draw the map's placed objects and creatures (its .DAT file)\n"
    "  --palette FILE  the 8-bit BMP palette (default: palette.bmp of the working\n"
    "                  directory)\n"
    "  --sprites DIR   the directory of ZAN.SPR and ZAN2.SPR (default: INPUT's)\n"
    "  --help          show this text\n"
    "  --version       show the program's version\n"
    "\n"
    "Exit status: 0 written (a missing sprite file is named, its sprites are blank),\n"
    "1 the palette, the map or the picture could not be read or written,\n"
    "2 a wrong command line.\n";

}  // namespace

int main(int argc, char** argv) {
  if (answerStandardOption(argc, argv, "dola-render", kUsage)) return 0;
  RenderJob job;
  if (!parseRenderArguments(argc, argv, &job)) {
    fputs(kUsage, stderr);
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
