#include "framework/ui/BevelButton.h"

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/Process.h"
#include "framework/ui/View.h"

namespace framework {

std::unique_ptr<ClassRecord> BevelButton::BuildClassRecord() {
  auto record = RuntimeNewClass(&RectControl::Lookup(), "BevelButton");
  record->SetFactory([](const ClassRecord& r) -> Ref<Object> {
    if (!PluginControlsAvailable()) {
      Raise<UnsupportedOperationException>(
          "BevelButton comes from the control plug-in; InitPluginEntrypoints has not run");
    }
    return MakeObject<BevelButton>(r);
  });
  AddSlots(*record, {{"AddRow", "%%s"}, {"DeleteAllRows", "%%"}, {"List", "%s%i8"}});
  DeclareEvents(*record, {"MouseDown", "MouseUp", "Action"});
  using B = BevelButton;
  // A plain push button with a text caption: no icon, no menu, no background of its own.
  BindProperties<B>(*record)
      .Add("Caption", &B::caption_)
      .Fixed("CaptionAlign", 3)
      .Fixed("CaptionPlacement", 1)
      .Fixed("CaptionDelta", 0)
      .Fixed("IconAlign", 0)
      .Fixed("IconDX", 0)
      .Fixed("IconDY", 0)
      .Fixed("Bevel", 0)
      .Fixed("HasMenu", 0)
      .Fixed("HasBackColor", false)
      .Add("BackColor", &B::backColor_)
      .Add("TextColor", &B::textColor_)
      .Fixed("Value", false)
      .Fixed("MenuValue", 0)
      .Fixed("ButtonType", 0)
      .Fixed("AcceptFocus", false);
  return record;
}

BevelButton::BevelButton(const ClassRecord& record) : RectControl(record) {}

void BevelButton::Push() {
  if (Visible() && Enabled()) RaiseEvent(kActionEvent);
}

void BevelButton::UserPressed() {
  Ref<BevelButton> self(this);
  CallWithExceptionHandling([&] { Push(); });
}

std::unique_ptr<ControlView> BevelButton::CreateView(UiBackend& backend, WindowView& parent) {
  return backend.CreateButtonView(*this, parent);
}

void BevelButton::DrawOwnParts() {
  auto* view = ViewAs<ButtonView>();
  view->SetCaption(caption_);
  view->SetTextColor(textColor_);
}

}  // namespace framework
