#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/runtime/CallGuard.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"

namespace {

using framework::ClassRecord;
using framework::ClassRecordSlot;
using framework::MakeObject;
using framework::Object;
using framework::Ref;

// What the finalisers saw, in the order they ran.
std::vector<std::string>& FinalizerLog() {
  static std::vector<std::string> log;
  return log;
}

class Counted : public Object {
 public:
  static const ClassRecord& Lookup();
  explicit Counted(const ClassRecord& record = Lookup()) : Object(record) {}
  int payload = 42;
};

class DerivedCounted : public Counted {
 public:
  static const ClassRecord& Lookup();
  DerivedCounted() : Counted(Lookup()) {}
};

// A class whose finaliser raises; the chain above it must still run.
class RaisingFinal : public Counted {
 public:
  static const ClassRecord& Lookup();
  RaisingFinal() : Counted(Lookup()) {}
};

const ClassRecord& Counted::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = framework::RuntimeNewClass(nullptr, "Counted");
    record->SetFinalizer([](Object& self) {
      // The object is still whole while its finalisers run, and holding it does not end it twice.
      Ref<Counted> held(&static_cast<Counted&>(self));
      FinalizerLog().push_back("Counted:" + std::to_string(held->payload));
    });
    return record;
  });
}

const ClassRecord& DerivedCounted::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = framework::RuntimeNewClass(&Counted::Lookup(), "DerivedCounted");
    record->SetFinalizer([](Object&) { FinalizerLog().push_back("DerivedCounted"); });
    return record;
  });
}

const ClassRecord& RaisingFinal::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = framework::RuntimeNewClass(&Counted::Lookup(), "RaisingFinal");
    record->SetFinalizer([](Object&) {
      FinalizerLog().push_back("RaisingFinal");
      framework::RaiseNilObjectException();
    });
    return record;
  });
}

class ReferenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FinalizerLog().clear();
    // Build the records first: they are not objects, but keep the census untouched by them.
    Counted::Lookup();
    DerivedCounted::Lookup();
    RaisingFinal::Lookup();
    start_ = Object::LiveCount();
  }
  void TearDown() override { EXPECT_EQ(Object::LiveCount(), start_) << "an object leaked"; }

  std::int64_t start_ = 0;
};

TEST_F(ReferenceTest, LastReleaseEndsObjectAndRunsFinalisersFromOwnClassUp) {
  auto* object = new DerivedCounted();
  EXPECT_EQ(object->ReferenceCount(), 1);
  EXPECT_EQ(Object::LiveCount(), start_ + 1);

  framework::RuntimeLockObject(object);
  EXPECT_EQ(object->ReferenceCount(), 2);
  framework::RuntimeUnlockObject(object);
  EXPECT_EQ(object->ReferenceCount(), 1);
  EXPECT_TRUE(FinalizerLog().empty()) << "finaliser ran before the last release";
  EXPECT_EQ(Object::LiveCount(), start_ + 1);

  framework::RuntimeUnlockObject(object);
  EXPECT_EQ(FinalizerLog(), (std::vector<std::string>{"DerivedCounted", "Counted:42"}));
  EXPECT_EQ(Object::LiveCount(), start_);
}

TEST_F(ReferenceTest, RaisingFinaliserDoesNotStopTheChainOrKeepTheObject) {
  { auto object = MakeObject<RaisingFinal>(); }
  EXPECT_EQ(FinalizerLog(), (std::vector<std::string>{"RaisingFinal", "Counted:42"}));
  EXPECT_EQ(Object::LiveCount(), start_);
}

TEST_F(ReferenceTest, NilIsIgnored) {
  framework::RuntimeLockObject(nullptr);
  framework::RuntimeUnlockObject(nullptr);

  Ref<Counted> nil;
  Ref<Counted> alsoNil = nullptr;
  EXPECT_FALSE(nil);
  EXPECT_EQ(nil, nullptr);
  Ref<Counted> copy = nil;
  Ref<Counted> moved = std::move(alsoNil);
  copy.reset();
  moved = nil;
  EXPECT_EQ(copy.get(), nullptr);
  EXPECT_TRUE(FinalizerLog().empty());
}

TEST_F(ReferenceTest, RefCopyMoveAndAssignmentKeepCountsExact) {
  Ref<Counted> a = MakeObject<Counted>();
  EXPECT_EQ(a->ReferenceCount(), 1);

  Ref<Counted> b = a;  // copy takes a reference
  EXPECT_EQ(a->ReferenceCount(), 2);
  EXPECT_EQ(a, b);

  Ref<Counted> c = std::move(b);  // move hands it over
  EXPECT_FALSE(b);                // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(a->ReferenceCount(), 2);

  Ref<Counted>& alias = c;
  c = alias;  // self-assignment keeps the reference
  EXPECT_EQ(a->ReferenceCount(), 2);

  Ref<Counted> other = MakeObject<Counted>();
  other->payload = 7;
  c = other;  // releases a's reference, takes one on other
  EXPECT_EQ(a->ReferenceCount(), 1);
  EXPECT_EQ(other->ReferenceCount(), 2);

  other = nullptr;
  c.reset();  // last reference of `other`'s object
  EXPECT_EQ(FinalizerLog(), (std::vector<std::string>{"Counted:7"}));
  EXPECT_EQ(Object::LiveCount(), start_ + 1);
}

TEST_F(ReferenceTest, UpcastCopyAndMoveShareTheSameObject) {
  Ref<DerivedCounted> derived = MakeObject<DerivedCounted>();
  Ref<Object> copied = derived;
  EXPECT_EQ(derived->ReferenceCount(), 2);
  Ref<Counted> moved = std::move(derived);
  EXPECT_EQ(moved->ReferenceCount(), 2);
  EXPECT_EQ(copied.get(), moved.get());
  EXPECT_TRUE(copied->IsA(Counted::Lookup()));
  EXPECT_TRUE(copied->IsA(DerivedCounted::Lookup()));
  EXPECT_FALSE(copied->IsA(RaisingFinal::Lookup()));
  EXPECT_EQ(&copied->Class(), &DerivedCounted::Lookup());
  copied.reset();
  EXPECT_TRUE(FinalizerLog().empty());
  moved.reset();
  EXPECT_EQ(FinalizerLog().size(), 2U);
}

TEST_F(ReferenceTest, CallGuardHoldsTheReceiverAndArgumentsForTheCall) {
  Ref<Counted> receiver = MakeObject<Counted>();
  Ref<DerivedCounted> argument = MakeObject<DerivedCounted>();
  {
    framework::CallGuard guard{receiver.get(), argument.get()};
    receiver.reset();
    argument.reset();
    EXPECT_TRUE(FinalizerLog().empty()) << "an object ended during the call";
  }
  EXPECT_EQ(FinalizerLog().size(), 3U);
}

TEST_F(ReferenceTest, ManyHandlesOnManyObjectsLeaveNothingBehind) {
  std::vector<Ref<Counted>> handles;
  for (int i = 0; i < 100; ++i) {
    handles.push_back(MakeObject<Counted>());
    handles.push_back(handles.back());
  }
  EXPECT_EQ(Object::LiveCount(), start_ + 100);
  handles.erase(handles.begin(), handles.begin() + 101);
  EXPECT_EQ(Object::LiveCount(), start_ + 50);
  handles.clear();
  EXPECT_EQ(FinalizerLog().size(), 100U);
}

}  // namespace
