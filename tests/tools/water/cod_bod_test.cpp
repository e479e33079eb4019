#include "tools/water/cod_bod.h"

#include <gtest/gtest.h>

#include "common/statement_failure.h"
#include "water_data.h"

namespace korrimet::water {
namespace {

std::vector<CodBodLine> stored() {
    auto lines = ParseCodBodLines(test::waterData("cod_bod_lines.txt"));
    EXPECT_TRUE(lines);
    return lines.value_or(std::vector<CodBodLine>{});
}

TEST(CodBod, EightLinesInScreenOrder) {
    const auto lines = stored();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines.front().label, "机械废水：");
    EXPECT_EQ(lines.back().label, "生活污水：");
    const char* const at100[] = {"29.12", "12.96", "170.43", "39.59", "74.96", "77.43", "33.98", "65.62"};
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(Bod5Text(lines[i], 100), at100[i]) << lines[i].label;
}

// Zero COD gives the intercept; a negative one was shown as a negative BOD5.
TEST(CodBod, ZeroCodGivesTheInterceptAndNoNegativeBod5) {
    const auto lines = stored();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(Bod5Text(lines[0], 0), "1.8");
    EXPECT_THROW(Bod5Text(lines[3], 0), StatementFailure);
    EXPECT_THROW(Bod5Text(lines[6], 1), StatementFailure);
    EXPECT_EQ(Bod5Text(lines[6], 250), "85.565");
}

TEST(CodBod, MalformedLinesAreRefused) {
    std::string error;
    EXPECT_FALSE(ParseCodBodLines("机械废水： | 0.27\n", &error));
    EXPECT_EQ(error, "line 1: label | a | b");
    EXPECT_FALSE(ParseCodBodLines("机械废水： | a | 1\n"));
}

}  // namespace
}  // namespace korrimet::water
