// Start-up as a whole: the order of its steps, its failure paths and the process exit code.
#include <QTimer>
#include <new>

#include "AppTestSupport.h"
#include "app/App.h"
#include "app/MenuBar1.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/ui/Application.h"
#include "framework/ui/Window.h"
#include "framework/ui/qt/QtAccess.h"

namespace app_test {
namespace {

using framework::Operation;
using framework::Ref;

// A failing step of start-up fails the process, and reaches the handler at most once: what the
// handler finds tells the steps apart. Every function of the program's but main, the class
// lookups, the window's initialiser and finaliser and the bar's implicit-instance initialiser
// makes the stack check first: a start-up makes 28, 3 in the class-record builders, before its
// loop runs. Past the last nothing fails: the window shows the Latin present of esse and the quit
// item ends the loop.
struct FailingStep {
  const char* name;
  Operation operation;
  std::uint64_t occurrence;
  int exitCode;
  std::vector<std::string> found;  // by the handler: open windows, and whether an App is registered
  std::int64_t survivors;          // objects alive after the finalisers
};
class StartupRun : public ::testing::TestWithParam<FailingStep> {};

TEST_P(StartupRun, FailsAtEachKindOfStepAndRunsToTheQuitItemWhenNoneFails) {
  std::vector<std::string> found;
  framework::SetUnhandledExceptionPresenter([&](const framework::RuntimeException&) {
    found.push_back(std::to_string(framework::OpenWindows().size()) + " windows" +
                    (framework::RegisteredApplication() ? ", registered" : ""));
  });
  std::string shown;  // the field once the loop runs
  const auto before = framework::Object::LiveCount();
  framework::RuntimeInit();
  QObject loop;  // the quit goes with it when no loop runs
  QTimer::singleShot(0, &loop, [&] {
    testing::internal::CaptureStderr();  // the toolkit's warnings reach standard error
    qWarning("a toolkit warning");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("a toolkit warning"), std::string::npos);
    EXPECT_EQ(framework::FrameworkVersion(), 2016.02);
    EXPECT_EQ(framework::OpenWindows().size(), 1u);
    auto window = framework::GetImplicitWindow("Window1.Window1");
    shown = std::string(
        framework::RuntimeCheckCast<framework::TextField>(window->ControlByName("TextField1").get())
            ->Text()
            .Bytes());
    framework::ActionOf(*window, *window->MenuBar_Get(0)->LookupItem("FileQuit"))->trigger();
  });
  {
    framework::ScopedFault fault(GetParam().operation, GetParam().occurrence);
    EXPECT_EQ(app::main(), GetParam().exitCode);
    EXPECT_EQ(framework::FaultInjection::Fired(), GetParam().exitCode != 0);
  }
  framework::SetUnhandledExceptionPresenter({});
  EXPECT_EQ(found, GetParam().found);
  EXPECT_EQ(framework::Object::LiveCount(), before + GetParam().survivors);
  EXPECT_EQ(shown, GetParam().exitCode == 0 ? "sum es est\rsumus estis sunt" : "");
}

INSTANTIATE_TEST_SUITE_P(
    AtEachKindOfStep, StartupRun,
    ::testing::Values(
        // The third class-record builder: nothing has started that could report it.
        FailingStep{"ClassRecords", Operation::RuntimeStackCheck, 3, 1, {}, 0},
        // Then the checks of Main, EarlyStartup, InitFileTypes, NewAppInstance, App.Constructor:
        // the application object ends and the menu bar is never made.
        FailingStep{"ApplicationObject", Operation::RuntimeStackCheck, 8, 1, {"0 windows"}, 0},
        // The shared menu bar, made before the failing step, stays.
        FailingStep{"Registration", Operation::RegisterAppObject, 1, 1, {"0 windows"}, 12},
        // The window's own list is the first applied, ComboBox1's the second.
        FailingStep{
            "ControlCreation", Operation::SetProperties, 2, 1, {"0 windows, registered"}, 12},
        // The last Open handler's: the window stays open until the finalisers.
        FailingStep{
            "LastCheck", Operation::RuntimeStackCheck, 28, 1, {"1 windows, registered"}, 12},
        FailingStep{"None", Operation::RuntimeStackCheck, 29, 0, {}, 12}),
    [](const auto& step) { return std::string(step.param.name); });

TEST(Startup, AHandlerThatPassesTheExceptionOnExitsWithOne) {
  framework::SetUnhandledExceptionPresenter([](const framework::RuntimeException&) {
    framework::Raise<framework::RuntimeException>("handler gave up");
  });
  framework::RuntimeInit();
  // The first object made in start-up is the application object.
  framework::ScopedFault fault(Operation::RuntimeNewObject, 1);
  EXPECT_EQ(app::main(), 1);
}

class StartupSteps : public StartedRuntime {};

// A plain C++ exception, from a step of start-up (the application's registration) or from a
// handler under the framework's exception handling (the language list's Open reading its cell),
// is named on standard error and to the user, and the process fails.
TEST_F(StartupSteps, APlainCppExceptionIsNamedTwiceAndExitsWithOne) {
  const std::string named = "RuntimeException: C++ exception: std::bad_alloc";
  for (Operation operation : {Operation::RegisterAppObject, Operation::ArrayGet}) {
    SCOPED_TRACE(static_cast<int>(operation));
    framework::ResetProcessStateForTesting();
    unhandled.clear();
    framework::ScopedFault fault(
        operation, 1, []() -> Ref<framework::RuntimeException> { throw std::bad_alloc(); });
    testing::internal::CaptureStderr();
    EXPECT_EQ(app::main(), 1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find(named), std::string::npos);
    EXPECT_EQ(unhandled, std::vector{named});
  }
}

// Early start-up sets HiDPI and registers the application with the shared bar, and opens no
// window; the default view opens exactly one however often it is made, with the same bar. Once
// that window ends only the bar, its two menus and their nine items stay alive.
TEST_F(StartupSteps, EarlyStartupThenOneDefaultWindowAfterWhichOnlyTheSharedBarStays) {
  const auto before = framework::Object::LiveCount();
  app::EarlyStartup();
  EXPECT_TRUE(framework::ApplicationClass::SupportsHiDPI());
  EXPECT_TRUE(framework::PluginControlsAvailable());
  Ref<framework::Application> application = framework::RegisteredApplication();
  ASSERT_TRUE(application);
  EXPECT_EQ(application->Class().Name(), "App");
  EXPECT_EQ(application->GetMenuBar().get(), app::MenuBar1::ImplicitInstance().get());
  EXPECT_TRUE(framework::OpenWindows().empty());
  application.reset();
  app::MakeDefaultView();
  app::MakeDefaultView();
  ASSERT_EQ(framework::OpenWindows().size(), 1u);
  EXPECT_EQ(framework::OpenWindows()[0]->Class().Name(), "Window1.Window1");
  EXPECT_EQ(framework::OpenWindows()[0]->MenuBar_Get(0).get(),
            app::MenuBar1::ImplicitInstance().get());
  framework::OpenWindows()[0]->Close();
  framework::RuntimePerformFinalizers();
  EXPECT_EQ(framework::Object::LiveCount(), before + 12);
  EXPECT_EQ(framework::RuntimeExit(), 0);
}

}  // namespace
}  // namespace app_test
