#pragma once
#include <array>
#include <optional>
#include <string>

#include "tools/noise/road_noise.h"

// Day and night traffic noise beside a two-way four-lane road, after the
// semi-empirical highway model: speeds follow from the hourly flows.
namespace korrimet::noise {

// Ground constant K1 of the three ground options.
inline constexpr double kHardGround = 0.9, kSoilGround = 1.0, kGrassGround = 1.1;

// The boxes as typed; each text becomes a Double where the arithmetic needs it.
struct FourLaneInputs {
    std::string year = "2003";
    std::string section;                                       // road name, title only
    std::array<std::string, 3> dayFlows{"50", "220", "200"};    // vehicles/h by type
    std::array<std::string, 3> nightFlows{"30", "120", "120"};
    std::string gradient = "0.04";                             // β, as typed
    std::string laneWidth = "15";                              // w, m
    std::string forest = "0", building = "0";                  // dB
    std::string angle = "150";                                 // θ, degrees
    double ground = kSoilGround;                               // K1
    bool cement = false;                                       // otherwise asphalt
};

inline constexpr int kPositions = 11;
inline constexpr std::array<int, kPositions> kPositionDistances{20, 30, 40, 50, 60, 70, 80, 100, 140, 160, 250};

struct FourLaneRun {
    std::array<double, kVehicleTypes> daySpeed{}, nightSpeed{};  // km/h
    std::array<float, kPositions> day{}, night{};                // dB
};

// None when an entry is wrong or a value grows beyond the number range.
std::optional<FourLaneRun> PredictFourLane(const FourLaneInputs& in);

// Title and the rows of distances, day and night levels.
std::string FourLaneReport(const FourLaneInputs& in, const FourLaneRun& run);

}  // namespace korrimet::noise
