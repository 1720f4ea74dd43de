#include <langinfo.h>

#include <QApplication>
#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "framework/ui/Backend.h"
#include "framework/ui/Process.h"
#include "framework/ui/qt/QtBackend.h"

namespace framework {

namespace {

constexpr char kProgramName[] = "conjugation-viewer";

// The toolkit's messages while it connects to the display. Without a usable display it reports
// several lines and aborts; the user gets one line that says what is wrong instead, and the exit
// code 1. Messages of a start that succeeds go out as usual afterwards.
class DisplayConnectionMessages {
 public:
  DisplayConnectionMessages() : previous_(qInstallMessageHandler(&Collect)) {}
  ~DisplayConnectionMessages() {
    qInstallMessageHandler(previous_);
    for (const Message& message : messages_) {
      const QMessageLogContext context(message.file.constData(), message.line,
                                       message.function.constData(), message.category.constData());
      qt_message_output(message.type, context, message.text);
    }
    messages_.clear();
  }
  DisplayConnectionMessages(const DisplayConnectionMessages&) = delete;
  DisplayConnectionMessages& operator=(const DisplayConnectionMessages&) = delete;

 private:
  struct Message {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
  };

  static void Collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) FailToStart(text);
    messages_.push_back(
        Message{type, context.file, context.line, context.function, context.category, text});
  }

  [[noreturn]] static void FailToStart(const QString& fatal) {
    bool noDisplay = false;
    for (const Message& message : messages_) {
      noDisplay = noDisplay || message.text.contains(QLatin1String("could not connect to display"));
    }
    if (noDisplay) {
      std::fprintf(stderr,
                   "%s: no display found: set DISPLAY or WAYLAND_DISPLAY, or run under a desktop "
                   "session\n",
                   kProgramName);
    } else {
      std::fprintf(stderr, "%s: the user interface cannot start: %s\n", kProgramName,
                   fatal.section(QLatin1Char('\n'), 0, 0).toLocal8Bit().constData());
    }
    std::fflush(stderr);
    std::_Exit(1);  // the toolkit would abort next
  }

  static inline std::vector<Message> messages_;
  QtMessageHandler previous_;
};

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
    DisplayConnectionMessages messages;
    static QApplication* const application = new QApplication(argc, argv);
    static_cast<void>(application);
  }
  UseUtf8Characters();
  // The framework decides when the application ends (the last window closing is one case).
  QApplication::setQuitOnLastWindowClosed(false);
  if (!CurrentBackend()) InstallBackend(std::make_unique<QtBackend>());
}

}  // namespace framework
