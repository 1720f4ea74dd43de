#include "framework/ui/ComboBox.h"

#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/PropertyTable.h"
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

void CheckRow(std::int64_t row, std::int64_t count, bool allowNone) {
  if ((allowNone && row == -1) || (row >= 0 && row < count)) return;
  Raise<OutOfBoundsException>("row " + std::to_string(row) + " of a list of " +
                              std::to_string(count) + " rows");
}

}  // namespace

// --- PopupMenu -------------------------------------------------------------------------------

const ClassRecord& PopupMenu::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = RuntimeNewClass(&RectControl::Lookup(), "PopupMenu");
    record->SetFactory(&MakeInstance<PopupMenu>);
    AddSlots(*record, {{"AddRow", "%%s"},
                       {"AddRows", "%%A1s"},
                       {"AddSeparator", "%%"},
                       {"DeleteAllRows", "%%"},
                       {"InsertRow", "%%i8s"},
                       {"RemoveRow", "%%i8"}});
    DeclareEvents(*record, {"Change", "GotFocus", "LostFocus", "MouseDown", "MouseUp"});
    using P = PopupMenu;
    const PropertyBinding bindings[] = {
        Bind<P>(
            "InitialValue", [](P& c) -> Variant { return c.InitialValue(); },
            [](P& c, const Variant& v) { c.SetInitialValue(ValueAs<String>(v, "InitialValue")); }),
        Bind<P>(
            "ListIndex", [](P& c) -> Variant { return c.ListIndex_Get(); },
            [](P& c, const Variant& v) { c.ListIndex_Set(ValueAs<std::int64_t>(v, "ListIndex")); }),
    };
    DeclareProperties(*record, "PopupMenu", bindings);
    return record;
  });
}

PopupMenu::PopupMenu(const ClassRecord& record) : RectControl(record) {}

std::int64_t PopupMenu::ListIndex_Get() const {
  FaultInjection::Check(Operation::ListIndexGet);
  return listIndex_;
}

void PopupMenu::ListIndex_Set(std::int64_t row) {
  CheckRow(row, ListCount(), true);
  listIndex_ = row;
  text_ = row >= 0 ? rows_[static_cast<std::size_t>(row)] : String();
  Show(kSelection);
}

std::int64_t PopupMenu::ListCount() const noexcept {
  return static_cast<std::int64_t>(rows_.size());
}

const String& PopupMenu::List(std::int64_t row) const {
  CheckRow(row, ListCount(), false);
  return rows_[static_cast<std::size_t>(row)];
}

void PopupMenu::SetInitialValue(const String& rows) {
  initialValue_ = rows;
  rows_ = SplitRows(rows.Bytes());
  listIndex_ = -1;
  text_ = String();
  Show(kOwnParts);
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
  std::int64_t row = RowOfText(text, shownRow);
  String shownText = text;
  if (!Editable()) {
    row = shownRow >= 0 && shownRow < ListCount() ? shownRow : -1;
    shownText = row >= 0 ? rows_[static_cast<std::size_t>(row)] : String();
  }
  if (row == listIndex_ && shownText == text_) return;
  listIndex_ = row;
  text_ = std::move(shownText);
  RaiseUserEvent(kChangeEvent);
}

std::unique_ptr<ControlView> PopupMenu::CreateView(UiBackend& backend, WindowView& parent) {
  return backend.CreateListView(*this, parent, Editable());
}

void PopupMenu::ShowOwnParts(Parts parts) {
  auto* view = ViewAs<ListView>();
  if (parts & kRows) view->SetRows(rows_);
  if (parts & kSelection) view->SetSelection(listIndex_, text_);
}

// --- ComboBox --------------------------------------------------------------------------------

const ClassRecord& ComboBox::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = RuntimeNewClass(&PopupMenu::Lookup(), "ComboBox");
    record->SetFactory(&MakeInstance<ComboBox>);
    AddSlots(*record, {{"SelectAll", "%%"}});
    DeclareProperties(*record, "ComboBox");
    return record;
  });
}

ComboBox::ComboBox(const ClassRecord& record) : PopupMenu(record) {}

void ComboBox::StoredPropertyChanged(std::string_view name) {
  PopupMenu::StoredPropertyChanged(name);
  if (name == "AutoComplete") Show(kOwnParts);
}

void ComboBox::ShowOwnParts(Parts parts) {
  PopupMenu::ShowOwnParts(parts);
  if (parts & kAutoComplete) {
    ViewAs<ListView>()->SetAutoComplete(StoredProperties().Get<bool>("AutoComplete"));
  }
}

}  // namespace framework
