#include "app/Startup.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/StackCheck.h"

namespace app {

using framework::Ref;
using framework::RuntimeStackCheck;

namespace {

constexpr double kFrameworkVersion = 2016.02;

constexpr framework::ClassInitializer kInitializers[] = {
    &App::__ctblinit,
    &Window1::__ctblinit,
    &MenuBar1::_implicitInstance__Init,
    &MenuBar1::__ctblinit,
};

}  // namespace

std::span<const framework::ClassInitializer> InitializerTable() noexcept {
  return kInitializers;
}

int main() {
  try {
    framework::RuntimeInit();
    framework::RuntimePerformInitializers(InitializerTable());
    _Main();
    framework::RuntimePerformFinalizers();
    return framework::RuntimeExit();
  } catch (...) {
    // Start-up or the finalisers failed, or the unhandled-exception handler passed an exception
    // on: the process failed.
    return 1;
  }
}

void _Main() {
  try {
    RuntimeStackCheck();
    {
      Ref<framework::Delegate> helper =
          framework::RuntimeCreateDelegate(&framework::invokers::InvokeExceptionHelper,
                                           framework::invokers::ExceptionHelperFunction{
                                               &framework::_CallFunctionWithExceptionHandling},
                                           nullptr, "( Ptr, Ptr ) as Object", 0);
      framework::_RuntimeSetExceptionHelper(framework::EntryPointer(helper));
    }
    framework::RecordFrameworkVersion(kFrameworkVersion);
    _EarlyStartup();
    {
      Ref<framework::Delegate> lateStartup = framework::RuntimeCreateDelegate(
          &framework::invokers::InvokeProcedure, &_LateStartup, nullptr, "(  )", 0);
      framework::_RunFrameworkInitialization(framework::EntryPointer(lateStartup));
    }
    framework::_RuntimeRun();
  } catch (...) {
    // The handler either returns, and start-up ends normally, or raises, and that passes on.
    framework::_UnhandledException(framework::RuntimeTakeCurrentException().get());
  }
}

void _EarlyStartup() {
  RuntimeStackCheck();
  framework::ApplicationClass::_SetSupportsHiDPI(true);
  framework::_RuntimeInitExternalClasses();
  framework::_InitPluginEntrypoints();
  _InitFileTypes();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
}

void _InitFileTypes() {
  RuntimeStackCheck();
}

void _NewAppInstance() {
  RuntimeStackCheck();
  const framework::ClassRecord& record = App::__Lookup();
  Ref<App> application =
      framework::RuntimeCheckCast<App>(framework::RuntimeNewObject(record).get());
  if (!application) framework::RaiseNilObjectException();
  application->Constructor();
  application->SetMenuBar(MenuBar1::ImplicitInstance());
  framework::_RuntimeRegisterAppObject(application.get());
}

void _ApplicationAddMenuHandlers() {
  RuntimeStackCheck();
}

void _LateStartup() {
  RuntimeStackCheck();
  _MakeDefaultView();
}

void _MakeDefaultView() {
  RuntimeStackCheck();
  Window1::ImplicitInstance();
}

}  // namespace app
