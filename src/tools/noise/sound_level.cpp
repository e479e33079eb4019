#include "tools/noise/sound_level.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::noise {

std::string EnergySumText(SumState& s, const std::array<std::string, 5>& texts) {
    Steps steps;
    s.zeros = 0;
    for (size_t k = 0; k < texts.size(); ++k)
        steps([&] { s.levels[k] = single(ParseNumber(texts[k], Precision::Single)); });
    // A level of exactly 0 stands for no source: its 10^0 = 1 is taken off again.
    for (float level : s.levels)
        if (level == 0) s.zeros += 1;
    steps([&] {
        double sum = 0;
        for (float level : s.levels) sum += std::pow(10.0, level / 10.0);
        s.energy = single(sum);
    });
    steps([&] { s.energy = single(static_cast<double>(s.energy) - s.zeros); });
    steps([&] { s.result = single(10 * std::log(static_cast<double>(s.energy)) / std::log(10.0)); });
    // Rounded to two decimals through the mask; a lone "." does not read back.
    steps([&] { s.result = single(ParseNumber(MaskText(s.result, "######.##"), Precision::Single)); });
    return NumberText(s.result);
}

std::string AttenuationText(AttenuationState& s, std::string_view sourceText, std::string_view distanceText) {
    Steps steps;
    steps([&] { s.distance = single(ParseNumber(distanceText, Precision::Single)); });
    // A distance of 0 or less has no attenuation; the last one must not be reused silently.
    bool attenuated = steps([&] { s.attenuation = single(-20 * std::log(static_cast<double>(s.distance)) / std::log(10.0)); });
    steps([&] { s.source = single(ParseNumber(sourceText, Precision::Single)); });
    steps([&] { s.result = single(static_cast<double>(s.source) + s.attenuation); });
    return attenuated ? NumberText(s.result) : kDistanceNotPositive;
}

std::string DifferenceText(std::string_view minuendText, std::string_view subtrahendText) {
    Steps steps;
    std::string text;
    steps([&] {
        double a = ParseNumber(minuendText, Precision::Double);
        double b = ParseNumber(subtrahendText, Precision::Double);
        double d = dbl(10 * std::log(std::pow(10.0, a / 10) - std::pow(10.0, b / 10)) / std::log(10.0));
        text = MaskText(d, "#####.##");
    });
    return text;
}

}  // namespace korrimet::noise
