#pragma once
#include <string>

#include "tools/air_emission/factor_table.h"

namespace korrimet::air_emission {

// Particulate amounts from one typed amount and an empirical factor. Each
// stores its result as a Single in one statement; a box that the formula
// reads and that is no number leaves the result as it was.

// Window-level Single of each of these calculators.
struct ParticulateResult {
    float value = 0;
};

// Feed and grain milling: t × the equipment's factor (kg/t) from the table
// (equipment | factor); 0 without reading the amount when no equipment is picked.
void ComputeFeedMilling(ParticulateResult& s, const std::string& equipment, const std::string& amount,
                        const FactorTable& factors);

// Cotton gins: 2.34 % of the cotton processed.
void ComputeCottonGin(ParticulateResult& s, const std::string& amount);

// Glass raw-material plants: 7.48 kg per tonne charged.
void ComputeGlassRawMaterial(ParticulateResult& s, const std::string& amount);

// Glass melting: 0.91 kg per tonne of glass.
void ComputeGlassMelting(ParticulateResult& s, const std::string& amount);

inline const std::string kRotaryKiln = "回转窑";
inline const std::string kShaftKiln = "竖型窑";

// Lime-kiln dust in tonnes: a rotary kiln gives the typed share p (%) of the
// lime produced, a shaft kiln a fixed 1 %; 0 when no kiln type is picked.
void ComputeLimeKilnDust(ParticulateResult& s, const std::string& kiln, const std::string& share,
                         const std::string& amount);

}  // namespace korrimet::air_emission
