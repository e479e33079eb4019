#pragma once
#include <array>
#include <optional>
#include <string>

#include "tools/noise/road_noise.h"

namespace korrimet::noise {

// The boxes as typed; each text becomes a Double where the arithmetic needs it.
struct RoadNoiseInputs {
    std::string section = "XXX高等级公路";
    std::string laneFlow = "800";                              // Q, vehicles/h of one lane
    std::array<std::string, 3> shares{"0.3", "0.4", "0.3"};     // ηL, ηM, ηS
    std::string hours = "1";                                   // shown only
    std::string laneWidth = "15";                              // w, m
    std::string forest = "1", building = "2.5";                // dB
    std::string angle = "150";                                 // θ, degrees
    std::string gradient = "4.5";                              // g, %
    std::array<std::string, 3> flows{"300", "400", "500"};      // NL, NM, NS, vehicles/h
    std::array<std::string, 3> speeds{"80", "90", "110"};       // typed, km/h
    std::string designSpeed = "100";                           // km/h
    bool sixLanes = true;      // otherwise two-way four lanes
    bool typedSpeeds = true;   // otherwise the flow formula
    bool cement = false;       // otherwise asphalt
};

// A working value of one run: empty until a statement stores it; empty
// counts as 0 in arithmetic.
using RunValue = std::optional<double>;

inline constexpr int kDistances = 11;  // 0 to 200 m in steps of 20

struct RoadNoiseRun {
    std::array<RunValue, 3> laneVolume, formulaSpeed, emission;
    std::array<RunValue, kDistances> level;
    bool speedWarning = false;
    bool complete = true;  // no statement failed
};

RoadNoiseRun PredictRoadNoise(const RoadNoiseInputs& in);
std::string RoadNoiseReport(const RoadNoiseInputs& in, const RoadNoiseRun& run);

}  // namespace korrimet::noise
