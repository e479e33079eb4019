#include "tools/air_emission/particulate_factors.h"

#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {

void ComputeFeedMilling(ParticulateResult& s, double factor, double amount, Steps& steps) {
    steps([&] { s.value = single(amount * factor); });
}

void ComputeCottonGin(ParticulateResult& s, double amount, Steps& steps) {
    constexpr double kKgPerTonne = 1000;
    steps([&] { s.value = single(amount * 2.34 / 100 * kKgPerTonne); });
}

void ComputeGlassRawMaterial(ParticulateResult& s, double amount, Steps& steps) {
    steps([&] { s.value = single(amount * 7.48); });
}

void ComputeGlassMelting(ParticulateResult& s, double amount, Steps& steps) {
    steps([&] { s.value = single(amount * 0.91); });
}

void ComputeLimeKilnDust(ParticulateResult& s, bool rotary, double share, double amount, Steps& steps) {
    if (rotary)
        steps([&] { s.value = single(amount * share / 100); });
    else
        steps([&] { s.value = single(amount * 1 / 100); });
}

}  // namespace korrimet::air_emission
