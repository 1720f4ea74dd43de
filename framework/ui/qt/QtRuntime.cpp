#include <langinfo.h>

#include <QApplication>
#include <QStringList>
#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "framework/ui/Backend.h"
#include "framework/ui/Process.h"
#include "framework/ui/qt/QtBackend.h"

namespace framework {

namespace {

constexpr char kProgramName[] = "conjugation-viewer";

// While the toolkit connects to the display, its messages are held back. Without a usable
// display it reports several lines and aborts; the user gets one line that says what is wrong
// instead, and the exit code 1. A start that succeeds lets the held messages through.
QStringList& HeldMessages() {
  static QStringList held;
  return held;
}

// A value from the environment as a message may show it: printable ASCII only, each other byte
// a '?', and at most 100 bytes.
std::string Printable(std::string_view value) {
  constexpr std::size_t kLongest = 100;
  std::string shown;
  for (const char c : value.substr(0, kLongest)) shown += c >= ' ' && c <= '~' ? c : '?';
  if (value.size() > kLongest) shown += "...";
  return shown;
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    HeldMessages().append(qFormatLogMessage(type, context, text));
    return;
  }
  if (HeldMessages()
          .join(QLatin1Char('\n'))
          .contains(QLatin1String("could not connect to display"))) {
    const char* display = std::getenv("DISPLAY");
    if (display && *display) {
      std::fprintf(stderr,
                   "%s: cannot open display \"%s\": set DISPLAY to a running display, or run "
                   "under a desktop session\n",
                   kProgramName, Printable(display).c_str());
    } else {
      std::fprintf(stderr, "%s: no display found: set DISPLAY, or run under a desktop session\n",
                   kProgramName);
    }
  } else {
    std::fprintf(stderr, "%s: the user interface cannot start: %s\n", kProgramName,
                 qPrintable(text.section(QLatin1Char('\n'), 0, 0)));
  }
  std::fflush(stderr);
  std::_Exit(1);  // the toolkit would abort next
}

// The toolkit takes the locale from the environment, and without one (LANG unset) the C
// library treats text as ASCII: the window's legacy X title property would hold the UTF-8 title
// as Latin-1, each byte a character. Text here is UTF-8 whatever the locale says.
void UseUtf8Characters() {
  if (std::string_view(nl_langinfo(CODESET)) != "UTF-8") std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace

void RuntimeInit() {
  // The toolkit sees the program name only, so the process's arguments change nothing. One
  // application object serves the whole process and a later RuntimeInit reuses it. It is never
  // destroyed: destroying it among the static destructors, after main has returned, crashes
  // inside the toolkit, and nothing outlives the process anyway.
  static int argc = 1;
  static auto programName = std::to_array(kProgramName);
  static char* argv[] = {programName.data(), nullptr};
  if (!QCoreApplication::instance()) {
    const QtMessageHandler previous = qInstallMessageHandler(&HoldMessage);
    static QApplication* const application = new QApplication(argc, argv);
    static_cast<void>(application);
    qInstallMessageHandler(previous);
    for (const QString& line : std::exchange(HeldMessages(), {})) {
      std::fprintf(stderr, "%s\n", qPrintable(line));
    }
  }
  UseUtf8Characters();
  // The framework decides when the application ends (the last window closing is one case).
  QApplication::setQuitOnLastWindowClosed(false);
  if (!CurrentBackend()) InstallBackend(std::make_unique<QtBackend>());
}

}  // namespace framework
