#pragma once
#include <string>

#include "tools/air_emission/factor_table.h"

namespace korrimet::air_emission {

// The two burning modes, as the mode list shows them and the factor table
// keys its rows.
inline const std::string kIncinerator = "焚烧炉焚烧";
inline const std::string kOpenBurning = "露天焚烧";

// Window-level Single, kept from press to press.
struct Incineration {
    float q = 0;  // pollutant released, kg
};

// The texts of the lists and boxes, as shown.
struct IncinerationTexts {
    std::string mode;        // 焚烧炉焚烧 or 露天焚烧
    std::string furnace;     // incinerator type (incinerator mode)
    std::string refuse;      // refuse type (open burning)
    std::string pollutant;   // pollutant (open burning)
    std::string efficiency;  // treatment efficiency, % (incinerator mode)
    std::string amount;      // refuse burnt, t
};

// Incinerator: soot after treatment, q = (100 − e)·t·f/100. Open burning:
// q = t·f for the refuse type and pollutant. A type or pollutant the table
// does not list gives 0; an unknown mode or refuse type leaves q as it was,
// and so does a box that is no number.
void ComputeIncineration(Incineration& s, const IncinerationTexts& in, const FactorTable& factors);

}  // namespace korrimet::air_emission
