#pragma once
#include <optional>
#include <string_view>

namespace korrimet::water {

// Hospital size classes of the hospital window's list, in list order.
enum class HospitalSize { Over400Beds, From200To400Beds, Under200Beds };

// The class whose item text equals the combo text exactly, if any.
std::optional<HospitalSize> HospitalSizeOf(std::string_view comboText);

// Yearly water consumption and wastewater volume (t/yr) for `beds` occupied
// beds, in double; the window stores them as Singles.
double HospitalWaterUse(HospitalSize size, double beds);
double HospitalWastewater(HospitalSize size, double beds);

// Yearly loads (t/yr) from grams per bed and day, whatever the size class.
double HospitalBod5(double beds);
double HospitalSuspendedSolids(double beds);
double HospitalAmmonia(double beds);

// Service area of a highway: living-area sewage from persons p, discharge
// coefficient k and daily quota q (L per person); vehicle washing from the
// daily traffic v and water per vehicle w (L). Volumes t/d, loads kg/d.
double ServiceAreaSewage(double p, double k, double q);
double ServiceAreaSewageLoad(double p, double k, double q, double c1);
double ServiceAreaWashing(double v, double w);
double ServiceAreaWashingLoad(double v, double w, double c2);

}  // namespace korrimet::water
