#include "framework/ui/ComboBox.h"

#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/View.h"

namespace framework {

namespace {

std::vector<String> SplitRows(std::string_view text) {
  std::vector<String> rows;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t cr = text.find('\r', start);
    if (cr == std::string_view::npos) cr = text.size();
    rows.emplace_back(text.substr(start, cr - start));
    start = cr + 1;
  }
  // "a\r\rb" keeps its empty middle row; only the piece after a trailing CR is dropped, and
  // the loop above never makes it.
  return rows;
}

void CheckRow(std::int64_t row, std::int64_t count) {
  if (row >= 0 && row < count) return;
  Raise<OutOfBoundsException>("row " + std::to_string(row) + " of a list of " +
                              std::to_string(count) + " rows");
}

}  // namespace

// --- PopupMenu -------------------------------------------------------------------------------

std::unique_ptr<ClassRecord> PopupMenu::BuildClassRecord() {
  auto record = RuntimeNewClass(&RectControl::Lookup(), "PopupMenu");
  AddSlots(*record, {{"AddRow", "%%s"},
                     {"AddRows", "%%A1s"},
                     {"AddSeparator", "%%"},
                     {"DeleteAllRows", "%%"},
                     {"InsertRow", "%%i8s"},
                     {"RemoveRow", "%%i8"}});
  DeclareEvents(*record, {"Change", "GotFocus", "LostFocus", "MouseDown", "MouseUp"});
  BindProperties<PopupMenu>(*record)
      .Add("InitialValue", &PopupMenu::InitialValue, &PopupMenu::SetInitialValue)
      .AddLive("ListIndex", &PopupMenu::ListIndex_Get, &PopupMenu::ListIndex_Set);
  return record;
}

PopupMenu::PopupMenu(const ClassRecord& record) : RectControl(record) {}

std::int64_t PopupMenu::ListIndex_Get() const {
  return listIndex_;
}

void PopupMenu::ListIndex_Set(std::int64_t row) {
  CheckRow(row, ListCount());
  listIndex_ = row;
  text_ = rows_[static_cast<std::size_t>(row)];
  if (auto* view = ViewAs<ListView>()) view->SetSelection(listIndex_, text_);
}

std::int64_t PopupMenu::ListCount() const noexcept {
  return static_cast<std::int64_t>(rows_.size());
}

const String& PopupMenu::List(std::int64_t row) const {
  CheckRow(row, ListCount());
  return rows_[static_cast<std::size_t>(row)];
}

void PopupMenu::SetInitialValue(const String& rows) {
  initialValue_ = rows;
  rows_ = SplitRows(rows.Bytes());
  listIndex_ = -1;
  text_ = String();
}

std::int64_t PopupMenu::RowOfText(const String& text, std::int64_t preferred) const noexcept {
  if (preferred >= 0 && preferred < ListCount() &&
      rows_[static_cast<std::size_t>(preferred)] == text) {
    return preferred;
  }
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (rows_[row] == text) return static_cast<std::int64_t>(row);
  }
  return -1;
}

void PopupMenu::UserChanged(std::int64_t shownRow, const String& text) {
  const std::int64_t row = RowOfText(text, shownRow);
  if (row >= 0 && row != shownRow) {
    if (auto* view = ViewAs<ListView>()) view->ShowCurrentRow(row);
  }
  if (row == listIndex_ && text == text_) return;
  listIndex_ = row;
  text_ = text;
  RaiseUserEvent(kChangeEvent);
}

std::unique_ptr<ControlView> PopupMenu::CreateView(UiBackend& backend, WindowView& parent) {
  return backend.CreateListView(*this, parent);
}

void PopupMenu::DrawOwnParts() {
  auto* view = ViewAs<ListView>();
  view->SetRows(rows_);
  view->SetSelection(listIndex_, text_);
}

// --- ComboBox --------------------------------------------------------------------------------

std::unique_ptr<ClassRecord> ComboBox::BuildClassRecord() {
  auto record = NewClassRecord<ComboBox>(&PopupMenu::Lookup(), "ComboBox");
  AddSlots(*record, {{"SelectAll", "%%"}});
  // Typed text is never completed.
  BindProperties<ComboBox>(*record).Fixed("AutoComplete", false);
  return record;
}

ComboBox::ComboBox(const ClassRecord& record) : PopupMenu(record) {}

}  // namespace framework
