#include "tools/air_emission/leak_vehicle.h"

#include <cmath>

#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {

void LeakRate(float& gc, const LeakInput& in, Steps& steps) {
    steps([&] {
        const double kelvin = static_cast<double>(in.temperature) + 273.0f;
        gc = single(static_cast<double>(in.safety) * in.coefficient * in.volume * std::sqrt(divide(in.molecular, kelvin)));
    });
}

void VehicleEmission(float& amount, double factor, double fuel, Steps& steps) {
    steps([&] { amount = single(factor * fuel); });
}

}  // namespace korrimet::air_emission
