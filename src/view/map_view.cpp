// The active view context, and the toolkit operations behind the hooks.
#include "view/map_view.h"

#include "gui/gui.h"

namespace {
MapView* activeView = nullptr;
}

void setActiveMapView(MapView* view) { activeView = view; }

MapView* activeMapView() { return activeView; }

int viewShowText(const MapView& view, const char* text, const char* buttons) {
  if (view.showText != nullptr) return view.showText(text, buttons);
  return ShowText(text, buttons);
}

const char* viewSelectFile(const MapView& view, const char* masks, const char* startPath, int flags,
                           const char* title, const char* buttonLabel) {
  if (view.selectFile != nullptr) return view.selectFile(masks, startPath, flags, title, buttonLabel);
  return SelectFile(masks, startPath, flags, title, buttonLabel);
}
