// One run of the renderer: what to draw, with which sprites and palette, and
// where to put the picture. Needs Allegro started and a colour depth set.
#pragma once
#include <cstddef>
#include <string>

struct RenderJob {
  std::string input;            // host path: a MAP file or a world directory
  std::string output;           // host path of the PNG to write
  std::string palette = "palette.bmp";
  std::string sprites;          // directory of "ZAN.SPR"; empty: the input's directory
  bool objects = false;         // draw a map's placements from its ".DAT"
};

// Reads the command line; false when it is not a valid one.
bool parseRenderArguments(int argc, char** argv, RenderJob* job);

// Draws and saves the picture. message receives what was done, or what went
// wrong (a missing sprite file is reported, and the picture is still drawn
// with blank sprites). False when no picture could be written, and when the
// palette could not be read (nothing is written then).
bool runRenderJob(const RenderJob& job, char* message, size_t messageSize);
