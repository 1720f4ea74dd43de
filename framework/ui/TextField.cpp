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
  BindProperties<T>(*record)
      .Add("Text", &T::Text, &T::Text_Set)
      .Add("ReadOnly", &T::ReadOnly, &T::SetReadOnly)
      .Add("Border", &T::border_, &T::ShowLook)
      .Add("TextColor", &T::textColor_, &T::ShowLook)
      .Add("BackColor", &T::backColor_, &T::ShowLook)
      .Add("Format", &T::format_)
      .Add("LimitText", &T::limitText_)
      .Add("AcceptTabs", &T::acceptTabs_)
      .Add("Alignment", &T::alignment_, &T::ShowLook)
      .Add("AutomaticallyCheckSpelling", &T::automaticallyCheckSpelling_);
  return record;
}

TextEdit::TextEdit(const ClassRecord& record) : RectControl(record) {}

void TextEdit::Text_Set(const String& text) {
  text_ = text;
  if (auto* view = ViewAs<TextView>()) view->SetText(text_);
}

void TextEdit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (auto* view = ViewAs<TextView>()) view->SetReadOnly(readOnly_);
}

void TextEdit::UserEditedText(const String& text) {
  text_ = text;
}

std::unique_ptr<ControlView> TextEdit::CreateView(UiBackend& backend, WindowView& parent) {
  return backend.CreateTextView(*this, parent);
}

void TextEdit::DrawOwnParts() {
  ShowLook();
  auto* view = ViewAs<TextView>();
  view->SetReadOnly(readOnly_);
  view->SetText(text_);
}

void TextEdit::ShowLook() {
  auto* view = ViewAs<TextView>();
  if (!view) return;
  view->SetColors(textColor_, backColor_);
  view->SetBorder(border_);
  view->SetAlignment(alignment_);
}

std::unique_ptr<ClassRecord> TextField::BuildClassRecord() {
  auto record = NewClassRecord<TextField>(&TextEdit::Lookup(), "TextField");
  BindProperties<TextField>(*record)
      .Add("Password", &TextField::password_)
      .Add("CueText", &TextField::cueText_)
      .Add("Mask", &TextField::mask_);
  return record;
}

TextField::TextField(const ClassRecord& record) : TextEdit(record) {}

}  // namespace framework
