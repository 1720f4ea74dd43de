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
    &App::ctblinit,
    &Window1::ctblinit,
    &MenuBar1::ImplicitInstanceInit,
    &MenuBar1::ctblinit,
};

}  // namespace

std::span<const framework::ClassInitializer> InitializerTable() noexcept {
  return kInitializers;
}

int main() {
  try {
    framework::RuntimeInit();
    framework::RuntimePerformInitializers(InitializerTable());
    Main();
    framework::RuntimePerformFinalizers();
    return framework::RuntimeExit();
  } catch (...) {
    // Start-up failed, or the unhandled-exception handler passed an exception on: the process
    // failed.
    return 1;
  }
}

void Main() {
  try {
    RuntimeStackCheck();
    {
      Ref<framework::Delegate> helper =
          framework::RuntimeCreateDelegate(&framework::invokers::InvokeExceptionHelper,
                                           framework::invokers::ExceptionHelperFunction{
                                               &framework::CallFunctionWithExceptionHandling},
                                           nullptr, "( Ptr, Ptr ) as Object", 0);
      framework::RuntimeSetExceptionHelper(framework::EntryPointer(helper));
    }
    framework::RecordFrameworkVersion(kFrameworkVersion);
    EarlyStartup();
    {
      Ref<framework::Delegate> lateStartup = framework::RuntimeCreateDelegate(
          &framework::invokers::InvokeProcedure, &LateStartup, nullptr, "(  )", 0);
      framework::RunFrameworkInitialization(framework::EntryPointer(lateStartup));
    }
    framework::RuntimeRun();
  } catch (...) {
    // The handler either returns, and start-up ends normally, or raises, and that passes on.
    framework::UnhandledException(framework::RuntimeTakeCurrentException().get());
  }
}

void EarlyStartup() {
  RuntimeStackCheck();
  framework::ApplicationClass::SetSupportsHiDPI(true);
  framework::RuntimeInitExternalClasses();
  framework::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void InitFileTypes() {
  RuntimeStackCheck();
}

void NewAppInstance() {
  RuntimeStackCheck();
  const framework::ClassRecord& record = App::Lookup();
  Ref<App> application =
      framework::RuntimeCheckCast<App>(framework::RuntimeNewObject(record).get());
  if (!application) framework::RaiseNilObjectException();
  application->Constructor();
  application->SetMenuBar(MenuBar1::ImplicitInstance());
  framework::RuntimeRegisterAppObject(application.get());
}

void ApplicationAddMenuHandlers() {
  RuntimeStackCheck();
}

void LateStartup() {
  RuntimeStackCheck();
  MakeDefaultView();
}

void MakeDefaultView() {
  RuntimeStackCheck();
  Window1::ImplicitInstance();
}

}  // namespace app
