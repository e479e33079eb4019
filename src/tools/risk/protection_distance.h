#pragma once
#include <functional>
#include <optional>
#include <string_view>

namespace korrimet::risk {

// Distance bands of the coefficient table.
enum class ProtectionBand { UpTo1000, UpTo2000, Beyond2000 };

struct ProtectionCoefficients {
    float a = 0, b = 0, c = 0, d = 0;
};

// The texts of the four choices: wind class, stacks emitting the same gas,
// their share of the permitted emission, and the basis of the permissible
// concentration.
struct ProtectionChoices {
    std::string_view wind, stacks, stackShare, basis;
};

// The band's row for the choices, compared by exact text; nothing when no row
// matches (for a low wind the class choices play no part).
std::optional<ProtectionCoefficients> ChooseProtectionCoefficients(ProtectionBand band, const ProtectionChoices& c);
// The low-wind row of a band, taken when nothing matches.
ProtectionCoefficients LowWindCoefficients(ProtectionBand band);

// The window's Singles: they keep their values from one run to the next, so
// a failed step reuses the value of the previous run.
struct ProtectionState {
    float a = 0, b = 0, c = 0, d = 0;      // coefficients
    float cm = 0, qc = 0, s = 0;           // limit mg/m³, emission kg/h, area m²
    float q = 0, inverseA = 0, r = 0;      // Qc/Cm, 1/A, equivalent radius
    float l = 0;                           // running distance
    float t1 = 0, t2 = 0, t3 = 0, t4 = 0, f = 0;
    float lc = 0;                          // last distance tested
    float difference = 0;                  // f - q
    float l1 = 0;                          // where the first search stopped
};

// How a search ended. Only Met gives a distance; the others are searches that
// could never meet the tolerance and are stopped.
enum class SearchEnd {
    Met,
    NoQuotient,   // Qc/Cm is 0 or negative: no distance can give it
    BelowStart,   // the first distance tried already lies beyond the root
    SteppedOver,  // a step of 0.01 m went past the tolerance band
    OutOfRange,   // the distance no longer grows by adding 0.01 m
};

// The largest distance a search reaches by adding 0.01 m to a Single.
inline constexpr float kProtectionSearchLimit = 262144.0f;

// Called every few thousand steps of a search with the distance reached; it
// may throw to stop the search.
using ProtectionProgress = std::function<void(float l)>;

// Scans L upwards from the state's L in steps of 0.01 m until f lies within
// 0.1 % of Qc/Cm. Since f only grows with L, a scan that has passed above the
// band never comes back, and is stopped.
SearchEnd FindProtectionDistance(ProtectionState& s, const ProtectionProgress& progress = {});

struct ProtectionInputs {
    std::string_view cm, qc, s;  // texts of the limit, emission and area boxes
    ProtectionChoices choices;
};

struct ProtectionRun {
    SearchEnd end = SearchEnd::Met;
    float start = 0;  // where the last search started
};

// The compute button: coefficients of the first band, the inputs, a search
// from 0; when it ends beyond 1000 m, the matching band's coefficients, the
// inputs again and a second search from the band's lower bound. The result is
// the state's last distance tested. When the band's own coefficients put the
// distance below its lower bound while those below put it beyond, the
// distance is that bound. `noRowMatches` is called each time the choices
// match no row (the low-wind row is then taken). A search that cannot meet
// the tolerance ends the run.
ProtectionRun ComputeProtectionDistance(ProtectionState& s, const ProtectionInputs& in,
                                        const std::function<void()>& noRowMatches,
                                        const ProtectionProgress& progress = {});

}  // namespace korrimet::risk
