#include "framework/ui/Control.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/Process.h"
#include "framework/ui/View.h"

namespace framework {

// --- Control ---------------------------------------------------------------------------------

std::unique_ptr<ClassRecord> Control::BuildClassRecord() {
  auto record = RuntimeNewClass(nullptr, "Control");
  AddSlots(*record, {{"Close", "%%"}, {"Handle", "%i8%"}});
  DeclareEvents(*record, {"Close", "Open"});
  BindProperties<Control>(*record)
      .Add("Name", &Control::Name, &Control::SetName)
      .Fixed("Index", -2147483648);  // no member of a control set
  return record;
}

Control::Control(const ClassRecord& record) : Object(record) {}

Control::~Control() = default;

const Control::AttachedHandler* Control::FindHandler(std::int32_t eventNumber) const noexcept {
  auto found = std::ranges::find(handlers_, eventNumber, &AttachedHandler::eventNumber);
  return found == handlers_.end() ? nullptr : &*found;
}

bool Control::HasHandler(std::int32_t eventNumber) const noexcept {
  return FindHandler(eventNumber) != nullptr;
}

const Delegate* Control::Handler(std::int32_t eventNumber) const noexcept {
  const AttachedHandler* attached = FindHandler(eventNumber);
  return attached ? attached->delegate.get() : nullptr;
}

void Control::AttachHandler(std::int32_t eventNumber, EventStub stub, Ref<Delegate> handler) {
  if (!Class().FindEvent(eventNumber)) {
    Raise<InvalidArgumentException>(Class().Name() + " declares no event " +
                                    std::to_string(eventNumber));
  }
  if (FindHandler(eventNumber)) {
    Raise<InvalidArgumentException>(Class().Name() + " " + std::string(name_.Bytes()) +
                                    " has a handler for event " + std::to_string(eventNumber));
  }
  handlers_.push_back(AttachedHandler{eventNumber, stub, std::move(handler)});
}

void Control::RaiseEvent(std::int32_t eventNumber) {
  const AttachedHandler* attached = FindHandler(eventNumber);
  if (!attached) return;
  // The handler may close the window, which lets go of this control and its handlers.
  Ref<Control> self(this);
  Ref<Delegate> delegate = attached->delegate;
  attached->stub(*this, *delegate);
}

void Control::RaiseUserEvent(std::int32_t eventNumber) {
  Ref<Control> self(this);
  CallWithExceptionHandling([&] { RaiseEvent(eventNumber); });
}

// --- RectControl -----------------------------------------------------------------------------

std::unique_ptr<ClassRecord> RectControl::BuildClassRecord() {
  auto record = RuntimeNewClass(&Control::Lookup(), "RectControl");
  AddSlots(*record, {{"Constructor", "%%", &RectControl::Constructor},
                     {"DrawInto", "%%o<Graphics>i8i8"},
                     {"Invalidate", "%%b"},
                     {"Refresh", "%%b"},
                     {"RefreshRect", "%%i8i8i8i8b"},
                     {"SetFocus", "%%"}});
  DeclareEvents(*record, {"ConstructContextualMenu", "ContextualMenuAction", "DragEnter",
                          "DragExit", "DragOver", "DropObject", "KeyDown", "KeyUp", "MouseEnter",
                          "MouseExit", "MouseMove", "MouseWheel"});
  using R = RectControl;
  // A control stands where its Left and Top place it, whatever the window's size; it takes the
  // desktop's user-interface font, plain, at its TextSize.
  BindProperties<R>(*record)
      .Add("Left", &R::left_)
      .Add("Top", &R::top_)
      .Add("Width", &R::width_)
      .Add("Height", &R::height_)
      .Fixed("LockLeft", true)
      .Fixed("LockTop", true)
      .Fixed("LockRight", false)
      .Fixed("LockBottom", false)
      .Fixed("TabPanelIndex", 0)
      .Add("TabIndex", &R::tabIndex_)
      .Fixed("TabStop", true)
      .Add("Enabled", &R::enabled_)
      .Add("Visible", &R::visible_)
      .Fixed("HelpTag", "")
      .Fixed("AutoDeactivate", true)
      .Fixed("InitialParent", "")
      .Fixed("UseFocusRing", true)
      .Fixed("DataSource", "")
      .Fixed("DataField", "")
      .Fixed("TextFont", "System")
      .Add(
          "TextSize", [](const R& c) { return c.textSize_; }, &R::SetTextSize)
      .Fixed("TextUnit", FontUnits{0})
      .Fixed("Bold", false)
      .Fixed("Italic", false)
      .Fixed("Underline", false);
  return record;
}

RectControl::RectControl(const ClassRecord& record) : Control(record) {}

RectControl::~RectControl() = default;

void RectControl::Draw(UiBackend& backend, WindowView& parent) {
  FRAMEWORK_ASSERT(!view_);
  view_ = CreateView(backend, parent);
  view_->SetFontSize(textSize_);
  DrawOwnParts();
  view_->SetGeometry(ControlRect{left_, top_, width_, height_});
  view_->SetTakesFocus(TakesFocus());
  view_->SetEnabled(enabled_);
  view_->SetVisible(visible_);
}

void RectControl::LeaveWindow() noexcept {
  view_.reset();
}

void RectControl::SetTextSize(float points) {
  if (!std::isfinite(points) || points < 0.0F) {
    Raise<InvalidArgumentException>("TextSize " + std::to_string(points) + " is no font size");
  }
  textSize_ = points;
}

}  // namespace framework
