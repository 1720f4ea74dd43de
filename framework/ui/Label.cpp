#include "framework/ui/Label.h"

#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/PropertyTable.h"
#include "framework/ui/View.h"

namespace framework {

const ClassRecord& Label::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = RuntimeNewClass(&RectControl::Lookup(), "Label");
    record->SetFactory(&MakeInstance<Label>);
    DeclareEvents(*record, {"MouseDown", "MouseUp"});
    const PropertyBinding bindings[] = {
        Bind<Label>(
            "Text", [](Label& c) -> Variant { return c.Text(); },
            [](Label& c, const Variant& v) { c.SetText(ValueAs<String>(v, "Text")); }),
    };
    DeclareProperties(*record, "Label", bindings);
    return record;
  });
}

Label::Label(const ClassRecord& record) : RectControl(record) {}

void Label::SetText(const String& text) {
  text_ = text;
  Show(kOwnParts);
}

void Label::StoredPropertyChanged(std::string_view name) {
  RectControl::StoredPropertyChanged(name);
  static constexpr std::string_view kShown[] = {"TextAlign", "TextColor", "MultiLine",
                                                "Selectable"};
  for (std::string_view shown : kShown) {
    if (name == shown) Show(kOwnParts);
  }
}

std::unique_ptr<ControlView> Label::CreateView(UiBackend& backend, WindowView& parent) {
  return backend.CreateLabelView(*this, parent);
}

void Label::ShowOwnParts(Parts) {
  auto* view = ViewAs<LabelView>();
  const PropertyStore& stored = StoredProperties();
  view->SetText(text_, stored.Get<bool>("MultiLine"));
  view->SetTextColor(stored.Get<Color>("TextColor"));
  view->SetAlignment(stored.Get<std::int64_t>("TextAlign"));
  view->SetSelectable(stored.Get<bool>("Selectable"));
}

}  // namespace framework
