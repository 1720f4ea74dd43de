#include "framework/ui/EditCommand.h"

#include <array>
#include <utility>

namespace framework {

std::optional<EditCommand> EditCommandForItemName(std::string_view name) noexcept {
  static constexpr std::array<std::pair<std::string_view, EditCommand>, 6> kItems{{
      {"EditUndo", EditCommand::Undo},
      {"EditCut", EditCommand::Cut},
      {"EditCopy", EditCommand::Copy},
      {"EditPaste", EditCommand::Paste},
      {"EditClear", EditCommand::Clear},
      {"EditSelectAll", EditCommand::SelectAll},
  }};
  for (const auto& [itemName, command] : kItems) {
    if (itemName == name) return command;
  }
  return std::nullopt;
}

}  // namespace framework
