// StartGdiplus and StopGdiplus: their forwarding contracts through the
// recording fake (the start-up record, the kept token, one shut-down, a zero
// token calling nothing, LastStatus left alone), against the real
// libgdiplus, and without it.
#include "imaging/core/gdiplus_session.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "imaging/core/gdiplus_object.h"
#include "platform/gdiplus/recording_fake.h"
#include "tests/support/raw_graphics.h"

namespace charart::imaging {
namespace {

using gdiplus::FunctionId;
using gdiplus::IntegerArg;
using gdiplus::RecordingFake;

constexpr std::uintptr_t kToken = 0x7E57;

// Keeps the process's token and LastStatus out of the way of a test that
// drives the fake, and puts them back afterwards.
class SessionOnFake : public ::testing::Test {
 protected:
  void SetUp() override {
    savedToken_ = GdiplusToken;
    GdiplusToken = 0;
    LastStatus = 99;
  }
  void TearDown() override {
    EXPECT_EQ(LastStatus, 99) << "start-up and shut-down are not recording calls";
    GdiplusToken = savedToken_;
    LastStatus = 0;
  }

  // The fake's GdiplusStartup writes kToken and remembers the record it was
  // handed.
  void StartUpSucceeds() {
    fake_.OnCall(FunctionId::GdiplusStartup, [this](const gdiplus::RecordedCall& call) {
      *reinterpret_cast<gdiplus::ULONG_PTR*>(call.args[0].pointer) = kToken;
      input_ = *reinterpret_cast<const gdiplus::GdiplusStartupInput*>(call.args[1].pointer);
    });
  }

  int ShutdownCalls() const {
    int count = 0;
    for (const auto& call : fake_.Calls()) count += call.id == FunctionId::GdiplusShutdown;
    return count;
  }

  RecordingFake fake_;
  gdiplus::GdiplusStartupInput input_{};
  std::uintptr_t savedToken_ = 0;
};

TEST_F(SessionOnFake, StartFillsTheRecordAndKeepsTheToken) {
  struct Case {
    std::optional<std::int32_t> version;
    gdiplus::UINT expected;
  };
  for (const Case& c : {Case{std::nullopt, 1}, Case{2, 2}, Case{0, 0}}) {
    SCOPED_TRACE(c.expected);
    fake_.ClearCalls();
    StartUpSucceeds();
    EXPECT_EQ(StartGdiplus(c.version), kToken);
    EXPECT_EQ(GdiplusToken, kToken);
    ASSERT_EQ(fake_.CallNames(), std::vector<std::string>{"GdiplusStartup"});
    const auto& args = fake_.Calls()[0].args;
    EXPECT_NE(args[0].pointer, 0u);
    EXPECT_EQ(args[2].pointer, 0u) << "no output record";
    EXPECT_EQ(input_.GdiplusVersion, c.expected);
    EXPECT_EQ(input_.DebugEventCallback, nullptr);
    EXPECT_EQ(input_.SuppressBackgroundThread, 0);
    EXPECT_EQ(input_.SuppressExternalCodecs, 0);
  }
}

TEST_F(SessionOnFake, AFailedStartKeepsNoTokenAndTheStopCallsNothing) {
  GdiplusToken = kToken;  // a start replaces whatever was kept
  fake_.SetStatus(FunctionId::GdiplusStartup, gdiplus::Status::GenericError);
  EXPECT_EQ(StartGdiplus(), 0u);
  EXPECT_EQ(GdiplusToken, 0u);
  StopGdiplus();
  EXPECT_EQ(ShutdownCalls(), 0);
}

TEST_F(SessionOnFake, StoppingTwiceShutsDownOnceWithTheKeptToken) {
  StartUpSucceeds();
  StartGdiplus();
  StopGdiplus();
  EXPECT_EQ(GdiplusToken, 0u);
  StopGdiplus();
  ASSERT_EQ(ShutdownCalls(), 1);
  EXPECT_EQ(fake_.Calls().back().args[0], IntegerArg(static_cast<std::int64_t>(kToken)));
}

TEST_F(SessionOnFake, AGivenTokenIsShutDownAndTheKeptOneLeftAlone) {
  StartUpSucceeds();
  StartGdiplus();
  StopGdiplus(0x51);
  StopGdiplus(0);  // a zero token calls nothing
  ASSERT_EQ(ShutdownCalls(), 1);
  EXPECT_EQ(fake_.Calls().back().args[0], IntegerArg(0x51));
  EXPECT_EQ(GdiplusToken, kToken);
}

TEST(SessionOnEngine, StartsStopsAndStartsAgain) {
  const std::uintptr_t first = StartGdiplus();
  EXPECT_NE(first, 0u);
  EXPECT_EQ(GdiplusToken, first);
  StopGdiplus();
  EXPECT_EQ(GdiplusToken, 0u);
  // Started again for the rest of the test program.
  const std::uintptr_t second = StartGdiplus();
  EXPECT_NE(second, 0u);
  EXPECT_EQ(GdiplusToken, second);
  testsupport::RawBitmapGraphics canvas(4, 4);
  EXPECT_NE(canvas.GetHandle(), 0u) << "GDI+ does not work after the restart";
}

TEST(SessionWithoutEngine, StartsNothingAndEveryCallFailsQuietly) {
  GdiplusToken = 0;
  gdiplus::SimulateMissingLibraryForTesting(true);
  EXPECT_EQ(StartGdiplus(), 0u);
  EXPECT_EQ(GdiplusToken, 0u);
  gdiplus::GpBitmap* bitmap = nullptr;
  EXPECT_NE(Gdip().GdipCreateBitmapFromScan0(4, 4, 0, 0x26200A, nullptr, &bitmap),
            gdiplus::Status::Ok);
  EXPECT_EQ(bitmap, nullptr);
  gdiplus::GpFontFamily* family = nullptr;
  EXPECT_NE(Gdip().GdipCreateFontFamilyFromName(u"宋体", nullptr, &family), gdiplus::Status::Ok);
  EXPECT_EQ(Gdip().GdipAlloc(16), nullptr);
  Gdip().GdipFree(nullptr);
  StopGdiplus();
  Gdip().GdiplusShutdown(1);
  gdiplus::SimulateMissingLibraryForTesting(false);
  EXPECT_NE(StartGdiplus(), 0u) << "the engine is back";
}

}  // namespace
}  // namespace charart::imaging
