// Start-up, peak memory, one display and the property lists of the real window; start-up and
// peak memory of a bare Qt window of the same size and content kind (bench/BareQtWindow.cpp),
// for comparison in the same binary.
//
// Start-up is timed warm: before any benchmark runs, both windows are built and closed a few
// times in turn, so the toolkit's first-use caches (fonts, glyphs, style data) are filled for
// both and neither pays them for the other. BM_StartupRatio then builds the two windows in
// alternating order inside one loop, so drift of the machine's speed affects both alike, and
// reports their ratio. Peak memory is measured cold, in a fresh child process per window and
// measurement (bench/PeakMemory.h).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <cstring>
#include <ctime>
#include <string_view>
#include <vector>

#include "app/Startup.h"
#include "app/Window1.h"
#include "app/WindowDesign.h"
#include "bench/BareQtWindow.h"
#include "bench/PeakMemory.h"
#include "framework/ui/Events.h"
#include "framework/ui/Process.h"
#include "framework/ui/PropertyList.h"

namespace {

using framework::Ref;

constexpr std::string_view kProgramVariant = "program";
constexpr std::string_view kBareVariant = "bare";

void StartRuntimeOnce() {
  static const bool started = [] {
    framework::SetUnhandledExceptionPresenter([](const framework::RuntimeException&) {});
    framework::RuntimeInit();
    framework::RuntimePerformInitializers(app::InitializerTable());
    app::EarlyStartup();  // the application object and the shared menu bar, once
    return true;
  }();
  benchmark::DoNotOptimize(started);
}

const QString& FieldText() {
  static const QString text = bench::FirstCellText();
  return text;
}

// Lets the toolkit deliver what showing or closing a window posted, deletions included.
void Settle() {
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Each start-up ends with the window shown and its first paint done.
Ref<app::Window1> OpenProgramWindow() {
  Ref<app::Window1> window = app::Window1::ImplicitInstance();
  QApplication::processEvents();
  return window;
}

std::unique_ptr<QMainWindow> OpenBareWindow() {
  auto window = bench::BuildBareWindow(FieldText());
  QApplication::processEvents();
  return window;
}

void Close(Ref<app::Window1>& window) {
  window->Close();
  window.reset();
  Settle();
}

void Close(std::unique_ptr<QMainWindow>& window) {
  window.reset();
  Settle();
}

void WarmUpOnce() {
  static const bool warm = [] {
    StartRuntimeOnce();
    constexpr int kRounds = 5;
    for (int round = 0; round < kRounds; ++round) {
      Ref<app::Window1> program = OpenProgramWindow();
      Close(program);
      std::unique_ptr<QMainWindow> bare = OpenBareWindow();
      Close(bare);
    }
    return true;
  }();
  benchmark::DoNotOptimize(warm);
}

// The program's window: created, laid out, its table filled, shown; closed untimed.
void BM_StartupWindow(benchmark::State& state) {
  WarmUpOnce();
  for (auto _ : state) {
    Ref<app::Window1> window = OpenProgramWindow();
    state.PauseTiming();
    Close(window);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupWindow)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

void BM_StartupBareQtWindow(benchmark::State& state) {
  WarmUpOnce();
  for (auto _ : state) {
    std::unique_ptr<QMainWindow> window = OpenBareWindow();
    state.PauseTiming();
    Close(window);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupBareQtWindow)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

// The processor time this thread spends opening a window: other processes on the machine do
// not count, so the two windows are compared on their own work.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <class Open>
double SecondsToOpen(Open open) {
  const double start = ThreadSeconds();
  auto window = open();
  const double elapsed = ThreadSeconds() - start;
  Close(window);
  return elapsed;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

// Both windows in one loop, in alternating order, timed in this thread's processor time. The
// time column is the program's window; the counters are the median of each window and their
// ratio (medians, so that a rare slow build of either does not tip the ratio).
void BM_StartupRatio(benchmark::State& state) {
  WarmUpOnce();
  std::vector<double> program;
  std::vector<double> bare;
  bool programFirst = true;
  for (auto _ : state) {
    if (programFirst) program.push_back(SecondsToOpen(&OpenProgramWindow));
    bare.push_back(SecondsToOpen(&OpenBareWindow));
    if (!programFirst) program.push_back(SecondsToOpen(&OpenProgramWindow));
    state.SetIterationTime(program.back());
    programFirst = !programFirst;
  }
  const double programMedian = Median(program);
  const double bareMedian = Median(bare);
  state.counters["program_us"] = programMedian * 1e6;
  state.counters["bare_us"] = bareMedian * 1e6;
  state.counters["ratio"] = bareMedian > 0 ? programMedian / bareMedian : 0;
}
BENCHMARK(BM_StartupRatio)->Unit(benchmark::kMicrosecond)->UseManualTime()->MinTime(2.0);

// Peak memory of each window in fresh processes, in alternating order.
void BM_PeakMemory(benchmark::State& state) {
  bench::PeakMemory program;
  bench::PeakMemory bare;
  bool programFirst = true;
  for (auto _ : state) {
    if (programFirst) program = bench::MeasureInChild(kProgramVariant);
    bare = bench::MeasureInChild(kBareVariant);
    if (!programFirst) program = bench::MeasureInChild(kProgramVariant);
    programFirst = !programFirst;
  }
  constexpr double kMiB = 1024.0 * 1024.0;
  state.counters["program_MiB"] = static_cast<double>(program.processPeakBytes) / kMiB;
  state.counters["bare_MiB"] = static_cast<double>(bare.processPeakBytes) / kMiB;
  state.counters["ratio"] =
      static_cast<double>(program.processPeakBytes) / static_cast<double>(bare.processPeakBytes);
  state.counters["program_window_KiB"] = static_cast<double>(program.windowPeakBytes) / 1024.0;
  state.counters["bare_window_KiB"] = static_cast<double>(bare.windowPeakBytes) / 1024.0;
  state.counters["window_ratio"] =
      static_cast<double>(program.windowPeakBytes) / static_cast<double>(bare.windowPeakBytes);
}
BENCHMARK(BM_PeakMemory)->Unit(benchmark::kMillisecond)->Iterations(2);

// A Change of the verb list up to the field holding its new text.
void BM_DisplayOneCell(benchmark::State& state) {
  WarmUpOnce();
  Ref<app::Window1> window = app::Window1::ImplicitInstance();
  Ref<framework::ComboBox> verbs = window->ComboBox2();
  std::int64_t row = 0;
  for (auto _ : state) {
    row = (row + 1) % 11;
    verbs->ListIndex_Set(row);
    verbs->RaiseEvent(framework::kChangeEvent);
  }
  Close(window);
}
BENCHMARK(BM_DisplayOneCell)->Unit(benchmark::kMicrosecond);

// Decoding and applying all eleven property lists to a window and its controls, as they are
// before the window is drawn.
void BM_ApplyPropertyLists(benchmark::State& state) {
  WarmUpOnce();
  Ref<framework::Object> window = framework::RuntimeNewObject(app::Window1::Lookup());
  std::vector<Ref<framework::Object>> controls;
  for (const app::ControlDesign& design : app::ControlDesigns()) {
    controls.push_back(framework::RuntimeNewObject(app::ControlClass(design.kind)));
  }
  for (auto _ : state) {
    framework::SetProperties(window.get(), app::WindowPropertyList());
    for (std::size_t i = 0; i < controls.size(); ++i) {
      framework::SetProperties(controls[i].get(), app::ControlPropertyList(i));
    }
  }
}
BENCHMARK(BM_ApplyPropertyLists)->Unit(benchmark::kMicrosecond);

// A measuring child: the application object as the program makes it, then one window, shown.
int RunPeakMemoryChild(std::string_view variant) {
  framework::SetUnhandledExceptionPresenter([](const framework::RuntimeException&) {});
  framework::RuntimeInit();
  FieldText();  // the bare window's text comes from outside the window
  bench::PeakMemoryProbe probe;
  if (variant == kProgramVariant) {
    framework::RuntimePerformInitializers(app::InitializerTable());
    app::EarlyStartup();
    Ref<app::Window1> window = OpenProgramWindow();
    probe.Report();
  } else {
    std::unique_ptr<QMainWindow> window = OpenBareWindow();
    probe.Report();
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 2 && std::string_view(argv[1]).starts_with(bench::kChildOption)) {
    return RunPeakMemoryChild(std::string_view(argv[1]).substr(bench::kChildOption.size()));
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
