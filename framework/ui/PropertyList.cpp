#include "framework/ui/PropertyList.h"

#include <bit>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"

namespace framework {

namespace {

// A name as it may appear in a message: printable ASCII kept, other bytes escaped, long names
// cut short.
std::string Printable(std::string_view bytes) {
  constexpr std::size_t kMaxShown = 40;
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (std::size_t i = 0; i < bytes.size() && i < kMaxShown; ++i) {
    auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte > 0x20 && byte < 0x7F) {
      text += static_cast<char>(byte);
    } else {
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 0xF];
    }
  }
  if (bytes.size() > kMaxShown) text += "...";
  return text;
}

// Reads one list from front to back; every read is checked against the list's length.
class ListReader {
 public:
  explicit ListReader(std::string_view list) : list_(list) {}

  bool AtEnd() const noexcept { return position_ == list_.size(); }
  std::size_t Position() const noexcept { return position_; }

  // The bytes up to the next blank, which is skipped.
  std::string_view Name() {
    entryStart_ = position_;
    entryName_ = {};
    std::size_t blank = list_.find(' ', position_);
    if (blank == std::string_view::npos) {
      Fail("no blank after the property name '" + Printable(list_.substr(position_)) + "'");
    }
    entryName_ = list_.substr(position_, blank - position_);
    if (entryName_.empty()) Fail("empty property name");
    position_ = blank + 1;
    return entryName_;
  }

  std::string_view Take(std::size_t count) {
    std::size_t left = list_.size() - position_;
    if (count > left) {
      Fail("value runs past the end of the list (needs " + std::to_string(count) + " bytes, " +
           std::to_string(left) + " left)");
    }
    std::string_view bytes = list_.substr(position_, count);
    position_ += count;
    return bytes;
  }

  std::uint64_t LittleEndian(std::size_t width) {
    std::string_view bytes = Take(width);
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
      value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    }
    return value;
  }

  [[noreturn]] void Fail(const std::string& what) const {
    std::string text = "property list entry";
    if (!entryName_.empty()) text += " '" + Printable(entryName_) + "'";
    text += " at byte offset " + std::to_string(entryStart_) + ": " + what;
    Raise<InvalidArgumentException>(text);
  }

  std::size_t EntryStart() const noexcept { return entryStart_; }

 private:
  std::string_view list_;
  std::size_t position_ = 0;
  std::size_t entryStart_ = 0;
  std::string_view entryName_;
};

Variant ReadValue(ListReader& reader, const PropertyEntry& property) {
  switch (property.type) {
    case ValueType::Integer:
      return static_cast<std::int64_t>(reader.LittleEndian(8));
    case ValueType::Boolean: {
      std::uint64_t byte = reader.LittleEndian(1);
      if (byte > 1) reader.Fail("Boolean value " + std::to_string(byte) + " is neither 0 nor 1");
      return byte == 1;
    }
    case ValueType::String: {
      auto count = static_cast<std::size_t>(reader.LittleEndian(4));
      return String(reader.Take(count));
    }
    case ValueType::Single:
      return std::bit_cast<float>(static_cast<std::uint32_t>(reader.LittleEndian(4)));
    case ValueType::Color:
      return Color{static_cast<std::uint32_t>(reader.LittleEndian(4))};
    case ValueType::FontUnits:
      return FontUnits{static_cast<std::uint8_t>(reader.LittleEndian(1))};
    case ValueType::Object:
      break;
  }
  reader.Fail("property of type " + property.typeCode + " cannot be set from a property list");
}

// The decoded entries of the list being applied. Lists are applied one after another, so one
// buffer serves them all and keeps its capacity between them; a list applied while another one
// is (from inside a setter) finds no spare buffer and makes its own.
class EntryBuffer {
 public:
  EntryBuffer() : entries_(std::exchange(Spare(), {})) {}
  ~EntryBuffer() {
    entries_.clear();
    Spare() = std::move(entries_);
  }
  EntryBuffer(const EntryBuffer&) = delete;
  EntryBuffer& operator=(const EntryBuffer&) = delete;

  std::vector<PropertyListEntry>& Entries() noexcept { return entries_; }

 private:
  static std::vector<PropertyListEntry>& Spare() {
    static std::vector<PropertyListEntry> spare;
    return spare;
  }
  std::vector<PropertyListEntry> entries_;
};

}  // namespace

namespace {

// Reads the list's entries in order and hands each to `visit`.
template <class Visit>
void ForEachEntry(std::string_view list, const ClassRecord& record, Visit&& visit) {
  ListReader reader(list);
  while (!reader.AtEnd()) {
    std::string_view name = reader.Name();
    const PropertyEntry* property = record.FindProperty(name);
    if (!property) reader.Fail("no property of that name in class " + record.Name());
    std::size_t offset = reader.EntryStart();
    Variant value = ReadValue(reader, *property);
    visit(PropertyListEntry{property, std::move(value), offset});
  }
}

}  // namespace

void DecodePropertyList(std::string_view list, const ClassRecord& record,
                        const std::function<void(PropertyListEntry&&)>& visit) {
  ForEachEntry(list, record, visit);
}

void SetProperties(Object* object, std::string_view list) {
  FaultInjection::Check(Operation::SetProperties);
  if (!object) RaiseNilObjectException();
  Ref<Object> keep(object);
  // The whole list is decoded before anything is set, so a malformed list changes nothing.
  EntryBuffer buffer;
  std::vector<PropertyListEntry>& entries = buffer.Entries();
  ForEachEntry(list, object->Class(),
               [&entries](PropertyListEntry&& entry) { entries.push_back(std::move(entry)); });
  for (const PropertyListEntry& entry : entries)
    entry.property->accessors.set(*object, entry.value);
}

}  // namespace framework
