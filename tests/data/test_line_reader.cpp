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
