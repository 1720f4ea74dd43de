#include "framework/ui/qt/QtWindowView.h"

#include <QCloseEvent>
#include <QMenuBar>

#include "framework/ui/Window.h"
#include "framework/ui/qt/QtControlView.h"

namespace framework {

void QtMainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  // A copy: the handler ends the view, which clears the handler.
  if (std::function<void()> handler = closeHandler_) handler();
}

namespace {
// A title bar with the close and minimise buttons only.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
}  // namespace

QtWindowView::QtWindowView(Window& model)
    : model_(model), window_(new QtMainWindow(kWindowFlags)), content_(new QWidget(window_.get())) {
  window_->setCentralWidget(content_);
  window_->SetCloseHandler([this] { model_.UserClosed(); });
}

QtWindowView::~QtWindowView() {
  renderer_.reset();
  window_->SetCloseHandler(nullptr);
}

void QtWindowView::SetTitle(const String& title) {
  window_->setWindowTitle(ToQString(title));
}

void QtWindowView::SetBackColor(Color color) {
  QPalette palette = content_->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  content_->setPalette(palette);
  content_->setAutoFillBackground(true);
}

void QtWindowView::SetMenuBar(MenuBar& bar) {
  auto* menuBar = new QMenuBar();  // owned by the main window from the next line on
  window_->setMenuBar(menuBar);
  renderer_ = std::make_unique<QtMenuRenderer>(*menuBar, bar, model_);
}

void QtWindowView::SetSizeLimits(const SizeLimits& limits) {
  content_->setMinimumSize(ToWidgetUnits(limits.minWidth), ToWidgetUnits(limits.minHeight));
  content_->setMaximumSize(ToWidgetUnits(limits.maxWidth), ToWidgetUnits(limits.maxHeight));
}

// The window's size is the content area's and the menu bar's.
void QtWindowView::SetContentSize(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) return;
  const QWidget* menu = window_->menuWidget();
  const int menuHeight = menu ? menu->sizeHint().height() : 0;
  window_->resize(ToWidgetUnits(width), ToWidgetUnits(height) + menuHeight);
}

QWidget* QtWindowView::EditFocus() const {
  return renderer_ ? renderer_->EditFocus() : window_->focusWidget();
}

void QtWindowView::SetTabOrder(std::span<ControlView* const> order) {
  QWidget* previous = nullptr;
  for (ControlView* view : order) {
    QWidget* widget = WidgetOfView(view);
    if (!widget) continue;
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void QtWindowView::Show() {
  window_->show();
}

}  // namespace framework
