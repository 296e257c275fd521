#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "serial/critical_section.h"

namespace kova {
namespace {

TEST(CriticalSection, GuardExcludesOtherThreadsAndMayBeReentered) {
  CCriticalSection section;
  long counter = 0;  // deliberately not atomic: only the lock keeps it consistent
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 20000; ++i) {
        CAutoTarnActiveLock outer(section);
        CAutoTarnActiveLock inner(section);  // the owning thread may enter again
        ++counter;
      }
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  EXPECT_EQ(counter, 80000);
}

}  // namespace
}  // namespace kova
