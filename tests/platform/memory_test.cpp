// The run time's memory: a request that cannot be met ends the program with
// the out-of-memory error, naming the size where the allocator knows it.
#include "platform/forms/memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>

namespace charart::forms {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// More than any machine has: malloc refuses it at once.
constexpr std::int64_t kHuge = std::int64_t{1} << 60;

TEST(Allocate, GivesBlocksOfTheirOwnEvenForZeroBytes) {
  void* a = Allocate(0);
  void* b = Allocate(0);
  auto* c = static_cast<unsigned char*>(Allocate(3000));
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);
  std::memset(c, 0xAB, 3000);
  EXPECT_EQ(c[2999], 0xAB);
  Release(a);
  Release(b);
  Release(c);
  Release(nullptr);
}

TEST(AllocateDeathTest, ARequestThatCannotBeMetEndsTheProgramNamingItsSize) {
  if (kSanitized) GTEST_SKIP() << "the sanitizer's allocator reports huge requests itself";
  EXPECT_EXIT((void)Allocate(kHuge), ::testing::ExitedWithCode(1),
              "分配 1152921504606846976 字节内存失败!");
  EXPECT_EXIT((void)Allocate(-8), ::testing::ExitedWithCode(1), "分配 -8 字节内存失败!");
}

TEST(AllocateDeathTest, AFailedNewEndsTheProgramThroughTheRunTime) {
  if (kSanitized) GTEST_SKIP() << "the sanitizer's allocator reports huge requests itself";
  EXPECT_EXIT(
      {
        InstallOutOfMemoryHandler();
        volatile std::size_t size = static_cast<std::size_t>(kHuge);
        // Kept where the compiler cannot prove it unused and drop the new.
        static char* volatile block = nullptr;
        block = new char[size];
        std::_Exit(block != nullptr ? 0 : 2);
      },
      ::testing::ExitedWithCode(1), "分配 1152921504606846976 字节内存失败!");
}

}  // namespace
}  // namespace charart::forms
