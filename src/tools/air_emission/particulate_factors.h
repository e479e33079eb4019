#pragma once
#include <string>

namespace korrimet {
class Steps;
}

namespace korrimet::air_emission {

// Particulate amounts from one typed amount and an empirical factor. Each
// stores its result as a Single in one statement; the window reads the
// entries and picks the item first.

// Window-level Single of each of these calculators.
struct ParticulateResult {
    float value = 0;
};

// Feed and grain milling: t × the equipment's factor (kg/t).
void ComputeFeedMilling(ParticulateResult& s, double factor, double amount, Steps& steps);

// Cotton gins: 2.34 % of the cotton processed, t in tonnes, the result in kg.
void ComputeCottonGin(ParticulateResult& s, double amount, Steps& steps);

// Glass raw-material plants: 7.48 kg per tonne charged.
void ComputeGlassRawMaterial(ParticulateResult& s, double amount, Steps& steps);

// Glass melting: 0.91 kg per tonne of glass.
void ComputeGlassMelting(ParticulateResult& s, double amount, Steps& steps);

inline const std::string kRotaryKiln = "回转窑";
inline const std::string kShaftKiln = "竖型窑";

// Lime-kiln dust in tonnes: a rotary kiln gives the typed share p (%) of the
// lime produced, a shaft kiln a fixed 1 % (p is not used).
void ComputeLimeKilnDust(ParticulateResult& s, bool rotary, double share, double amount, Steps& steps);

}  // namespace korrimet::air_emission
