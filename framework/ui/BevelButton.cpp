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
  BindProperties<B>(*record)
      .Add("Caption", &B::Caption, &B::SetCaption)
      .Add("CaptionAlign", &B::captionAlign_)
      .Add("CaptionPlacement", &B::captionPlacement_)
      .Add("CaptionDelta", &B::captionDelta_)
      .Add("IconAlign", &B::iconAlign_)
      .Add("IconDX", &B::iconDX_)
      .Add("IconDY", &B::iconDY_)
      .Add("Bevel", &B::bevel_)
      .Add("HasMenu", &B::hasMenu_)
      .Add("HasBackColor", &B::hasBackColor_, &B::ShowButton)
      .Add("BackColor", &B::backColor_, &B::ShowButton)
      .Add("TextColor", &B::textColor_, &B::ShowButton)
      .Add("Value", &B::value_)
      .Add("MenuValue", &B::menuValue_)
      .Add("ButtonType", &B::buttonType_)
      .Add("AcceptFocus", &B::acceptFocus_, &B::ShowFocusKind);
  return record;
}

BevelButton::BevelButton(const ClassRecord& record) : RectControl(record) {}

void BevelButton::SetCaption(const String& caption) {
  caption_ = caption;
  ShowButton();
}

void BevelButton::Push() {
  if (visible_ && enabled_) RaiseEvent(kActionEvent);
}

void BevelButton::UserPressed() {
  Ref<BevelButton> self(this);
  CallWithExceptionHandling([&] { Push(); });
}

std::unique_ptr<ControlView> BevelButton::CreateView(UiBackend& backend, WindowView& parent) {
  return backend.CreateButtonView(*this, parent);
}

void BevelButton::DrawOwnParts() {
  ShowButton();
}

void BevelButton::ShowButton() {
  auto* view = ViewAs<ButtonView>();
  if (!view) return;
  view->SetCaption(caption_);
  view->SetColors(textColor_, hasBackColor_, backColor_);
}

}  // namespace framework
