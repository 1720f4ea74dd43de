#include "tests/ui/UiTestSupport.h"

#include <QElapsedTimer>

namespace uitest {

TestWindow::Script& TestWindow::NextScript() {
  static Script script;
  return script;
}

const ClassRecord& TestWindow::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = RuntimeNewClass(&Window::Lookup(), "TestWindow.TestWindow");
    record->SetFactory([](const ClassRecord& r) -> Ref<Object> {
      auto window = MakeObject<TestWindow>(r);
      window->script = NextScript();
      return window;
    });
    record->ImplementEvent("Layout", [](Object& self, Object*) {
      auto& window = dynamic_cast<TestWindow&>(self);
      window.log.push_back("Layout");
      if (window.script.layout) window.script.layout(window);
    });
    record->ImplementEvent("CreateControls", [](Object& self, Object*) {
      auto& window = dynamic_cast<TestWindow&>(self);
      window.log.push_back("CreateControls");
      if (window.script.createControls) window.script.createControls(window);
    });
    record->ImplementEvent("AddMenuHandlers", [](Object& self, Object* argument) {
      auto& window = dynamic_cast<TestWindow&>(self);
      window.log.push_back("AddMenuHandlers");
      window.addMenuHandlersArgument = dynamic_cast<Window*>(argument);
    });
    return record;
  });
}

void TestWindow::OnOpen(Control* sender) {
  log.push_back("Open:" + std::string(sender->Name().Bytes()));
  if (script.onOpen) script.onOpen(*this);
}

void TestWindow::OnChange(ComboBox* sender) {
  log.push_back("Change:" + std::string(sender->Name().Bytes()) + ":" +
                std::to_string(sender->ListIndex_Get()));
  if (script.onUserEvent) script.onUserEvent(*this);
}

void TestWindow::OnAction(BevelButton* sender) {
  log.push_back("Action:" + std::string(sender->Name().Bytes()));
  if (script.onUserEvent) script.onUserEvent(*this);
}

bool TestWindow::OnMenu() {
  log.push_back("Menu");
  return menuHandlerResult;
}

Ref<TestWindow> OpenTestWindow() {
  Ref<TestWindow> window = New<TestWindow>();
  window->Constructor();
  return window;
}

std::string Raised(const std::function<void()>& call, const ClassRecord& expected) {
  try {
    call();
  } catch (const PendingException& raised) {
    EXPECT_TRUE(raised.Exception()->IsA(expected)) << raised.Exception()->Class().Name();
    return raised.Exception()->Message();
  }
  return "no exception";
}

void UiTest::SetUp() {
  RuntimeInit();
  ResetProcessStateForTesting();
  TestWindow::NextScript() = {};
  SetUnhandledExceptionPresenter([this](const RuntimeException& exception) {
    presented_.push_back(exception.Class().Name());
  });
  InitPluginEntrypoints();
  liveAtStart_ = Object::LiveCount();
}

void UiTest::TearDown() {
  ResetProcessStateForTesting();
  TestWindow::NextScript() = {};
}

bool WaitFor(const std::function<bool()>& done) {
  // A guard against a broken build hanging the suite, not a timing assumption.
  constexpr int kGuardMilliseconds = 10000;
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > kGuardMilliseconds) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  return true;
}

}  // namespace uitest
