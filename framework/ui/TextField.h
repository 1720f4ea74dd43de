#pragma once

#include "framework/ui/Control.h"

namespace framework {

// Editable text.
class TextEdit : public RectControl {
 public:
  FRAMEWORK_CLASS_RECORD(TextEdit)
  explicit TextEdit(const ClassRecord& record);

  // TextField.Text.Set: the text reads back byte for byte; a CR shows as a line break.
  void Text_Set(const String& text);
  const String& Text() const noexcept { return text_; }
  bool ReadOnly() const noexcept { return readOnly_; }
  void SetReadOnly(bool readOnly);

  // Called by the view when the user edited the text (line breaks as CR).
  void UserEditedText(const String& text);

 protected:
  std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) override;
  void DrawOwnParts() override;

 private:
  // Colours, border and alignment.
  void ShowLook();

  String text_;
  bool readOnly_ = false;
  bool border_ = true;
  Color textColor_;              // black
  Color backColor_{0x00FFFFFF};  // white
  String format_;
  std::int64_t limitText_ = 0;
  bool acceptTabs_ = false;
  std::int64_t alignment_ = 0;
  bool automaticallyCheckSpelling_ = false;
};

// A text field; with ReadOnly it shows text that the user can select and copy but not change.
class TextField : public TextEdit {
 public:
  FRAMEWORK_CLASS_RECORD(TextField)
  explicit TextField(const ClassRecord& record);

 private:
  bool password_ = false;
  String cueText_;
  String mask_;
};

}  // namespace framework
