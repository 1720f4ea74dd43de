#include "framework/ui/qt/QtBackend.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>

#include "framework/runtime/Assert.h"
#include "framework/runtime/Exceptions.h"
#include "framework/ui/Process.h"
#include "framework/ui/Window.h"
#include "framework/ui/qt/QtControlViews.h"
#include "framework/ui/qt/QtEditCommands.h"
#include "framework/ui/qt/QtWindowView.h"

namespace framework {

namespace {
QWidget& ContentOf(WindowView& parent) {
  return Downcast<QtWindowView>(parent).Content();
}
}  // namespace

std::unique_ptr<WindowView> QtBackend::CreateWindowView(Window& window) {
  return std::make_unique<QtWindowView>(window);
}

std::unique_ptr<ListView> QtBackend::CreateListView(PopupMenu& list, WindowView& parent) {
  return std::make_unique<QtListView>(list, ContentOf(parent));
}

std::unique_ptr<TextView> QtBackend::CreateTextView(WindowView& parent) {
  return std::make_unique<QtTextView>(ContentOf(parent));
}

std::unique_ptr<LabelView> QtBackend::CreateLabelView(WindowView& parent) {
  return std::make_unique<QtLabelView>(ContentOf(parent));
}

std::unique_ptr<ButtonView> QtBackend::CreateButtonView(BevelButton& button, WindowView& parent) {
  return std::make_unique<QtButtonView>(button, ContentOf(parent));
}

void QtBackend::Run() {
  QApplication::exec();
}

void QtBackend::Quit() {
  QCoreApplication::exit(0);
}

void QtBackend::ReleaseClosedViews() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtBackend::PresentUnhandledException(const RuntimeException& exception) {
  QString text =
      QStringLiteral("処理されない例外が発生しました。アプリケーションを終了します。\n\n") +
      QString::fromStdString(Describe(exception));
  QMessageBox::critical(nullptr, QStringLiteral("エラー"), text);
}

void QtBackend::PerformEditCommand(EditCommand command, const Window& window) {
  const WindowView* view = window.View();  // none before the window is drawn
  framework::PerformEditCommand(command,
                                view ? Downcast<const QtWindowView>(*view).EditFocus() : nullptr);
}

}  // namespace framework
