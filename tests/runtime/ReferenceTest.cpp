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
using framework::MakeObject;
using framework::Object;
using framework::Ref;

// What the finalisers saw, in the order they ran.
std::vector<std::string> finalizerLog;

class Counted : public Object {
 public:
  FRAMEWORK_CLASS_RECORD(Counted)
  explicit Counted(const ClassRecord& record = Lookup()) : Object(record) {}
  int payload = 42;
};

class DerivedCounted : public Counted {
 public:
  FRAMEWORK_CLASS_RECORD(DerivedCounted)
  DerivedCounted() : Counted(Lookup()) {}
};

// A class whose finaliser raises; the chain above it must still run.
class RaisingFinal : public Counted {
 public:
  FRAMEWORK_CLASS_RECORD(RaisingFinal)
  RaisingFinal() : Counted(Lookup()) {}
};

std::unique_ptr<ClassRecord> Counted::BuildClassRecord() {
  auto record = framework::RuntimeNewClass(nullptr, "Counted");
  record->SetFinalizer([](Object& self) {
    // The object is still whole while its finalisers run, with the one reference being released
    // (so 2 while held here), and holding it does not end it twice.
    Ref<Counted> held(&static_cast<Counted&>(self));
    finalizerLog.push_back("Counted:" + std::to_string(held->payload) + " held " +
                           std::to_string(held->ReferenceCount()));
  });
  return record;
}

std::unique_ptr<ClassRecord> DerivedCounted::BuildClassRecord() {
  auto record = framework::RuntimeNewClass(&Counted::Lookup(), "DerivedCounted");
  record->SetFinalizer([](Object&) { finalizerLog.push_back("DerivedCounted"); });
  return record;
}

std::unique_ptr<ClassRecord> RaisingFinal::BuildClassRecord() {
  auto record = framework::RuntimeNewClass(&Counted::Lookup(), "RaisingFinal");
  record->SetFinalizer([](Object&) {
    finalizerLog.push_back("RaisingFinal");
    framework::RaiseNilObjectException();
  });
  return record;
}

class ReferenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    finalizerLog.clear();
    // Build the records first: they are not objects, but keep the census untouched by them.
    Counted::Lookup();
    DerivedCounted::Lookup();
    RaisingFinal::Lookup();
    start_ = Object::LiveCount();
  }
  void TearDown() override { EXPECT_EQ(Object::LiveCount(), start_) << "an object leaked"; }

  std::int64_t start_ = 0;
};

TEST_F(ReferenceTest, LastReleaseEndsObjectAndRunsEveryFinaliserFromOwnClassUp) {
  auto* object = new DerivedCounted();
  EXPECT_EQ(object->ReferenceCount(), 1);
  EXPECT_EQ(Object::LiveCount(), start_ + 1);

  framework::RuntimeLockObject(object);
  EXPECT_EQ(object->ReferenceCount(), 2);
  framework::RuntimeUnlockObject(object);
  EXPECT_EQ(object->ReferenceCount(), 1);
  EXPECT_TRUE(finalizerLog.empty()) << "finaliser ran before the last release";
  EXPECT_EQ(Object::LiveCount(), start_ + 1);

  framework::RuntimeUnlockObject(object);
  EXPECT_EQ(finalizerLog, (std::vector<std::string>{"DerivedCounted", "Counted:42 held 2"}));
  EXPECT_EQ(Object::LiveCount(), start_);

  // A raising finaliser does not stop the chain or keep the object.
  finalizerLog.clear();
  { auto raising = MakeObject<RaisingFinal>(); }
  EXPECT_EQ(finalizerLog, (std::vector<std::string>{"RaisingFinal", "Counted:42 held 2"}));
  EXPECT_EQ(Object::LiveCount(), start_);
}

TEST_F(ReferenceTest, NilIsIgnoredAndRefCopyMoveAndAssignmentKeepCountsExact) {
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
  EXPECT_TRUE(finalizerLog.empty());

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
  EXPECT_EQ(finalizerLog, (std::vector<std::string>{"Counted:7 held 2"}));
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
  EXPECT_TRUE(finalizerLog.empty());
  moved.reset();
  EXPECT_EQ(finalizerLog.size(), 2U);
}

TEST_F(ReferenceTest, CallGuardHoldsTheReceiverAndArgumentsForTheCall) {
  Ref<Counted> receiver = MakeObject<Counted>();
  Ref<DerivedCounted> argument = MakeObject<DerivedCounted>();
  {
    framework::CallGuard guard{receiver.get(), argument.get()};
    receiver.reset();
    argument.reset();
    EXPECT_TRUE(finalizerLog.empty()) << "an object ended during the call";
  }
  EXPECT_EQ(finalizerLog.size(), 3U);
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
  EXPECT_EQ(finalizerLog.size(), 100U);
}

}  // namespace
