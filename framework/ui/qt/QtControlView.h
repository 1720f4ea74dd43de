#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "framework/ui/View.h"
#include "framework/ui/qt/QtConvert.h"

namespace framework {

// A view whose rendering is one widget.
class QtWidgetHolder {
 public:
  virtual QWidget* Widget() const noexcept = 0;

 protected:
  ~QtWidgetHolder() = default;
};

// The widget of a view made by the Qt backend, or nil.
QWidget* WidgetOfView(const ControlView* view) noexcept;

// The common part of every control view: one widget of type W in the window's content area. The
// window's widget owns the widget; the view lets go of it when it ends. The widget's signals
// reach the view through `receiver_`, which ends with the view, so no signal reaches a view
// that has ended.
template <class Interface, class W>
class QtControlView : public Interface, public QtWidgetHolder {
 public:
  explicit QtControlView(QWidget& parent)
      : widget_(new W(&parent)), receiver_(std::make_unique<QObject>()) {}
  ~QtControlView() override {
    if (widget_) widget_->deleteLater();
  }
  QtControlView(const QtControlView&) = delete;
  QtControlView& operator=(const QtControlView&) = delete;

  QWidget* Widget() const noexcept override { return widget_; }

  void SetGeometry(const ControlRect& rect) override {
    widget_->setGeometry(ToWidgetUnits(rect.left), ToWidgetUnits(rect.top),
                         ToWidgetUnits(rect.width), ToWidgetUnits(rect.height));
  }
  void SetVisible(bool visible) override { widget_->setVisible(visible); }
  void SetEnabled(bool enabled) override { widget_->setEnabled(enabled); }
  void SetFontSize(float points) override { widget_->setFont(SystemFont(points)); }
  void SetTakesFocus(bool takesFocus) override {
    widget_->setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
  }

 protected:
  QPointer<W> widget_;
  std::unique_ptr<QObject> receiver_;
};

}  // namespace framework
