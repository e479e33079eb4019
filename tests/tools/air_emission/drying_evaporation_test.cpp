#include "tools/air_emission/drying_evaporation.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/steps.h"

namespace korrimet::air_emission {
namespace {

// Entries in the order w, u1, u2.
std::string drying(DryingInput in) {
    Drying s;
    Steps steps;
    ComputeDrying(s, in, steps);
    return steps.ok() ? NumberText(s.G) : "failed";
}

TEST(Drying, WorkedExamples) {
    EXPECT_EQ(drying({1000, 60, 10}), "555.5556");
    EXPECT_EQ(drying({1000, 10, 60}), "-1250");  // ends wetter than it started
    EXPECT_EQ(drying({100, 50, 50}), "0");
    EXPECT_EQ(drying({1000, 60, 100}), "failed");  // no dry matter left to weigh against
}

// Entries in the order F, x1, x2.
std::string evaporation(EvaporationInput in) {
    Evaporation s;
    Steps steps;
    ComputeEvaporation(s, in, steps);
    return steps.ok() ? NumberText(s.E) : "failed";
}

TEST(Evaporation, WorkedExamples) {
    EXPECT_EQ(evaporation({1000, 10, 40}), "750");
    EXPECT_EQ(evaporation({1000, 10, 30}), "666.6667");
    EXPECT_EQ(evaporation({1000, 30, 30}), "0");
    EXPECT_EQ(evaporation({1000, 10, 0}), "failed");
    EXPECT_EQ(evaporation({1E+300, 10, 40}), "failed");  // beyond a Single
}

}  // namespace
}  // namespace korrimet::air_emission
