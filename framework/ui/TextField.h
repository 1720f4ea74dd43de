#pragma once

#include "framework/ui/Control.h"

namespace framework {

// A text that the user can select and copy but not change: ReadOnly True is the only value the
// framework's text controls take.
class TextEdit : public RectControl {
 public:
  FRAMEWORK_CLASS_RECORD(TextEdit)
  explicit TextEdit(const ClassRecord& record);

  // TextField.Text.Set: the text reads back byte for byte; a CR shows as a line break.
  void Text_Set(const String& text);
  const String& Text() const noexcept { return text_; }
  bool ReadOnly() const noexcept { return true; }

 protected:
  std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) override;
  void DrawOwnParts() override;

 private:
  String text_;
  Color textColor_;              // black
  Color backColor_{0x00FFFFFF};  // white
};

// A text field: a framed text that shows each CR as a line break and wraps at its width.
class TextField : public TextEdit {
 public:
  FRAMEWORK_CLASS_RECORD(TextField)
  explicit TextField(const ClassRecord& record);
};

}  // namespace framework
