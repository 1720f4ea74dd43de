#pragma once

#include "framework/ui/Control.h"

namespace framework {

// Editable text.
class TextEdit : public RectControl {
 public:
  static const ClassRecord& Lookup();
  explicit TextEdit(const ClassRecord& record);

  // TextField.Text.Set: the text reads back byte for byte; a CR shows as a line break.
  void Text_Set(const String& text);
  const String& Text() const noexcept { return text_; }
  bool ReadOnly() const noexcept { return readOnly_; }
  void SetReadOnly(bool readOnly);

  // Called by the view when the user edited the text (line breaks as CR).
  void UserEditedText(const String& text);
  void StoredPropertyChanged(std::string_view name) override;

 protected:
  static constexpr Parts kLook = kFirstOwnPart;  // colours, border and alignment
  static constexpr Parts kReadOnly = kFirstOwnPart << 1;
  static constexpr Parts kText = kFirstOwnPart << 2;

  std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) override;
  void ShowOwnParts(Parts parts) override;

  String text_;
  bool readOnly_ = false;
};

// A text field; with ReadOnly it shows text that the user can select and copy but not change.
class TextField : public TextEdit {
 public:
  static const ClassRecord& Lookup();
  explicit TextField(const ClassRecord& record);
};

}  // namespace framework
