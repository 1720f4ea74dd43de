#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

#include "framework/ui/Application.h"
#include "framework/ui/Backend.h"
#include "tests/ui/UiTestSupport.h"

namespace uitest {
namespace {

class ProcessTest : public UiTest {};

std::vector<std::string> calls;  // what the start-up callbacks did

// An unhandled exception, during start-up say, ends the application before its loop runs; a
// normal quit exits with 0.
TEST_F(ProcessTest, ExitCodeIsOneOnceAnExceptionWentUnhandledAndTheLoopReturnsAtOnce) {
  EXPECT_EQ(RuntimeExit(), 0);
  testing::internal::CaptureStderr();
  UnhandledException(NewException<OutOfBoundsException>("row 7").get());
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Unhandled exception: OutOfBoundsException: row 7\n");
  EXPECT_EQ(RuntimeExit(), 1);
  RuntimeRun();  // returns at once
  EXPECT_EQ(presented_, std::vector<std::string>{"OutOfBoundsException"});
  // One raised while the first is being shown is named on standard error only.
  SetUnhandledExceptionPresenter([](const RuntimeException&) {
    UnhandledException(NewException<NilObjectException>().get());
  });
  testing::internal::CaptureStderr();
  UnhandledException(NewException<IllegalCastException>().get());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("exception: NilObjectException"),
            std::string::npos);
  ResetProcessStateForTesting();
  QuitApplication();
  EXPECT_EQ(RuntimeExit(), 0);
}

// The toolkit's critical dialog, under its title, names the exception with its message; Escape
// ends it.
TEST_F(ProcessTest, TheDialogNamesTheExceptionWithItsMessage) {
  QString shown;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&shown] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->windowTitle() + QString::number(box->icon()) + box->text();
      QTest::keyClick(box, Qt::Key_Escape);
    }
  });
  closer.start(0);
  // Shown from the event loop, as the application shows it.
  QTimer::singleShot(0, [] {
    CurrentBackend()->PresentUnhandledException(*NewException<OutOfBoundsException>("row 7"));
    QuitApplication();
  });
  RuntimeRun();
  EXPECT_TRUE(shown.startsWith("エラー" + QString::number(QMessageBox::Critical)));
  EXPECT_TRUE(shown.endsWith("\n\nOutOfBoundsException: row 7")) << shown.toStdString();
}

TEST_F(ProcessTest, CallsUnderExceptionHandlingGoThroughTheInstalledHelper) {
  Ref<Delegate> helper =
      RuntimeCreateDelegate(&invokers::InvokeExceptionHelper,
                            invokers::ExceptionHelperFunction{&CallFunctionWithExceptionHandling},
                            nullptr, "( Ptr, Ptr ) as Object", 0);
  RuntimeSetExceptionHelper(EntryPointer(helper));
  helper.reset();

  EXPECT_TRUE(CallWithExceptionHandling([] {}));
  EXPECT_TRUE(presented_.empty());
  EXPECT_FALSE(CallWithExceptionHandling([] { RaiseNilObjectException(); }));
  EXPECT_FALSE(CallWithExceptionHandling([] { throw std::runtime_error("plain C++"); }));
  EXPECT_EQ(presented_, (std::vector<std::string>{"NilObjectException", "RuntimeException"}));
  EXPECT_EQ(RuntimeExit(), 1);

  // The helper itself reports the exception rather than raising it.
  Ref<RuntimeException> raised =
      CallFunctionWithExceptionHandling([](void*) { Raise<IllegalCastException>(); }, nullptr);
  ASSERT_NE(raised, nullptr);
  EXPECT_TRUE(raised->IsA(IllegalCastException::Lookup()));
  EXPECT_EQ(CallFunctionWithExceptionHandling([](void*) {}, nullptr), nullptr);
  // Raised without an exception object, it is a RuntimeException all the same.
  EXPECT_NE(
      CallFunctionWithExceptionHandling([](void*) { RuntimeRaiseException(nullptr); }, nullptr),
      nullptr);

  // A helper whose result is no object reference reports no success.
  RuntimeSetExceptionHelper(EntryPointer(RuntimeCreateDelegate(
      [](const Delegate&, std::span<std::any>) { return std::any(true); }, {}, nullptr, "", 0)));
  EXPECT_FALSE(CallWithExceptionHandling([] {}));
}

TEST_F(ProcessTest, StartUpServices) {
  calls.clear();
  const ClassInitializer table[] = {
      [] { calls.push_back(Window::Lookup().Name()); },
      [] { calls.push_back("second"); },
  };
  RuntimePerformInitializers(table);
  EXPECT_EQ(calls, (std::vector<std::string>{"Window", "second"}));

  ApplicationClass::SetSupportsHiDPI(true);
  EXPECT_TRUE(ApplicationClass::SupportsHiDPI());
  RecordFrameworkVersion(2016.02);
  EXPECT_EQ(FrameworkVersion(), 2016.02);

  Ref<Application> application = New<Application>();
  RuntimeRegisterAppObject(application.get());
  EXPECT_EQ(RegisteredApplication(), application);
  EXPECT_THROW(RuntimeRegisterAppObject(nullptr), PendingException);

  // Initialisation calls the late start-up callback; there is none for a nil delegate.
  Ref<Delegate> late = RuntimeCreateDelegate(
      &invokers::InvokeProcedure, +[] { calls.push_back("late"); }, nullptr, "(  )", 0);
  RunFrameworkInitialization(EntryPointer(late));
  EXPECT_EQ(calls.back(), "late");
  EXPECT_THROW(RunFrameworkInitialization(EntryPointer(nullptr)), PendingException);

  RuntimePerformFinalizers();
  EXPECT_EQ(RegisteredApplication(), nullptr);
}

}  // namespace
}  // namespace uitest
