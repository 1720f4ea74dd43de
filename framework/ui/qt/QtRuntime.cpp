#include <QApplication>
#include <memory>

#include "framework/ui/Backend.h"
#include "framework/ui/Process.h"
#include "framework/ui/qt/QtBackend.h"

namespace framework {

void RuntimeInit() {
  // The toolkit sees the program name only, so the process's arguments change nothing. One
  // application object serves the whole process and a later RuntimeInit reuses it. It is never
  // destroyed: destroying it among the static destructors, after main has returned, crashes
  // inside the toolkit, and nothing outlives the process anyway.
  static int argc = 1;
  static char programName[] = "conjugation-viewer";
  static char* argv[] = {programName, nullptr};
  if (!QCoreApplication::instance()) {
    static QApplication* const application = new QApplication(argc, argv);
    static_cast<void>(application);
  }
  // The framework decides when the application ends (the last window closing is one case).
  QApplication::setQuitOnLastWindowClosed(false);
  if (!CurrentBackend()) InstallBackend(std::make_unique<QtBackend>());
}

}  // namespace framework
