#pragma once
#include <string>

namespace korrimet::solid_waste {

// The boiler ash calculator's entries; percentages as typed (25 for 25 %).
struct AshInputs {
    double coal = 0;              // B, t
    double ash = 0;               // A
    double flueShare = 0;         // dfh, share of the ash leaving with the flue gas
    double dustCombustibles = 0;  // Cfh
    double efficiency = 0;        // eta, of the dust collector
    double slagCombustibles = 0;  // Ciz
};

// Slag and collected fly ash, t, in the order of the handbook's products.
// Each throws StatementFailure when its divisor is zero or it overflows.
double Slag(const AshInputs& in);
double FlyAsh(const AshInputs& in);

// An amount in tonnes as whole kilograms, cut down to the next lower whole
// number. The cut is taken of the value rounded to a millionth of a kilogram,
// so that 32.37 t gives 32370 and not the 32369 of its binary neighbour.
// Throws StatementFailure on overflow.
std::string WholeKilogramText(double tonnes);

}  // namespace korrimet::solid_waste
