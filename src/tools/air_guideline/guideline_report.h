#pragma once
#include <optional>
#include <string>
#include <vector>

namespace korrimet::air_guideline {

// What a report button writes: the report's lines, or one line in their
// place when the inputs give no result.
struct ReportOutcome {
    std::vector<std::string> lines;
    std::optional<std::string> refusal;
};

enum class SiteLocation { Rural, Urban };

}  // namespace korrimet::air_guideline
