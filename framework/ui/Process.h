#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "framework/runtime/Delegate.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Ref.h"

namespace framework {

class Application;

// One entry of a program's table of class-record builders.
using ClassInitializer = void (*)();

// Starts the runtime: creates the Qt application with a fixed argument vector (the program name
// only), so the process's arguments change nothing.
void RuntimeInit();

// Runs the framework's own class-record builders, then the program's table, in order.
void RuntimePerformInitializers(std::span<const ClassInitializer> programTable);

// Releases what the framework holds for the process (the application object, open windows).
// Cannot fail: closing a window and ending an object report nothing to a caller.
void RuntimePerformFinalizers() noexcept;

// The process's exit code: 0 after a normal quit, 1 once UnhandledException has run.
std::int32_t RuntimeExit();

// Records the framework version the program was built for.
void RecordFrameworkVersion(double version);
double FrameworkVersion() noexcept;

// Installs the function through which the framework calls code under exception handling.
void RuntimeSetExceptionHelper(EntryPoint helper);

// Calls `function(argument)` under exception handling: the framework exception that the call
// raised, or nil when there was none. Any other C++ exception passes through.
Ref<RuntimeException> CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);

// Calls `body` through the installed exception helper (directly when none is installed) and
// hands an escaping exception to UnhandledException; a C++ exception that is no framework
// exception is handed over as a RuntimeException that names it. Event dispatch uses this, so no
// exception crosses the toolkit. True when `body` returned normally.
//
// The helper is called with two arguments, a `void (*)(void*)` and its `void*` argument, and
// returns the exception that the call raised as a Ref<RuntimeException> (nil for none), as
// invokers::InvokeExceptionHelper does for CallFunctionWithExceptionHandling.
bool CallWithExceptionHandling(const std::function<void()>& body);

namespace ApplicationClass {
// Class-level switch for high-resolution rendering, set before any application object exists.
void SetSupportsHiDPI(bool enabled);
bool SupportsHiDPI() noexcept;
}  // namespace ApplicationClass

void RuntimeInitExternalClasses();

// Resolves the control plug-in's entry points; BevelButton is available afterwards.
void InitPluginEntrypoints();
bool PluginControlsAvailable() noexcept;

// Hands the application object to the framework, which holds it for the life of the process.
void RuntimeRegisterAppObject(Application* application);
Ref<Application> RegisteredApplication();

// Finishes initialisation and calls the late start-up callback; an exception that the callback
// raises passes on to the caller. A nil callback raises NilObjectException.
void RunFrameworkInitialization(EntryPoint lateStartup);

// Runs the event loop; returns when the application quits (at once when it was asked to quit
// before the loop started).
void RuntimeRun();

// Ends the event loop (the quit item, the last window closed, an unhandled exception).
void QuitApplication();
bool QuitRequested() noexcept;

// The handler for an exception that nothing caught: names it on standard error and to the user,
// records that the process must not exit with 0, and ends the application.
void UnhandledException(RuntimeException* exception);

// Test seam: replaces how an unhandled exception is shown to the user (a dialog by default; an
// empty presenter restores it).
using UnhandledExceptionPresenter = std::function<void(const RuntimeException&)>;
void SetUnhandledExceptionPresenter(UnhandledExceptionPresenter presenter);

// Test seam: closes every open window and forgets everything the process services recorded
// (exit code, quit request, registered application, installed helper, version, HiDPI, plug-in)
// so that one test process can start up several times. The presenter stays.
void ResetProcessStateForTesting();

}  // namespace framework
