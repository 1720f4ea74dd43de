// Reads arbitrary bytes as a menu item's keyboard shortcut ("Cmd+Shift+Z"). Reading must either
// give the toolkit's portable text or raise InvalidArgumentException, and the portable text must
// read back as itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/MenuItem.h"

namespace {

// The shortcut's portable text, or nothing when reading it raised InvalidArgumentException.
bool Read(std::string_view shortcut, std::string& text) {
  try {
    text = framework::PortableShortcutText(shortcut);
    return true;
  } catch (const framework::PendingException& raised) {
    if (!raised.Exception()->IsA(framework::InvalidArgumentException::Lookup())) std::abort();
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy of exactly `size` bytes, so that any read past the shortcut is caught.
  std::vector<char> bytes(data, data + size);
  std::string text;
  if (!Read(std::string_view(bytes.data(), bytes.size()), text)) return 0;
  std::string again;
  if (!Read(text, again) || again != text) std::abort();
  return 0;
}
