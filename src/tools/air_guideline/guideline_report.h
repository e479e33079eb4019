#pragma once
#include <string>
#include <string_view>

#include "common/number_text.h"

namespace korrimet::air_guideline {

enum class SiteLocation { Rural, Urban };

// A report value through its digit mask; a value the mask rounds to nothing
// ("." or "-.") reads as 0, as the point alone tells the user nothing.
inline std::string ReportMask(double value, std::string_view mask) {
    std::string text = MaskText(value, mask);
    if (text == "." || text == "-.") text = "0";
    return text;
}

}  // namespace korrimet::air_guideline
