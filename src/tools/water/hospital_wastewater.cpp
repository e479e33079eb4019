#include "tools/water/hospital_wastewater.h"

#include "common/stores.h"

namespace korrimet::water {
namespace {

constexpr double kDaysPerYear = 365;
constexpr double kGramsPerTonne = 1000000;
// Washing water counts for one vehicle in fifty of the daily traffic.
constexpr double kWashedShare = 0.02;

struct SizeFactors {
    double water;       // share of a bed's standard water use
    double wastewater;  // share that leaves as wastewater
};

SizeFactors factorsOf(HospitalSize size) {
    switch (size) {
    case HospitalSize::Over400Beds: return {1, 0.8};
    case HospitalSize::From200To400Beds: return {0.7, 0.56};
    case HospitalSize::Under200Beds: return {0.25, 0.2};
    }
    return {0, 0};
}

}  // namespace

std::optional<HospitalSize> HospitalSizeOf(std::string_view comboText) {
    if (comboText == "400床以上") return HospitalSize::Over400Beds;
    if (comboText == "200-400床") return HospitalSize::From200To400Beds;
    if (comboText == "200床以下") return HospitalSize::Under200Beds;
    return std::nullopt;
}

double HospitalWaterUse(HospitalSize size, double beds) {
    return dbl(beds * factorsOf(size).water * kDaysPerYear);
}

double HospitalWastewater(HospitalSize size, double beds) {
    return dbl(beds * factorsOf(size).wastewater * kDaysPerYear);
}

double HospitalBod5(double beds) { return dbl(beds * 60 * kDaysPerYear / kGramsPerTonne); }
double HospitalSuspendedSolids(double beds) { return dbl(beds * 55 * kDaysPerYear / kGramsPerTonne); }
double HospitalAmmonia(double beds) { return dbl(beds * 15 * kDaysPerYear / kGramsPerTonne); }

double ServiceAreaSewage(double p, double k, double q) { return dbl(p * k * q / 1000); }
double ServiceAreaSewageLoad(double p, double k, double q, double c1) {
    return dbl(p * k * q * c1 / 1000000);
}
double ServiceAreaWashing(double v, double w) { return dbl(v * w * kWashedShare / 1000); }
double ServiceAreaWashingLoad(double v, double w, double c2) {
    return dbl(v * w * kWashedShare * c2 / 1000000);
}

}  // namespace korrimet::water
