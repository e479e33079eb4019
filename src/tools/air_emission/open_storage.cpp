#include "tools/air_emission/open_storage.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {
namespace {
double number(const std::string& text) { return ParseNumber(text, Precision::Double); }
}  // namespace

void ComputeOpenStorage(OpenStorage& s, const OpenStorageTexts& in) {
    Steps steps;
    steps([&] { s.lgP = single(divide(-0.05223 * number(in.a), number(in.temperature) + 273)); });
    // Added in a step of its own: when the first fails, B adds to the old value.
    steps([&] { s.lgP = single(number(in.b) + s.lgP); });
    steps([&] { s.P = single(std::pow(10.0, static_cast<double>(s.lgP))); });
    steps([&] { s.W = single(number(in.wind) * 4.1 + 5.38); });
    steps([&] { s.G = single(number(in.area) * (static_cast<double>(s.W) * s.P) * std::sqrt(number(in.molecular))); });
}

}  // namespace korrimet::air_emission
