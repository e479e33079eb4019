#pragma once
#include <optional>
#include <string_view>

#include "common/grid_result_file.h"
#include "tools/risk/puff.h"

namespace korrimet::risk {

// Both axes run from 0 to the whole part of their range by the whole part of
// their step; nothing when one of the four texts is no number.
struct PuffGridTexts {
    std::string_view xRange, xStep, yRange, yStep;
};
std::optional<GridPlan> PlanPuffGrid(const PuffGridTexts& in);

// The whole part of the x range, the scale of the progress bar.
std::optional<double> PuffGridXRange(std::string_view xRange);

// A cell: the concentration rounded to six decimals, kept unrounded when it
// rounds to nothing, and never below 1E-08, in its default Single text.
// Returns false when a factor could not be computed (and counted as 0).
GridCell PuffGridCell(const PuffTexts& p);

}  // namespace korrimet::risk
