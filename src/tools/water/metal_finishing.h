#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::water {

struct MetalFactor {
    std::string process;  // combo item
    std::string result;   // name the report refers to
    double value = 0;
    bool single = true;   // the result is stored as a Single
};

// Reads the factor table (see data/metal_finishing_factors.txt).
std::optional<std::vector<MetalFactor>> ParseMetalFinishingFactors(std::string_view text,
                                                                   std::string* error = nullptr);

// The prompt naming the quantity for a process picked in the list.
std::string MetalFinishingPrompt(std::string_view process);

// The report of a process for the quantity, its lines separated by a line
// feed. Fails the statement when the process is none of the three, a factor
// is missing or a Single result overflows.
std::string MetalFinishingReport(const std::vector<MetalFactor>& factors, std::string_view process, double quantity);

}  // namespace korrimet::water
