#include "framework/ui/TextField.h"

#include "framework/runtime/FaultInjection.h"
#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/PropertyTable.h"
#include "framework/ui/View.h"

namespace framework {

const ClassRecord& TextEdit::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = RuntimeNewClass(&RectControl::Lookup(), "TextEdit");
    AddSlots(*record, {{"AppendText", "%%s"},
                       {"CharPosAtXY", "%i8%i8i8"},
                       {"Copy", "%%"},
                       {"Paste", "%%"},
                       {"SelectAll", "%%"}});
    DeclareEvents(*record, {"GotFocus", "LostFocus", "SelChange", "TextChange"});
    using T = TextEdit;
    const PropertyBinding bindings[] = {
        Bind<T>(
            "Text", [](T& c) -> Variant { return c.Text(); },
            [](T& c, const Variant& v) { c.Text_Set(ValueAs<String>(v, "Text")); }),
        Bind<T>(
            "ReadOnly", [](T& c) -> Variant { return c.ReadOnly(); },
            [](T& c, const Variant& v) { c.SetReadOnly(ValueAs<bool>(v, "ReadOnly")); }),
    };
    DeclareProperties(*record, "TextEdit", bindings);
    return record;
  });
}

TextEdit::TextEdit(const ClassRecord& record) : RectControl(record) {}

void TextEdit::Text_Set(const String& text) {
  FaultInjection::Check(Operation::TextSet);
  text_ = text;
  Show(kText);
}

void TextEdit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  Show(kReadOnly);
}

void TextEdit::UserEditedText(const String& text) {
  text_ = text;
}

void TextEdit::StoredPropertyChanged(std::string_view name) {
  RectControl::StoredPropertyChanged(name);
  static constexpr std::string_view kShown[] = {"TextColor", "BackColor", "Border", "Alignment"};
  for (std::string_view shown : kShown) {
    if (name == shown) Show(kOwnParts);
  }
}

std::unique_ptr<ControlView> TextEdit::CreateView(UiBackend& backend, WindowView& parent) {
  return backend.CreateTextView(*this, parent);
}

void TextEdit::ShowOwnParts(Parts parts) {
  auto* view = ViewAs<TextView>();
  if (parts & kLook) {
    const PropertyStore& stored = StoredProperties();
    // Black text on white unless the properties say otherwise.
    view->SetColors(stored.Get<Color>("TextColor"),
                    stored.Get<Color>("BackColor", Color{0xFFFFFF}));
    view->SetBorder(stored.Get<bool>("Border", true));
    view->SetAlignment(stored.Get<std::int64_t>("Alignment"));
  }
  if (parts & kReadOnly) view->SetReadOnly(readOnly_);
  if (parts & kText) view->SetText(text_);
}

const ClassRecord& TextField::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = RuntimeNewClass(&TextEdit::Lookup(), "TextField");
    record->SetFactory(&MakeInstance<TextField>);
    DeclareProperties(*record, "TextField");
    return record;
  });
}

TextField::TextField(const ClassRecord& record) : TextEdit(record) {}

}  // namespace framework
