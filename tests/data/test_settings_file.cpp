// SettingsFile: byte-exact round trips, line kinds, where new keys go,
// lookups, field capacities and failed saves.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "data/line_reader.h"
#include "data/settings_file.h"
#include "platform/file_stream.h"
#include "support/temp_dir.h"

namespace {

std::string saved(SettingsFile& settings, const TempDir& dir) {
  EXPECT_TRUE(settings.save(dir.editorPath("out.ini").c_str()));
  return readFileBytes(dir.file("out.ini"));
}

std::string text(const char* value) { return value ? value : "<none>"; }

}  // namespace

TEST(SettingsFile, RoundTripKeepsEveryLineAndItsKind) {
  TempDir dir;
  const std::string file =
      "# comment\r\n\r\n'apostrophe = comment\r\nmode = fullscreen\r\nmode=window\r\n"
      "=novalue\r\n[Section]\r\nmode=inner\r\n[]\r\ncolordepth=32\r\nlast=x=y";
  writeFileBytes(dir.file("dola.ini"), file);
  SettingsFile settings;
  ASSERT_TRUE(settings.load(dir.editorPath("dola.ini").c_str()));
  EXPECT_STREQ(settings.path, dir.editorPath("dola.ini").c_str());
  EXPECT_EQ(text(settings.getString("", "mode")), "window");  // "mode " is another key
  EXPECT_EQ(text(settings.getString("", "mode ")), " fullscreen");
  EXPECT_EQ(text(settings.getString("Section", "mode")), "inner");
  EXPECT_EQ(text(settings.getString("", "colordepth")), "32");  // "[]" is the unnamed section again
  EXPECT_EQ(text(settings.getString("", "last")), "x=y");       // the last line, read whole
  EXPECT_EQ(text(settings.getString("", "Mode")), "<none>");
  EXPECT_EQ(text(settings.getString("", "comment")), "<none>");
  // A key line with an empty key comes back as an empty line.
  std::string expected = file + "\r\n";
  expected.replace(expected.find("=novalue"), 8, "");
  EXPECT_EQ(saved(settings, dir), expected);
}

TEST(SettingsFile, LinesOfNoKindBecomeEmptyLines) {
  TempDir dir;
  const char bytes[] = "[open\nplain words\n[x]\nkey=v\nnul\0=x\nb=c\n";
  writeFileBytes(dir.file("a.ini"), std::string(bytes, sizeof bytes - 1));
  SettingsFile settings;
  ASSERT_TRUE(settings.load(dir.editorPath("a.ini").c_str()));
  // A NUL ends the text of its line but not the line itself.
  EXPECT_EQ(saved(settings, dir), "\r\n\r\n[x]\r\nkey=v\r\n\r\nb=c\r\n");
}

TEST(SettingsFile, NewKeysGoAfterTheFirstUnnamedEntry) {
  TempDir dir;
  SettingsFile settings;
  // No file: the defaults of a first start, in the order they end up in.
  EXPECT_FALSE(settings.load(dir.editorPath("missing.ini").c_str()));
  settings.addString("", "mode", "fullscreen");
  settings.addInt("", "colordepth", 16);
  settings.addString("", "ZANDirectory", "");
  EXPECT_EQ(saved(settings, dir), "mode=fullscreen\r\nZANDirectory=\r\ncolordepth=16\r\n");

  writeFileBytes(dir.file("c.ini"), "# first\r\nmode=window\r\n");
  ASSERT_TRUE(settings.load(dir.editorPath("c.ini").c_str()));
  settings.addInt("", "colordepth", -8);
  EXPECT_EQ(saved(settings, dir), "# first\r\ncolordepth=-8\r\nmode=window\r\n");

  // A file that starts with a header (a blank line inside it is no unnamed
  // entry): the keys go to the top, in the order of a first start, and a
  // second start finds them all and adds nothing.
  writeFileBytes(dir.file("dola.ini"), "[video]\r\nk=v\r\n\r\n");
  for (int start = 0; start < 2; start++) {
    ASSERT_TRUE(settings.load(dir.editorPath("dola.ini").c_str()));
    if (!settings.getString("", "mode")) settings.addString("", "mode", "fullscreen");
    if (!settings.getString("", "colordepth")) settings.addInt("", "colordepth", 16);
    if (!settings.getString("", "ZANDirectory")) settings.addString("", "ZANDirectory", "");
    ASSERT_TRUE(settings.save(settings.path));
    EXPECT_EQ(readFileBytes(dir.file("dola.ini")),
              "mode=fullscreen\r\nZANDirectory=\r\ncolordepth=16\r\n[video]\r\nk=v\r\n\r\n");
  }

  // A named section gets its key after its header, and a header when it has none.
  settings.addString("video", "b", "1");
  settings.addString("New", "c", "2");
  EXPECT_EQ(saved(settings, dir), "mode=fullscreen\r\nZANDirectory=\r\ncolordepth=16\r\n[video]\r\nb=1\r\n"
                                  "k=v\r\n\r\n[New]\r\nc=2\r\n");
}

TEST(SettingsFile, DuplicateKeysUpdatesAndNumbers) {
  TempDir dir;
  writeFileBytes(dir.file("a.ini"), "depth=  -24bits\r\ndepth=8\r\nempty=\r\nbig=99999999999999999999\r\n"
                                    "small=-99999999999999999999\r\n");
  SettingsFile settings;
  ASSERT_TRUE(settings.load(dir.editorPath("a.ini").c_str()));
  EXPECT_EQ(settings.getInt("", "depth"), -24);
  EXPECT_EQ(settings.getInt("", "empty"), 0);
  EXPECT_EQ(settings.getInt("", "missing"), 0);
  EXPECT_EQ(settings.getInt("", "big"), LONG_MAX);
  EXPECT_EQ(settings.getInt("", "small"), LONG_MIN);
  EXPECT_TRUE(settings.updateString("", "depth", "32"));
  EXPECT_FALSE(settings.updateString("", "missing", "1"));
  EXPECT_FALSE(settings.updateString("", "Depth", "1"));
  EXPECT_EQ(settings.getInt("", "depth"), 32);
  settings.addString("", "depth", "16");  // a second entry; the first one keeps winning
  EXPECT_EQ(settings.getInt("", "depth"), 32);
  EXPECT_EQ(saved(settings, dir),
            "depth=32\r\ndepth=16\r\ndepth=8\r\nempty=\r\nbig=99999999999999999999\r\n"
            "small=-99999999999999999999\r\n");
  settings.clear();
  EXPECT_EQ(settings.first, nullptr);
  EXPECT_EQ(saved(settings, dir), "");
}

TEST(SettingsFile, TextLongerThanAFieldIsCutToItButHeadersStayHeaders) {
  TempDir dir;
  const std::string longKey(300, 'k');
  const std::string longValue(3000, 'v');
  const std::string longComment = "#" + std::string(2000, 'c') + "mode=trap";
  const std::string longHeader = "[" + std::string(200, 's') + "]";
  const std::string hugeHeader = "[" + std::string(600, 'h') + "]";
  writeFileBytes(dir.file("a.ini"), longKey + "=" + longValue + "\r\n" + longComment + "\r\n" +
                                        longHeader + "\r\nx=1\r\n" + hugeHeader + "\r\nmode=h\r\n");
  SettingsFile settings;
  ASSERT_TRUE(settings.load(dir.editorPath("a.ini").c_str()));
  EXPECT_EQ(text(settings.getString("", longKey.substr(0, 127).c_str())), longValue.substr(0, 511));
  EXPECT_EQ(text(settings.getString("", "mode")), "<none>");  // a long line stays one line
  EXPECT_EQ(text(settings.getString(std::string(127, 's').c_str(), "x")), "1");
  settings.addString("", longKey.c_str(), longValue.c_str());
  EXPECT_TRUE(settings.updateString(std::string(127, 's').c_str(), "x", longValue.c_str()));
  const std::string expected = longKey.substr(0, 127) + "=" + longValue.substr(0, 511) + "\r\n" +
                               longKey.substr(0, 127) + "=" + longValue.substr(0, 511) + "\r\n" +
                               longComment.substr(0, 511) + "\r\n" + longHeader + "\r\nx=" +
                               longValue.substr(0, 511) + "\r\n" + hugeHeader.substr(0, 510) +
                               "]\r\nmode=h\r\n";
  EXPECT_EQ(saved(settings, dir), expected);
  // Read again, the keys stay in their sections and the file stays the same.
  ASSERT_TRUE(settings.load(dir.editorPath("out.ini").c_str()));
  EXPECT_EQ(text(settings.getString("", "mode")), "<none>");
  EXPECT_EQ(saved(settings, dir), expected);
}

TEST(SettingsFile, FailedSavesKeepTheOldFile) {
  TempDir dir;
  writeFileBytes(dir.file("dola.ini"), "mode=window\r\n");
  SettingsFile settings;
  ASSERT_TRUE(settings.load(dir.editorPath("dola.ini").c_str()));
  settings.updateString("", "mode", std::string(400, 'f').c_str());
  failWritesAfter(50);
  EXPECT_FALSE(settings.save(settings.path));
  failWritesAfter(-1);
  EXPECT_EQ(readFileBytes(dir.file("dola.ini")), "mode=window\r\n");
  EXPECT_FALSE(settings.save(dir.editorPath("no\\such\\dir.ini").c_str()));
  EXPECT_TRUE(settings.save(dir.editorPath("dola.ini").c_str()));
  // Loading its own stored path again works.
  EXPECT_TRUE(settings.load(settings.path));
  EXPECT_EQ(text(settings.getString("", "mode")), std::string(400, 'f'));
}

TEST(SettingsFile, AFileWithALinePastTheReadLimitIsLeftAlone) {
  TempDir dir;
  writeFileBytes(dir.file("good.ini"), "mode=window\r\n");
  const std::string huge = "colordepth=32\r\n" + std::string(kLineLengthLimit + 1, 'x');
  writeFileBytes(dir.file("dola.ini"), huge);
  SettingsFile settings;
  ASSERT_TRUE(settings.load(dir.editorPath("good.ini").c_str()));
  EXPECT_FALSE(settings.load(dir.editorPath("dola.ini").c_str()));
  EXPECT_EQ(text(settings.getString("", "mode")), "window");  // the list is as it was
  EXPECT_EQ(text(settings.getString("", "colordepth")), "<none>");
  EXPECT_FALSE(settings.save(dir.editorPath("dola.ini").c_str()));
  EXPECT_EQ(readFileBytes(dir.file("dola.ini")), huge);
  EXPECT_EQ(saved(settings, dir), "mode=window\r\n");  // another file may still be written
}

TEST(SettingsFile, GarbageInputKeepsEveryFieldTerminated) {
  TempDir dir;
  SettingsFile settings;
  unsigned seed = 777;
  for (int round = 0; round < 200; round++) {
    std::string bytes;
    for (int i = (seed = seed * 1103515245 + 12345) % 2000; i > 0; i--) {
      seed = seed * 1103515245 + 12345;
      const char pick = "[]=#'\r\nab"[(seed >> 12) % 9];
      bytes += (seed >> 20) % 7 == 0 ? static_cast<char>(seed >> 24) : pick;
    }
    writeFileBytes(dir.file("g.ini"), bytes);
    ASSERT_TRUE(settings.load(dir.editorPath("g.ini").c_str()));
    for (const SettingsEntry* e = settings.first; e; e = e->next) {
      ASSERT_LT(strnlen(e->section, sizeof e->section), sizeof e->section);
      ASSERT_LT(strnlen(e->key, sizeof e->key), sizeof e->key);
      ASSERT_LT(strnlen(e->value, sizeof e->value), sizeof e->value);
      ASSERT_LT(strnlen(e->raw, sizeof e->raw), sizeof e->raw);
    }
    ASSERT_TRUE(settings.save(dir.editorPath("out.ini").c_str()));
  }
}
