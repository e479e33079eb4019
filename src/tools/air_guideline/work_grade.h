#pragma once
#include <string>

namespace korrimet::air_guideline {

enum class Terrain { Flat, Complex };
enum class WorkGrade { First, Second, Third };

// Equal-standard emission rate P in m³/h from Q (t/h) and the air quality
// standard C (mg/m³), as a Single. Fails the statement when C is 0 or P
// leaves the Single range.
float EqualStandardRate(double q, double c);

// Flat terrain never reaches the first grade; a threshold itself stays in
// the lower grade.
WorkGrade GradeOf(float p, Terrain terrain);

// The three report lines joined by line feeds, none after the last.
std::string WorkGradeReport(float p, Terrain terrain);

}  // namespace korrimet::air_guideline
