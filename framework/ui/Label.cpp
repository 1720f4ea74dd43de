#include "framework/ui/Label.h"

#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/View.h"

namespace framework {

std::unique_ptr<ClassRecord> Label::BuildClassRecord() {
  auto record = NewClassRecord<Label>(&RectControl::Lookup(), "Label");
  DeclareEvents(*record, {"MouseDown", "MouseUp"});
  BindProperties<Label>(*record)
      .Add("Text", &Label::text_)
      .Fixed("TextAlign", 0)
      .Add("TextColor", &Label::textColor_)
      .Fixed("MultiLine", false)
      .Fixed("Selectable", false)
      .Fixed("Transparent", false);
  return record;
}

Label::Label(const ClassRecord& record) : RectControl(record) {}

std::unique_ptr<ControlView> Label::CreateView(UiBackend& backend, WindowView& parent) {
  return backend.CreateLabelView(parent);
}

void Label::DrawOwnParts() {
  auto* view = ViewAs<LabelView>();
  view->SetText(text_);
  view->SetTextColor(textColor_);
}

}  // namespace framework
