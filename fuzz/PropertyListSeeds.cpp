// Writes the program's eleven property lists, one file each, into the directory named on the
// command line: the seed corpus of PropertyListFuzzer. They come from the window's design, so
// the seeds are always the lists the program really applies.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "app/WindowDesign.h"

namespace {

bool WriteList(const std::filesystem::path& file, std::string_view list) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(list.data(), static_cast<std::streamsize>(list.size()));
  return static_cast<bool>(out);
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
  return written ? 0 : 1;
}
