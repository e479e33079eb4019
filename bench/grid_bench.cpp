#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <QStandardPaths>
#include <filesystem>
#include <thread>

#include "common/grid_result_file.h"
#include "common/widgets/result_file_viewer.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/window_run.h"
#include "shell/lifecycle.h"
#include "platform/result_folder.h"
#include "tools/water/river2.h"

namespace {

using namespace korrimet;

const water::River2Inputs kDefaults{0.1f, 100, 0.5f, 5, 0.2f, 1, 100, 0};

// A 1,000 × 1,000 river grid at the window's default inputs: x = 10 … 10000
// by 10, y = 0 … 999 by 1; the whole file text on every core, then the file.
void BM_River2Grid1000x1000(benchmark::State& state) {
    const auto path = (std::filesystem::temp_directory_path() / "korrimet_grid_bench.txt").string();
    std::size_t cells = 0;
    for (auto _ : state) {
        GridPlan plan = PlanGrid({10, 10000, 10}, {0, 999, 1});
        cells = plan.xs.size() * plan.ys.size();
        GridText grid = BuildGridText(plan, water::River2Cell(kDefaults), nullptr, std::thread::hardware_concurrency());
        if (!WriteWholeFile(path, grid.text)) state.SkipWithError("cannot write the grid file");
        benchmark::DoNotOptimize(grid.text.data());
    }
    std::filesystem::remove(path);
    state.counters["cells"] = static_cast<double>(cells);
}
BENCHMARK(BM_River2Grid1000x1000)->Unit(benchmark::kMillisecond)->UseRealTime();

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;  // kilobytes on Linux
}

// A model window's long run as the user makes it: the boxes typed, the
// button pressed, until the outcome is shown (the viewer with the file, or
// the table). Counts the time and the widest gap between two turns of the
// event loop, the viewer's opening included. Run each alone for its peak
// memory: --benchmark_filter=Puff
void windowRun(benchmark::State& state, const char* windowClass, const std::vector<std::pair<const char*, const char*>>& texts,
               const char* button) {
    qint64 widestGap = 0, gapEnd = 0;
    double seconds = 0;
    for (auto _ : state) {
        QWidget* w = OpenTool(QString::fromUtf8(windowClass));
        for (const auto& [name, text] : texts) w->findChild<QLineEdit*>(name)->setText(QString::fromUtf8(text));
        auto* run = w->findChild<WindowRun*>();
        bool ended = false;
        QObject::connect(run, &WindowRun::finished, w, [&] { ended = true; });
        QElapsedTimer clock, sinceTurn;
        QTimer turn;
        QObject::connect(&turn, &QTimer::timeout, [&] {
            const qint64 gap = sinceTurn.restart();
            if (gap > widestGap) {
                widestGap = gap;
                gapEnd = clock.elapsed();
            }
        });
        turn.start(2);
        clock.start();
        sinceTurn.start();
        w->findChild<QAbstractButton*>(button)->click();
        while (!ended) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        widestGap = std::max(widestGap, sinceTurn.elapsed());
        seconds = clock.elapsed() / 1000.0;
        turn.stop();
        for (QWidget* open : ToolRegistry::instance().openWindows()) open->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["run_s"] = seconds;
    state.counters["widest_gap_ms"] = static_cast<double>(widestGap);
    state.counters["gap_end_s"] = gapEnd / 1000.0;
    state.counters["peak_MB"] = peakMegabytes();
}

// The largest river-2 grids accepted: one column (the most lines), the
// widest rows, a square of the most cells; the 1,000 × 1,000 grid.
void BM_River2Tall(benchmark::State& s) { windowRun(s, "二维稳态混合模式_河2", {{"Text12", "3000000"}, {"Text14", "1"}, {"Text13", "0"}, {"Text15", "1"}}, "Command2"); }
void BM_River2Wide(benchmark::State& s) { windowRun(s, "二维稳态混合模式_河2", {{"Text12", "340"}, {"Text14", "1"}, {"Text13", "19999"}, {"Text15", "1"}}, "Command2"); }
void BM_River2Square(benchmark::State& s) { windowRun(s, "二维稳态混合模式_河2", {{"Text12", "2450"}, {"Text14", "1"}, {"Text13", "2399"}, {"Text15", "1"}}, "Command2"); }
void BM_River2Million(benchmark::State& s) { windowRun(s, "二维稳态混合模式_河2", {{"Text12", "10000"}, {"Text14", "10"}, {"Text13", "999"}, {"Text15", "1"}}, "Command2"); }
void BM_River4Square(benchmark::State& s) { windowRun(s, "稳态累积流量模式_河4", {{"Text12", "2450"}, {"Text14", "1"}, {"Text13", "2399"}, {"Text15", "1"}}, "Command2"); }
// The puff grid: x 0 … 2,600 by 1, y 0 … 2,400 by 1 (about 6 million cells).
void BM_PuffSquare(benchmark::State& s) { windowRun(s, "风险评价之烟团模式", {{"Text13", "2600"}, {"Text12", "1"}, {"Text14", "2400"}, {"Text11", "1"}}, "Command2"); }
// A table model of 100,000 rows.
void BM_ThomasTable(benchmark::State& s) { windowRun(s, "托马斯模式_河9", {{"Text9", "100000"}, {"Text8", "1"}, {"Text5", "1"}}, "Command1"); }
BENCHMARK(BM_River2Tall)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_River2Wide)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_River2Square)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_River2Million)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_River4Square)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_PuffSquare)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_ThomasTable)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace
