#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QListView>
#include <QStandardPaths>
#include <filesystem>

#include "common/grid_result_file.h"
#include "common/widgets/result_file_viewer.h"
#include "platform/result_folder.h"
#include "tools/water/river2.h"

namespace {

using namespace korrimet;

const water::River2Inputs kDefaults{0.1f, 100, 0.5f, 5, 0.2f, 1, 100, 0};

// A 1,000 × 1,000 river grid at the window's default inputs: x = 10 … 10000
// by 10, y = 0 … 999 by 1; the whole file text, then the file itself.
void BM_River2Grid1000x1000(benchmark::State& state) {
    const auto path = (std::filesystem::temp_directory_path() / "korrimet_grid_bench.txt").string();
    std::size_t cells = 0;
    for (auto _ : state) {
        GridPlan plan = PlanGrid({10, 10000, 10}, {0, 999, 1});
        cells = plan.xs.size() * plan.ys.size();
        GridText grid = BuildGridText(plan, water::River2Cell(kDefaults));
        if (!WriteWholeFile(path, grid.text)) state.SkipWithError("cannot write the grid file");
        benchmark::DoNotOptimize(grid.text.data());
    }
    std::filesystem::remove(path);
    state.counters["cells"] = static_cast<double>(cells);
    state.counters["time_per_cell"] =
        benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}
BENCHMARK(BM_River2Grid1000x1000)->Unit(benchmark::kMillisecond)->UseRealTime();

QApplication& application() {
    static int argc = 1;
    static char name[] = "korrimet_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    static QApplication app(argc, argv);
    return app;
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;  // kilobytes on Linux
}

// The largest grids a river run accepts, as the window runs them: the file
// text, the file, then the viewer read and shown. Run each alone for its
// peak memory: --benchmark_filter=Largest.*Tall
void largestGrid(benchmark::State& state, GridLoop x, GridLoop y) {
    application();
    const QString name = QStringLiteral("bench_grid.txt");
    const std::string path = resultFilePath(name).toStdString();
    std::size_t cells = 0, bytes = 0;
    int lines = 0;
    for (auto _ : state) {
        GridPlan plan = PlanGrid(x, y);
        if (plan.status != GridPlan::Status::Ready) {
            state.SkipWithError("the grid is refused");
            return;
        }
        cells = plan.xs.size() * std::max<std::size_t>(plan.ys.size(), 1);
        {
            GridText grid = BuildGridText(plan, water::River2Cell(kDefaults));
            bytes = grid.text.size();
            if (grid.tooLarge || !WriteWholeFile(path, grid.text)) state.SkipWithError("no file");
        }
        ResultFileViewer viewer("bench", "bench", name, {});
        viewer.show();
        viewer.view()->scrollToBottom();
        QCoreApplication::processEvents();
        lines = viewer.lineCount();
        viewer.close();
    }
    state.counters["cells"] = static_cast<double>(cells);
    state.counters["file_MB"] = static_cast<double>(bytes) / (1 << 20);
    state.counters["lines"] = lines;
    state.counters["peak_MB"] = peakMegabytes();
}

// One column: the most lines.
void BM_LargestGridTall(benchmark::State& state) { largestGrid(state, {10, 3'000'000, 1}, {0, 0, 1}); }
// The widest rows the viewer takes.
void BM_LargestGridWide(benchmark::State& state) { largestGrid(state, {10, 340, 1}, {0, 19'999, 1}); }
// A square of the most cells.
void BM_LargestGridSquare(benchmark::State& state) { largestGrid(state, {10, 2'450, 1}, {0, 2'399, 1}); }
BENCHMARK(BM_LargestGridTall)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_LargestGridWide)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_LargestGridSquare)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace
