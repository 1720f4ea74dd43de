// Decodes arbitrary bytes as a property list against every class record that receives one of
// the program's lists: its window class and the four control classes, and the framework's own
// Window. Decoding must either succeed or raise InvalidArgumentException, and never read outside
// the list. The seeds are the program's eleven lists (PropertyListSeeds.cpp), the dictionary the
// property names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "app/Window1.h"
#include "framework/runtime/Exceptions.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/ComboBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"

namespace {

void DecodeAgainst(std::string_view list, const framework::ClassRecord& record) {
  try {
    std::size_t end = 0;
    framework::DecodePropertyList(list, record, [&](const framework::PropertyListEntry& entry) {
      // Entries come in order, each inside the list.
      if (entry.offset < end || entry.offset >= list.size()) std::abort();
      end = entry.offset + 1;
    });
  } catch (const framework::PendingException& raised) {
    if (!raised.Exception()->IsA(framework::InvalidArgumentException::Lookup())) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy of exactly `size` bytes, so that any read past the list is caught.
  std::vector<char> bytes(data, data + size);
  std::string_view list(bytes.data(), bytes.size());
  DecodeAgainst(list, framework::ComboBox::Lookup());
  DecodeAgainst(list, framework::TextField::Lookup());
  DecodeAgainst(list, framework::Label::Lookup());
  DecodeAgainst(list, framework::BevelButton::Lookup());
  DecodeAgainst(list, framework::Window::Lookup());
  DecodeAgainst(list, app::Window1::Lookup());
  return 0;
}
