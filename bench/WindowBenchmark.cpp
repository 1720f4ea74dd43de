// Start-up, one display and the property lists of the real window, and start-up and memory of a
// bare Qt window of the same size and content kind, for comparison in the same run.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "app/Window1.h"
#include "app/WindowDesign.h"
#include "framework/ui/Events.h"
#include "framework/ui/Process.h"
#include "framework/ui/PropertyList.h"

namespace {

using framework::Ref;

void StartRuntimeOnce() {
  static const bool started = [] {
    framework::SetUnhandledExceptionPresenter([](const framework::RuntimeException&) {});
    framework::RuntimeInit();
    framework::RuntimePerformInitializers(app::InitializerTable());
    app::_EarlyStartup();  // the application object and the shared menu bar, once
    return true;
  }();
  benchmark::DoNotOptimize(started);
}

std::size_t HeapInUse() { return mallinfo2().uordblks; }

// The program's window: created, laid out, its table filled, shown; then closed.
void BM_StartupWindow(benchmark::State& state) {
  StartRuntimeOnce();
  std::size_t heap = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    Ref<app::Window1> window = app::Window1::ImplicitInstance();
    QApplication::processEvents();
    heap = HeapInUse() - before;
    state.PauseTiming();
    window->Close();
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["heap_bytes"] = static_cast<double>(heap);
}
BENCHMARK(BM_StartupWindow)->Unit(benchmark::kMicrosecond);

// A bare Qt main window of the same size with the same kinds of widgets and menus.
std::unique_ptr<QMainWindow> BuildBareWindow() {
  auto window = std::make_unique<QMainWindow>();
  window->setWindowTitle(QString::fromUtf8("ヴェルボリカ"));
  window->resize(600, 400);
  auto* file = window->menuBar()->addMenu(QString::fromUtf8("ファイル"));
  file->addAction(QString::fromUtf8("終了"), QKeySequence(QStringLiteral("Ctrl+Q")));
  auto* edit = window->menuBar()->addMenu(QString::fromUtf8("編集"));
  for (const char* item : {"元に戻す", "-", "カット", "コピー", "貼り付け", "削除", "-", "すべてを選択"}) {
    if (std::string_view(item) == "-") {
      edit->addSeparator();
    } else {
      edit->addAction(QString::fromUtf8(item));
    }
  }
  auto* content = new QWidget;
  window->setCentralWidget(content);
  for (const app::ControlDesign& design : app::ControlDesigns()) {
    QWidget* widget = nullptr;
    const QString text = QString::fromUtf8(design.content.data(), static_cast<qsizetype>(design.content.size()));
    switch (design.kind) {
      case app::ControlKind::ComboBox: {
        auto* combo = new QComboBox(content);
        combo->setEditable(true);
        combo->addItems(text.split(QChar('\r'), Qt::SkipEmptyParts));
        widget = combo;
        break;
      }
      case app::ControlKind::TextField: {
        auto* field = new QPlainTextEdit(content);
        field->setReadOnly(true);
        field->setPlainText(QStringLiteral("sum es est\nsumus estis sunt"));
        widget = field;
        break;
      }
      case app::ControlKind::Label: widget = new QLabel(text, content); break;
      case app::ControlKind::BevelButton: widget = new QPushButton(text, content); widget->hide(); break;
    }
    widget->setGeometry(static_cast<int>(design.left), static_cast<int>(design.top),
                        static_cast<int>(design.width), static_cast<int>(design.height));
  }
  window->show();
  return window;
}

void BM_StartupBareQtWindow(benchmark::State& state) {
  StartRuntimeOnce();
  std::size_t heap = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    auto window = BuildBareWindow();
    QApplication::processEvents();
    heap = HeapInUse() - before;
    state.PauseTiming();
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["heap_bytes"] = static_cast<double>(heap);
}
BENCHMARK(BM_StartupBareQtWindow)->Unit(benchmark::kMicrosecond);

// A Change of the verb list up to the field holding its new text.
void BM_DisplayOneCell(benchmark::State& state) {
  StartRuntimeOnce();
  Ref<app::Window1> window = app::Window1::ImplicitInstance();
  Ref<framework::ComboBox> verbs = window->ComboBox2();
  std::int64_t row = 0;
  for (auto _ : state) {
    row = (row + 1) % 11;
    verbs->ListIndex_Set(row);
    verbs->RaiseEvent(framework::kChangeEvent);
  }
  window->Close();
}
BENCHMARK(BM_DisplayOneCell)->Unit(benchmark::kMicrosecond);

// Decoding and applying all eleven property lists to the window and its controls.
void BM_ApplyPropertyLists(benchmark::State& state) {
  StartRuntimeOnce();
  Ref<app::Window1> window = app::Window1::ImplicitInstance();
  auto controls = window->Controls();
  for (auto _ : state) {
    framework::_SetProperties(window.get(), app::WindowPropertyList());
    for (std::size_t i = 0; i < controls.size(); ++i) {
      framework::_SetProperties(controls[i].get(), app::ControlPropertyList(i));
    }
  }
  window->Close();
}
BENCHMARK(BM_ApplyPropertyLists)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
