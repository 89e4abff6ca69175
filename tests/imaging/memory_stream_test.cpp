#include "imaging/core/memory_stream.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/gdiplus/gdiplus_api.h"
#include "platform/win32/com_stream.h"
#include "platform/win32/global_memory.h"
#include "tests/support/raw_graphics.h"

namespace charart::imaging {
namespace {

using values::ByteSet;

ByteSet Bytes(const std::string& text) {
  return ByteSet(text.data(), text.size());
}
std::string Text(const ByteSet& bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.Data()),
                     static_cast<std::size_t>(bytes.Length()));
}
gdiplus::IStream* StreamOf(Handle handle) {
  return reinterpret_cast<gdiplus::IStream*>(handle);
}
win32::HGLOBAL BlockOf(Handle handle) {
  return reinterpret_cast<win32::HGLOBAL>(handle);
}
bool IsLiveBlock(Handle handle) {
  return win32::GlobalFlags(BlockOf(handle)) != win32::GMEM_INVALID_HANDLE;
}
std::uint32_t AddRef(Handle stream) {
  return win32::VtblOf(StreamOf(stream))->AddRef(StreamOf(stream));
}
std::uint32_t Unref(Handle stream) {
  return win32::VtblOf(StreamOf(stream))->Release(StreamOf(stream));
}

TEST(MemoryStream, BytesWrittenInComeBackWhole) {
  MemoryStream stream;
  std::string payload(70000, '\0');
  for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<char>(i * 7);
  const Handle created = stream.CreateFromBytes(Bytes(payload));
  ASSERT_NE(created, 0u);
  EXPECT_EQ(stream.GetStream(), created);
  EXPECT_NE(stream.GetHGlobal(), 0u);
  EXPECT_EQ(stream.GetSize(), 70000);
  EXPECT_EQ(Text(stream.GetBytes()), payload);

  // The stream reads the same bytes from its start.
  std::string read(10, '\0');
  std::uint32_t count = 0;
  win32::VtblOf(StreamOf(created))->Read(StreamOf(created), read.data(), 10, &count);
  EXPECT_EQ(read, payload.substr(0, 10));
}

TEST(MemoryStream, SizeCutsOrPadsTheCopyButNeverReadsPastTheByteSet) {
  struct Case {
    const char* name;
    std::string bytes;
    std::optional<std::int32_t> size;
    std::string expected;
  };
  const Case cases[] = {
      {"size smaller: a prefix", "abcdef", 3, "abc"},
      {"size larger: the rest stays zero", "abc", 6, std::string("abc\0\0\0", 6)},
      {"size 0: an empty block", "abc", 0, ""},
      {"no bytes and a size: zeros", "", 4, std::string(4, '\0')},
      {"no bytes, no size: an empty block", "", std::nullopt, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryStream stream;
    EXPECT_NE(stream.CreateFromBytes(c.bytes.empty() ? ByteSet() : Bytes(c.bytes), c.size), 0u);
    EXPECT_EQ(stream.GetSize(), static_cast<std::int32_t>(c.expected.size()));
    EXPECT_EQ(Text(stream.GetBytes()), c.expected);
  }
  // A size no block can have leaves the object empty rather than holding a
  // stream over nothing.
  MemoryStream stream;
  EXPECT_EQ(stream.CreateFromBytes(Bytes("abc"), -1), 0u);
  EXPECT_EQ(stream.GetStream(), 0u);
  EXPECT_EQ(stream.GetHGlobal(), 0u);
}

TEST(MemoryStream, AnEmptyStreamGrowsToExactlyWhatAnEncoderWrites) {
  ASSERT_TRUE(testsupport::StartGdiplusOnce());
  gdiplus::GpBitmap* bitmap = nullptr;
  ASSERT_EQ(gdiplus::Api().GdipCreateBitmapFromScan0(37, 11, 0, 0x26200A, nullptr, &bitmap),
            gdiplus::Status::Ok);
  auto* image = reinterpret_cast<gdiplus::GpImage*>(bitmap);
  const gdiplus::CLSID png = {
      0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

  MemoryStream stream;
  const Handle created = stream.CreateFromBytes();
  EXPECT_EQ(stream.GetSize(), 0);
  ASSERT_EQ(gdiplus::Api().GdipSaveImageToStream(image, StreamOf(created), &png, nullptr),
            gdiplus::Status::Ok);
  gdiplus::Api().GdipDisposeImage(image);

  const std::string bytes = Text(stream.GetBytes());
  ASSERT_GT(bytes.size(), 20u);
  EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1A\n");
  // The block ends with the IEND chunk: no slack after the encoded bytes.
  EXPECT_EQ(bytes.substr(bytes.size() - 8), "IEND\xAE\x42\x60\x82");
}

TEST(MemoryStream, ReleaseGivesUpOneReferenceAndFreesTheBlockOnce) {
  MemoryStream stream;
  stream.Release();  // nothing held: nothing happens
  const Handle created = stream.CreateFromBytes(Bytes("abc"));
  const Handle block = stream.GetHGlobal();
  AddRef(created);  // a reference of the test's own keeps the stream alive

  stream.Release();
  EXPECT_EQ(stream.GetStream(), 0u);
  EXPECT_EQ(stream.GetHGlobal(), 0u);
  EXPECT_FALSE(IsLiveBlock(block));
  stream.Release();  // harmless a second time
  stream.Destroy();
  EXPECT_EQ(Unref(created), 0u);  // the object released exactly its one reference
  EXPECT_TRUE(stream.GetBytes().IsEmpty());
}

TEST(MemoryStream, CreatingAgainReleasesWhatWasHeld) {
  const std::size_t live = win32::LiveGlobalBlocksForTesting();
  {
    MemoryStream stream;
    stream.CreateFromBytes(Bytes("first"));
    const Handle firstBlock = stream.GetHGlobal();
    const Handle firstStream = stream.GetStream();
    AddRef(firstStream);
    stream.CreateFromBytes(Bytes("second"));
    EXPECT_FALSE(IsLiveBlock(firstBlock));
    EXPECT_EQ(Unref(firstStream), 0u);
    EXPECT_EQ(Text(stream.GetBytes()), "second");
    EXPECT_EQ(win32::LiveGlobalBlocksForTesting(), live + 1);
  }
  EXPECT_EQ(win32::LiveGlobalBlocksForTesting(), live);  // the destructor released it
}

TEST(MemoryStream, AttachStreamAdoptsTheCallersReferenceAndTheBlock) {
  const std::size_t live = win32::LiveGlobalBlocksForTesting();
  win32::HGLOBAL block = win32::GlobalAlloc(win32::GMEM_MOVEABLE, 0);
  gdiplus::IStream* raw = nullptr;
  ASSERT_EQ(win32::CreateStreamOnHGlobal(block, false, &raw), win32::S_OK);
  win32::VtblOf(raw)->Write(raw, "xyz", 3, nullptr);
  const Handle adopted = reinterpret_cast<Handle>(raw);
  AddRef(adopted);
  {
    MemoryStream stream;
    EXPECT_TRUE(stream.AttachStream(adopted));
    EXPECT_EQ(stream.GetHGlobal(), reinterpret_cast<Handle>(block));
    EXPECT_EQ(Text(stream.GetBytes()), "xyz");
  }
  EXPECT_EQ(Unref(adopted), 0u);
  EXPECT_EQ(win32::LiveGlobalBlocksForTesting(), live);

  MemoryStream empty;
  EXPECT_FALSE(empty.AttachStream(0));
  EXPECT_EQ(empty.GetHGlobal(), 0u);
}

TEST(MemoryStream, ACopySharesTheStreamWithoutReleasingItTwice) {
  const std::size_t live = win32::LiveGlobalBlocksForTesting();
  auto source = std::make_unique<MemoryStream>();
  const Handle created = source->CreateFromBytes(Bytes("shared"));
  std::unique_ptr<MemoryStream> copy = source->Copy();
  EXPECT_EQ(copy->GetStream(), created);
  EXPECT_EQ(copy->GetHGlobal(), source->GetHGlobal());
  EXPECT_EQ(Text(copy->GetBytes()), "shared");

  // The copy outlives its source: the stream stays valid, the block is gone.
  AddRef(created);
  source.reset();
  EXPECT_EQ(win32::LiveGlobalBlocksForTesting(), live);
  EXPECT_TRUE(copy->GetBytes().IsEmpty());
  copy.reset();
  EXPECT_EQ(Unref(created), 0u);  // each object released its own reference
}

TEST(MemoryStream, MovingHandsEverythingOver) {
  const std::size_t live = win32::LiveGlobalBlocksForTesting();
  MemoryStream first;
  first.CreateFromBytes(Bytes("moved"));
  MemoryStream second(std::move(first));
  EXPECT_EQ(first.GetStream(), 0u);
  EXPECT_EQ(first.GetHGlobal(), 0u);
  EXPECT_EQ(Text(second.GetBytes()), "moved");

  MemoryStream third;
  third.CreateFromBytes(Bytes("old"));
  third = std::move(second);
  EXPECT_EQ(Text(third.GetBytes()), "moved");
  EXPECT_EQ(win32::LiveGlobalBlocksForTesting(), live + 1);
  third.Destroy();
  EXPECT_EQ(win32::LiveGlobalBlocksForTesting(), live);
}

}  // namespace
}  // namespace charart::imaging
