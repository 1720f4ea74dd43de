#pragma once

#include <cstdint>
#include <vector>

#include "framework/ui/Control.h"

namespace framework {

// A list of rows with one selected row; the framework's lists are ComboBoxes. Raises Change (15)
// when the user changes the selection, never while properties are being applied or ListIndex is
// set by the program.
class PopupMenu : public RectControl {
 public:
  FRAMEWORK_CLASS_RECORD(PopupMenu)
  explicit PopupMenu(const ClassRecord& record);

  // PopupMenu.ListIndex.Get: the selected row, or -1 when no row is selected.
  std::int64_t ListIndex_Get() const;
  // Selects a row; OutOfBoundsException for a row that does not exist.
  void ListIndex_Set(std::int64_t row);

  std::int64_t ListCount() const noexcept;
  // The text of a row; OutOfBoundsException for a row that does not exist.
  const String& List(std::int64_t row) const;

  // InitialValue: the rows, separated by CR; a final empty piece after a trailing CR is not a
  // row. Setting it clears the selection.
  const String& InitialValue() const noexcept { return initialValue_; }

  // Called by the view when the user changed the entry: the row the widget shows as current
  // (-1 none) and the text it shows. Raises Change when the selection or the text changed.
  void UserChanged(std::int64_t shownRow, const String& text);

 protected:
  std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) override;
  void DrawOwnParts() override;

 private:
  void SetInitialValue(const String& rows);
  // The row whose text is `text`: `preferred` when that one matches, else the first match.
  std::int64_t RowOfText(const String& text, std::int64_t preferred) const noexcept;

  std::vector<String> rows_;
  std::int64_t listIndex_ = -1;
  String initialValue_;

 protected:
  String text_;  // the selected row's text, or what the user typed
};

// An editable popup menu: the user picks a row or types text. Typed text that matches no row
// gives ListIndex -1. Change is raised for a changed selection and for typed text.
class ComboBox : public PopupMenu {
 public:
  FRAMEWORK_CLASS_RECORD(ComboBox)
  explicit ComboBox(const ClassRecord& record);

  // The text in the entry: the selected row's, or what the user typed.
  const String& Text() const noexcept { return text_; }
};

}  // namespace framework
