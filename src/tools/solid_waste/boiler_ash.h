#pragma once
#include <string>

#include "common/variant.h"

namespace korrimet::solid_waste {

// The boiler ash calculator's input texts; percentages as typed (25 for 25 %).
struct AshInputs {
    std::string coal;              // B, t
    std::string ash;               // A
    std::string flueShare;         // dfh, share of the ash leaving with the flue gas
    std::string dustCombustibles;  // Cfh
    std::string efficiency;        // eta, of the dust collector
    std::string slagCombustibles;  // Ciz
};

// Slag and collected fly ash, t. The texts enter the arithmetic as numbers
// at each use; each amount is one statement, left empty when a text in it is
// no number or its divisor is zero. An empty flue share counts as 0 in the
// slag, whose share of the ash is then the whole.
struct AshAmounts {
    Variant slag;
    Variant flyAsh;
};
AshAmounts BoilerAsh(const AshInputs& in);

// An amount in tonnes as whole kilograms, cut down to the next lower whole
// number; an empty amount gives "0". Throws StatementFailure on overflow.
std::string WholeKilogramText(const Variant& tonnes);

}  // namespace korrimet::solid_waste
