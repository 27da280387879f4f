// The active view context of the list callbacks.
#include "view/map_view.h"

namespace {
MapView* activeView = nullptr;
}

void setActiveMapView(MapView* view) { activeView = view; }

MapView* activeMapView() { return activeView; }
