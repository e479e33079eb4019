#include <benchmark/benchmark.h>

#include "common/number_text.h"

namespace {

using namespace korrimet;

void BM_NumberTextSingle(benchmark::State& state) {
    float v = 8.874667f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberText(v));
        v += 0.001f;
    }
}
BENCHMARK(BM_NumberTextSingle);

void BM_NumberTextDouble(benchmark::State& state) {
    double v = 1.0 / 3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberText(v));
        v += 0.001;
    }
}
BENCHMARK(BM_NumberTextDouble);

void BM_MaskText(benchmark::State& state) {
    double v = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MaskText(v, "###,##0.00"));
        v += 0.01;
    }
}
BENCHMARK(BM_MaskText);

void BM_ParseNumber(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ParseNumber(" 1,234.5678E-02 ", Precision::Single));
}
BENCHMARK(BM_ParseNumber);

}  // namespace
