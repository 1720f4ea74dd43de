#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"
#include "framework/runtime/String.h"
#include "framework/ui/Events.h"
#include "framework/ui/HeldBackParts.h"
#include "framework/ui/PropertyStore.h"

namespace framework {

class Window;
class ControlView;  // the toolkit's rendering
class UiBackend;
class WindowView;
struct FontSpec;

// A control of a window. Controls raise numbered events to the handlers attached with
// RuntimeAddEventHandler.
class Control : public Object, public PropertyHolder {
 public:
  static const ClassRecord& Lookup();
  explicit Control(const ClassRecord& record);
  ~Control() override;

  PropertyHolder* StoredPropertyHolder() noexcept override { return this; }
  const String& Name() const noexcept { return name_; }
  void SetName(const String& name) { name_ = name; }
  Window* OwnerWindow() const noexcept { return window_; }

  // Raises the event with this number: calls the attached handler's stub, if any. An exception
  // from the handler passes on to the caller.
  void RaiseEvent(std::int32_t eventNumber);
  bool HasHandler(std::int32_t eventNumber) const noexcept;
  const Delegate* Handler(std::int32_t eventNumber) const noexcept;

  // The framework's side of RuntimeAddEventHandler and of the owning window.
  void AttachHandler(std::int32_t eventNumber, EventStub stub, Ref<Delegate> handler);
  void JoinWindow(Window& window) noexcept { window_ = &window; }
  // Releases the handlers (whose delegates hold the window) and the rendering, and forgets
  // the window; the window calls this when it closes.
  virtual void LeaveWindow() noexcept;

  // Raises an event for a user action: through the framework's exception handling, with the
  // control kept alive for the call.
  void RaiseUserEvent(std::int32_t eventNumber);

 protected:
  String name_;
  Window* window_ = nullptr;  // the owning window, which holds the control while it is set

 private:
  struct AttachedHandler {
    std::int32_t eventNumber;
    EventStub stub;
    Ref<Delegate> delegate;
  };
  const AttachedHandler* FindHandler(std::int32_t eventNumber) const noexcept;
  std::vector<AttachedHandler> handlers_;
};

// A control with a rectangle: position, size, visibility, focus order, font.
class RectControl : public Control {
 public:
  static const ClassRecord& Lookup();
  explicit RectControl(const ClassRecord& record);
  ~RectControl() override;

  // RectControl.Constructor: creates the control's widget in its window's content area, showing
  // every property set so far (when its window's build events are done, if it is made in them).
  virtual void Constructor();

  std::int64_t Left() const noexcept { return left_; }
  std::int64_t Top() const noexcept { return top_; }
  std::int64_t Width() const noexcept { return width_; }
  std::int64_t Height() const noexcept { return height_; }
  bool Visible() const noexcept { return visible_; }
  bool Enabled() const noexcept { return enabled_; }
  std::int64_t TabIndex() const noexcept { return tabIndex_; }

  void SetBounds(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height);
  void SetVisible(bool visible);
  void SetEnabled(bool enabled);
  void SetTabIndex(std::int64_t tabIndex);

  // The font that TextFont, TextSize, Bold, Italic and Underline describe.
  FontSpec Font() const;

  ControlView* View() const noexcept { return view_.get(); }
  // The view as the class's kind of rendering (the type that CreateView made).
  template <class V>
  V* ViewAs() const noexcept {
    return static_cast<V*>(view_.get());
  }
  void LeaveWindow() noexcept override;
  void StoredPropertyChanged(std::string_view name) override;
  void HoldBackShowing() override;
  void ShowHeldBack() noexcept override;
  // Shows what is held back now, while the hold goes on: everything, before a change that
  // other widgets' rendering reads; or the focus kind, which the tab order reads.
  void ShowHeldBackNow();
  void ShowHeldFocusNow();

 protected:
  // Parts of the rendering. These are every control's; a class numbers its own parts from
  // kFirstOwnPart up and shows them in ShowOwnParts.
  using Parts = HeldBackParts::Parts;
  static constexpr Parts kGeometry = 1U << 0;
  static constexpr Parts kVisibility = 1U << 1;
  static constexpr Parts kEnabling = 1U << 2;
  static constexpr Parts kFont = 1U << 3;
  static constexpr Parts kHelpTag = 1U << 4;
  static constexpr Parts kFocus = 1U << 5;
  static constexpr Parts kCommonParts = (1U << 6) - 1;
  static constexpr Parts kFirstOwnPart = 1U << 8;
  static constexpr Parts kOwnParts = ~((1U << 8) - 1);

  // Shows the parts in the view: now, or when the property list being applied is done.
  void Show(Parts parts);
  // Creates the class's rendering in the window's view.
  virtual std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) = 0;
  // Shows some of the class's own parts in the view, which exists; kOwnParts means all of them.
  virtual void ShowOwnParts(Parts /*parts*/) {}
  // Whether keyboard focus can reach the control (labels: no).
  virtual bool TakesFocus() const;

  std::int64_t left_ = 0;
  std::int64_t top_ = 0;
  std::int64_t width_ = 0;
  std::int64_t height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::int64_t tabIndex_ = 0;

 private:
  void ShowParts(Parts parts);
  void ShowCommonParts(Parts parts);
  std::unique_ptr<ControlView> view_;
  HeldBackParts held_;
};

}  // namespace framework
