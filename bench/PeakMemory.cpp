#include "bench/PeakMemory.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

extern char** environ;

namespace bench {

namespace {

// A field of /proc/self/status in bytes ("VmRSS:   1234 kB").
std::size_t StatusField(std::string_view field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with(field) && line.size() > field.size() && line[field.size()] == ':') {
      return std::stoull(line.substr(field.size() + 1)) * 1024;
    }
  }
  throw std::runtime_error("no " + std::string(field) + " in /proc/self/status");
}

// From here on VmHWM is the peak since this call (Linux 4.0 and later).
void ResetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
}

// A pipe whose ends close when it ends.
class Pipe {
 public:
  Pipe() {
    if (::pipe(ends_) != 0) throw std::runtime_error("pipe failed");
  }
  ~Pipe() {
    CloseWriteEnd();
    ::close(ends_[0]);
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;

  int ReadEnd() const { return ends_[0]; }
  int WriteEnd() const { return ends_[1]; }
  void CloseWriteEnd() {
    if (ends_[1] >= 0) ::close(ends_[1]);
    ends_[1] = -1;
  }
  std::string ReadAll() const {
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = ::read(ends_[0], buffer, sizeof buffer)) > 0;) {
      text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
  }

 private:
  int ends_[2] = {-1, -1};
};

// The child's standard output goes to the pipe, its standard error (the toolkit's chatter)
// nowhere.
pid_t SpawnChild(const std::string& option, const Pipe& pipe) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe.WriteEnd(), STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::string program = "/proc/self/exe";
  char* argv[] = {program.data(), const_cast<char*>(option.c_str()), nullptr};
  pid_t child = 0;
  int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed) throw std::runtime_error("cannot start the measuring child");
  return child;
}

}  // namespace

PeakMemory MeasureInChild(std::string_view variant) {
  Pipe pipe;
  pid_t child = SpawnChild(std::string(kChildOption) + std::string(variant), pipe);
  pipe.CloseWriteEnd();
  std::string output = pipe.ReadAll();
  int status = 0;
  ::waitpid(child, &status, 0);
  PeakMemory peak;
  unsigned long long process = 0;
  unsigned long long window = 0;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      std::sscanf(output.c_str(), "%llu %llu", &process, &window) != 2) {
    throw std::runtime_error("the measuring child for " + std::string(variant) + " failed");
  }
  peak.processPeakBytes = process;
  peak.windowPeakBytes = window;
  return peak;
}

PeakMemoryProbe::PeakMemoryProbe()
    : startupPeak_(StatusField("VmHWM")), baseline_(StatusField("VmRSS")) {
  ResetPeak();
}

void PeakMemoryProbe::Report() const {
  const std::size_t peak = StatusField("VmHWM");
  std::printf("%zu %zu\n", std::max(startupPeak_, peak), peak - std::min(peak, baseline_));
  std::fflush(stdout);
}

}  // namespace bench
