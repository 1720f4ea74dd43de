#include <QApplication>
#include <memory>

#include "framework/ui/Backend.h"
#include "framework/ui/Process.h"
#include "framework/ui/Window.h"
#include "framework/ui/qt/QtBackend.h"

namespace framework {

namespace {
// Windows still open when the toolkit ends are closed while it can still end their widgets.
void CloseWindowsAtExit() {
  CloseAllWindows();
}
}  // namespace

void RuntimeInit() {
  // The toolkit sees the program name only, so the process's arguments change nothing. One
  // application object serves the process; a later RuntimeInit reuses it.
  static int argc = 1;
  static char programName[] = "conjugation-viewer";
  static char* argv[] = {programName, nullptr};
  static std::unique_ptr<QApplication> application;
  if (!QCoreApplication::instance()) {
    application = std::make_unique<QApplication>(argc, argv);
    qAddPostRoutine(&CloseWindowsAtExit);
  }
  // The framework decides when the application ends (the last window closing is one case).
  QApplication::setQuitOnLastWindowClosed(false);
  if (!CurrentBackend()) InstallBackend(std::make_unique<QtBackend>());
}

}  // namespace framework
