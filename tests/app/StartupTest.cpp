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

constexpr char kEsseLatinPresent[] = "sum es est\rsumus estis sunt";

TEST(Startup, RunsToTheQuitItemAndExitsWithZero) {
  std::string shown;
  std::int64_t windows = -1;
  const auto before = framework::Object::LiveCount();
  framework::RuntimeInit();
  QTimer::singleShot(0, [&] {
    auto window = framework::GetImplicitWindow("Window1.Window1");
    windows = static_cast<std::int64_t>(framework::OpenWindows().size());
    if (window) {
      auto main = framework::RuntimeCheckCast<app::Window1>(window.get());
      shown = std::string(main->TextField1()->Text().Bytes());
      framework::ActionOf(*main, *main->FileQuit())->trigger();
    }
  });
  EXPECT_EQ(app::main(), 0);
  EXPECT_EQ(windows, 1);
  EXPECT_EQ(shown, kEsseLatinPresent);
  // The finalisers ran: no window, control, table or application object is left, only the
  // shared menu bar.
  EXPECT_EQ(framework::Object::LiveCount(), before + 12);
}

TEST(Startup, AClassThatCannotBeMadeOrAHandlerThatPassesTheExceptionOnExitsWithOne) {
  framework::SetUnhandledExceptionPresenter([](const framework::RuntimeException&) {
    framework::Raise<framework::RuntimeException>("handler gave up");
  });
  framework::RuntimeInit();
  {
    framework::ScopedFault fault(Operation::RuntimeNewClass, 1);
    EXPECT_EQ(app::main(), 1);
  }
  framework::RuntimePerformInitializers(app::InitializerTable());
  // The first object made in start-up is the application object.
  framework::ScopedFault fault(Operation::RuntimeNewObject, 1);
  EXPECT_EQ(app::main(), 1);
}

class StartupSteps : public StartedRuntime {};

TEST_F(StartupSteps, FailingApplicationObjectLeavesNoWindowAndExitCodeOne) {
  const auto before = framework::Object::LiveCount();
  {
    // Stack checks of Main, EarlyStartup, InitFileTypes, NewAppInstance, App.Constructor.
    framework::ScopedFault fault(Operation::RuntimeStackCheck, 5);
    app::Main();
    EXPECT_TRUE(framework::FaultInjection::Fired());
  }
  ASSERT_EQ(unhandled.size(), 1u);
  EXPECT_FALSE(framework::RegisteredApplication());
  EXPECT_TRUE(framework::OpenWindows().empty());
  framework::RuntimePerformFinalizers();
  // The application object ended and the menu bar was never made.
  EXPECT_EQ(framework::Object::LiveCount(), before);
  EXPECT_EQ(framework::RuntimeExit(), 1);
}

// A failure while the window builds its controls: the handler runs, no window stays open and the
// process fails; the shared menu bar made before it stays.
TEST_F(StartupSteps, FailingControlCreationReachesTheHandlerAndLeavesNoWindow) {
  const auto before = framework::Object::LiveCount();
  {
    // The window's own list is the first applied, ComboBox1's the second.
    framework::ScopedFault fault(Operation::SetProperties, 2);
    app::Main();
    EXPECT_TRUE(framework::FaultInjection::Fired());
  }
  EXPECT_EQ(unhandled.size(), 1u);
  EXPECT_TRUE(framework::OpenWindows().empty());
  framework::RuntimePerformFinalizers();
  EXPECT_EQ(framework::Object::LiveCount(), before + 12);
  EXPECT_EQ(framework::RuntimeExit(), 1);
}

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

TEST_F(StartupSteps, FailingRegistrationLeavesNoApplicationAndNoWindow) {
  {
    framework::ScopedFault fault(Operation::RegisterAppObject, 1);
    app::Main();
  }
  EXPECT_EQ(unhandled.size(), 1u);
  EXPECT_FALSE(framework::RegisteredApplication());
  EXPECT_TRUE(framework::OpenWindows().empty());
  EXPECT_EQ(framework::RuntimeExit(), 1);
}

TEST_F(StartupSteps, EarlyStartupSetsHiDpiThenRegistersTheApplicationWithTheSharedBar) {
  app::EarlyStartup();
  EXPECT_TRUE(framework::ApplicationClass::SupportsHiDPI());
  EXPECT_TRUE(framework::PluginControlsAvailable());
  Ref<framework::Application> application = framework::RegisteredApplication();
  ASSERT_TRUE(application);
  EXPECT_EQ(application->Class().Name(), "App");
  EXPECT_EQ(application->GetMenuBar().get(), app::MenuBar1::ImplicitInstance().get());
  EXPECT_TRUE(framework::OpenWindows().empty());
}

TEST_F(StartupSteps, DefaultViewOpensExactlyOneWindow) {
  app::EarlyStartup();
  app::MakeDefaultView();
  app::MakeDefaultView();
  auto windows = framework::OpenWindows();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0]->Class().Name(), "Window1.Window1");
  windows[0]->Close();
}

TEST_F(StartupSteps, AfterTheWindowEndsOnlyTheSharedMenuBarStaysAlive) {
  const auto before = framework::Object::LiveCount();
  app::EarlyStartup();
  app::MakeDefaultView();
  framework::OpenWindows().at(0)->Close();
  framework::RuntimePerformFinalizers();
  // The bar, its two menus and their nine items.
  EXPECT_EQ(framework::Object::LiveCount(), before + 12);
  EXPECT_EQ(framework::RuntimeExit(), 0);
}

}  // namespace
}  // namespace app_test
