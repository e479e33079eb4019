#pragma once
#include <string>

namespace korrimet::air_emission {

// Evaporation of a toxic or hazardous substance stored open to the air:
// G = (5.38 + 4.1·u) · P · F · √M in g/h, with the vapour pressure P from
// lg P = B − 0.05223·A / (t + 273).

// Window-level Singles, kept from press to press; a failed step keeps its value.
struct OpenStorage {
    float lgP = 0;  // decimal logarithm of the vapour pressure
    float P = 0;    // vapour pressure
    float W = 0;    // wind factor 5.38 + 4.1·u
    float G = 0;    // evaporation rate, g/h
};

struct OpenStorageTexts {
    std::string wind;         // u, m/s
    std::string area;         // F, m²
    std::string molecular;    // M
    std::string temperature;  // t, °C
    std::string a;            // constant A of the substance
    std::string b;            // constant B of the substance
};

void ComputeOpenStorage(OpenStorage& s, const OpenStorageTexts& in);

}  // namespace korrimet::air_emission
