#pragma once
#include <optional>
#include <string>

#include "tools/air_emission/factor_table.h"

namespace korrimet {
class Steps;
}

namespace korrimet::air_emission {

// The two burning modes, as the mode list shows them and the factor table
// keys its rows.
inline const std::string kIncinerator = "焚烧炉焚烧";
inline const std::string kOpenBurning = "露天焚烧";

// Window-level Single, set anew by every press.
struct Incineration {
    float q = 0;  // pollutant released, kg
};

// The texts of the lists, as shown; they must equal an item exactly.
struct IncinerationChoice {
    std::string mode;       // 焚烧炉焚烧 or 露天焚烧
    std::string furnace;    // incinerator type (incinerator mode)
    std::string refuse;     // refuse type (open burning)
    std::string pollutant;  // pollutant (open burning)
};

// The choice that the factor table lacks, in the order the lists stand:
// none when every list the mode uses holds one of its items.
enum class IncinerationGap { None, Mode, Furnace, Refuse, Pollutant };
IncinerationGap IncinerationGapOf(const IncinerationChoice& in, const FactorTable& factors);
// The factor (kg/t) of a complete choice.
std::optional<double> IncinerationFactor(const IncinerationChoice& in, const FactorTable& factors);

// Incinerator: soot after treatment, q = (100 − e)·t·f/100 (e in %).
// Open burning: q = t·f.
void ComputeIncinerator(Incineration& s, double factor, double efficiency, double amount, Steps& steps);
void ComputeOpenBurning(Incineration& s, double factor, double amount, Steps& steps);

}  // namespace korrimet::air_emission
