#include "tools/air_emission/open_storage.h"

#include <cmath>

#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {

void ComputeOpenStorage(OpenStorage& s, const OpenStorageInput& in, Steps& steps) {
    // One statement: a logarithm left from an earlier press must never take part.
    steps([&] { s.lgP = single(in.b + static_cast<double>(single(divide(-0.05223 * in.a, in.temperature + 273)))); });
    steps([&] { s.P = single(std::pow(10.0, static_cast<double>(s.lgP))); });
    steps([&] { s.W = single(in.wind * 4.1 + 5.38); });
    steps([&] { s.G = single(in.area * (static_cast<double>(s.W) * s.P) * std::sqrt(in.molecular)); });
}

}  // namespace korrimet::air_emission
