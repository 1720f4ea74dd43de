#include "framework/ui/Label.h"

#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/View.h"

namespace framework {

std::unique_ptr<ClassRecord> Label::BuildClassRecord() {
  auto record = NewClassRecord<Label>(&RectControl::Lookup(), "Label");
  DeclareEvents(*record, {"MouseDown", "MouseUp"});
  BindProperties<Label>(*record)
      .Add("Text", &Label::Text, &Label::SetText)
      .Add("TextAlign", &Label::textAlign_, &Label::ShowLabel)
      .Add("TextColor", &Label::textColor_, &Label::ShowLabel)
      .Add("MultiLine", &Label::multiLine_, &Label::ShowLabel)
      .Add("Selectable", &Label::selectable_, &Label::ShowLabel)
      .Add("Transparent", &Label::transparent_);
  return record;
}

Label::Label(const ClassRecord& record) : RectControl(record) {}

void Label::SetText(const String& text) {
  text_ = text;
  ShowLabel();
}

std::unique_ptr<ControlView> Label::CreateView(UiBackend& backend, WindowView& parent) {
  return backend.CreateLabelView(*this, parent);
}

void Label::DrawOwnParts() {
  ShowLabel();
}

void Label::ShowLabel() {
  auto* view = ViewAs<LabelView>();
  if (!view) return;
  view->SetText(text_, multiLine_);
  view->SetTextColor(textColor_);
  view->SetAlignment(textAlign_);
  view->SetSelectable(selectable_);
}

}  // namespace framework
