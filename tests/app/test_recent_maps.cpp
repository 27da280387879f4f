// The recent maps of dola.ini against a plain model (newest first, no
// repeats, at most eight), over random opens, through a save and a load; and
// the start line that offers the newest.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "app/recent_maps.h"
#include "data/settings_file.h"
#include "support/temp_dir.h"

namespace {

std::vector<std::string> listOf(const SettingsFile& settings) {
  std::vector<std::string> list;
  for (int i = 0; i < recentMapCount(settings); ++i) list.push_back(recentMap(settings, i));
  return list;
}

TEST(RecentMaps, FollowAModelOfNewestFirstThroughSaveAndLoad) {
  TempDir dir;
  const std::string ini = dir.editorPath("dola.ini");
  std::mt19937 random(31);
  for (int run = 0; run < 20; ++run) {
    SettingsFile settings;
    settings.addString("", "mode", "window");
    std::vector<std::string> model;
    for (int step = 0; step < 40; ++step) {
      const std::string path = "C:\\w" + std::to_string(random() % 3) + "\\ZANA" + char('A' + random() % 12) + ".MAP";
      model.erase(std::remove(model.begin(), model.end(), path), model.end());
      model.insert(model.begin(), path);
      if (model.size() > kRecentMapCount) model.resize(kRecentMapCount);
      rememberRecentMap(settings, path.c_str());
      ASSERT_EQ(listOf(settings), model) << "run " << run << " step " << step;
    }
    ASSERT_TRUE(settings.save(ini.c_str()));
    SettingsFile again;
    ASSERT_TRUE(again.load(ini.c_str()));
    EXPECT_EQ(listOf(again), model);
    EXPECT_STREQ(again.getString("", "mode"), "window");  // the other settings stay
  }
}

TEST(RecentMaps, TheStartLineOffersTheNewestMap) {
  SettingsFile settings;
  char line[160];
  startHintOf(settings, line, sizeof line);
  EXPECT_STREQ(line, "To begin: File > Open a map, View > World Map, or Tools > Check World.");
  rememberRecentMap(settings, "C:\\zan\\world\\ZANAB.MAP");
  rememberRecentMap(settings, "");  // nothing opened: the list stays
  startHintOf(settings, line, sizeof line);
  EXPECT_STREQ(line, "To begin: File > Open, View > World Map, Tools > Check World; Alt+F, 1 reopens ZANAB.MAP.");
  EXPECT_EQ(recentMapCount(settings), 1);
  EXPECT_EQ(recentMap(settings, 1), nullptr);
}

}  // namespace
