// The floor of the input benchmark: the least an Allegro 4 program can do per
// input, a blit of an 864 x 480 picture to the screen at (5, 50) on each key
// press, button press and (unless "ignore-moves") pointer move. It sleeps
// until Allegro's input callbacks wake it, as an idle program should. With
// "flush" it sends each blit to the X server at once, as the editor does,
// instead of leaving it to Allegro's input thread (up to 10 ms later).
// Usage: dola-input-floor DEPTH [ignore-moves] [flush]
#include <allegro.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>

extern "C" void _xwin_flush_buffers(void) __attribute__((weak));

namespace {

std::mutex g_mutex;
std::condition_variable g_wake;
bool g_pending = false;

void wake() {
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_pending = true;
  }
  g_wake.notify_one();
}

void keyEvent(int) { wake(); }
void mouseEvent(int) { wake(); }

// True when an input callback woke it.
bool waitForInput() {
  std::unique_lock<std::mutex> lock(g_mutex);
  const bool woken = g_wake.wait_for(lock, std::chrono::milliseconds(100), [] { return g_pending; });
  g_pending = false;
  return woken;
}

}  // namespace

int main(int argc, char** argv) {
  const int depth = argc > 1 ? atoi(argv[1]) : 16;
  bool ignoreMoves = false, flush = false;
  for (int i = 2; i < argc; ++i) {
    ignoreMoves = ignoreMoves || strcmp(argv[i], "ignore-moves") == 0;
    flush = flush || strcmp(argv[i], "flush") == 0;
  }
  if (allegro_init() != 0) return 1;
  set_color_depth(depth);
  if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 1024, 768, 0, 0) != 0) return 1;
  install_timer();
  install_keyboard();
  install_mouse();
  keyboard_lowlevel_callback = keyEvent;
  mouse_callback = mouseEvent;
  BITMAP* pictures[2] = {create_bitmap(864, 480), create_bitmap(864, 480)};
  clear_to_color(pictures[0], makecol(40, 120, 60));
  clear_to_color(pictures[1], makecol(160, 60, 40));
  clear_to_color(screen, makecol(0, 0, 0));
  int shown = 0, lastX = mouse_x, lastY = mouse_y, lastB = mouse_b;
  int retries = 0;  // Allegro wakes us before the key is in its buffer: look again soon
  for (;;) {
    if (retries > 0) {
      rest(1);
      --retries;
    } else if (waitForInput()) {
      retries = 20;
    }
    bool draw = false, seen = false;
    while (keypressed()) {
      if ((readkey() >> 8) == KEY_ESC && (key_shifts & KB_CTRL_FLAG)) return 0;
      draw = seen = true;
    }
    const int x = mouse_x, y = mouse_y, b = mouse_b;
    if (b != lastB) seen = true;
    if ((b & ~lastB) != 0) draw = true;
    if (x != lastX || y != lastY) {
      seen = true;
      draw = draw || !ignoreMoves;
    }
    lastX = x;
    lastY = y;
    lastB = b;
    if (seen) retries = 0;
    if (!draw) continue;
    shown ^= 1;
    blit(pictures[shown], screen, 0, 0, 5, 50, 864, 480);
    if (flush && _xwin_flush_buffers) _xwin_flush_buffers();
  }
}
END_OF_MAIN()
