#pragma once

namespace korrimet {
class Steps;
}

namespace korrimet::air_emission {

// Evaporation of a toxic or hazardous substance stored open to the air:
// G = (5.38 + 4.1·u) · P · F · √M in g/h, with the vapour pressure P from
// lg P = B − 0.05223·A / (t + 273).

// Window-level Singles; every press sets each of them anew from the entries.
struct OpenStorage {
    float lgP = 0;  // decimal logarithm of the vapour pressure
    float P = 0;    // vapour pressure
    float W = 0;    // wind factor 5.38 + 4.1·u
    float G = 0;    // evaporation rate, g/h
};

struct OpenStorageInput {
    double wind = 0;         // u, m/s
    double area = 0;         // F, m²
    double molecular = 0;    // M
    double temperature = 0;  // t, °C
    double a = 0;            // constant A of the substance
    double b = 0;            // constant B of the substance
};

void ComputeOpenStorage(OpenStorage& s, const OpenStorageInput& in, Steps& steps);

}  // namespace korrimet::air_emission
