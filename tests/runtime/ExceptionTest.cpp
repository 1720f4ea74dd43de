#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

#include "ExpectRaises.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/String.h"

namespace {

using framework::Chr;
using framework::FaultInjection;
using framework::Object;
using framework::Operation;
using framework::PendingException;
using framework::RuntimeException;
using framework::ScopedFault;

TEST(ExceptionTest, RaisedExceptionsAreFrameworkObjectsOfTheirClass) {
  const auto start = Object::LiveCount();
  try {
    framework::Raise<framework::OutOfBoundsException>("index 7");
  } catch (const PendingException& e) {
    ASSERT_TRUE(e.Exception());
    EXPECT_EQ(e.Exception()->Class().Name(), "OutOfBoundsException");
    EXPECT_TRUE(e.Exception()->IsA(RuntimeException::Lookup()));
    EXPECT_FALSE(e.Exception()->IsA(framework::NilObjectException::Lookup()));
    EXPECT_STREQ(e.what(), "OutOfBoundsException: index 7");
  }
  try {
    framework::RaiseNilObjectException();
  } catch (const PendingException& e) {
    EXPECT_TRUE(e.Exception()->IsA(framework::NilObjectException::Lookup()));
    EXPECT_STREQ(e.what(), "NilObjectException");
  }
  EXPECT_EQ(Object::LiveCount(), start) << "a taken exception was not released";

  // Whatever was thrown is taken as a framework exception that names it; raising nil raises a
  // nil object.
  const std::pair<void (*)(), const char*> thrown[] = {
      {[] { framework::RuntimeRaiseException(nullptr); }, "NilObjectException: nil raised"},
      {[] { throw std::bad_alloc(); }, "RuntimeException: C++ exception: std::bad_alloc"},
      {[] { throw 7; }, "RuntimeException: unknown C++ exception"}};
  for (const auto& [raise, described] : thrown) {
    try {
      raise();
    } catch (...) {
      EXPECT_EQ(framework::Describe(*framework::RuntimeTakeCurrentException()), described);
    }
  }

  // Every exception class can be made from its record.
  for (const framework::ClassRecord* record :
       {&framework::NilObjectException::Lookup(), &framework::OutOfBoundsException::Lookup(),
        &framework::IllegalCastException::Lookup(), &framework::StackOverflowException::Lookup(),
        &framework::UnsupportedOperationException::Lookup(),
        &framework::InvalidArgumentException::Lookup()}) {
    auto made = framework::RuntimeNewObject(*record);
    EXPECT_EQ(&made->Class(), record);
    EXPECT_NE(dynamic_cast<RuntimeException*>(made.get()), nullptr) << record->Name();
  }
  EXPECT_EQ(Object::LiveCount(), start);
}

// Counts the calls of Chr until the armed fault fires.
int CallsUntilRaise(int limit) {
  for (int call = 1; call <= limit; ++call) {
    try {
      (void)Chr(13);
    } catch (const PendingException&) {
      return call;
    }
  }
  return 0;
}

TEST(FaultInjectionTest, FiresExactlyOnTheNthCallAndOnce) {
  // A new process has no framework object alive and has had no fault fire (this style runs the
  // check in a new process).
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(FaultInjection::Fired() || Object::LiveCount() != 0 ? 1 : 0),
              testing::ExitedWithCode(0), "");
  for (std::uint64_t n : {1U, 2U, 7U, 637U}) {
    ScopedFault fault(Operation::Chr, n);
    EXPECT_FALSE(FaultInjection::Fired());
    EXPECT_EQ(CallsUntilRaise(1000), static_cast<int>(n));
    EXPECT_TRUE(FaultInjection::Fired());
    EXPECT_EQ(CallsUntilRaise(1000), 0) << "fired a second time";
  }
#ifndef NDEBUG
  // Counted from 1: a 0th call would never come, so arming it is a fault in the test.
  EXPECT_DEATH(FaultInjection::Arm(Operation::Chr, 0), "invariant failed: nthCall > 0");
#endif
}

TEST(FaultInjectionTest, CountsOnlyTheArmedOperationDisarmsAndRearms) {
  {
    ScopedFault fault(Operation::Chr, 3);
    (void)Chr(13);
  }
  // Leaving the scope disarmed it: nothing fires later.
  EXPECT_EQ(CallsUntilRaise(10), 0);
  EXPECT_FALSE(FaultInjection::Fired());

  // Arming again starts the count afresh.
  FaultInjection::Arm(Operation::Chr, 5);
  (void)Chr(13);
  FaultInjection::Arm(Operation::Chr, 2);
  (void)framework::RuntimeAddString("a", "b");  // only the armed operation counts
  (void)framework::RuntimeAddString("a", "b");
  (void)Chr(13);
  EXPECT_FALSE(FaultInjection::Fired());
  EXPECT_THROW((void)Chr(13), PendingException);
  FaultInjection::Disarm();
}

TEST(FaultInjectionTest, RaisesTheChosenExceptionAndReleasesIt) {
  const auto start = Object::LiveCount();
  {
    ScopedFault fault(Operation::RuntimeAddString, 1, [] {
      return framework::Ref<RuntimeException>(
          framework::NewException<framework::IllegalCastException>("chosen"));
    });
    try {
      (void)framework::RuntimeAddString("a", "b");
      ADD_FAILURE() << "nothing raised";
    } catch (const PendingException& e) {
      EXPECT_TRUE(e.Exception()->IsA(framework::IllegalCastException::Lookup()));
      EXPECT_EQ(e.Exception()->Message(), "chosen");
    }
  }
  {
    ScopedFault fault(Operation::Chr, 1);  // the default is NilObjectException
    ExpectRaises(framework::NilObjectException::Lookup(), [] { (void)Chr(13); });
  }
  EXPECT_EQ(Object::LiveCount(), start);
}

}  // namespace
