#include <gtest/gtest.h>

#include <any>
#include <string>
#include <vector>

#include "ExpectRaises.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"

namespace {

using framework::ClassRecord;
using framework::ClassRecordSlot;
using framework::Delegate;
using framework::EntryPoint;
using framework::MakeObject;
using framework::Object;
using framework::PendingException;
using framework::Ref;

class Button : public Object {
 public:
  static const ClassRecord& Lookup() {
    static ClassRecordSlot slot;
    return slot.Get([] { return framework::RuntimeNewClass(nullptr, "Button"); });
  }
  Button() : Object(Lookup()) {}
};

// The handler's owner: records every call it receives.
class Form : public Object {
 public:
  static const ClassRecord& Lookup() {
    static ClassRecordSlot slot;
    return slot.Get([] { return framework::RuntimeNewClass(nullptr, "Form"); });
  }
  Form() : Object(Lookup()) {}

  void Pressed(Button* sender) {
    calls.push_back({this, sender});
    EXPECT_GE(ReferenceCount(), 2) << "the delegate holds its target while it runs";
  }
  bool Confirm() { return answer; }

  struct Call {
    Form* target;
    Button* sender;
  };
  std::vector<Call> calls;
  bool answer = true;
};

int procedureCalls = 0;
void Procedure() {
  ++procedureCalls;
}

Ref<Delegate> PressedDelegate(Ref<Object> target, std::int32_t flags = 1) {
  return framework::RuntimeCreateDelegate(&framework::invokers::IM_Invoke<Form, Button>,
                                          &Form::Pressed, std::move(target), "( Sender )", flags);
}

class DelegateTest : public ::testing::Test {
 protected:
  void SetUp() override { start_ = Object::LiveCount(); }
  void TearDown() override { EXPECT_EQ(Object::LiveCount(), start_); }
  std::int64_t start_ = 0;
};

TEST_F(DelegateTest, InvokeCallsTheMethodOnTheTargetWithTheSender) {
  auto form = MakeObject<Form>();
  auto button = MakeObject<Button>();
  EntryPoint entry = framework::EntryPointer(PressedDelegate(form));

  entry(static_cast<Object*>(button.get()));
  entry(static_cast<Object*>(nullptr));  // a nil sender reaches the method as nil

  ASSERT_EQ(form->calls.size(), 2U);
  EXPECT_EQ(form->calls[0].target, form.get());
  EXPECT_EQ(form->calls[0].sender, button.get());
  EXPECT_EQ(form->calls[1].sender, nullptr);
  EXPECT_EQ(button->ReferenceCount(), 1) << "the invoker kept a reference on the sender";
}

TEST_F(DelegateTest, KeepsInvokerMethodSignatureFlagsAndItsTargetAlive) {
  Ref<Delegate> delegate;
  Form* target = nullptr;
  {
    auto form = MakeObject<Form>();
    target = form.get();
    delegate = PressedDelegate(form, 1);
  }
  EXPECT_EQ(delegate->Target(), target);
  EXPECT_EQ(target->ReferenceCount(), 1) << "the delegate owns the only reference";
  EXPECT_EQ(delegate->Signature(), "( Sender )");
  EXPECT_EQ(delegate->Flags(), 1);
  EXPECT_EQ(std::any_cast<void (Form::*)(Button*)>(delegate->Method()), &Form::Pressed);
  EXPECT_EQ(&delegate->Class(), &Delegate::Lookup());

  auto plain = framework::RuntimeCreateDelegate(&framework::invokers::InvokeProcedure, &Procedure,
                                                nullptr, "(  )", 0);
  EXPECT_EQ(plain->Flags(), 0);
  EXPECT_EQ(plain->Target(), nullptr);
}

TEST_F(DelegateTest, NilOrMistypedTargetOrSenderRaisesWithoutCalling) {
  auto form = MakeObject<Form>();
  auto button = MakeObject<Button>();
  EntryPoint unbound = framework::EntryPointer(PressedDelegate(nullptr));
  ExpectRaises(framework::NilObjectException::Lookup(),
               [&] { unbound(static_cast<Object*>(button.get())); });
  // A target of the wrong class is no target for the method either.
  EntryPoint misbound = framework::EntryPointer(PressedDelegate(button));
  EXPECT_THROW(misbound(static_cast<Object*>(button.get())), PendingException);
  // Nor is a nil entry.
  EXPECT_THROW(EntryPoint()(), PendingException);
  EXPECT_FALSE(framework::EntryPointer(nullptr));

  EntryPoint entry = framework::EntryPointer(PressedDelegate(form));
  ExpectRaises(framework::IllegalCastException::Lookup(),
               [&] { entry(static_cast<Object*>(form.get())); });
  EXPECT_TRUE(form->calls.empty());
}

TEST_F(DelegateTest, OtherInvokersPassResultsAndCallPlainFunctions) {
  auto form = MakeObject<Form>();
  EntryPoint confirm = framework::EntryPointer(framework::RuntimeCreateDelegate(
      &framework::invokers::IM_InvokeBoolean<Form>, &Form::Confirm, form, "(  ) as Boolean", 0));
  EXPECT_TRUE(std::any_cast<bool>(confirm()));
  form->answer = false;
  EXPECT_FALSE(std::any_cast<bool>(confirm()));

  procedureCalls = 0;
  EntryPoint procedure = framework::EntryPointer(framework::RuntimeCreateDelegate(
      &framework::invokers::InvokeProcedure, &Procedure, nullptr, "(  )", 0));
  procedure();
  procedure();
  EXPECT_EQ(procedureCalls, 2);
}

TEST_F(DelegateTest, RefusesADelegateWithoutInvokerAndCallsWithTheWrongNumberOfArguments) {
  EXPECT_THROW(framework::RuntimeCreateDelegate(nullptr, &Procedure, nullptr, "(  )", 0),
               PendingException);
  auto form = MakeObject<Form>();
  EntryPoint pressed = framework::EntryPointer(PressedDelegate(form));
  EXPECT_THROW(pressed(), PendingException);
  EXPECT_THROW(pressed(static_cast<Object*>(nullptr), static_cast<Object*>(nullptr)),
               PendingException);
  EXPECT_TRUE(form->calls.empty());
  EntryPoint helper = framework::EntryPointer(framework::RuntimeCreateDelegate(
      &framework::invokers::InvokeExceptionHelper, {}, nullptr, "( Ptr, Ptr ) as Object", 0));
  EXPECT_THROW(helper(static_cast<void*>(nullptr)), PendingException);
}

}  // namespace
