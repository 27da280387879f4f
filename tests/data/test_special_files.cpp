// A named pipe where a game file belongs: every reader and writer refuses it
// at once instead of waiting forever for a writer that never comes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/bmp_palette.h"
#include "data/creature_list.h"
#include "data/local_map.h"
#include "data/map_data_file.h"
#include "data/object_list.h"
#include "data/settings_file.h"
#include "data/sprite_set.h"
#include "support/temp_dir.h"

TEST(SpecialFiles, NamedPipesAreRefusedByEveryReaderWithoutBlocking) {
  TempDir dir;
  for (const char* name : {"ZANAA.MAP", "CONSTANT.OBJ", "CONSTANT.CRE", "ZANAA.DAT", "dola.ini", "p.bmp"})
    ASSERT_EQ(0, mkfifo(dir.file(name).c_str(), 0644)) << name;
  alarm(60);  // a reader that blocks ends the test program instead of hanging it
  LocalMap map;
  EXPECT_FALSE(map.load(dir.editorPath("ZANAA.MAP").c_str()));
  ObjectList objects;
  CreatureList creatures;
  MapDataFile data;
  SettingsFile settings;
  EXPECT_FALSE(objects.load(dir.editorPath().c_str()) || creatures.load(dir.editorPath().c_str()));
  EXPECT_FALSE(data.load(dir.editorPath("ZANAA.DAT").c_str()));
  EXPECT_FALSE(settings.load(dir.editorPath("dola.ini").c_str()));
  EXPECT_FALSE(settings.save(dir.editorPath("dola.ini").c_str()));
  SpriteSet sprites;
  EXPECT_FALSE(sprites.loadPalette(dir.editorPath("p.bmp").c_str()));
  EXPECT_STREQ("cannot be read: it is not a regular file", sprites.paletteProblem());
  alarm(0);
}
