#include "tools/air_emission/open_storage.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/steps.h"

namespace korrimet::air_emission {
namespace {

// u, F, M, t, A, B: benzene at 20 °C over one square metre in a 1 m/s wind.
OpenStorageInput benzene() { return {1, 1, 78, 20, 34172, 7.962}; }

std::string run(OpenStorage& s, const OpenStorageInput& in) {
    Steps steps;
    ComputeOpenStorage(s, in, steps);
    return steps.ok() ? NumberText(s.G) : "failed";
}

TEST(OpenStorage, BenzeneRow) {
    OpenStorage s;
    EXPECT_EQ(run(s, benzene()), "6214.066");
    EXPECT_NEAR(s.lgP, 1.87052f, 1e-5);
    EXPECT_NEAR(s.P, 74.21988f, 1e-4);
    EXPECT_FLOAT_EQ(s.W, 9.48f);
}

TEST(OpenStorage, AFailedPressNeverAddsBIntoTheLogarithmAgain) {
    // Each bad press once added B to the logarithm left by the last: 5.69E+11, then 5.2E+19, ...
    OpenStorage s;
    run(s, benzene());
    OpenStorageInput bad = benzene();
    bad.temperature = -273;  // division by zero
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(run(s, bad), "failed");
        EXPECT_NEAR(s.lgP, 1.87052f, 1e-5) << "press " << i;
    }
    EXPECT_EQ(run(s, benzene()), "6214.066");
}

TEST(OpenStorage, APressureBeyondASingleFails) {
    OpenStorage s;
    OpenStorageInput in = benzene();
    in.b = 60;  // lg P near 54: 10^54 does not fit a Single
    EXPECT_EQ(run(s, in), "failed");
}

}  // namespace
}  // namespace korrimet::air_emission
