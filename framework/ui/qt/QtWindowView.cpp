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

QtWindowView::QtWindowView(Window& model, const WindowButtons& buttons)
    : model_(model),
      window_(new QtMainWindow(WindowFlags(buttons))),
      content_(new QWidget(window_.get())) {
  window_->setCentralWidget(content_);
  window_->SetCloseHandler([this] { model_.UserClosed(); });
}

QtWindowView::~QtWindowView() {
  renderer_.reset();
  window_->SetCloseHandler(nullptr);
  window_->hide();
}

void QtWindowView::SetTitle(const String& title) {
  window_->setWindowTitle(ToQString(title));
}

void QtWindowView::SetContentSize(std::int64_t width, std::int64_t height) {
  if (sizeShown_ && width == width_ && height == height_) return;  // keep the user's size
  width_ = width;
  height_ = height;
  sizeShown_ = true;
  ApplySize();
}

void QtWindowView::SetSizeLimits(const SizeLimits& limits, bool resizable) {
  limits_ = limits;
  resizable_ = resizable;
  if (resizable_) {
    content_->setMinimumSize(std::max(0, ToWidgetUnits(limits_.minWidth)),
                             std::max(0, ToWidgetUnits(limits_.minHeight)));
    content_->setMaximumSize(std::max(0, ToWidgetUnits(limits_.maxWidth)),
                             std::max(0, ToWidgetUnits(limits_.maxHeight)));
  } else {
    ApplySize();
  }
}

void QtWindowView::ApplySize() {
  if (width_ <= 0 || height_ <= 0) return;
  int width = ToWidgetUnits(width_);
  int height = ToWidgetUnits(height_);
  if (!resizable_) content_->setFixedSize(width, height);
  QWidget* menu = window_->menuWidget();
  int menuHeight = menu && !menu->isHidden() ? menu->sizeHint().height() : 0;
  window_->resize(width, height + menuHeight);
}

Qt::WindowFlags QtWindowView::WindowFlags(const WindowButtons& buttons) {
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  flags.setFlag(Qt::WindowCloseButtonHint, buttons.close);
  flags.setFlag(Qt::WindowMinimizeButtonHint, buttons.minimize);
  flags.setFlag(Qt::WindowMaximizeButtonHint, buttons.maximize);
  return flags;
}

void QtWindowView::SetButtons(const WindowButtons& buttons) {
  const Qt::WindowFlags flags = WindowFlags(buttons);
  if (window_->windowFlags() == flags) return;
  bool shown = window_->isVisible();
  window_->setWindowFlags(flags);  // hides a shown window
  if (shown) window_->show();
}

void QtWindowView::SetBackColor(bool hasBackColor, Color color) {
  QPalette palette = content_->palette();
  palette.setColor(QPalette::Window,
                   hasBackColor ? ToQColor(color) : window_->palette().color(QPalette::Window));
  content_->setPalette(palette);
  content_->setAutoFillBackground(hasBackColor);
}

void QtWindowView::SetMenuBar(MenuBar* bar) {
  if (renderer_ && &renderer_->Model() == bar) return;
  renderer_.reset();
  if (!bar) {
    window_->setMenuWidget(nullptr);  // the main window ends the old bar
  } else {
    auto* menuBar = new QMenuBar();  // owned by the main window from the next line on
    window_->setMenuBar(menuBar);
    renderer_ = std::make_unique<QtMenuRenderer>(*menuBar, *bar, model_);
  }
  ApplySize();
}

QWidget* QtWindowView::EditFocus() const {
  return renderer_ ? renderer_->EditFocus() : window_->focusWidget();
}

void QtWindowView::SetMenuBarVisible(bool visible) {
  if (QWidget* menu = window_->menuWidget()) menu->setVisible(visible);
}

void QtWindowView::SetTabOrder(std::span<ControlView* const> order) {
  QWidget* previous = nullptr;
  for (ControlView* view : order) {
    QWidget* widget = WidgetOfView(view);
    if (!widget || widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void QtWindowView::Show() {
  window_->show();
}

void QtWindowView::Hide() {
  window_->hide();
}

}  // namespace framework
