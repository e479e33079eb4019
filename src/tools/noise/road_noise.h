#pragma once
#include <array>
#include <string>

// Pieces both highway traffic noise models share.
namespace korrimet::noise {

// Vehicle types in table order: large, medium, small.
inline constexpr int kLarge = 0, kMedium = 1, kSmall = 2;
inline constexpr int kVehicleTypes = 3;

// A box text as a Double at the moment the arithmetic needs it; fails the
// statement when it is no number.
double BoxNumber(const std::string& text);

// Energy sum of the vehicle types' levels, dB.
double TrafficLevelSum(const std::array<double, kVehicleTypes>& levels);

// Correction for the part of the road the receiver sees, 10·lg(θ/180) with
// θ in degrees; fails for an angle of 0 or less, which has no correction.
double ViewAngleCorrection(double degrees);

}  // namespace korrimet::noise
