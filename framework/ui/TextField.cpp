#include "framework/ui/TextField.h"

#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/View.h"

namespace framework {

std::unique_ptr<ClassRecord> TextEdit::BuildClassRecord() {
  auto record = RuntimeNewClass(&RectControl::Lookup(), "TextEdit");
  AddSlots(*record, {{"AppendText", "%%s"},
                     {"CharPosAtXY", "%i8%i8i8"},
                     {"Copy", "%%"},
                     {"Paste", "%%"},
                     {"SelectAll", "%%"}});
  DeclareEvents(*record, {"GotFocus", "LostFocus", "SelChange", "TextChange"});
  using T = TextEdit;
  // A framed text, left-aligned, that takes no text from the user in any form.
  BindProperties<T>(*record)
      .AddLive("Text", &T::Text, &T::Text_Set)
      .Fixed("ReadOnly", true)
      .Fixed("Border", true)
      .Add("TextColor", &T::textColor_)
      .Add("BackColor", &T::backColor_)
      .Fixed("Format", "")
      .Fixed("LimitText", 0)
      .Fixed("AcceptTabs", false)
      .Fixed("Alignment", 0)
      .Fixed("AutomaticallyCheckSpelling", false);
  return record;
}

TextEdit::TextEdit(const ClassRecord& record) : RectControl(record) {}

void TextEdit::Text_Set(const String& text) {
  text_ = text;
  if (auto* view = ViewAs<TextView>()) view->SetText(text_);
}

std::unique_ptr<ControlView> TextEdit::CreateView(UiBackend& backend, WindowView& parent) {
  return backend.CreateTextView(parent);
}

void TextEdit::DrawOwnParts() {
  auto* view = ViewAs<TextView>();
  view->SetColors(textColor_, backColor_);
  view->SetText(text_);
}

std::unique_ptr<ClassRecord> TextField::BuildClassRecord() {
  auto record = NewClassRecord<TextField>(&TextEdit::Lookup(), "TextField");
  BindProperties<TextField>(*record)
      .Fixed("Password", false)
      .Fixed("CueText", "")
      .Fixed("Mask", "");
  return record;
}

TextField::TextField(const ClassRecord& record) : TextEdit(record) {}

}  // namespace framework
