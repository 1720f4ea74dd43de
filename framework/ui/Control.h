#pragma once

#include <cstdint>
#include <memory>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"
#include "framework/runtime/String.h"

namespace framework {

class Delegate;
class Window;
class ControlView;  // the Qt side

// A control of a window. Controls raise numbered events to the handlers attached with
// RuntimeAddEventHandler.
class Control : public Object {
 public:
  static const ClassRecord& __Lookup();
  explicit Control(const ClassRecord& record);
  ~Control() override;

  const String& Name() const noexcept { return name_; }
  Window* OwnerWindow() const noexcept { return window_; }

  // Raises the event with this number: calls the attached handler's stub, if any.
  void RaiseEvent(std::int32_t eventNumber);
  bool HasHandler(std::int32_t eventNumber) const noexcept;
  const Delegate* Handler(std::int32_t eventNumber) const noexcept;

 protected:
  String name_;
  Window* window_ = nullptr;  // the owning window; it outlives its controls' use
  // handlers and the view live in the implementation
};

// A control with a rectangle: position, size, visibility, focus order, font.
class RectControl : public Control {
 public:
  static const ClassRecord& __Lookup();
  explicit RectControl(const ClassRecord& record);
  ~RectControl() override;

  // RectControl.Constructor: creates the control's widget in its window.
  virtual void Constructor();

  std::int64_t Left() const noexcept { return left_; }
  std::int64_t Top() const noexcept { return top_; }
  std::int64_t Width() const noexcept { return width_; }
  std::int64_t Height() const noexcept { return height_; }
  bool Visible() const noexcept { return visible_; }
  bool Enabled() const noexcept { return enabled_; }
  std::int64_t TabIndex() const noexcept { return tabIndex_; }

 protected:
  std::int64_t left_ = 0;
  std::int64_t top_ = 0;
  std::int64_t width_ = 0;
  std::int64_t height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::int64_t tabIndex_ = 0;
};

}  // namespace framework
