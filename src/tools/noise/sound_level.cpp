#include "tools/noise/sound_level.h"

#include <cmath>

#include "common/number_text.h"
#include "common/stores.h"
#include "common/value_range.h"

namespace korrimet::noise {

std::string EnergySumText(const std::array<float, 5>& levels) {
    float zeros = 0;
    double sum = 0;
    for (float level : levels) {
        // A level of exactly 0 stands for no source: its 10^0 = 1 is taken off again.
        if (level == 0) zeros += 1;
        sum += std::pow(10.0, level / 10.0);
    }
    float energy = single(sum);
    energy = single(static_cast<double>(energy) - zeros);
    Require(energy > 0, "没有可叠加的噪声源（声级为0的不计）");
    float result = single(10 * std::log(static_cast<double>(energy)) / std::log(10.0));
    // Rounded to two decimals through the mask; a lone "." does not read back.
    if (auto rounded = TryParseNumber(MaskText(result, "######.##"), Precision::Single)) result = single(*rounded);
    return NumberText(result);
}

std::string AttenuationText(float source, float distance) {
    Require(distance > 0, "距离须大于0");
    const float attenuation = single(-20 * std::log(static_cast<double>(distance)) / std::log(10.0));
    return NumberText(single(static_cast<double>(source) + attenuation));
}

std::string DifferenceText(double minuend, double subtrahend) {
    Require(minuend > subtrahend, "被减数须大于减数");
    const double d = dbl(10 * std::log(std::pow(10.0, minuend / 10) - std::pow(10.0, subtrahend / 10)) / std::log(10.0));
    return ResultMaskText(d, "#####.##");
}

}  // namespace korrimet::noise
