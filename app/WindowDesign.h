#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "framework/runtime/ClassRecord.h"

namespace app {

// The classes of the window's controls.
enum class ControlKind : std::uint8_t { ComboBox, TextField, Label, BevelButton };

// The framework class of a kind of control.
const framework::ClassRecord& ControlClass(ControlKind kind);

// One control of the main window as designed: its class, where it stands and what it shows.
// `content` is the rows of a list, the text of a label or the caption of a button.
struct ControlDesign {
  std::string_view name;
  ControlKind kind;
  std::int64_t left;
  std::int64_t top;
  std::int64_t width;
  std::int64_t height;
  std::int64_t tabIndex;
  std::string_view content;
};

// The ten controls in creation order.
std::span<const ControlDesign> ControlDesigns() noexcept;

// The property lists of the window and of each control (by creation order): constant bytes,
// encoded when the program is built.
std::string_view WindowPropertyList() noexcept;
std::string_view ControlPropertyList(std::size_t controlIndex);

}  // namespace app
