// LineReader: line ends and the length limit, at which reading stops without
// the line's buffer ever growing past it.
#include <gtest/gtest.h>

#include <string>

#include "data/line_reader.h"
#include "platform/file_stream.h"
#include "support/temp_dir.h"

TEST(LineReader, LinesUpToTheLimitAndNoFurther) {
  TempDir dir;
  const std::string atLimit(kLineLengthLimit, 'a');
  writeFileBytes(dir.file("a.txt"), "one\ntwo\r\n\n" + atLimit + "\n" + atLimit + "b\nnever read\n");
  FILE* f = openStream(dir.editorPath("a.txt").c_str(), "r");
  ASSERT_NE(f, nullptr);
  LineReader reader(f);
  std::string line;
  bool lineEnd = false;
  for (const char* expected : {"one", "two", ""}) {
    ASSERT_EQ(reader.readLine(line, &lineEnd), LineRead::Line);
    EXPECT_EQ(line, expected);
    EXPECT_TRUE(lineEnd);
  }
  ASSERT_EQ(reader.readLine(line), LineRead::Line);
  EXPECT_EQ(line.size(), kLineLengthLimit);
  EXPECT_EQ(reader.readLine(line), LineRead::Unreadable);
  EXPECT_LE(line.capacity(), kLineLengthLimit);
  fclose(f);

  writeFileBytes(dir.file("b.txt"), "last");
  f = openStream(dir.editorPath("b.txt").c_str(), "r");
  LineReader last(f);
  ASSERT_EQ(last.readLine(line, &lineEnd), LineRead::Line);
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(lineEnd);
  EXPECT_EQ(last.readLine(line), LineRead::End);
  fclose(f);
}

// Bytes read in place give the lines a text stream of the same bytes gives:
// random runs of CR, LF, NUL and letters, lines near the limit among them.
TEST(LineReader, BytesInMemoryReadAsATextStreamOfThem) {
  unsigned seed = 31;
  auto next = [&seed](unsigned n) { return (seed = seed * 1103515245 + 12345) / 65536 % n; };
  const std::string pieces[] = {"\r", "\n", "\r\n", std::string(1, '\0'), "ab", std::string(kLineLengthLimit - 1, 'x')};
  for (int round = 0; round < 200; round++) {
    std::string bytes;
    for (int n = static_cast<int>(next(30)); n > 0; n--) bytes += pieces[next(round % 4 == 0 ? 6 : 5)];
    FILE* f = openMemoryStream(bytes, "r");
    ASSERT_NE(f, nullptr);
    LineReader stream(f), memory(bytes.data(), bytes.size());
    std::string a, b;
    bool endA = false, endB = false;
    for (LineRead got = LineRead::Line; got == LineRead::Line;) {
      got = stream.readLine(a, &endA);
      ASSERT_EQ(got, memory.readLine(b, &endB)) << "round " << round;
      if (got == LineRead::Line) {
        ASSERT_TRUE(a == b && endA == endB) << "round " << round;
      }
    }
    fclose(f);
  }
}
