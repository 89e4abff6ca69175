#include "platform/win32/com_stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace charart::win32 {
namespace {

// A stream held for one test: calls go through its interface table, as
// GDI+ and the memory stream make them.
class Stream {
 public:
  explicit Stream(HGLOBAL block = nullptr, bool deleteOnRelease = true) {
    EXPECT_EQ(CreateStreamOnHGlobal(block, deleteOnRelease, &stream_), S_OK);
  }
  explicit Stream(IStream* adopted) : stream_(adopted) {}
  ~Stream() {
    if (stream_ != nullptr) VtblOf(stream_)->Release(stream_);
  }
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;

  IStream* get() const { return stream_; }
  const IStreamVtbl* operator->() const { return VtblOf(stream_); }
  IStream* Take() { return std::exchange(stream_, nullptr); }

  HRESULT Write(const std::string& bytes, std::uint32_t* written = nullptr) const {
    return VtblOf(stream_)->Write(stream_, bytes.data(), static_cast<std::uint32_t>(bytes.size()),
                                  written);
  }
  std::string Read(std::uint32_t bytes) const {
    std::string out(bytes, '\0');
    std::uint32_t read = 0;
    EXPECT_EQ(VtblOf(stream_)->Read(stream_, out.data(), bytes, &read), S_OK);
    out.resize(read);
    return out;
  }
  std::uint64_t Seek(std::int64_t move, std::uint32_t origin) const {
    std::uint64_t position = 0;
    EXPECT_EQ(VtblOf(stream_)->Seek(stream_, move, origin, &position), S_OK);
    return position;
  }
  std::uint64_t Size() const {
    StreamStat stat;
    EXPECT_EQ(VtblOf(stream_)->Stat(stream_, &stat, 1), S_OK);
    EXPECT_EQ(stat.type, STGTY_STREAM);
    EXPECT_EQ(stat.name, nullptr);
    return stat.size;
  }
  HGLOBAL Block() const {
    HGLOBAL block = nullptr;
    EXPECT_EQ(GetHGlobalFromStream(stream_, &block), S_OK);
    return block;
  }

 private:
  IStream* stream_ = nullptr;
};

TEST(ComStream, WritesGrowTheBlockToExactlyTheWrittenLength) {
  Stream stream;
  std::uint32_t written = 0;
  ASSERT_EQ(stream.Write("hello, ", &written), S_OK);
  EXPECT_EQ(written, 7u);
  std::string big(100000, 'z');
  ASSERT_EQ(stream.Write(big), S_OK);
  ASSERT_EQ(stream.Write("!"), S_OK);
  EXPECT_EQ(stream.Size(), 100008u);
  EXPECT_EQ(GlobalSize(stream.Block()), 100008u);

  EXPECT_EQ(stream.Seek(0, STREAM_SEEK_SET), 0u);
  EXPECT_EQ(stream.Read(200000), "hello, " + big + "!");
  EXPECT_EQ(stream.Read(10), "");  // at the end: nothing, and no error
}

TEST(ComStream, SeeksFromEachOriginAndRefusesNegativePositions) {
  Stream stream;
  stream.Write("0123456789");
  EXPECT_EQ(stream.Seek(2, STREAM_SEEK_SET), 2u);
  EXPECT_EQ(stream.Seek(3, STREAM_SEEK_CUR), 5u);
  EXPECT_EQ(stream.Read(2), "56");
  EXPECT_EQ(stream.Seek(-4, STREAM_SEEK_END), 6u);
  EXPECT_EQ(stream.Read(10), "6789");

  std::uint64_t position = 77;
  EXPECT_EQ(stream->Seek(stream.get(), -11, STREAM_SEEK_END, &position), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(stream->Seek(stream.get(), -1, STREAM_SEEK_SET, &position), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(stream->Seek(stream.get(), 0, 3, &position), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(stream->Seek(stream.get(), INT64_MAX, STREAM_SEEK_CUR, &position),
            STG_E_INVALIDFUNCTION);
  EXPECT_EQ(position, 77u);
  EXPECT_EQ(stream.Seek(0, STREAM_SEEK_CUR), 10u);  // unchanged by the refusals

  // Writing beyond the end fills the gap with zeros.
  stream.Seek(12, STREAM_SEEK_SET);
  stream.Write("x");
  stream.Seek(9, STREAM_SEEK_SET);
  EXPECT_EQ(stream.Read(10), std::string("9\0\0x", 4));
}

TEST(ComStream, SetSizeResizesAndStatReportsIt) {
  Stream stream;
  stream.Write("abcdef");
  ASSERT_EQ(stream->SetSize(stream.get(), 3), S_OK);
  EXPECT_EQ(stream.Size(), 3u);
  ASSERT_EQ(stream->SetSize(stream.get(), 5), S_OK);
  stream.Seek(0, STREAM_SEEK_SET);
  EXPECT_EQ(stream.Read(10), std::string("abc\0\0", 5));
  EXPECT_EQ(stream->SetSize(stream.get(), std::uint64_t{1} << 33), STG_E_MEDIUMFULL);
}

TEST(ComStream, AnswersForIUnknownAndIStreamOnlyAndCountsReferences) {
  Stream stream;
  void* object = nullptr;
  for (const gdiplus::GUID* iid : {&IID_IUnknown, &IID_IStream, &IID_ISequentialStream}) {
    ASSERT_EQ(stream->QueryInterface(stream.get(), iid, &object), S_OK);
    EXPECT_EQ(object, stream.get());
  }
  // Three answers added three references.
  EXPECT_EQ(stream->AddRef(stream.get()), 5u);
  for (std::uint32_t left = 4; left >= 1; --left) EXPECT_EQ(stream->Release(stream.get()), left);

  const gdiplus::GUID other = {0x12345678, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  object = stream.get();
  EXPECT_EQ(stream->QueryInterface(stream.get(), &other, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(stream->QueryInterface(stream.get(), &IID_IStream, nullptr), E_POINTER);
}

TEST(ComStream, DeleteOnReleaseFreesTheBlockWithTheLastReference) {
  const std::size_t live = LiveGlobalBlocksForTesting();
  {
    Stream stream(nullptr, true);
    stream.Write("data");
    IStream* clone = nullptr;
    ASSERT_EQ(stream->Clone(stream.get(), &clone), S_OK);
    Stream cloned(clone);
    IStream* first = stream.Take();
    VtblOf(first)->Release(first);
    // The clone still reads the shared block.
    cloned.Seek(0, STREAM_SEEK_SET);
    EXPECT_EQ(cloned.Read(4), "data");
    EXPECT_EQ(LiveGlobalBlocksForTesting(), live + 1);
  }
  EXPECT_EQ(LiveGlobalBlocksForTesting(), live);

  // Without delete-on-release the block stays the caller's.
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 0);
  {
    Stream stream(block, false);
    stream.Write("kept");
    EXPECT_EQ(stream.Block(), block);
  }
  ASSERT_EQ(GlobalSize(block), 4u);
  EXPECT_EQ(std::memcmp(GlobalLock(block), "kept", 4), 0);
  GlobalUnlock(block);
  GlobalFree(block);
}

TEST(ComStream, ClonesShareContentButKeepTheirOwnPosition) {
  Stream stream;
  stream.Write("abcdef");
  stream.Seek(2, STREAM_SEEK_SET);
  IStream* raw = nullptr;
  ASSERT_EQ(stream->Clone(stream.get(), &raw), S_OK);
  Stream clone(raw);
  EXPECT_EQ(clone.Seek(0, STREAM_SEEK_CUR), 2u);  // starts where the source was
  EXPECT_EQ(clone.Read(2), "cd");
  EXPECT_EQ(stream.Seek(0, STREAM_SEEK_CUR), 2u);
  clone.Write("XY");
  EXPECT_EQ(stream.Read(10), "cdXY");
  EXPECT_EQ(clone.Block(), stream.Block());
}

TEST(ComStream, CopyToMovesBytesFromThePositionOn) {
  Stream source;
  std::string payload(40000, 'q');
  payload += "tail";
  source.Write(payload);
  source.Seek(5, STREAM_SEEK_SET);
  Stream target;
  std::uint64_t read = 0;
  std::uint64_t written = 0;
  ASSERT_EQ(source->CopyTo(source.get(), target.get(), 1'000'000, &read, &written), S_OK);
  EXPECT_EQ(read, payload.size() - 5);
  EXPECT_EQ(written, payload.size() - 5);
  target.Seek(0, STREAM_SEEK_SET);
  EXPECT_EQ(target.Read(100000), payload.substr(5));
}

TEST(ComStream, RegionLocksAreNotSupportedAndTransactionsAreNoOps) {
  Stream stream;
  EXPECT_EQ(stream->LockRegion(stream.get(), 0, 1, 0), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(stream->UnlockRegion(stream.get(), 0, 1, 0), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(stream->Commit(stream.get(), 0), S_OK);
  EXPECT_EQ(stream->Revert(stream.get()), S_OK);
}

TEST(ComStream, RefusesUnknownBlocksAndForeignStreams) {
  IStream* stream = reinterpret_cast<IStream*>(1);
  HGLOBAL freed = GlobalAlloc(GMEM_MOVEABLE, 1);
  GlobalFree(freed);
  EXPECT_EQ(CreateStreamOnHGlobal(freed, false, &stream), E_INVALIDARG);
  EXPECT_EQ(stream, nullptr);
  EXPECT_EQ(CreateStreamOnHGlobal(nullptr, true, nullptr), E_INVALIDARG);

  // Something laid out as an interface but not our stream.
  const IStreamVtbl otherTable{};
  const IStreamVtbl* foreign = &otherTable;
  HGLOBAL block = reinterpret_cast<HGLOBAL>(1);
  EXPECT_EQ(GetHGlobalFromStream(reinterpret_cast<IStream*>(&foreign), &block), E_INVALIDARG);
  EXPECT_EQ(block, nullptr);
  EXPECT_EQ(GetHGlobalFromStream(nullptr, &block), E_INVALIDARG);
}

}  // namespace
}  // namespace charart::win32
