#include "platform/win32/call_gate.h"

#include <gtest/gtest.h>

#include <cstring>

namespace charart::win32 {
namespace {

std::uintptr_t g_seen[3];

std::uint32_t TakesOne(int* counter) {
  ++*counter;
  return 7;
}
std::uintptr_t TakesThree(std::uintptr_t a, std::uintptr_t b, std::uintptr_t c) {
  g_seen[0] = a;
  g_seen[1] = b;
  g_seen[2] = c;
  return a + b + c;
}
void TakesNone() {
  g_seen[0] = 99;
}

TEST(CallGate, TheCalleeReceivesTheLeadingArgumentsItTakes) {
  int counter = 0;
  EXPECT_EQ(CallWindowProcA(&TakesOne, reinterpret_cast<std::uintptr_t>(&counter), 5, 6, 8), 7u);
  EXPECT_EQ(counter, 1);

  EXPECT_EQ(CallWindowProcA(&TakesThree, 1, 2, 3, 4), 6u);
  EXPECT_EQ(g_seen[0], 1u);
  EXPECT_EQ(g_seen[1], 2u);
  EXPECT_EQ(g_seen[2], 3u);

  EXPECT_EQ(CallWindowProcA(&TakesNone, 1, 2, 3), 0u);
  EXPECT_EQ(g_seen[0], 99u);

  std::uintptr_t (*none)(std::uintptr_t) = nullptr;
  EXPECT_EQ(CallWindowProcA(none, 1, 2, 3), 0u);
}

TEST(CallGate, WriteProcessMemoryCopiesWithinThisProcessOnly) {
  char target[8] = "-------";
  std::size_t written = 99;
  EXPECT_TRUE(WriteProcessMemory(GetCurrentProcess(), target, "abc", 3, &written));
  EXPECT_EQ(written, 3u);
  EXPECT_STREQ(target, "abc----");

  EXPECT_FALSE(WriteProcessMemory(reinterpret_cast<void*>(4), target, "xyz", 3, &written));
  EXPECT_EQ(written, 0u);
  EXPECT_FALSE(WriteProcessMemory(GetCurrentProcess(), nullptr, "xyz", 3, &written));
  EXPECT_FALSE(WriteProcessMemory(GetCurrentProcess(), target, nullptr, 3, nullptr));
  EXPECT_TRUE(WriteProcessMemory(GetCurrentProcess(), nullptr, nullptr, 0, nullptr));
  EXPECT_STREQ(target, "abc----");

  // Overlapping ranges are copied as if through a buffer.
  EXPECT_TRUE(WriteProcessMemory(GetCurrentProcess(), target + 1, target, 3, nullptr));
  EXPECT_STREQ(target, "aabc---");
}

}  // namespace
}  // namespace charart::win32
