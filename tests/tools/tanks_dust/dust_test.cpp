#include "tools/tanks_dust/dust.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"
#include "common/statement_failure.h"

using namespace korrimet;
using namespace korrimet::dust;

// S enters as the percentage itself, as the window's formula shows it: E = P × 0.81 × S × (V/30) ×
// ((365 − w)/365) × (T/4) = 0.62 × 0.81 × 12 × 0.5 × 215/365 × 1.5 = 2.6623479 kg/km (.02662 with S/100).
TEST(ConstructionSiteDust, DefaultsAndWetDays) {
    EXPECT_NEAR(ConstructionSiteDust(0.62, 12, 15, 150, 6), 2.6623479, 1e-7);
    EXPECT_EQ(MaskText(ConstructionSiteDust(0.62, 12, 15, 150, 6), "####.#####"), "2.66235");
    EXPECT_EQ(ResultMaskText(ConstructionSiteDust(0.62, 12, 15, 365, 6), "####.#####"), "0");
    EXPECT_EQ(MaskText(ConstructionSiteDust(0.62, 12, 15, 400, 6), "####.#####"), "-.43341");
    // The mask limits only the decimals.
    EXPECT_EQ(MaskText(ConstructionSiteDust(0.62, 12, 15000000, 150, 6), "####.#####"), "2662347.94521");
    EXPECT_THROW(ConstructionSiteDust(1e300, 1e300, 15, 150, 6), StatementFailure);
}

TEST(WharfCoalPileDust, WorkedExampleRows) {
    struct Row {
        double u, f;
        const char *qp3, *qp2, *actual;
    };
    const Row rows[] = {
        {4, 3.28, "7279.846", "7279.85", ".239"},
        {5, 2.48, "58238.768", "58238.77", "1.444"},
        {6, 1.29, "196555.843", "196555.84", "2.536"},
    };
    for (const Row& r : rows) {
        const double qp = WharfCoalPileDust(0.96, r.u, 3.0, 10, 4000);
        EXPECT_EQ(MaskText(qp, "####.###"), r.qp3) << "U = " << r.u;
        EXPECT_EQ(MaskText(qp, "####.##"), r.qp2) << "U = " << r.u;
        const double shown = ParseNumber(MaskText(qp, "####.###"), Precision::Double);
        EXPECT_EQ(MaskText(WindDirectionDust(shown, r.f), "####.###"), r.actual) << "U = " << r.u;
    }
    EXPECT_EQ(WharfCoalPileDust(0.96, 3, 3.0, 10, 4000), 0);
    // Below the start-up speed the wind raises no dust; (2 − 3)³ gave −7279.846 kg/a.
    EXPECT_EQ(WharfCoalPileDust(0.96, 2, 3.0, 10, 4000), 0);
}

TEST(CoalPileDust, DefaultsAndFaults) {
    EXPECT_NEAR(CoalPileDust(6, 200, 60, 6), 166.6372, 1e-4);
    EXPECT_EQ(MaskText(CoalPileDust(6, 200, 60, 6), "####.###"), "166.637");
    EXPECT_EQ(CoalPileDust(0, 200, 60, 6), 0);
    EXPECT_EQ(CoalPileDust(6, 0, 60, 6), 0);
    EXPECT_THROW(CoalPileDust(-6, 200, 60, 6), StatementFailure);
    EXPECT_THROW(CoalPileDust(6, -200, 60, 6), StatementFailure);
    // W enters as typed: one unit more moisture divides by e^0.55.
    EXPECT_NEAR(CoalPileDust(6, 200, 60, 7) / CoalPileDust(6, 200, 60, 6), std::exp(-0.55), 1e-12);
}

TEST(WharfLoadingDust, DefaultsAndTheYearlyAmount) {
    const double q = WharfLoadingDust(0.5, 1.5, 2.0);
    EXPECT_NEAR(q, 919.186, 1e-3);
    EXPECT_EQ(MaskText(q, "#####.##"), "919.19");
    // 919.186 mg/s × 86400 s × 300 d = 2.38253e10 mg = 23.8253 t (10⁹ mg a tonne)
    EXPECT_NEAR(YearlyLoadingDust(q), 23.8253, 1e-4);
    EXPECT_EQ(MaskText(YearlyLoadingDust(q), "#####.##"), "23.83");
    EXPECT_NEAR(WharfLoadingDust(0.5, 1.5, 100) / WharfLoadingDust(0.5, 1.5, 0), std::exp(-0.28), 1e-12);
    EXPECT_EQ(WharfLoadingDust(0, 1.5, 2), 0);
    EXPECT_THROW(WharfLoadingDust(-0.5, 1.5, 2), StatementFailure);
    EXPECT_THROW(WharfLoadingDust(0.5, -1.5, 2), StatementFailure);
}

TEST(RoadDust, DefaultsOfTheThreeWindows) {
    EXPECT_NEAR(RoadDust(40, 4, 5), 0.011462, 1e-6);
    EXPECT_EQ(MaskText(RoadDust(40, 4, 5), "#####.###"), ".011");
    EXPECT_EQ(MaskText(VehicleRoadDust(60, 20, 0.2), "####.###"), "1.898");
    EXPECT_EQ(MaskText(PortRoadDust(10, 45, 0.2), "####.###"), "2.28");
}

TEST(RoadDust, TyresAndWindSpeedArePlainFactors) {
    EXPECT_NEAR(RoadDust(40, 6, 5), 0.0171938, 1e-7);
    EXPECT_EQ(RoadDust(40, 6, 5), RoadDust(40, 5, 6));
    EXPECT_LT(RoadDust(-40, 6, 5), 0);  // no powers: any numbers give a result
}

TEST(RoadDust, NegativeWeightOrDustLoadFails) {
    EXPECT_LT(VehicleRoadDust(-60, 20, 0.2), 0);
    EXPECT_LT(PortRoadDust(-10, 45, 0.2), 0);
    EXPECT_THROW(VehicleRoadDust(60, -20, 0.2), StatementFailure);
    EXPECT_THROW(VehicleRoadDust(60, 20, -0.2), StatementFailure);
    EXPECT_THROW(PortRoadDust(10, -45, 0.2), StatementFailure);
    EXPECT_THROW(PortRoadDust(10, 45, -0.2), StatementFailure);
    EXPECT_EQ(VehicleRoadDust(60, 0, 0.2), 0);
}
