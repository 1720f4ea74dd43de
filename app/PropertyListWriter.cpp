#include "app/PropertyListWriter.h"

#include <bit>

namespace app {

namespace {
template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;
}  // namespace

void PropertyListWriter::AppendLittleEndian(std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

PropertyListWriter& PropertyListWriter::Add(const PropertyValue& entry) {
  bytes_.append(entry.name).push_back(' ');
  std::visit(Overloaded{
                 [&](std::int64_t v) { AppendLittleEndian(static_cast<std::uint64_t>(v), 8); },
                 [&](bool v) { AppendLittleEndian(v ? 1 : 0, 1); },
                 [&](std::string_view v) {
                   AppendLittleEndian(v.size(), 4);
                   bytes_.append(v);
                 },
                 [&](float v) { AppendLittleEndian(std::bit_cast<std::uint32_t>(v), 4); },
                 [&](framework::Color v) { AppendLittleEndian(v.value, 4); },
                 [&](framework::FontUnits v) { AppendLittleEndian(v.value, 1); },
             },
             entry.value);
  return *this;
}

PropertyListWriter& PropertyListWriter::Add(std::initializer_list<PropertyValue> entries) {
  for (const PropertyValue& entry : entries) Add(entry);
  return *this;
}

}  // namespace app
