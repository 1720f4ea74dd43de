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
void RuntimePerformFinalizers();

// The process's exit code: 0 after a normal quit, 1 once _UnhandledException has run.
std::int32_t RuntimeExit();

// Records the framework version the program was built for.
void RecordFrameworkVersion(double version);
double FrameworkVersion() noexcept;

// Installs the function through which the framework calls code under exception handling.
void _RuntimeSetExceptionHelper(EntryPoint helper);

// Calls `function(argument)` under exception handling: the framework exception that the call
// raised, or nil when there was none. Any other C++ exception passes through.
Ref<RuntimeException> _CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);

// Calls `body` through the installed exception helper (directly when none is installed) and
// hands an escaping framework exception to _UnhandledException. Event dispatch uses this.
void CallWithExceptionHandling(const std::function<void()>& body);

namespace ApplicationClass {
// Class-level switch for high-resolution rendering, set before any application object exists.
void _SetSupportsHiDPI(bool enabled);
bool SupportsHiDPI() noexcept;
}  // namespace ApplicationClass

void _RuntimeInitExternalClasses();

// Resolves the control plug-in's entry points; BevelButton is available afterwards.
void _InitPluginEntrypoints();
bool PluginControlsAvailable() noexcept;

// Hands the application object to the framework, which holds it for the life of the process.
void _RuntimeRegisterAppObject(Application* application);
Ref<Application> RegisteredApplication();

// Finishes initialisation and calls the late start-up callback once.
void _RunFrameworkInitialization(EntryPoint lateStartup);

// Runs the event loop; returns when the application quits.
void _RuntimeRun();

// Ends the event loop (the quit item, the last window closed).
void QuitApplication();

// The handler for an exception that nothing caught: names it on standard error and to the user,
// records that the process must not exit with 0, and ends the application.
void _UnhandledException(RuntimeException* exception);

// Test seam: replaces how an unhandled exception is shown to the user (a dialog by default).
using UnhandledExceptionPresenter = std::function<void(const RuntimeException&)>;
void SetUnhandledExceptionPresenter(UnhandledExceptionPresenter presenter);

// Test seam: forgets everything the process services recorded (exit code, registered
// application, installed helper, HiDPI) so that one test process can start up several times.
void ResetProcessStateForTesting();

}  // namespace framework
