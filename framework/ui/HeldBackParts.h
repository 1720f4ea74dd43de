#pragma once

#include <cstdint>
#include <utility>

namespace framework {

// The parts of an object's rendering that changed while their showing was held back. A
// property list sets many properties in a row, several of which show through the same part of
// the rendering (the font through five properties, a window's frame through seventeen); held
// back, each part is shown once, with its final values, when the list is done.
class HeldBackParts {
 public:
  using Parts = std::uint32_t;

  void Hold() noexcept { ++holds_; }
  // Ends one hold: the parts to show now, or none while an outer hold remains.
  Parts Release() noexcept {
    if (holds_ == 0 || --holds_ > 0) return 0;
    return std::exchange(pending_, 0);
  }
  // Those of the parts that are held back, which are no longer held back: for showing them
  // ahead of the others.
  Parts Take(Parts parts) noexcept {
    Parts taken = pending_ & parts;
    pending_ &= ~parts;
    return taken;
  }
  // Whether to show the parts now; while held, they are kept for Release instead.
  bool ShowNow(Parts parts) noexcept {
    if (holds_ == 0) return true;
    pending_ |= parts;
    return false;
  }

 private:
  int holds_ = 0;
  Parts pending_ = 0;
};

}  // namespace framework
