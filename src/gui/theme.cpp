// The toolkit's look: one palette of colours made for the drawing buffer's
// depth (never raw pixel values), bevels, the focus mark, and text with "~"
// hotkeys drawn in the toolkit's font.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "gui/gui_internal.h"

namespace gui {

void makeTheme(int depth) {
  Theme& t = state().theme;
  // At 8 bits a colour is the nearest entry of the palette now set.
  PALETTE palette;
  if (depth == 8) get_palette(palette);
  auto rgb = [depth, &palette](int r, int g, int b) {
    return depth == 8 ? bestfit_color(palette, r >> 2, g >> 2, b >> 2) : makecol_depth(depth, r, g, b);
  };
  t.desk = rgb(58, 66, 78);
  t.face = rgb(226, 228, 232);
  t.faceLight = rgb(252, 252, 253);
  t.faceDark = rgb(160, 165, 174);
  t.shadow = rgb(96, 100, 110);
  t.text = rgb(24, 26, 30);
  t.title = rgb(44, 92, 150);
  t.titleText = rgb(255, 255, 255);
  t.titleInactive = rgb(120, 130, 145);
  t.highlight = rgb(52, 110, 178);
  t.highlightText = rgb(255, 255, 255);
  t.hover = rgb(206, 222, 242);
  t.field = rgb(255, 255, 255);
  t.focus = rgb(40, 44, 52);
  t.progress = rgb(70, 160, 90);
}

void followPalette() {
  GuiContext& g = state();
  if (!g.ready || !g.buffer || bitmap_color_depth(g.buffer) != 8) return;
  PALETTE now;
  get_palette(now);
  if (memcmp(now, g.seenPalette, sizeof now) == 0) return;
  memcpy(g.seenPalette, now, sizeof g.seenPalette);
  makeTheme(8);
  // Everything on screen was drawn with the old entries: draw it again.
  clear_to_color(g.buffer, g.theme.desk);
  for (int i = 0; i < g.windowCount; ++i) {
    Window& window = g.windows[i];
    if (!window.shown) continue;
    if (window.under) blit(g.buffer, window.under, window.x, window.y, 0, 0, window.w, window.h);
    paintWindow(window);
  }
  present(0, 0, g.buffer->w, g.buffer->h);
}

void drawBevel(BITMAP* bmp, int x, int y, int w, int h, bool sunken) {
  const Theme& t = state().theme;
  int light = sunken ? t.shadow : t.faceLight;
  int dark = sunken ? t.faceLight : t.shadow;
  hline(bmp, x, y, x + w - 1, light);
  vline(bmp, x, y, y + h - 1, light);
  hline(bmp, x, y + h - 1, x + w - 1, dark);
  vline(bmp, x + w - 1, y, y + h - 1, dark);
}

// A dotted frame, as desktop toolkits mark the keyboard focus.
void drawFocus(BITMAP* bmp, int x, int y, int w, int h) {
  int color = state().theme.focus;
  for (int i = x; i < x + w; i += 2) {
    putpixel(bmp, i, y, color);
    putpixel(bmp, i, y + h - 1, color);
  }
  for (int j = y; j < y + h; j += 2) {
    putpixel(bmp, x, j, color);
    putpixel(bmp, x + w - 1, j, color);
  }
}

// The label without its "~" markers, as it is shown.
static void plainLabel(const char* label, char* out, int outSize) {
  int n = 0;
  for (const char* p = label; *p && n < outSize - 1; ++p) {
    if (*p == '~' && p[1] != '\0') ++p;
    out[n++] = *p;
  }
  out[n] = '\0';
}

int hotkeyTextWidth(const char* label) {
  char plain[kLabelSize];
  plainLabel(label, plain, sizeof plain);
  return textWidth( plain);
}

// A menu item's shortcut text after its tab holds no hotkey.
char hotkeyOf(const char* label) {
  const char* mark = strchr(label, '~');
  const char* tab = strchr(label, '\t');
  if (!mark || mark[1] == '\0' || (tab && tab < mark)) return '\0';
  return static_cast<char>(tolower(static_cast<unsigned char>(mark[1])));
}

void drawHotkeyText(BITMAP* bmp, const char* label, int x, int y, int color) {
  char plain[kLabelSize];
  plainLabel(label, plain, sizeof plain);
  textout_ex(bmp, guiFont(), plain, x, y, color, -1);
  const char* mark = strchr(label, '~');
  if (!mark || mark[1] == '\0') return;
  int before = static_cast<int>(mark - label);
  char prefix[kLabelSize];
  plainLabel(label, prefix, sizeof prefix);
  prefix[before < kLabelSize ? before : kLabelSize - 1] = '\0';
  int ux = x + textWidth( prefix);
  hline(bmp, ux, y + 9, ux + 6, color);
}

int textWidth(const char* text) { return text_length(guiFont(), text); }

int textHeight() { return text_height(guiFont()); }

void drawClippedText(BITMAP* bmp, const char* text, int x, int y, int maxWidth, int color) {
  int cl, ct, cr, cb;
  get_clip_rect(bmp, &cl, &ct, &cr, &cb);
  int right = x + maxWidth - 1;
  set_clip_rect(bmp, cl > x ? cl : x, ct, cr < right ? cr : right, cb);
  textout_ex(bmp, guiFont(), text, x, y, color, -1);
  set_clip_rect(bmp, cl, ct, cr, cb);
}

}  // namespace gui

namespace gui {

void drawEllipsisText(BITMAP* bmp, const char* text, int x, int y, int maxWidth, int color) {
  char shown[512];
  snprintf(shown, sizeof shown, "%s", text);
  if (textWidth(shown) > maxWidth) {
    // The longest start that leaves room for "...".
    int room = maxWidth - textWidth("...");
    int n = static_cast<int>(strlen(shown));
    while (n > 0) {
      shown[n] = '\0';
      if (textWidth(shown) <= room) break;
      --n;
    }
    while (n > 0 && shown[n - 1] == ' ') --n;
    snprintf(shown + n, sizeof shown - n, "%s", "...");
  }
  drawClippedText(bmp, shown, x, y, maxWidth, color);
}

const char* fitFromFront(const char* text, int maxWidth, char* out, size_t size) {
  if (textWidth(text) <= maxWidth) return text;
  // The shortest cut at the front after which "..." and the rest fit.
  const int room = maxWidth - textWidth("...");
  const char* rest = text;
  while (*rest && textWidth(rest) > room) ++rest;
  snprintf(out, size, "...%s", rest);
  return out;
}

}  // namespace gui
