// Counts for people: groups of three digits at every length and sign, the
// singular for one, and a buffer too small that is cut, never overrun.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "data/count_text.h"

TEST(CountText, GroupsDigitsAndNamesOneInTheSingular) {
  const struct {
    long long n;
    const char* grouped;
  } cases[] = {{0, "0"},           {7, "7"},         {999, "999"},          {1000, "1,000"},
               {2187, "2,187"},    {-1, "-1"},       {-999, "-999"},        {-1000, "-1,000"},
               {123456, "123,456"}, {1234567, "1,234,567"}, {LLONG_MIN, "-9,223,372,036,854,775,808"}};
  for (const auto& c : cases) {
    char out[40];
    groupedNumber(c.n, out, sizeof out);
    EXPECT_STREQ(out, c.grouped) << c.n;
  }
  char text[40];
  countText(1, "world map", "world maps", text, sizeof text);
  EXPECT_STREQ(text, "1 world map");
  countText(0, "warning", "warnings", text, sizeof text);
  EXPECT_STREQ(text, "0 warnings");
  countText(2187, "cell", "cells", text, sizeof text);
  EXPECT_STREQ(text, "2,187 cells");
  char small[6];
  memset(small, 'x', sizeof small);
  groupedNumber(1234567, small, 5);
  EXPECT_STREQ(small, "1,23");
  groupedNumber(1234, small, 3);  // no room for the comma and a digit after it
  EXPECT_STREQ(small, "1");
  EXPECT_EQ(small[3], '3');
  EXPECT_EQ(small[5], 'x');
}
