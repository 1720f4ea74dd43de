#pragma once

#include <cstdint>
#include <vector>

#include "framework/ui/Control.h"

namespace framework {

// A list of rows with one selected row. Raises Change (15) when the user changes the selection,
// never while properties are being applied.
class PopupMenu : public RectControl {
 public:
  static const ClassRecord& __Lookup();
  explicit PopupMenu(const ClassRecord& record);

  // PopupMenu.ListIndex.Get: the selected row, or -1 when no row is selected.
  std::int64_t ListIndex_Get() const;
  void ListIndex_Set(std::int64_t row);

  std::int64_t ListCount() const noexcept;
  const String& List(std::int64_t row) const;

 protected:
  std::vector<String> rows_;
  std::int64_t listIndex_ = -1;
};

// An editable popup menu: the user picks a row or types text. Its rows are InitialValue split at
// CR; a final empty piece after a trailing CR is not a row. Typed text that matches no row gives
// ListIndex -1. Change is raised for a changed selection and for typed text.
class ComboBox : public PopupMenu {
 public:
  static const ClassRecord& __Lookup();
  explicit ComboBox(const ClassRecord& record);

  const String& Text() const noexcept;
};

}  // namespace framework
