// Writes the fuzzer's seed corpus into the directory named on the command line: the program's
// eleven property lists, one file each, taken from the window's design so that the seeds are
// always the lists the program really applies; and one list of values at their edges.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <string_view>

#include "app/WindowDesign.h"
#include "framework/ui/PropertyListEncoder.h"

namespace {

bool WriteList(const std::filesystem::path& file, std::string_view list) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(list.data(), static_cast<std::streamsize>(list.size()));
  return static_cast<bool>(out);
}

// Values at their edges: the extreme Integers, an empty text and one of CRs alone, a negative
// size, a colour and a text unit with every bit set.
std::string EdgeValues() {
  using namespace framework;
  return EncodePropertyList({Integer("Left", std::numeric_limits<std::int64_t>::min()),
                             Integer("Top", std::numeric_limits<std::int64_t>::max()),
                             Text("Name", ""), Text("Caption", "\r\r"), Single("TextSize", -1.0F),
                             ColorValue("TextColor", 0xFFFFFFFF), Units("TextUnit", 0xFF),
                             Boolean("Visible", true)});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
    return 2;
  }
  const std::filesystem::path directory(argv[1]);
  std::filesystem::create_directories(directory);
  bool written = WriteList(directory / "Window1", app::WindowPropertyList());
  const auto designs = app::ControlDesigns();
  for (std::size_t i = 0; i < designs.size(); ++i) {
    written =
        WriteList(directory / std::string(designs[i].name), app::ControlPropertyList(i)) && written;
  }
  return WriteList(directory / "EdgeValues", EdgeValues()) && written ? 0 : 1;
}
