#include "tools/air_emission/drying_evaporation.h"

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {
namespace {
double number(const std::string& text) { return ParseNumber(text, Precision::Double); }
}  // namespace

void ComputeDrying(Drying& s, const DryingTexts& in) {
    Steps steps;
    steps([&] { s.R = single(divide(100 - number(in.before), 100 - number(in.after))); });
    steps([&] { s.S = single(1.0 - s.R); });
    steps([&] { s.G = single(number(in.weight) * s.S); });
}

void ComputeEvaporation(Evaporation& s, const EvaporationTexts& in) {
    Steps steps;
    steps([&] { s.E = single(divide((number(in.after) - number(in.before)) * number(in.feed), number(in.after))); });
}

}  // namespace korrimet::air_emission
