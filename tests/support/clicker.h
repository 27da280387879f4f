// Clicker: a thread that clicks the left button at one screen point every
// 30 ms, after a first delay, until destroyed, through Allegro's mouse
// globals: a wait for the next press is answered however late it begins.
#pragma once
#include <allegro.h>

#include <atomic>
#include <chrono>
#include <thread>

class Clicker {
 public:
  Clicker(int x, int y, int delayMs)
      : thread_([this, x, y, delayMs] {
          pause(delayMs);
          while (!stop_) {
            mouse_x = x;
            mouse_y = y;
            mouse_b = 0;
            pause(15);
            mouse_b = 1;
            pause(15);
          }
          mouse_b = 0;
        }) {}
  ~Clicker() {
    stop_ = true;
    thread_.join();
  }

 private:
  static void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

  std::atomic<bool> stop_{false};
  std::thread thread_;
};
