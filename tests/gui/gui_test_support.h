// Helpers for the headless toolkit tests: a fresh headless screen per test,
// keys and mouse states fed into the real event loop, and pixel probes.
#pragma once
#include <allegro.h>

#include <functional>
#include <vector>

#include "gui/gui.h"

// Starts a 1024 x 768 x 16 headless toolkit with no windows and the mouse
// parked in the corner with no button down.
void startHeadlessGui();

// Runs the event loop until every step has run; each step runs from the loop
// delayMs after the previous one. The loop ends after the last step.
struct GuiStep {
  int delayMs;
  std::function<void()> action;
};
void runSteps(const std::vector<GuiStep>& steps);
// Queues the steps the same way, for a modal dialog about to be opened; the
// dialog's loop runs them and nothing is stopped at the end.
void queueSteps(const std::vector<GuiStep>& steps);

// Sets Allegro's mouse globals (the toolkit polls them every 10 ms).
void setMouse(int x, int y, int buttons);
// Queues a key the way X would deliver it: scancode and character.
void pressKey(int scancode, int ascii = 0);

// The pixel of the toolkit's screen bitmap and a colour of the same depth.
int screenPixel(int x, int y);
int colorOf(int r, int g, int b);
BITMAP* guiScreen();

// Steps that press the left button at (x, y) and release it 30 ms later.
void addClick(std::vector<GuiStep>& steps, int x, int y);
// The centre of a widget on the screen.
void widgetCentre(int id, int& x, int& y);
// Widget ids of a kind in the top window, oldest first.
std::vector<int> topWidgets(int kind);
// How many pixels of the screen rectangle have the colour.
int countColor(int x0, int y0, int x1, int y1, int color);
