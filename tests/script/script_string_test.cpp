// The script "string" type through real scripts: number texts, both operand
// orders, byte-wise order, the bounded index and copies that stay apart.
// Each script reports through message(), whose requester texts are captured.
#include <vector>

#include "script_fixture.h"

namespace {
std::vector<std::string> withButton(const std::vector<std::string>& texts) {
  std::vector<std::string> out;
  for (const std::string& t : texts) out.push_back(t + "|~OK");
  return out;
}
}  // namespace

TEST_F(ScriptTest, NumbersBecomeTextInEitherOperandOrder) {
  ASSERT_EQ(ScriptRunEnd::Finished, run(R"(
void main() {
  int i = -5; uint u = 4294967295; string s;
  s = i; message(s);
  s = u; message(s);
  s = 0.5; message(s);
  s = 3.0; message(s);
  s = 0.1; message(s);
  s = 1e20; message(s);
  message("x" + 1); message(1 + "x");
  message("x" + u); message(u + "x");
  message("x" + 2.5); message(2.5 + "x");
  message("a" + "b");
  string a = "ab"; a += 7; a += 1.5; a += uint(3); a += "!"; a += -2; message(a);
  string e; message(e);
  message("" + int64(9000000000) + "," + uint64(18446744073709551615) + "," + int8(-3) + "," + uint16(65535));
})"));
  EXPECT_EQ(withButton({"-5", "4294967295", "0.5", "3", "0.1", "1e+20", "x1", "1x", "x4294967295",
                        "4294967295x", "x2.5", "2.5x", "ab", "ab71.53!-2", "",
                        "9000000000,18446744073709551615,-3,65535"}),
            user.shown);
}

TEST_F(ScriptTest, StringsCompareBytewiseWithUnsignedBytesAndPrefixesFirst) {
  ASSERT_EQ(ScriptRunEnd::Finished, run(R"(
string t(bool b) { return b ? "T" : "F"; }
void main() {
  string ab = "ab", abc = "abc", b = "b", high = "a";
  high[0] = 200;
  message(t(ab < abc) + t(abc < b) + t(abc == "abc") + t(abc != "abc") + t(high > "z")
          + t(ab <= "ab") + t(ab >= abc) + t(b > abc) + t("" < "a") + t(abc > ab) + t(ab != abc));
})"));
  EXPECT_EQ(withButton({"TTTFTTFTTTT"}), user.shown);
}

TEST_F(ScriptTest, LengthAndIndexReadAndWriteBytes) {
  ASSERT_EQ(ScriptRunEnd::Finished, run(R"(
void main() {
  string s = "abc";
  const string k = "xyz";
  string e;
  message("" + "hello".length() + "," + e.length() + "," + "ab\0cd".length());
  message("" + s[0] + "," + s[2] + "," + k[2]);
  s[1] = 66;
  message(s);
})"));
  EXPECT_EQ(withButton({"5,0,2", "97,99,122", "aBc"}), user.shown);
}

TEST_F(ScriptTest, CopiesAndLiteralsStayIndependent) {
  ASSERT_EQ(ScriptRunEnd::Finished, run(R"(
string changed() { string s = "abc"; s[0] = 120; return s; }
void main() {
  string a = "abc";
  string b = a;
  b[1] = 89;
  message(a + "," + b);
  message(changed() + changed());
  string c = "ab";
  c += c;
  message(c);
  c = c;
  message(c);
})"));
  EXPECT_EQ(withButton({"abc,aYc", "xbcxbc", "abab", "abab"}), user.shown);
}

// The index past the end stops the whole run, even inside try, at its line;
// what the script wrote before stays.
TEST_F(ScriptTest, IndexPastTheEndEndsTheRunWithOutOfRange) {
  const char* cases[][2] = {
      {"string s = \"abc\"; uint8 c = s[3];", "3"},
      {"string e; uint8 c = e[0];", "0 on empty"},
      {"string s = \"abc\"; int n = -1; uint8 c = s[uint(n)];", "negative"},
      {"const string k = \"abc\"; uint8 c = k[7];", "const"},
      {"string s = \"abc\"; try { uint8 c = s[5]; } catch { settile(3, 1, 1); }", "try"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c[1]);
    user.shown.clear();
    world->cells[0] = 0;
    std::string source = "void main() {\n  settile(1, 1, 7);\n  " + std::string(c[0]) +
                         "\n  settile(2, 1, 9);\n}\n";
    EXPECT_EQ(ScriptRunEnd::Exception, run(source));
    EXPECT_EQ(7, cell(1, 1));
    EXPECT_EQ(0, cell(2, 1));
    EXPECT_EQ(0, cell(3, 1));
    EXPECT_EQ(withButton({"Script stopped at line 3: Out of range"}), user.shown);
  }
}
