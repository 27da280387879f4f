// Back and forward through the maps opened, as a browser does: going back,
// forward, a new open after going back, reopening, and the oldest entries
// giving way when the list is full.
#include <gtest/gtest.h>

#include <string>

#include "app/map_history.h"

namespace {
std::string text(const char* path) { return path ? path : "(none)"; }
}  // namespace

TEST(MapHistory, BackForwardAndANewOpenDropTheEntriesAhead) {
  MapHistory h;
  EXPECT_EQ("(none)", text(h.backTarget()));
  h.visit("A");
  h.visit("B");
  h.visit("B");  // the same map again is no new entry
  h.visit("");   // nor is a map without a path
  h.visit("C");
  EXPECT_EQ(3, h.size());
  EXPECT_EQ("B", text(h.backTarget()));
  EXPECT_EQ("(none)", text(h.forwardTarget()));
  ASSERT_TRUE(h.stepBack());
  h.visit("B");  // the map that back opened: nothing changes
  ASSERT_TRUE(h.stepBack());
  EXPECT_FALSE(h.stepBack());
  EXPECT_EQ("A", text(h.current()));
  EXPECT_EQ("B", text(h.forwardTarget()));
  ASSERT_TRUE(h.stepForward());
  EXPECT_EQ("C", text(h.forwardTarget()));
  h.visit("D");  // a new open after going back: C is gone
  EXPECT_EQ(3, h.size());
  EXPECT_EQ("(none)", text(h.forwardTarget()));
  ASSERT_TRUE(h.stepBack());
  EXPECT_EQ("B", text(h.current()));
  EXPECT_EQ("D", text(h.forwardTarget()));
}

TEST(MapHistory, TheOldestEntriesGiveWayWhenFull) {
  MapHistory h;
  for (int i = 0; i < MapHistory::kCapacity + 5; ++i) h.visit(("M" + std::to_string(i)).c_str());
  EXPECT_EQ(MapHistory::kCapacity, h.size());
  while (h.stepBack()) {
  }
  EXPECT_EQ("M5", text(h.current()));
  h.visit(std::string(300, 'x').c_str());  // longer than any map path: not kept
  EXPECT_EQ("M5", text(h.current()));
  EXPECT_EQ("M6", text(h.forwardTarget()));
}
