#include "framework/ui/Control.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/Process.h"
#include "framework/ui/PropertyTable.h"
#include "framework/ui/View.h"
#include "framework/ui/Window.h"

namespace framework {

// --- Control ---------------------------------------------------------------------------------

const ClassRecord& Control::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = RuntimeNewClass(nullptr, "Control");
    AddSlots(*record, {{"Close", "%%"}, {"Handle", "%i8%"}});
    DeclareEvents(*record, {"Close", "Open"});
    const PropertyBinding bindings[] = {
        Bind<Control>(
            "Name", [](Control& c) -> Variant { return c.Name(); },
            [](Control& c, const Variant& v) { c.SetName(ValueAs<String>(v, "Name")); }),
    };
    DeclareProperties(*record, "Control", bindings);
    return record;
  });
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

namespace {

void SetTextSize(RectControl& control, const Variant& value) {
  float size = ValueAs<float>(value, "TextSize");
  if (!std::isfinite(size) || size < 0.0F) {
    Raise<InvalidArgumentException>("TextSize " + std::to_string(size) + " is no font size");
  }
  control.StoredProperties().Set("TextSize", size);
  control.StoredPropertyChanged("TextSize");
}

bool IsFontProperty(std::string_view name) {
  static constexpr std::string_view kFontProperties[] = {"TextFont", "TextSize", "TextUnit",
                                                         "Bold",     "Italic",   "Underline"};
  return std::ranges::find(kFontProperties, name) != std::end(kFontProperties);
}

bool IsSystemFontName(std::string_view family) {
  return family.empty() || family == "System" || family == "system";
}

}  // namespace

const ClassRecord& RectControl::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
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
    const PropertyBinding bindings[] = {
        Bind<R>(
            "Left", [](R& c) -> Variant { return c.Left(); },
            [](R& c, const Variant& v) {
              c.SetBounds(ValueAs<std::int64_t>(v, "Left"), c.top_, c.width_, c.height_);
            }),
        Bind<R>(
            "Top", [](R& c) -> Variant { return c.Top(); },
            [](R& c, const Variant& v) {
              c.SetBounds(c.left_, ValueAs<std::int64_t>(v, "Top"), c.width_, c.height_);
            }),
        Bind<R>(
            "Width", [](R& c) -> Variant { return c.Width(); },
            [](R& c, const Variant& v) {
              c.SetBounds(c.left_, c.top_, ValueAs<std::int64_t>(v, "Width"), c.height_);
            }),
        Bind<R>(
            "Height", [](R& c) -> Variant { return c.Height(); },
            [](R& c, const Variant& v) {
              c.SetBounds(c.left_, c.top_, c.width_, ValueAs<std::int64_t>(v, "Height"));
            }),
        Bind<R>(
            "Visible", [](R& c) -> Variant { return c.Visible(); },
            [](R& c, const Variant& v) { c.SetVisible(ValueAs<bool>(v, "Visible")); }),
        Bind<R>(
            "Enabled", [](R& c) -> Variant { return c.Enabled(); },
            [](R& c, const Variant& v) { c.SetEnabled(ValueAs<bool>(v, "Enabled")); }),
        Bind<R>(
            "TabIndex", [](R& c) -> Variant { return c.TabIndex(); },
            [](R& c, const Variant& v) { c.SetTabIndex(ValueAs<std::int64_t>(v, "TabIndex")); }),
        Bind<R>(
            "TabStop",
            [](R& c) -> Variant { return c.StoredProperties().Get<bool>("TabStop", true); },
            [](R& c, const Variant& v) {
              c.StoredProperties().Set("TabStop", v);
              c.StoredPropertyChanged("TabStop");
            }),
        Bind<R>(
            "TextSize", [](R& c) -> Variant { return c.StoredProperties().Get<float>("TextSize"); },
            &SetTextSize),
    };
    DeclareProperties(*record, "RectControl", bindings);
    return record;
  });
}

RectControl::RectControl(const ClassRecord& record) : Control(record) {}

RectControl::~RectControl() = default;

void RectControl::Constructor() {
  if (!window_) {
    Raise<InvalidArgumentException>(Class().Name() + " is created through a window's __New");
  }
  if (view_) Raise<InvalidArgumentException>(Class().Name() + " is constructed already");
  WindowView* parent = window_->View();
  if (!parent) {
    Raise<UnsupportedOperationException>("a control is constructed while its window is built");
  }
  view_ = CreateView(RequireBackend("RectControl.Constructor"), *parent);
  window_->HoldWhileBuilding(*this);
  Show(kCommonParts | kOwnParts);
}

void RectControl::SetBounds(std::int64_t left, std::int64_t top, std::int64_t width,
                            std::int64_t height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Show(kGeometry);
}

void RectControl::SetVisible(bool visible) {
  visible_ = visible;
  Show(kVisibility);
}

void RectControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Show(kEnabling);
}

void RectControl::SetTabIndex(std::int64_t tabIndex) {
  tabIndex_ = tabIndex;
  if (window_ && view_) window_->ApplyTabOrder();
}

FontSpec RectControl::Font() const {
  const PropertyStore& stored = StoredProperties();
  String family = stored.Get<String>("TextFont");
  FontSpec font;
  if (!IsSystemFontName(family.Bytes())) font.family = std::string(family.Bytes());
  font.pointSize = stored.Get<float>("TextSize");
  font.bold = stored.Get<bool>("Bold");
  font.italic = stored.Get<bool>("Italic");
  font.underline = stored.Get<bool>("Underline");
  return font;
}

bool RectControl::TakesFocus() const {
  return true;
}

void RectControl::StoredPropertyChanged(std::string_view name) {
  if (IsFontProperty(name)) Show(kFont);
  if (name == "HelpTag") Show(kHelpTag);
  if (name == "TabStop") Show(kCommonParts);
}

void RectControl::HoldBackShowing() {
  held_.Hold();
}

void RectControl::ShowHeldBack() noexcept {
  Parts parts = held_.Release();
  if (parts && view_) ShowParts(parts);
}

void RectControl::ShowHeldBackNow() {
  if (Parts parts = held_.Take(kCommonParts | kOwnParts); parts && view_) ShowParts(parts);
}

void RectControl::ShowHeldFocusNow() {
  if (Parts parts = held_.Take(kFocus); parts && view_) ShowParts(parts);
}

void RectControl::Show(Parts parts) {
  if (view_ && held_.ShowNow(parts)) ShowParts(parts);
}

void RectControl::ShowParts(Parts parts) {
  if (parts & kCommonParts) ShowCommonParts(parts);
  if (parts & kOwnParts) ShowOwnParts(parts & kOwnParts);
}

void RectControl::ShowCommonParts(Parts parts) {
  if (parts & kGeometry) view_->SetGeometry(ControlRect{left_, top_, width_, height_});
  if (parts & kVisibility) view_->SetVisible(visible_);
  if (parts & kEnabling) view_->SetEnabled(enabled_);
  if (parts & kFont) view_->SetFont(Font());
  if (parts & kHelpTag) view_->SetHelpTag(StoredProperties().Get<String>("HelpTag"));
  if (parts & kFocus) {
    FocusKind focus = FocusKind::None;
    if (TakesFocus()) {
      focus = StoredProperties().Get<bool>("TabStop", true) ? FocusKind::Tab : FocusKind::Click;
    }
    view_->SetFocusKind(focus);
  }
}

void RectControl::LeaveWindow() noexcept {
  view_.reset();
  Control::LeaveWindow();
}

}  // namespace framework
