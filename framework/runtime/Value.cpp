#include "framework/runtime/Value.h"

#include <string>

#include "framework/runtime/Exceptions.h"

namespace framework {

void RaiseWrongValueType(std::string_view property) {
  Raise<InvalidArgumentException>("wrong value type for property " + std::string(property));
}

}  // namespace framework
