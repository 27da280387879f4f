// A map view over its own editor values, for headless tests: a sprite set in
// which sprite n of "ZAN.SPR" is solid palette index n (sprite 4 transparent
// in its left half) and sprite n of "ZAN2.SPR" solid index 100 + n, the
// models, and a host that records what the view asked of the program.
#pragma once
#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "data/open_map.h"
#include "view/map_view.h"

// The program's side of a view: its documents, the view's values and widget
// ids (all 0: refreshes of them are ignored), and the history of the edits.
struct ViewValues : MapViewWidgets, MapViewState {
  OpenMap document;
  LocalMap& openMap = document.map;
  ObjectList objectList;
  CreatureList creatureList;
  MapDataFile& mapData = document.data;
  SpriteSet sprites;
  WorldBuffer worldBuffer = {};
  WorldTeleports worldTeleports;
};

class ViewTest;

// Records what the view asks of the program.
class RecordingHost final : public MapViewHost {
 public:
  explicit RecordingHost(ViewTest& test) : test_(test) {}
  bool replaceOpenMap(const char* path) override;
  int showText(const char* text, const char* buttons) override;
  const char* selectFile(const char* masks, const char* startPath, int flags, const char* title,
                         const char* buttonLabel) override;

 private:
  ViewTest& test_;
};

class ViewTest : public ::testing::Test {
 public:
  // Headless toolkit of the given depth, the editing defaults, sprites loaded.
  void start(int depth);
  void SetUp() override { start(16); }
  void TearDown() override;

  // Writes "CONSTANT.OBJ" (object i: sprite objectSprites[i], name objectNames[i]),
  // "playername.OBJ", "CONSTANT.CRE" and the directory's ".CRS" (creature i:
  // sprite creatureSprites[i], name "Creature i") into the temporary directory
  // and loads them.
  void writeTables(const std::vector<int>& objectSprites, const std::vector<std::string>& objectNames,
                   const std::vector<int>& creatureSprites);
  // A map of the kind saved as name in the temporary directory, then opened.
  void openSavedMap(const std::string& name, MapKind kind);

  // The pixel a sprite holds for a palette index: the index itself at 8 bits.
  int colour(int index) const { return bitmap_color_depth(canvas_) == 8 ? index : palette_color[index]; }
  int black() const { return makecol(0, 0, 0); }
  BITMAP* canvas() { return canvas_; }
  // A poll of the map canvas at canvas pixel (x, y) with the buttons b.
  void poll(int x, int y, int b, int z = 0);

  TempDir dir;
  std::unique_ptr<ViewValues> values = std::make_unique<ViewValues>();
  RecordingHost host{*this};
  MapView view{*values, *values, values->document, values->openMap, values->objectList, values->creatureList,
               values->mapData, values->sprites, values->worldBuffer, values->worldTeleports, host, {}, {}, {}};
  MapViewListener listener{view};  // the view hears of the document's changes, as in the program
  std::vector<std::string> opened;   // paths given to replaceOpenMap
  bool keepOpenMap = false;          // replaceOpenMap answers "keep the open map"
  std::vector<std::string> shown;    // texts given to showText
  std::string chosenFile;            // what selectFile answers
  std::vector<std::string> selectorTitles;

 private:
  BITMAP* canvas_ = nullptr;
};
