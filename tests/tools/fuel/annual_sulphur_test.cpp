#include "tools/fuel/annual_sulphur.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/statement_failure.h"

namespace korrimet::fuel {
namespace {

TEST(AnnualSulphur, SixteenKilogramsPerTonneAndPercent) {
    const float produced = SulphurDioxideProduced(1000, 1);
    EXPECT_EQ(produced, 16000.0f);
    EXPECT_EQ(NumberText(Tonnes(SulphurDioxideEmitted(0, produced))), "16");
    EXPECT_EQ(NumberText(Tonnes(SulphurDioxideEmitted(80, produced))), "3.2");
    EXPECT_EQ(NumberText(Tonnes(SulphurDioxideEmitted(100, produced))), "0");
    EXPECT_EQ(NumberText(Tonnes(SulphurDioxideEmitted(110, produced))), "-1.6");
    EXPECT_EQ(NumberText(Tonnes(SulphurDioxideEmitted(15, SulphurDioxideProduced(25000, 0.7)))), "238");
}

TEST(AnnualSulphur, AmountsBeyondTheSingleRangeFail) {
    EXPECT_THROW(SulphurDioxideProduced(1e37, 100), StatementFailure);
    EXPECT_THROW(SulphurDioxideEmitted(-1e37, 3e38f), StatementFailure);
}

}  // namespace
}  // namespace korrimet::fuel
