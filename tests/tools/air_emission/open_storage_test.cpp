#include "tools/air_emission/open_storage.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::air_emission {
namespace {

// u, F, M, t, A, B: benzene at 20 °C over one square metre in a 1 m/s wind.
OpenStorageTexts benzene() { return {"1", "1", "78", "20", "34172", "7.962"}; }

std::string run(OpenStorage& s, const OpenStorageTexts& in) {
    ComputeOpenStorage(s, in);
    return NumberText(s.G);
}

TEST(OpenStorage, BenzeneRow) {
    OpenStorage s;
    EXPECT_EQ(run(s, benzene()), "6214.066");
    EXPECT_NEAR(s.lgP, 1.87052f, 1e-5);
    EXPECT_NEAR(s.P, 74.21988f, 1e-4);
    EXPECT_FLOAT_EQ(s.W, 9.48f);
}

TEST(OpenStorage, EmptyBoxesOnAFreshWindowGiveZero) {
    OpenStorage s;
    EXPECT_EQ(run(s, {"", "", "", "", "", ""}), "0");
    EXPECT_FLOAT_EQ(s.P, 1);  // 10 to the power 0
}

TEST(OpenStorage, AFailedFirstStepLetsBAddToTheOldLogarithm) {
    for (const char* t : {"", "-273"}) {
        OpenStorage s;
        run(s, benzene());
        OpenStorageTexts in = benzene();
        in.temperature = t;
        run(s, in);
        EXPECT_NEAR(s.lgP, 9.83252f, 1e-5) << "t = \"" << t << "\"";
    }
}

TEST(OpenStorage, WithoutBThePressureComesFromTheFirstStepAlone) {
    OpenStorage s;
    OpenStorageTexts in = benzene();
    in.b = "";
    run(s, in);
    EXPECT_NEAR(s.lgP, -6.09148f, 1e-5);
    EXPECT_NEAR(s.P, 8.1e-7f, 1e-8);
}

TEST(OpenStorage, AFailedRateShowsThePreviousOne) {
    OpenStorage s;
    run(s, benzene());
    OpenStorageTexts in = benzene();
    in.area = "";
    EXPECT_EQ(run(s, in), "6214.066");
    in = benzene();
    in.molecular = "-78";  // root of a negative
    EXPECT_EQ(run(s, in), "6214.066");
}

TEST(OpenStorage, APressureBeyondASingleKeepsTheOldPressure) {
    OpenStorage s;
    run(s, benzene());
    OpenStorageTexts in = benzene();
    in.b = "60";  // lg P near 54: 10^54 does not fit a Single
    EXPECT_EQ(run(s, in), "6214.066");
    EXPECT_NEAR(s.P, 74.21988f, 1e-4);
}

}  // namespace
}  // namespace korrimet::air_emission
