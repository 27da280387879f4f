// Text and binary streams: CR LF and bare LF read as "\n" wherever the CR
// falls in the stream's buffer, "\n" written as CR LF, bytes passed unchanged
// in binary, the standard modes' meaning, and injected write failures.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>

#include "platform/file_stream.h"
#include "support/temp_dir.h"

namespace {

// Reads the whole stream with fgetc through a buffer of bufferSize bytes.
std::string readAll(const std::string& editorPath, const char* mode, size_t bufferSize = 0) {
  FILE* f = openStream(editorPath.c_str(), mode);
  if (!f) return "<cannot open>";
  static char buffer[64];
  if (bufferSize) setvbuf(f, buffer, _IOFBF, bufferSize);
  std::string text;
  for (int c; (c = fgetc(f)) != EOF;) text += static_cast<char>(c);
  fclose(f);
  return text;
}

void writeAll(const std::string& editorPath, const char* mode, const std::string& text) {
  FILE* f = openStream(editorPath.c_str(), mode);
  ASSERT_NE(f, nullptr) << mode;
  EXPECT_EQ(fwrite(text.data(), 1, text.size(), f), text.size());
  EXPECT_EQ(fclose(f), 0);
}

}  // namespace

TEST(FileStream, TextReadTakesCrLfAndBareLfAsLineEnds) {
  TempDir dir;
  writeFileBytes(dir.file("a.txt"), "one\r\ntwo\nthree\rfour\r\nlast");
  EXPECT_EQ(readAll(dir.editorPath("a.txt"), "r"), "one\ntwo\nthree\rfour\nlast");
  FILE* f = openStream(dir.editorPath("a.txt").c_str(), "r");
  ASSERT_NE(f, nullptr);
  char line[64];
  ASSERT_NE(fgets(line, sizeof line, f), nullptr);
  EXPECT_STREQ(line, "one\n");
  fgets(line, sizeof line, f);
  fgets(line, sizeof line, f);
  ASSERT_NE(fgets(line, sizeof line, f), nullptr);
  EXPECT_STREQ(line, "last");  // a last line without line end is read whole
  EXPECT_EQ(fgets(line, sizeof line, f), nullptr);
  fclose(f);
}

TEST(FileStream, CrLfSplitAcrossBufferBoundariesReadsAsOneLineEnd) {
  TempDir dir;
  for (size_t bufferSize : {1u, 2u, 7u, 16u}) {
    for (size_t lead = 0; lead < 20; lead++) {
      std::string bytes = std::string(lead, 'x') + "\r\ny\r\n\r\nz\r";
      writeFileBytes(dir.file("b.txt"), bytes);
      EXPECT_EQ(readAll(dir.editorPath("b.txt"), "r", bufferSize),
                std::string(lead, 'x') + "\ny\n\nz\r")
          << "buffer " << bufferSize << " lead " << lead;
    }
  }
}

TEST(FileStream, TextWritesCrLfAndBinaryPassesBytes) {
  TempDir dir;
  writeAll(dir.editorPath("t.txt"), "w", "a\nb\n\nc");
  EXPECT_EQ(readFileBytes(dir.file("t.txt")), "a\r\nb\r\n\r\nc");
  const std::string bytes("\r\n\n\r\0\xff", 6);
  writeAll(dir.editorPath("b.bin"), "wb", bytes);
  EXPECT_EQ(readFileBytes(dir.file("b.bin")), bytes);
  EXPECT_EQ(readAll(dir.editorPath("b.bin"), "rb"), bytes);
}

TEST(FileStream, ModesKeepTheirMeaning) {
  TempDir dir;
  const std::string path = dir.editorPath("m.txt");
  EXPECT_EQ(openStream(path.c_str(), "r"), nullptr);    // read needs the file
  EXPECT_EQ(openStream(path.c_str(), "r+"), nullptr);   // so does update
  EXPECT_EQ(openStream(path.c_str(), "rb"), nullptr);
  EXPECT_EQ(openStream(path.c_str(), "r+b"), nullptr);
  EXPECT_EQ(openStream("", "r"), nullptr);
  EXPECT_EQ(openStream(dir.editorPath().c_str(), "r"), nullptr);  // a directory is no file

  writeFileBytes(dir.file("m.txt"), "abcdef");
  writeAll(path, "r+b", "XY");  // update keeps what lies after the written bytes
  EXPECT_EQ(readFileBytes(dir.file("m.txt")), "XYcdef");

  FILE* f = openStream(path.c_str(), "r+");  // text update: reads, then writes at the end
  ASSERT_NE(f, nullptr);
  char line[16];
  ASSERT_NE(fgets(line, sizeof line, f), nullptr);
  EXPECT_STREQ(line, "XYcdef");
  fseek(f, 0, SEEK_END);
  fputs("\ng", f);
  fclose(f);
  EXPECT_EQ(readFileBytes(dir.file("m.txt")), "XYcdef\r\ng");

  f = openStream(path.c_str(), "w+");  // truncates, and what is written reads back
  ASSERT_NE(f, nullptr);
  fputs("new\n", f);
  rewind(f);
  ASSERT_NE(fgets(line, sizeof line, f), nullptr);
  EXPECT_STREQ(line, "new\n");
  fclose(f);
  EXPECT_EQ(readFileBytes(dir.file("m.txt")), "new\r\n");

  writeAll(path, "w", "");
  EXPECT_EQ(readFileBytes(dir.file("m.txt")), "");
}

TEST(FileStream, InjectedWriteFailureIsReported) {
  TempDir dir;
  FILE* f = openStream(dir.editorPath("f.bin").c_str(), "wb");
  ASSERT_NE(f, nullptr);
  failWritesAfter(4);
  fwrite("0123456789", 1, 10, f);
  const bool failed = fflush(f) != 0 || ferror(f);
  fclose(f);
  failWritesAfter(-1);
  EXPECT_TRUE(failed);
  EXPECT_EQ(readFileBytes(dir.file("f.bin")), "0123");
}

// A file read whole with one open: exact bytes in any letter case, the limit
// kept, and nothing that is no regular file opened (a pipe would block).
TEST(FileStream, ReadWholeFileAndMemoryStreams) {
  TempDir dir;
  std::string big(70000, '\0');
  for (size_t i = 0; i < big.size(); i++) big[i] = static_cast<char>(i * 7 % 251);
  writeFileBytes(dir.file("Big.bin"), big);
  writeFileBytes(dir.file("empty"), "");
  std::string bytes = "stale";
  EXPECT_TRUE(readWholeFile(dir.editorPath("BIG.BIN").c_str(), bytes, 70000));
  EXPECT_EQ(big, bytes);
  EXPECT_FALSE(readWholeFile(dir.editorPath("Big.bin").c_str(), bytes, 69999));
  EXPECT_EQ("", bytes);
  EXPECT_TRUE(readWholeFile(dir.editorPath("empty").c_str(), bytes, 10));
  EXPECT_EQ("", bytes);
  EXPECT_FALSE(readWholeFile(dir.editorPath("none").c_str(), bytes, 10));
  EXPECT_FALSE(readWholeFile(dir.editorPath().c_str(), bytes, 10));
  ASSERT_EQ(0, mkfifo(dir.file("pipe").c_str(), 0600));
  EXPECT_FALSE(readWholeFile(dir.editorPath("pipe").c_str(), bytes, 10));

  // Streams over bytes in memory read as a file of those bytes would.
  const std::string text = "a\r\nb\nc\r\r\nd";
  FILE* f = openMemoryStream(text, "r");
  ASSERT_NE(nullptr, f);
  std::string got;
  for (int c; (c = fgetc(f)) != EOF;) got += static_cast<char>(c);
  fclose(f);
  EXPECT_EQ("a\nb\nc\r\nd", got);
  f = openMemoryStream(text, "rb");
  ASSERT_NE(nullptr, f);
  got.clear();
  for (int c; (c = fgetc(f)) != EOF;) got += static_cast<char>(c);
  fclose(f);
  EXPECT_EQ(text, got);
}
