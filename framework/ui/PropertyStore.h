#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "framework/runtime/Value.h"

namespace framework {

// The values of the properties that an object only holds (those with no behaviour of their own
// in this layer), keyed by the declared property name.
class PropertyStore {
 public:
  // The stored value, or `fallback` when the property was never set.
  template <class T>
  T Get(std::string_view name, T fallback = T{}) const {
    const Variant* value = Find(name);
    if (value && std::holds_alternative<T>(*value)) return std::get<T>(*value);
    return fallback;
  }
  const Variant* Find(std::string_view name) const noexcept;
  void Set(std::string_view name, Variant value);
  void Clear() noexcept { values_.clear(); }

 private:
  std::vector<std::pair<std::string, Variant>> values_;
};

// A framework object whose class declares stored properties.
class PropertyHolder {
 public:
  PropertyStore& StoredProperties() noexcept { return stored_; }
  const PropertyStore& StoredProperties() const noexcept { return stored_; }

  // Called after a stored property was set, so that the object can show the change.
  virtual void StoredPropertyChanged(std::string_view /*name*/) {}

  // While a property list is applied, an object with a rendering may hold back showing each
  // change, and show the final values once when ShowHeldBack ends the hold. Holds nest.
  virtual void HoldBackShowing() {}
  virtual void ShowHeldBack() noexcept {}

 protected:
  PropertyHolder() = default;
  PropertyHolder(const PropertyHolder&) = delete;
  PropertyHolder& operator=(const PropertyHolder&) = delete;
  virtual ~PropertyHolder() = default;

 private:
  PropertyStore stored_;
};

}  // namespace framework
