// A string operator or literal that cannot get its memory gives no object and
// keeps nothing. This file replaces the global operator new of the script
// tests with one that counts live blocks and, on a script's request, refuses
// blocks from a given size up.
#include <angelscript.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "script_fixture.h"

using namespace AngelScript;

namespace {

std::atomic<size_t> refuseFrom{0};  // 0: refuse nothing
std::atomic<long> liveBlocks{0};

void* allocate(size_t size) {
  size_t limit = refuseFrom.load();
  if (limit != 0 && size >= limit) return nullptr;
  void* p = malloc(size != 0 ? size : 1);
  if (p != nullptr) liveBlocks++;
  return p;
}

// Not inlined into operator delete, where the compiler would take free for a mismatch.
__attribute__((noinline)) void release(void* p) {
  if (p == nullptr) return;
  liveBlocks--;
  free(p);
}

void refuseAllocations(int fromBytes) { refuseFrom = fromBytes > 0 ? static_cast<size_t>(fromBytes) : 0; }

}  // namespace

void* operator new(size_t size) {
  void* p = allocate(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, size_t) noexcept { release(p); }
void operator delete[](void* p, size_t) noexcept { release(p); }

TEST_F(ScriptTest, AFailedAllocationGivesNoObjectAndKeepsNothing) {
  ASSERT_GE(engine->RegisterGlobalFunction("void refuseAllocations(int fromBytes)", asFUNCTION(refuseAllocations),
                                           asCALL_CDECL),
            0);
  const std::string longText(200, 'x');
  const std::string source = R"(
void main() {
  string small = "ab";
  string big = ")" + longText + R"(";
  refuseAllocations(100);
  string@ joined = small + big;
  string@ number = big + 5;
  string@ before = 5 + big;
  refuseAllocations(0);
  settile(1, 1, joined is null ? 1 : 2);
  settile(2, 1, number is null ? 1 : 2);
  settile(3, 1, before is null ? 1 : 2);
  settile(4, 1, (small + big).length() == 202 ? 1 : 2);
}
)";
  const std::string path = writeScript(source);
  long before = liveBlocks;
  EXPECT_EQ(ScriptRunEnd::Finished, runScript(path.c_str(), engine));
  refuseAllocations(0);
  EXPECT_EQ(before, liveBlocks.load()) << "every string of the run was freed";
  for (int x = 1; x <= 4; x++) EXPECT_EQ(1, cell(x, 1)) << x;

  // A literal that cannot be made fails the build, and nothing of it is kept.
  const std::string hugeText(100000, 'y');
  const std::string literal = writeScript("void main() { string s = \"" + hugeText + "\"; settile(5, 1, 1); }\n", "l.as");
  ScriptRunReport report;
  before = liveBlocks;
  refuseAllocations(static_cast<int>(hugeText.size() / 2));
  ScriptRunEnd end = runScript(literal.c_str(), engine, &report);
  refuseAllocations(0);
  EXPECT_NE(ScriptRunEnd::Finished, end);
  EXPECT_EQ(0, cell(5, 1));
  EXPECT_EQ(before, liveBlocks.load());
}
