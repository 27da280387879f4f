// The map view test fixture: see view_fixture.h.
#include "view_fixture.h"

#include <cstring>

#include "gui/gui.h"
#include "support/game_art.h"
#include "view/map_canvas.h"
#include "view/map_drawing.h"

bool RecordingHost::replaceOpenMap(const char* path) {
  test_.opened.push_back(path);
  if (test_.keepOpenMap) return false;
  test_.values->document.open(path);
  test_.values->canvasMode = LocalEdit;
  return true;
}

int RecordingHost::showText(const char* text, const char* buttons) {
  test_.shown.push_back(std::string(text) + "|" + buttons);
  return 0;
}

const char* RecordingHost::selectFile(const char*, const char*, int, const char* title, const char*) {
  test_.selectorTitles.push_back(title);
  return test_.chosenFile.c_str();
}


void ViewTest::start(int depth) {
  ASSERT_TRUE(GuiInitHeadless(1024, 768, depth));
  set_color_depth(depth);
  writeTestPalette(dir.file("palette.bmp"));
  writeFileBytes(dir.file("ZAN.SPR"), spriteFileBytes(0, true));
  writeFileBytes(dir.file("ZAN2.SPR"), spriteFileBytes(100, false));
  ViewValues& s = *values;
  s.document.addListener(&listener);
  s.sprites.release();
  s.sprites.loadPalette(dir.editorPath("palette.bmp").c_str());
  s.sprites.loadSprites(dir.editorPath().c_str(), depth, nullptr, nullptr);
  set_palette(s.sprites.palette);  // the expected colours come from palette_color
  for (int i = 0; i < kRowIndexSize; ++i) s.rowIndex[i] = i;
  s.selectedTeleport = s.selectedConstantObject = s.selectedPlacement = -1;
  s.constantObjectRows = 400;
  s.canvasMode = LocalEdit;
  s.selectedTile = 250;
  setActiveMapView(&view);
  canvas_ = create_bitmap(kMapCanvasWidth, kMapCanvasHeight);
  clear_to_color(canvas_, makecol(1, 2, 3));
}

void ViewTest::TearDown() {
  values->document.removeListener(&listener);
  setActiveMapView(nullptr);
  view.picture.invalidate();
  view.worldPicture.invalidate();
  values->sprites.release();
  if (canvas_ != nullptr) destroy_bitmap(canvas_);
  canvas_ = nullptr;
}

void ViewTest::writeTables(const std::vector<int>& objectSprites, const std::vector<std::string>& objectNames,
                           const std::vector<int>& creatureSprites) {
  std::string objects(79 * objectSprites.size(), '\0');
  for (size_t i = 0; i < objectSprites.size(); ++i) {
    objects[79 * i + 53] = static_cast<char>(objectSprites[i]);
    memcpy(&objects[79 * i + 2], objectNames[i].data(), std::min<size_t>(30, objectNames[i].size()));
  }
  writeFileBytes(dir.file("CONSTANT.OBJ"), objects);
  writeFileBytes(dir.file("playername.OBJ"), objects);
  std::string creatures(431 * creatureSprites.size(), '\0');
  for (size_t i = 0; i < creatureSprites.size(); ++i) {
    creatures[431 * i + 3] = static_cast<char>(creatureSprites[i]);
    const std::string name = "Creature " + std::to_string(i);
    memcpy(&creatures[431 * i + 4], name.data(), name.size());
  }
  writeFileBytes(dir.file("CONSTANT.CRE"), creatures);
  const std::string lastName = dir.path().substr(dir.path().rfind('/') + 1);
  writeFileBytes(dir.file(lastName + ".CRS"), creatures);
  values->objectList.load(dir.editorPath().c_str());
  values->creatureList.load(dir.editorPath().c_str());
}

void ViewTest::openSavedMap(const std::string& name, MapKind kind) {
  LocalMap map;
  map.kind = kind;
  ASSERT_TRUE(map.save(dir.editorPath(name).c_str()));
  ASSERT_TRUE(values->document.open(dir.editorPath(name).c_str()));
}

void ViewTest::poll(int x, int y, int b, int z) {
  handleMapEvent(view, canvas_, x, y, GuiMouse{x + 5, y + 50, z, b, 0});
}
