#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/runtime/Assert.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"
#include "framework/runtime/String.h"
#include "framework/runtime/Value.h"
#include "framework/ui/Events.h"

namespace framework {

class ControlView;  // the toolkit's rendering
class UiBackend;
class WindowView;

// A control of a window. Controls raise numbered events to the handlers attached with
// RuntimeAddEventHandler.
class Control : public Object {
 public:
  FRAMEWORK_CLASS_RECORD(Control)
  explicit Control(const ClassRecord& record);
  ~Control() override;

  const String& Name() const noexcept { return name_; }
  void SetName(const String& name) { name_ = name; }

  // Raises the event with this number: calls the attached handler's stub, if any. An exception
  // from the handler passes on to the caller.
  void RaiseEvent(std::int32_t eventNumber);
  bool HasHandler(std::int32_t eventNumber) const noexcept;
  const Delegate* Handler(std::int32_t eventNumber) const noexcept;

  // The framework's side of RuntimeAddEventHandler.
  void AttachHandler(std::int32_t eventNumber, EventStub stub, Ref<Delegate> handler);

  // Raises an event for a user action: through the framework's exception handling, with the
  // control kept alive for the call.
  void RaiseUserEvent(std::int32_t eventNumber);

 private:
  String name_;
  struct AttachedHandler {
    std::int32_t eventNumber;
    EventStub stub;
    Ref<Delegate> delegate;
  };
  const AttachedHandler* FindHandler(std::int32_t eventNumber) const noexcept;
  std::vector<AttachedHandler> handlers_;
};

// A control with a rectangle: position, size, visibility, focus order, font size. Its widget is
// drawn whole from the model once, when its window's build events are done; from then on its
// properties do not change, but those that a class binds as live.
class RectControl : public Control {
 public:
  FRAMEWORK_CLASS_RECORD(RectControl)
  explicit RectControl(const ClassRecord& record);
  ~RectControl() override;

  // RectControl.Constructor: nothing to do here; the window draws its registered controls when
  // its build events are done, with every property set by then.
  virtual void Constructor() {}
  // Creates the control's widget in the window's rendering and draws it whole.
  void Draw(UiBackend& backend, WindowView& parent);
  bool IsDrawn() const noexcept { return view_ != nullptr; }

  std::int64_t Left() const noexcept { return left_; }
  std::int64_t Top() const noexcept { return top_; }
  std::int64_t Width() const noexcept { return width_; }
  std::int64_t Height() const noexcept { return height_; }
  bool Visible() const noexcept { return visible_; }
  bool Enabled() const noexcept { return enabled_; }
  std::int64_t TabIndex() const noexcept { return tabIndex_; }

  ControlView* View() const noexcept { return view_.get(); }
  // Ends the rendering; the window calls this when it closes.
  void LeaveWindow() noexcept;

 protected:
  // Creates the class's rendering in the window's view.
  virtual std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) = 0;
  // Draws all of the class's own parts in the new view.
  virtual void DrawOwnParts() {}
  // Whether keyboard focus can reach the control (labels: no).
  virtual bool TakesFocus() const { return true; }
  // The view as the class's kind of rendering (the type that CreateView made); nil before the
  // control is drawn.
  template <class V>
  V* ViewAs() const noexcept {
    return view_ ? &Downcast<V>(*view_) : nullptr;
  }

 private:
  void SetTextSize(float points);

  std::int64_t left_ = 0;
  std::int64_t top_ = 0;
  std::int64_t width_ = 0;
  std::int64_t height_ = 0;
  std::int64_t tabIndex_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  float textSize_ = 0.0F;
  std::unique_ptr<ControlView> view_;
};

}  // namespace framework
