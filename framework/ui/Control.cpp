#include "framework/ui/Control.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/Process.h"
#include "framework/ui/View.h"
#include "framework/ui/Window.h"

namespace framework {

// --- Control ---------------------------------------------------------------------------------

std::unique_ptr<ClassRecord> Control::BuildClassRecord() {
  auto record = RuntimeNewClass(nullptr, "Control");
  AddSlots(*record, {{"Close", "%%"}, {"Handle", "%i8%"}});
  DeclareEvents(*record, {"Close", "Open"});
  BindProperties<Control>(*record)
      .Add("Name", &Control::Name, &Control::SetName)
      .Add("Index", &Control::index_);
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

void Control::LeaveWindow() noexcept {
  handlers_.clear();
  window_ = nullptr;
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
  BindProperties<R>(*record)
      .Add("Left", &R::left_, &R::ShowGeometry)
      .Add("Top", &R::top_, &R::ShowGeometry)
      .Add("Width", &R::width_, &R::ShowGeometry)
      .Add("Height", &R::height_, &R::ShowGeometry)
      .Add("LockLeft", &R::lockLeft_)
      .Add("LockTop", &R::lockTop_)
      .Add("LockRight", &R::lockRight_)
      .Add("LockBottom", &R::lockBottom_)
      .Add("TabPanelIndex", &R::tabPanelIndex_)
      .Add("TabIndex", &R::TabIndex, &R::SetTabIndex)
      .Add("TabStop", &R::tabStop_, &R::ShowFocusKind)
      .Add("Enabled", &R::enabled_, &R::ShowEnabling)
      .Add("Visible", &R::visible_, &R::ShowVisibility)
      .Add("HelpTag", &R::helpTag_, &R::ShowHelpTag)
      .Add("AutoDeactivate", &R::autoDeactivate_)
      .Add("InitialParent", &R::initialParent_)
      .Add("UseFocusRing", &R::useFocusRing_)
      .Add("DataSource", &R::dataSource_)
      .Add("DataField", &R::dataField_)
      .Add("TextFont", &R::textFont_, &R::ShowFont)
      .Add(
          "TextSize", [](const R& c) { return c.textSize_; }, &R::SetTextSize)
      .Add("TextUnit", &R::textUnit_, &R::ShowFont)
      .Add("Bold", &R::bold_, &R::ShowFont)
      .Add("Italic", &R::italic_, &R::ShowFont)
      .Add("Underline", &R::underline_, &R::ShowFont);
  return record;
}

RectControl::RectControl(const ClassRecord& record) : Control(record) {}

RectControl::~RectControl() = default;

void RectControl::Constructor() {
  if (!window_) {
    Raise<InvalidArgumentException>(Class().Name() + " is created through a window's NewControl");
  }
  if (constructed_) Raise<InvalidArgumentException>(Class().Name() + " is constructed already");
  if (!window_->IsConstructed()) {
    Raise<UnsupportedOperationException>(Class().Name() + " is constructed before its window");
  }
  constructed_ = true;
  if (WindowView* parent = window_->View()) {
    Draw(RequireBackend("RectControl.Constructor"), *parent);
    window_->ApplyTabOrder();
  }
}

void RectControl::Draw(UiBackend& backend, WindowView& parent) {
  FRAMEWORK_ASSERT(!view_);
  view_ = CreateView(backend, parent);
  view_->SetFont(Font());
  DrawOwnParts();
  view_->SetGeometry(ControlRect{left_, top_, width_, height_});
  view_->SetHelpTag(helpTag_);
  view_->SetFocusKind(FocusKindShown());
  view_->SetEnabled(enabled_);
  view_->SetVisible(visible_);
}

void RectControl::SetTabIndex(std::int64_t tabIndex) {
  tabIndex_ = tabIndex;
  if (window_ && view_) window_->ApplyTabOrder();
}

void RectControl::SetTextSize(float points) {
  if (!std::isfinite(points) || points < 0.0F) {
    Raise<InvalidArgumentException>("TextSize " + std::to_string(points) + " is no font size");
  }
  textSize_ = points;
  ShowFont();
}

FontSpec RectControl::Font() const {
  FontSpec font;
  // "System" (or no name) is the desktop's user-interface font.
  std::string_view family = textFont_.Bytes();
  if (!family.empty() && family != "System" && family != "system") font.family = family;
  font.pointSize = textSize_;
  font.bold = bold_;
  font.italic = italic_;
  font.underline = underline_;
  return font;
}

bool RectControl::TakesFocus() const {
  return true;
}

FocusKind RectControl::FocusKindShown() const {
  if (!TakesFocus()) return FocusKind::None;
  return tabStop_ ? FocusKind::Tab : FocusKind::Click;
}

void RectControl::ShowGeometry() {
  if (view_) view_->SetGeometry(ControlRect{left_, top_, width_, height_});
}

void RectControl::ShowVisibility() {
  if (view_) view_->SetVisible(visible_);
}

void RectControl::ShowEnabling() {
  if (view_) view_->SetEnabled(enabled_);
}

void RectControl::ShowFont() {
  if (view_) view_->SetFont(Font());
}

void RectControl::ShowHelpTag() {
  if (view_) view_->SetHelpTag(helpTag_);
}

// The tab order passes over a control that takes no focus, so it follows the focus kind.
void RectControl::ShowFocusKind() {
  if (!view_) return;
  view_->SetFocusKind(FocusKindShown());
  if (window_) window_->ApplyTabOrder();
}

void RectControl::LeaveWindow() noexcept {
  view_.reset();
  Control::LeaveWindow();
}

}  // namespace framework
