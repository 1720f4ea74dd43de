#include "framework/ui/Process.h"

#include <iostream>
#include <string>

#include "framework/runtime/Array.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/ui/Application.h"
#include "framework/ui/Backend.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/ComboBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"

namespace framework {

namespace {

// What the process services record for the life of the process. The framework runs on one
// thread, the one that runs the event loop.
struct ProcessState {
  bool unhandledExceptionRan = false;
  bool quitRequested = false;
  bool presentingException = false;
  bool supportsHiDPI = false;
  bool pluginControls = false;
  double version = 0.0;
  EntryPoint exceptionHelper;
  Ref<Application> application;
};

ProcessState& State() {
  static ProcessState state;
  return state;
}

UnhandledExceptionPresenter& Presenter() {
  static UnhandledExceptionPresenter presenter;
  return presenter;
}

void RunBody(void* body) {
  (*static_cast<const std::function<void()>*>(body))();
}

// The installed helper reports the exception that the call raised as a Ref<RuntimeException>, nil
// for none; a result of any other kind raises, so it is never taken for success.
Ref<RuntimeException> CallThroughHelper(const std::function<void()>& body) {
  void* argument = const_cast<std::function<void()>*>(&body);
  if (!State().exceptionHelper) return CallFunctionWithExceptionHandling(&RunBody, argument);
  // The helper may be released by the body (a reset); call through a copy.
  EntryPoint helper = State().exceptionHelper;
  return std::any_cast<Ref<RuntimeException>>(helper(&RunBody, argument));
}

void BuildFrameworkClassRecords() {
  RuntimeException::Lookup();
  NilObjectException::Lookup();
  OutOfBoundsException::Lookup();
  IllegalCastException::Lookup();
  StackOverflowException::Lookup();
  UnsupportedOperationException::Lookup();
  InvalidArgumentException::Lookup();
  Delegate::Lookup();
  Array::Lookup();
  Application::Lookup();
  Window::Lookup();
  Control::Lookup();
  RectControl::Lookup();
  PopupMenu::Lookup();
  ComboBox::Lookup();
  TextEdit::Lookup();
  TextField::Lookup();
  Label::Lookup();
  BevelButton::Lookup();
  MenuItem::Lookup();
  MenuBar::Lookup();
  QuitMenuItem::Lookup();
}

void ReleaseClosedViews() {
  if (UiBackend* backend = CurrentBackend()) backend->ReleaseClosedViews();
}

}  // namespace

void RuntimePerformInitializers(std::span<const ClassInitializer> programTable) {
  BuildFrameworkClassRecords();
  for (ClassInitializer initializer : programTable) {
    if (initializer) initializer();
  }
}

void RuntimePerformFinalizers() noexcept {
  CloseAllWindows();
  ReleaseClosedViews();
  State().application.reset();
  State().exceptionHelper = EntryPoint();
}

std::int32_t RuntimeExit() {
  return State().unhandledExceptionRan ? 1 : 0;
}

void RecordFrameworkVersion(double version) {
  State().version = version;
}
double FrameworkVersion() noexcept {
  return State().version;
}

void RuntimeSetExceptionHelper(EntryPoint helper) {
  State().exceptionHelper = std::move(helper);
}

Ref<RuntimeException> CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
  try {
    function(argument);
  } catch (const PendingException& raised) {
    return raised.Exception();  // never nil: raising nil raises a nil object
  }
  return nullptr;
}

bool CallWithExceptionHandling(const std::function<void()>& body) {
  Ref<RuntimeException> raised;
  try {
    raised = CallThroughHelper(body);
  } catch (...) {
    raised = RuntimeTakeCurrentException();
  }
  if (!raised) return true;
  UnhandledException(raised.get());
  return false;
}

namespace ApplicationClass {
// Qt 6 always renders for the screen's resolution; the switch is recorded for queries.
void SetSupportsHiDPI(bool enabled) {
  State().supportsHiDPI = enabled;
}
bool SupportsHiDPI() noexcept {
  return State().supportsHiDPI;
}
}  // namespace ApplicationClass

void RuntimeInitExternalClasses() {
  BuildFrameworkClassRecords();
}

void InitPluginEntrypoints() {
  BevelButton::Lookup();
  State().pluginControls = true;
}

bool PluginControlsAvailable() noexcept {
  return State().pluginControls;
}

void RuntimeRegisterAppObject(Application* application) {
  FaultInjection::Check(Operation::RegisterAppObject);
  if (!application) RaiseNilObjectException();
  State().application = Ref<Application>(application);
}

Ref<Application> RegisteredApplication() {
  return State().application;
}

void RunFrameworkInitialization(EntryPoint lateStartup) {
  lateStartup();  // a nil entry raises NilObjectException
}

void RuntimeRun() {
  UiBackend& backend = RequireBackend("_RuntimeRun");
  if (!State().quitRequested) backend.Run();
}

void QuitApplication() {
  State().quitRequested = true;
  if (UiBackend* backend = CurrentBackend()) backend->Quit();
}

bool QuitRequested() noexcept {
  return State().quitRequested;
}

void UnhandledException(RuntimeException* exception) {
  Ref<RuntimeException> shown(exception);
  State().unhandledExceptionRan = true;
  std::cerr << "Unhandled exception: " << Describe(*shown) << std::endl;
  // A second exception while the first is being shown (the dialog runs events) is only logged.
  if (!State().presentingException) {
    State().presentingException = true;
    try {
      if (Presenter()) {
        Presenter()(*shown);
      } else if (UiBackend* backend = CurrentBackend()) {
        backend->PresentUnhandledException(*shown);
      }
    } catch (...) {
      std::cerr << "The unhandled exception could not be shown." << std::endl;
    }
    State().presentingException = false;
  }
  QuitApplication();
}

void SetUnhandledExceptionPresenter(UnhandledExceptionPresenter presenter) {
  Presenter() = std::move(presenter);
}

void ResetProcessStateForTesting() {
  CloseAllWindows();
  ReleaseClosedViews();
  State() = ProcessState();
}

}  // namespace framework
