// A helper thread starts on another core than its creator's, widens its
// affinity back to the creator's before its work runs, and a caller held on
// one core still gets its work done.
#include "platform/threads/helper_thread.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <sched.h>

#include <future>

namespace charart::threads {
namespace {

struct HelperSeen {
  int cpu = -1;
  cpu_set_t affinity;
};

HelperSeen RunHelperAndWatch() {
  std::promise<HelperSeen> seen;
  StartHelperThread([&seen] {
    HelperSeen s;
    s.cpu = sched_getcpu();
    CPU_ZERO(&s.affinity);
    pthread_getaffinity_np(pthread_self(), sizeof s.affinity, &s.affinity);
    seen.set_value(s);
  });
  return seen.get_future().get();
}

// Holds the calling thread on `cores` for the life of the scope.
class HeldOn {
 public:
  explicit HeldOn(const cpu_set_t& cores) {
    pthread_getaffinity_np(pthread_self(), sizeof before_, &before_);
    held_ = pthread_setaffinity_np(pthread_self(), sizeof cores, &cores) == 0;
  }
  ~HeldOn() { pthread_setaffinity_np(pthread_self(), sizeof before_, &before_); }
  bool held() const { return held_; }

 private:
  cpu_set_t before_;
  bool held_ = false;
};

TEST(HelperThread, StartsOnTheCallersOtherCoreAndWidensBackToTheCallersCores) {
  cpu_set_t allowed;
  ASSERT_EQ(sched_getaffinity(0, sizeof allowed, &allowed), 0);
  if (CPU_COUNT(&allowed) < 2) GTEST_SKIP() << "one core: nowhere else to start";
  // The caller is held on its own core and one other, so the helper has
  // exactly one core to start on. An attempt where the caller moved while it
  // started the helper proves nothing and is tried again.
  bool proved = false;
  for (int attempt = 0; attempt < 20 && !proved; ++attempt) {
    const int own = sched_getcpu();
    int other = -1;
    for (int cpu = 0; cpu < CPU_SETSIZE && other < 0; ++cpu)
      if (cpu != own && CPU_ISSET(cpu, &allowed)) other = cpu;
    cpu_set_t two;
    CPU_ZERO(&two);
    CPU_SET(own, &two);
    CPU_SET(other, &two);
    HeldOn held(two);
    ASSERT_TRUE(held.held());
    const int before = sched_getcpu();
    const HelperSeen seen = RunHelperAndWatch();
    if (before != own || sched_getcpu() != own) continue;
    EXPECT_EQ(seen.cpu, other);
    EXPECT_TRUE(CPU_EQUAL(&seen.affinity, &two));
    proved = true;
  }
  EXPECT_TRUE(proved) << "the caller moved during every attempt";
}

TEST(HelperThread, ACallerHeldOnOneCoreStillGetsItsWorkDone) {
  cpu_set_t one;
  CPU_ZERO(&one);
  CPU_SET(sched_getcpu(), &one);
  HeldOn held(one);
  ASSERT_TRUE(held.held());
  const HelperSeen seen = RunHelperAndWatch();
  EXPECT_TRUE(CPU_EQUAL(&seen.affinity, &one));
}

}  // namespace
}  // namespace charart::threads
