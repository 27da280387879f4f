// "palette.bmp": an 8-bit table read, other files refused with the reason, and
// random cuts and garbled headers never read past the file (ASan) nor passed cut.
#include <gtest/gtest.h>

#include <cerrno>
#include <random>

#include "data/bmp_palette.h"
#include "support/game_art.h"
#include "support/temp_dir.h"

TEST(BmpPalette, ReadsEightBitTablesAndSaysWhatIsWrongWithOtherFiles) {
  install_allegro(SYSTEM_NONE, &errno, atexit);
  TempDir dir;
  writeTestPalette(dir.file("p.bmp"));
  const std::string good = readFileBytes(dir.file("p.bmp"));
  PALETTE palette;
  char why[160];
  auto read = [&](const std::string& bytes) {
    writeFileBytes(dir.file("p.bmp"), bytes);
    return readBmpPalette(dir.editorPath("p.bmp").c_str(), palette, why, sizeof why);
  };
  ASSERT_EQ(PaletteFault::None, read(good));
  EXPECT_EQ(200 / 4, palette[200].r);
  EXPECT_EQ(63 - 200 / 4, palette[200].b);
  std::string deep = good, huge = good.substr(0, 54), many = good;
  deep[28] = 24;
  huge.replace(18, 8, std::string("\x00\x00\x01\x00\x01\x00\x01\x00", 8));  // 65536 x 65537
  many.replace(46, 2, "\x2C\x01");                                          // 300 colours
  const std::pair<std::string, std::string> refused[] = {
      {deep, "is a 24-bit bitmap, not an 8-bit one with a colour table"},
      {"GIF89a", "is not a BMP file (it does not begin with \"BM\")"},
      {huge, "is damaged: it says it is 65536 x 65537 pixels, more than the file holds"},
      {many, "is damaged: its colour table names 300 colours, more than 256"},
      {good.substr(0, 30), "is damaged: its header is cut short"}};
  for (const auto& [bytes, reason] : refused) {
    EXPECT_NE(PaletteFault::None, read(bytes));
    EXPECT_EQ(reason, std::string(why));
  }
  std::mt19937 random(1234);
  for (int round = 0; round < 400; ++round) {
    std::string bytes = good.substr(0, random() % good.size());
    const bool garbled = round % 2 == 1;
    for (int n = garbled ? 1 + random() % 6 : 0; n > 0 && !bytes.empty(); --n)
      bytes[random() % std::min<size_t>(bytes.size(), 54)] = static_cast<char>(random());
    const PaletteFault fault = read(bytes);
    EXPECT_TRUE(garbled || fault != PaletteFault::None) << bytes.size();
    EXPECT_EQ(fault == PaletteFault::None, why[0] == '\0');
  }
}
