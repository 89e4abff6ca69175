// The event pump: every pending event is dispatched by one pump (a posted
// click runs its handler nested in the pump), nothing happens without an
// application, and tests can count and observe pumps.
#include "platform/forms/event_pump.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <vector>

#include "tests/support/forms_events.h"

namespace charart::forms {
namespace {

TEST(EventPump, DispatchesEveryPendingEventInOnePump) {
  testing::EnsureFormsApplication();
  std::vector<int> delivered;
  auto* app = QCoreApplication::instance();
  for (int i = 1; i <= 3; ++i) {
    QMetaObject::invokeMethod(
        app, [&delivered, i] { delivered.push_back(i); }, Qt::QueuedConnection);
  }
  EXPECT_TRUE(delivered.empty());
  const auto before = PumpCount();
  PumpEvents();
  EXPECT_EQ(delivered, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(PumpCount(), before + 1);
}

TEST(EventPump, TheObserverRunsFirstSoWhatItPostsIsDeliveredByTheSamePump) {
  testing::EnsureFormsApplication();
  bool delivered = false;
  int observed = 0;
  SetPumpObserverForTesting([&] {
    ++observed;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&delivered] { delivered = true; }, Qt::QueuedConnection);
  });
  PumpEvents();
  SetPumpObserverForTesting({});
  PumpEvents();
  EXPECT_TRUE(delivered);
  EXPECT_EQ(observed, 1);
}

TEST(EventPumpDeathTest, WithoutAnApplicationItOnlyCounts) {
  // A fresh process: the other tests' application must not exist here.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        if (QCoreApplication::instance() != nullptr) std::_Exit(2);
        const auto before = PumpCount();
        PumpEvents();
        PumpEvents();
        std::_Exit(PumpCount() == before + 2 ? 0 : 3);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace charart::forms
