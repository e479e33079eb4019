#pragma once

namespace korrimet::fuel {

// SO2 of a year's coal. 16 kg of SO2 per tonne of coal and per percent of
// sulphur: 80 % of the sulphur burns, and SO2 weighs twice its sulphur.
// Each is one stored Single; a result beyond its range throws
// StatementFailure.

// G1, kg before desulphurisation: coal in tonnes, sulphur in percent.
float SulphurDioxideProduced(double coal, double sulphur);
// G, kg after a plant of the given efficiency in percent.
float SulphurDioxideEmitted(double efficiency, float produced);
// The emission shown, in tonnes.
float Tonnes(float kilograms);

}  // namespace korrimet::fuel
