// Dispatch of each mouse poll: the open menu takes the mouse first; else the
// widget under the pointer in the top window gets hover, presses, releases,
// the wheel, and (canvases) the poll itself with the pointer's canvas position.
#include "gui/gui_internal.h"

namespace gui {

namespace {

bool inside(const Widget& w, int mx, int my) {
  int x, y, width, height;
  widgetScreenRect(w, x, y, width, height);
  return mx >= x && my >= y && mx < x + width && my < y + height;
}

// The last made widget under the point: page widgets lie over their panel,
// titles and tabs over their bar and strip.
int widgetAt(const Window& window, int mx, int my) {
  int best = 0;
  for (int i = 0; i < widgetSlotsInUse(); ++i) {
    const Widget& w = widgets()[i];
    if (w.id == 0 || w.window != window.id || w.id < best) continue;
    if (inside(w, mx, my) && widgetVisible(w)) best = w.id;
  }
  return best;
}

bool showsHover(Kind kind) {
  return kind == Kind::Button || kind == Kind::CheckBox || kind == Kind::Tab || kind == Kind::MenuTitle;
}

void setHover(Window& window, int id) {
  if (window.hover == id) return;
  int old = window.hover;
  window.hover = id;
  Widget* w = findWidget(old);
  if (w && showsHover(w->kind)) redrawWidget(old);
  w = findWidget(id);
  if (w && showsHover(w->kind)) redrawWidget(id);
}

void leftPress(Window& window, int id, const GuiMouse& m) {
  Widget* w = findWidget(id);
  if (!w) return;
  Kind kind = w->kind;
  if (kind == Kind::Button || kind == Kind::CheckBox || kind == Kind::EditBox || kind == Kind::ListBox)
    setFocus(window, id);
  w = findWidget(id);
  if (!w) return;
  switch (kind) {
    case Kind::Button:
    case Kind::CheckBox:
      window.pressed = id;
      redrawWidget(id);
      break;
    case Kind::Tab: tabPress(*w); break;
    case Kind::MenuTitle: openMenu(id); break;
    case Kind::EditBox: editPress(*w, m.x); break;
    case Kind::ListBox:
      if (w->list.mouseEvents & kListLeftButton) listPress(*w, m.x, m.y, m.leftPressMs);
      break;
    default: break;
  }
}

void leftRelease(Window& window, int id) {
  int pressed = window.pressed;
  window.pressed = 0;
  listReleased();
  for (int i = 0; i < widgetSlotsInUse(); ++i)
    if (widgets()[i].id != 0 && widgets()[i].window == window.id) widgets()[i].list.draggingThumb = false;
  if (pressed == 0) return;
  redrawWidget(pressed);
  if (pressed != id) return;
  Widget* w = findWidget(id);
  if (w && w->kind == Kind::Button) activateButton(id);
  if (w && w->kind == Kind::CheckBox) toggleCheckBox(id);
}

// A canvas copies to the screen what its callback changed (Refresh,
// RefreshArea): a poll that changed nothing on it copies nothing.
void canvasPoll(int id, const GuiMouse& m) {
  Widget* w = findWidget(id);
  if (!w || !w->bitmap) return;
  int x, y, width, height;
  widgetScreenRect(*w, x, y, width, height);
  if (m.x - x >= w->bitmap->w || m.y - y >= w->bitmap->h) return;
  callCanvas(id, m.x - x, m.y - y);
}

}  // namespace

void dispatchMouse(const GuiMouse& m) {
  MouseState& last = state().mouse;
  int pressed = m.b & ~last.lastButtons;
  int released = last.lastButtons & ~m.b;
  int wheel = m.z - last.lastZ;
  const bool unchanged = pressed == 0 && released == 0 && wheel == 0 && m.x == last.lastX && m.y == last.lastY;
  last.lastButtons = m.b;
  last.lastZ = m.z;
  last.lastX = m.x;
  last.lastY = m.y;
  last.pointerResting = false;
  Window* window = topWindow();
  if (!window || !window->shown) return;
  if (window->kind == WindowKind::Popup) {
    menuMouse(m, pressed, released);
    return;
  }
  int windowId = window->id;
  if (window->dragging) {
    if (m.b & 1) dragWindow(*window, m.x, m.y);
    else window->dragging = false;
    return;
  }
  if ((pressed & 1) && startWindowDrag(*window, m.x, m.y)) return;
  int hit = widgetAt(*window, m.x, m.y);
  setHover(*window, hit);
  if (pressed & 1) leftPress(*window, hit, m);
  if ((window = findWindow(windowId)) == nullptr) return;
  Widget* w = findWidget(window->focus);
  if (w && w->kind == Kind::ListBox && (m.b & 1) && !(pressed & 1)) {
    if (w->list.draggingThumb) listDrag(*w, m.y);
    else listHeld(*w, m.x, m.y);
  }
  if (released & 1) leftRelease(*window, hit);
  w = findWidget(hit);
  if (w && w->kind == Kind::ListBox && wheel != 0) listWheel(*w, -wheel);
  if (w && w->kind == Kind::Canvas && topWindow() && topWindow()->id == windowId) canvasPoll(hit, m);
  // Only a mouse driver can wake a resting loop; without one (tests set the
  // globals directly) every poll is taken. A canvas acts on what changed in
  // the mouse state (a change of its data comes with a Refresh), so once it
  // has been called twice with the same state, further polls would only
  // repeat that: the loop may rest on it too, as an idle program should.
  const bool onCanvas = w && w->kind == Kind::Canvas;
  state().mouse.pointerResting = mouse_driver && m.b == 0 && (!onCanvas || unchanged);
}

}  // namespace gui
