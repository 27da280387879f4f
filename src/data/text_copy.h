// Copying a text into a fixed-size field of a model. A model may be handed its
// own stored text ("reload from where you loaded"), so source and field may be
// the same memory; the copy is made with memmove and never overruns the field.
#pragma once
#include <cstddef>
#include <cstring>

// Copies text (null reads as "") into field of capacity bytes, terminated.
// A text that does not fit leaves the field empty and gives false, so a cut
// path never names some other file.
inline bool copyText(char* field, size_t capacity, const char* text) {
  if (capacity == 0) return false;
  if (!text) text = "";
  const size_t length = strlen(text);
  if (length >= capacity) {
    field[0] = 0;
    return false;
  }
  memmove(field, text, length + 1);
  return true;
}
