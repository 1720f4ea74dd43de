#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "framework/ui/View.h"
#include "framework/ui/qt/QtConvert.h"
#include "framework/ui/qt/QtMenuRenderer.h"

namespace framework {

class Window;

// The top-level widget of a window: tells its view when the user closes it.
class QtMainWindow final : public QMainWindow {
 public:
  explicit QtMainWindow(Qt::WindowFlags flags) : QMainWindow(nullptr, flags) {}
  void SetCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<void()> closeHandler_;
};

// A window rendered as a main window: the controls sit in its central widget, the content
// area, below the rendering of the window's menu bar. Width and Height are the content area's.
class QtWindowView final : public WindowView {
 public:
  explicit QtWindowView(Window& model);
  ~QtWindowView() override;
  QtWindowView(const QtWindowView&) = delete;
  QtWindowView& operator=(const QtWindowView&) = delete;

  void SetTitle(const String& title) override;
  void SetBackColor(Color color) override;
  void SetMenuBar(MenuBar& bar) override;
  void SetSizeLimits(const SizeLimits& limits) override;
  void SetContentSize(std::int64_t width, std::int64_t height) override;
  void SetTabOrder(std::span<ControlView* const> order) override;
  void Show() override;

  QMainWindow& MainWindow() const noexcept { return *window_; }
  QWidget& Content() const noexcept { return *content_; }
  QtMenuRenderer* MenuRenderer() const noexcept { return renderer_.get(); }
  // The widget the Edit items act on: the focused one, or the one that had the focus before
  // the menu bar took it.
  QWidget* EditFocus() const;

 private:
  Window& model_;
  std::unique_ptr<QtMainWindow, DeleteLater> window_;
  QWidget* content_;  // owned by the main window
  std::unique_ptr<QtMenuRenderer> renderer_;
};

}  // namespace framework
