#pragma once

#include <cstddef>

namespace framework {

// Raises StackOverflowException when less than the reserve is left on the calling thread's stack.
void RuntimeStackCheck();

// Bytes kept in reserve below the deepest allowed frame.
std::size_t StackReserve() noexcept;

}  // namespace framework
