#include "platform/win32/global_memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

namespace charart::win32 {
namespace {

TEST(GlobalMemory, BlocksAreZeroedAndNamedByHandlesThatAreNotAddresses) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 16);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), 16u);
  auto* data = static_cast<std::uint8_t*>(GlobalLock(block));
  ASSERT_NE(data, nullptr);
  EXPECT_NE(static_cast<void*>(data), block);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(data[i], 0) << i;
  GlobalUnlock(block);
  // An address is not a handle.
  EXPECT_EQ(GlobalSize(data), 0u);
  EXPECT_EQ(GlobalFlags(data), GMEM_INVALID_HANDLE);
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, LocksAreCounted) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
  void* first = GlobalLock(block);
  EXPECT_EQ(GlobalLock(block), first);
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 2u);
  EXPECT_TRUE(GlobalUnlock(block));   // still locked once
  EXPECT_FALSE(GlobalUnlock(block));  // now unlocked
  EXPECT_FALSE(GlobalUnlock(block));  // was not locked
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);
  GlobalFree(block);
}

TEST(GlobalMemory, ReAllocKeepsContentAndZeroesWhatItAdds) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4);
  std::memcpy(GlobalLock(block), "abcd", 4);
  GlobalUnlock(block);

  ASSERT_EQ(GlobalReAlloc(block, 100000, GMEM_MOVEABLE), block);
  EXPECT_EQ(GlobalSize(block), 100000u);
  auto* data = static_cast<std::uint8_t*>(GlobalLock(block));
  EXPECT_EQ(std::memcmp(data, "abcd", 4), 0);
  bool zero = true;
  for (std::size_t i = 4; i < 100000; ++i) zero = zero && data[i] == 0;
  EXPECT_TRUE(zero);
  data[3] = 'X';
  GlobalUnlock(block);

  // Shrinking and growing again does not bring old bytes back.
  ASSERT_EQ(GlobalReAlloc(block, 3, GMEM_MOVEABLE), block);
  ASSERT_EQ(GlobalReAlloc(block, 5, GMEM_MOVEABLE), block);
  data = static_cast<std::uint8_t*>(GlobalLock(block));
  EXPECT_EQ(std::memcmp(data, "abc\0\0", 5), 0);
  GlobalUnlock(block);

  // GMEM_MODIFY changes attributes only.
  EXPECT_EQ(GlobalReAlloc(block, 1, GMEM_MODIFY | GMEM_MOVEABLE), block);
  EXPECT_EQ(GlobalSize(block), 5u);
  GlobalFree(block);
}

TEST(GlobalMemory, ALockedBlockNeverMoves) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
  void* address = GlobalLock(block);
  EXPECT_EQ(GlobalReAlloc(block, 1 << 20, GMEM_MOVEABLE), nullptr);
  EXPECT_EQ(GlobalSize(block), 8u);
  EXPECT_EQ(GlobalReAlloc(block, 4, GMEM_MOVEABLE), block);  // shrinking stays in place
  EXPECT_EQ(GlobalLock(block), address);
  GlobalUnlock(block);
  GlobalUnlock(block);
  EXPECT_EQ(GlobalReAlloc(block, 1 << 20, GMEM_MOVEABLE), block);
  GlobalFree(block);
}

TEST(GlobalMemory, FreedAndUnknownHandlesAreRefused) {
  const std::size_t live = LiveGlobalBlocksForTesting();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
  GlobalLock(block);
  EXPECT_EQ(GlobalFree(block), nullptr);  // locked blocks are freed too
  EXPECT_EQ(LiveGlobalBlocksForTesting(), live);
  EXPECT_EQ(GlobalFree(block), block);
  EXPECT_EQ(GlobalLock(block), nullptr);
  EXPECT_EQ(GlobalSize(block), 0u);
  EXPECT_EQ(GlobalReAlloc(block, 8, GMEM_MOVEABLE), nullptr);
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(GlobalFree(nullptr), nullptr);
  EXPECT_EQ(GlobalLock(nullptr), nullptr);
  // A fresh block never reuses a freed handle.
  HGLOBAL next = GlobalAlloc(GMEM_MOVEABLE, 8);
  EXPECT_NE(next, block);
  GlobalFree(next);
}

TEST(GlobalMemory, AnEmptyBlockIsAValidHandleThatCannotBeLocked) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 0);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), 0u);
  EXPECT_EQ(GlobalLock(block), nullptr);
  EXPECT_EQ(GlobalFlags(block), 0u);
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, ThreadsShareTheRegistrySafely) {
  const std::size_t live = LiveGlobalBlocksForTesting();
  std::vector<std::thread> threads;
  bool ok[4] = {};
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &ok] {
      ok[t] = true;
      for (int i = 0; i < 2000; ++i) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
        std::memset(GlobalLock(block), t, 4);
        GlobalUnlock(block);
        GlobalReAlloc(block, 64 + i, GMEM_MOVEABLE);
        const auto* data = static_cast<const std::uint8_t*>(GlobalLock(block));
        ok[t] = ok[t] && data[3] == t && data[4] == 0;
        GlobalUnlock(block);
        GlobalFree(block);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (bool each : ok) EXPECT_TRUE(each);
  EXPECT_EQ(LiveGlobalBlocksForTesting(), live);
}

}  // namespace
}  // namespace charart::win32
