#include "tools/air_emission/leak_vehicle.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {

float LeakRate(const LeakTexts& in) {
    float V = 0, K = 0, C = 0, M = 0, T = 0, Gc = 0;
    Steps steps;
    auto read = [&](float& target, const std::string& text) {
        steps([&] { target = single(ParseNumber(text, Precision::Single)); });
    };
    read(V, in.volume);
    read(K, in.safety);
    read(C, in.coefficient);
    read(M, in.molecular);
    read(T, in.temperature);
    steps([&] {
        const double kelvin = static_cast<double>(T) + 273.0f;
        Gc = single(static_cast<double>(K) * C * V * std::sqrt(divide(M, kelvin)));
    });
    return Gc;
}

float VehicleEmission(const std::string& factor, const std::string& fuel) {
    float amount = 0;
    Steps steps;
    steps([&] { amount = single(ParseNumber(factor, Precision::Double) * ParseNumber(fuel, Precision::Double)); });
    return amount;
}

}  // namespace korrimet::air_emission
