#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/Delegate.h"
#include "framework/runtime/Ref.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/ComboBox.h"
#include "framework/ui/Events.h"
#include "framework/ui/Label.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/Process.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/PropertyListEncoder.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"
#include "framework/ui/qt/QtAccess.h"

namespace uitest {

using namespace framework;

// A window class of the tests' own: its build events run the hooks the test sets, and its
// handlers log what they receive.
class TestWindow : public Window {
 public:
  static const ClassRecord& Lookup();
  explicit TestWindow(const ClassRecord& record) : Window(record) {}

  // What the next constructed TestWindow does in its build events.
  struct Script {
    std::function<void(TestWindow&)> layout;
    std::function<void(TestWindow&)> createControls;
    std::function<void(TestWindow&)> onOpen;       // runs inside every Open handler
    std::function<void(TestWindow&)> onUserEvent;  // and every Change and Action handler
  };
  static Script& NextScript();

  std::vector<std::string> log;
  Window* addMenuHandlersArgument = nullptr;
  bool menuHandlerResult = true;

  void OnOpen(Control* sender);
  void OnChange(ComboBox* sender);
  void OnAction(BevelButton* sender);
  bool OnMenu();

  // Creates, constructs and registers a control, applies its list and attaches Open (and
  // Change or Action for lists and buttons) to the logging handlers.
  template <class C>
  Ref<C> Add(const char* name, std::string_view list = {});

  template <class C>
  Ref<C> ControlAs(const char* name) {
    return RuntimeCheckCast<C>(ControlByName(name).get());
  }
  QWidget* WidgetNamed(const char* name) { return WidgetOf(*ControlAs<RectControl>(name)); }

  Script script;
};

// Opens a TestWindow with the current script; the framework holds it until it closes.
Ref<TestWindow> OpenTestWindow();

// Every test starts with a fresh process state, plug-in controls available, and a presenter
// that records instead of showing a dialog.
class UiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::vector<std::string> presented_;
  std::int64_t liveAtStart_ = 0;
};

template <class C>
Ref<C> TestWindow::Add(const char* name, std::string_view list) {
  Ref<Object> created = NewControl(C::Lookup());
  Ref<C> control = RuntimeCheckCast<C>(created.get());
  control->Constructor();
  AddControl(name, control.get());
  if (!list.empty()) SetProperties(control.get(), list);
  Ref<TestWindow> self(this);
  auto attach = [&](std::int32_t event, EventStub stub, std::any method, DelegateInvoker invoker) {
    RuntimeAddEventHandler(control.get(), event, stub,
                           RuntimeCreateDelegate(invoker, std::move(method), self, "( C )", 1));
  };
  attach(kOpenEvent, &AddHandler_Stub_2, &TestWindow::OnOpen,
         &invokers::IM_Invoke<TestWindow, Control>);
  if constexpr (std::is_base_of_v<PopupMenu, C>) {
    attach(kChangeEvent, &AddHandler_Stub_15, &TestWindow::OnChange,
           &invokers::IM_Invoke<TestWindow, ComboBox>);
  }
  if constexpr (std::is_same_v<C, BevelButton>) {
    attach(kActionEvent, &AddHandler_Stub_17, &TestWindow::OnAction,
           &invokers::IM_Invoke<TestWindow, BevelButton>);
  }
  return control;
}

// A new object of class C, made as the runtime makes one.
template <class C>
Ref<C> New() {
  return RuntimeCheckCast<C>(RuntimeNewObject(C::Lookup()).get());
}

// The message of the exception that `call` raises, which must be of class `expected`;
// "no exception" when it raises none.
std::string Raised(const std::function<void()>& call,
                   const ClassRecord& expected = RuntimeException::Lookup());

// Processes events until `done` holds; false when it did not within the guard time.
bool WaitFor(const std::function<bool()>& done);

}  // namespace uitest
