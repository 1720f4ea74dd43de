#include "framework/ui/PropertyStore.h"

#include <algorithm>

namespace framework {

const Variant* PropertyStore::Find(std::string_view name) const noexcept {
  auto found = std::ranges::find(values_, name, &std::pair<std::string, Variant>::first);
  return found == values_.end() ? nullptr : &found->second;
}

void PropertyStore::Set(std::string_view name, Variant value) {
  auto found = std::ranges::find(values_, name, &std::pair<std::string, Variant>::first);
  if (found != values_.end()) {
    found->second = std::move(value);
  } else {
    constexpr std::size_t kUsualCount = 17;  // as many as a window stores; a control stores fewer
    if (values_.empty()) values_.reserve(kUsualCount);
    values_.emplace_back(std::string(name), std::move(value));
  }
}

}  // namespace framework
