#include "tools/risk/puff.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::risk {
namespace {

PuffTexts defaults() { return {"12000000", "200", "200", "100", "0", "0", "1"}; }

TEST(Puff, WorkedValues) {
    EXPECT_EQ(NumberText(PuffConcentration(defaults(), 200, 100)), "0.203904");
    // At the centre on the ground only the constant factor remains.
    PuffTexts ground = defaults();
    ground.z0 = "0";
    EXPECT_EQ(NumberText(PuffConcentration(ground, 0, 0)), "0.3809618");
    // The centre coordinates shift the puff.
    PuffTexts moved = defaults();
    moved.x0 = "200";
    moved.y0 = "100";
    EXPECT_FLOAT_EQ(PuffConcentration(moved, 400, 200), PuffConcentration(defaults(), 200, 100));
}

TEST(Puff, AFactorThatCannotBeComputedGivesZero) {
    for (std::string PuffTexts::*box : {&PuffTexts::q, &PuffTexts::sx, &PuffTexts::sy, &PuffTexts::sz,
                                        &PuffTexts::x0, &PuffTexts::y0, &PuffTexts::z0}) {
        PuffTexts p = defaults();
        p.*box = "abc";
        EXPECT_EQ(PuffConcentration(p, 200, 100), 0.0f);
        if (box == &PuffTexts::q || box == &PuffTexts::x0 || box == &PuffTexts::y0 || box == &PuffTexts::z0)
            continue;
        p.*box = "0";
        EXPECT_EQ(PuffConcentration(p, 200, 100), 0.0f);
    }
}

TEST(Puff, FarPointsUnderflowToZeroWithoutFailing) {
    EXPECT_EQ(PuffConcentration(defaults(), 5000, 0), 0.0f);
    EXPECT_GT(PuffConcentration(defaults(), 1000, 300), 0.0f);
}

}  // namespace
}  // namespace korrimet::risk
