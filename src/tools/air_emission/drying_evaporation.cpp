#include "tools/air_emission/drying_evaporation.h"

#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {

void ComputeDrying(Drying& s, const DryingInput& in, Steps& steps) {
    steps([&] { s.R = single(divide(100 - in.before, 100 - in.after)); });
    steps([&] { s.S = single(1.0 - s.R); });
    steps([&] { s.G = single(in.weight * s.S); });
}

void ComputeEvaporation(Evaporation& s, const EvaporationInput& in, Steps& steps) {
    steps([&] { s.E = single(divide((in.after - in.before) * in.feed, in.after)); });
}

}  // namespace korrimet::air_emission
