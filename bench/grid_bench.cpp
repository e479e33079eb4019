#include <benchmark/benchmark.h>

#include <filesystem>

#include "common/grid_result_file.h"
#include "tools/water/river2.h"

namespace {

using namespace korrimet;

// A 1,000 × 1,000 river grid at the window's default inputs: x = 10 … 10000
// by 10, y = 0 … 999 by 1; the whole file text, then the file itself.
void BM_River2Grid1000x1000(benchmark::State& state) {
    const water::River2Inputs in{0.1f, 100, 0.5f, 5, 0.2f, 1, 100, 0};
    const auto path = (std::filesystem::temp_directory_path() / "korrimet_grid_bench.txt").string();
    std::size_t cells = 0;
    for (auto _ : state) {
        GridPlan plan = PlanGrid({10, 10000, 10}, {0, 999, 1});
        cells = plan.xs.size() * plan.ys.size();
        GridText grid = BuildGridText(plan, water::River2Cell(in));
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

}  // namespace
