#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace framework {

// The standard Edit items, identified by the item's name.
enum class EditCommand : std::uint8_t { Undo, Cut, Copy, Paste, Clear, SelectAll };

// The command of a standard Edit item name ("EditUndo", ...), or none for any other name.
std::optional<EditCommand> EditCommandForItemName(std::string_view name) noexcept;

}  // namespace framework
