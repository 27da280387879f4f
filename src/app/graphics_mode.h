// The graphics mode the editor runs in: read from the settings ("mode" and
// "colordepth"), set with a windowed fall-back, never a program without a screen.
#pragma once

class SettingsFile;

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

struct GraphicsRequest {
  int depth;        // a depth Allegro supports: 8, 15, 16, 24 or 32
  bool fullscreen;  // "mode" is exactly "fullscreen"
};

// The request of the settings; a "colordepth" Allegro does not support gives 16.
GraphicsRequest graphicsRequestOf(const SettingsFile& settings);

// Allegro's set_gfx_mode, or a stand-in for tests.
typedef int (*SetGraphicsMode)(int card, int width, int height, int virtualWidth,
                               int virtualHeight);

// Sets the colour depth and the 1024 x 768 mode asked for; when that fails, a
// windowed mode of the same depth, then a windowed mode of depth 16. False
// after telling the terminal why when no mode could be set.
bool enterGraphicsMode(const GraphicsRequest& request, SetGraphicsMode setMode);

// Tells the terminal that the editor cannot run without a graphics mode.
void reportNoGraphicsMode(const char* reason);
