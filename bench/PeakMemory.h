#pragma once

#include <cstddef>
#include <string_view>

namespace bench {

// Peak memory of building and showing one window, measured in a process of its own so that
// neither variant profits from caches (fonts, glyphs, styles) that the other one filled, and
// neither pays for the other's. The child creates the application object, notes its resident
// set size, resets the kernel's high-water mark, builds and shows the window and reports the
// high-water mark: the peak of everything the window needed, whether heap, glyph caches or
// mapped font files, with no sampling gap.
struct PeakMemory {
  std::size_t processPeakBytes = 0;  // the whole process's peak resident set
  std::size_t windowPeakBytes = 0;   // the peak above the resident set before the window
};

// The command-line option that makes the benchmark binary a measuring child.
inline constexpr std::string_view kChildOption = "--peak-memory-child=";

// Runs this executable again with kChildOption + `variant` and reads back what the child
// reports. Fails with std::runtime_error if the child does not report.
PeakMemory MeasureInChild(std::string_view variant);

// The child's side: call after the application object exists and before anything else.
class PeakMemoryProbe {
 public:
  PeakMemoryProbe();
  // Prints the measurement for the parent on standard output.
  void Report() const;

 private:
  std::size_t startupPeak_;
  std::size_t baseline_;
};

}  // namespace bench
