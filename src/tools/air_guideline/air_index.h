#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::air_guideline {

// Daily air pollution index (API) of SO2, NO2 and PM10 after the breakpoint
// table: each sub-index is linear in the concentration between breakpoints, the API is
// the largest of them.

constexpr std::size_t kBreakpointCount = 6;
using Breakpoints = std::array<double, kBreakpointCount>;

struct ApiBreakpointTable {
    Breakpoints index{};  // 50, 100, 200, 300, 400, 500
    struct Row {
        std::string pollutant;
        Breakpoints concentration{};  // mg/m³ at which the pollutant reaches each index
    };
    std::vector<Row> rows;
    const Row* find(std::string_view pollutant) const;
};
ApiBreakpointTable LoadApiBreakpoints(std::string_view text);

// Categories by upper bound, the last one open upwards.
struct ApiCategory {
    std::optional<double> upTo;
    std::string name;
};
std::vector<ApiCategory> LoadApiCategories(std::string_view text);

// A concentration scroll bar: position v stands for v × perStep − offset,
// written into the box through `mask`.
struct ScrollScale {
    std::string pollutant;
    double perStep = 0, offset = 0;
    std::string mask;
};
std::vector<ScrollScale> LoadScrollScales(std::string_view text);

constexpr int kScrollMin = 1;
constexpr int kScrollMax = 500;

// The sub-index of a concentration (≥ 0), floored to a whole number. Above
// the last breakpoint the air is at least as bad as the table reaches: the
// top index.
double SubIndex(double concentration, const Breakpoints& breakpoints, const Breakpoints& index);
inline bool AboveTable(double concentration, const Breakpoints& breakpoints) {
    return concentration > breakpoints.back();
}

// The API and its primary pollutant from the three sub-indices: a tie goes
// to NO2 over SO2, and PM10 only when larger than both others.
struct ApiVerdict {
    double api = 0;
    std::string primary;
};
ApiVerdict CombineSubIndices(double so2, double no2, double pm10);

std::string CategoryOf(double api, const std::vector<ApiCategory>& categories);

// The box text a scroll position writes, and the position a box text asks
// for (none when the text is no number or lies outside the bar's range).
std::string ScrollText(int position, const ScrollScale& scale);
std::optional<int> ScrollPosition(std::string_view text, const ScrollScale& scale);
// The red share of the box text at a position: black at the left end, red at the right.
int ScrollTint(int position);

}  // namespace korrimet::air_guideline
