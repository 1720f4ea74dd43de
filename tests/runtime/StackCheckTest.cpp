#include <gtest/gtest.h>
#include <pthread.h>

#include <cstddef>
#include <cstdint>
#include <functional>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/runtime/StackCheck.h"

namespace {

using framework::PendingException;

constexpr std::size_t kThreadStack = 1024 * 1024;

// Runs `body` on a thread of its own with a 1 MiB stack and waits for it.
void RunOnSmallStack(const std::function<void()>& body) {
  pthread_attr_t attributes;
  ASSERT_EQ(pthread_attr_init(&attributes), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, kThreadStack), 0);
  pthread_t thread;
  auto start = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, start, const_cast<std::function<void()>*>(&body)),
            0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
}

std::uintptr_t StackLowEnd() {
  pthread_attr_t attributes;
  void* address = nullptr;
  std::size_t size = 0;
  pthread_getattr_np(pthread_self(), &attributes);
  pthread_attr_getstack(&attributes, &address, &size);
  pthread_attr_destroy(&attributes);
  return reinterpret_cast<std::uintptr_t>(address);
}

struct Descent {
  int limit = 0;
  int depth = 0;               // deepest level that passed the check
  std::uintptr_t deepest = 0;  // its frame
};

// Each level takes about a kilobyte of stack and checks it, as every framework entry does.
int Descend(int level, Descent& descent) {
  volatile char frame[1024];
  frame[0] = static_cast<char>(level);
  framework::RuntimeStackCheck();
  descent.depth = level;
  descent.deepest = reinterpret_cast<std::uintptr_t>(&frame[0]);
  if (level >= descent.limit) return frame[0];
  return Descend(level + 1, descent) + frame[0];
}

TEST(StackCheckTest, NormalUsePassesDeepRecursionRaisesNearTheEndOfTheStackAndAFaultCanBeInjected) {
  {
    framework::ScopedFault fault(framework::Operation::RuntimeStackCheck, 2);
    EXPECT_NO_THROW(framework::RuntimeStackCheck());
    EXPECT_THROW(framework::RuntimeStackCheck(), PendingException);
  }
  // This thread's check ran first: its stack must not stand for the other one's.
  bool normalRaised = false;
  bool overflow = false;
  std::uintptr_t low = 0;
  Descent normal{.limit = 100};
  Descent descent{.limit = 1'000'000};  // far more than 1 MiB holds
  RunOnSmallStack([&] {
    low = StackLowEnd();
    try {
      Descend(1, normal);
    } catch (const PendingException&) {
      normalRaised = true;
    }
    try {
      Descend(1, descent);
    } catch (const PendingException& e) {
      overflow = e.Exception()->IsA(framework::StackOverflowException::Lookup());
    }
  });
  EXPECT_FALSE(normalRaised);
  EXPECT_EQ(normal.depth, 100);
  EXPECT_TRUE(overflow);
  EXPECT_GT(descent.depth, 100) << "raised long before the stack was used up";
  // The check raised when the reserve was reached, not much earlier.
  ASSERT_GT(descent.deepest, low);
  EXPECT_LT(descent.deepest - low, framework::StackReserve() + 64 * 1024);
}

}  // namespace
