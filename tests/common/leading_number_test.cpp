#include "common/leading_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/statement_failure.h"

namespace korrimet {
namespace {

// A row with no failure reads its value; a row with one fails so, and a
// refusal under a unit names it.
struct UnitCase {
    const char* text;
    const char* unit;
    double value;
    std::optional<FailureKind> failure = std::nullopt;
};

TEST(ParseLeadingNumber, TakesTheNumberAloneOrFollowedByTheBoxsOwnUnit) {
    constexpr auto kNot = FailureKind::NotNumber, kRefused = FailureKind::Domain;
    const UnitCase cases[] = {
        // The number alone, blanks aside, read as a whole entry is.
        {" -0.5 ", "", -0.5}, {"1,000", "m", 1000}, {"1.2E-3\r\n", "", 0.0012}, {"5\xE3\x80\x80", "", 5},
        {"", "m", 0, FailureKind::Empty}, {" \t\n", "", 0, FailureKind::Empty}, {"1e999", "", 0, FailureKind::Overflow},
        {"1e999 m", "m", 0, FailureKind::Overflow}, {"\xC2\xA0" "5\xE3\x80\x80", "", 5},
        // The box's unit in its forms.
        {"6m", "m", 6}, {"6 M", "m", 6}, {"\t6 m\t", "m", 6}, {"\xC2\xA0" "6\xC2\xA0m\xC2\xA0", "m", 6},
        {"\r\n6\xE2\x80\x83m\xE2\x80\xA8\xC2\x85", "m", 6}, {"6\xE2\x80\xAFm\v\f", "m", 6},
        {"\xE3\x80\x80" "6\xE3\x80\x80m\xE3\x80\x80", "m", 6}, {"4 m^3", "m^3", 4}, {"6米", "m", 6}, {"1,000m", "m", 1000}, {"1e3 m", "m", 1000},
        {"30kPa", "Kpa", 30}, {"101.3千帕", "Kpa", 101.3}, {"4m3", "m^3", 4}, {"4 m³", "m^3", 4}, {"4立方米", "m^3", 4},
        {"4 M^3/a", "m^3/a", 4}, {"4立方米/年", "m^3/a", 4}, {"3米/秒", "m/s", 3}, {"64 kg/kmol", "Kg/kmol", 64},
        {"10°C", "℃", 10}, {"10摄氏度", "℃", 10}, {"0.5 μg/m3", "ug/m^3", 0.5}, {"0.5µg/m³", "μg/m3", 0.5},
        {"0.5ug/m3", "μg/m3", 0.5}, {"27度", "度", 27}, {"27°", "度", 27}, {"30分", "分", 30}, {"30′", "分", 30},
        {"30'", "分", 30},
        // Another unit, a magnitude or a second number would be read as what was not meant.
        {"6000mm", "m", 0, kRefused}, {"600cm", "m", 0, kRefused}, {"6千米", "m", 0, kRefused},
        {"101325Pa", "Kpa", 0, kRefused}, {"760mmHg", "Kpa", 0, kRefused}, {"3M", "Kpa", 0, kRefused},
        {"10度", "℃", 0, kRefused}, {"27°", "分", 0, kRefused}, {"27度30分", "度", 0, kRefused},
        {"10m～20m", "m", 0, kRefused}, {"1m33", "m^3", 0, kRefused}, {"2.5k", "m", 0, kRefused},
        {"1.2w", "m", 0, kRefused}, {"2.5万", "m", 0, kRefused}, {"1O0", "m", 0, kRefused},
        {"2.5 e 5", "m", 0, kRefused}, {"1½", "m", 0, kRefused}, {"0xA", "m", 0, kRefused},
        {"1，000", "m", 0, kRefused}, {"m", "m", 0, kRefused}, {"6 ^m", "m", 0, kRefused},
        {"101.3 k Pa", "Kpa", 0, kRefused}, {"4 m 3", "m^3", 0, kRefused},
        // A tab or a line end between number and unit joins two cells or two lines.
        {"6\tm", "m", 0, kRefused}, {"6\nm", "m", 0, kRefused}, {"6 \r\n m", "m", 0, kRefused}, {"6\t\tm", "m", 0, kRefused},
        {"6\xE2\x80\xA8m", "m", 0, kRefused}, {"6\xE2\x80\xA9m", "m", 0, kRefused}, {"6\xC2\x85m", "m", 0, kRefused},
        {"6\vm", "m", 0, kRefused}, {"6\fm", "m", 0, kRefused},
        // Without a unit, the number alone.
        {"6m", "", 0, kNot}, {"3mg/L-5mg/L", "", 0, kNot}, {"12abc34", "", 0, kNot}, {"1 5", "", 0, kNot},
        {"10⁵", "", 0, kNot}, {".", "", 0, kNot}, {"１２", "", 0, kNot}, {"3.05^", "", 0, kNot}, {"1\t5", "", 0, kNot},
    };
    for (const UnitCase& c : cases) {
        try {
            EXPECT_DOUBLE_EQ(ParseLeadingNumber(c.text, c.unit), c.value) << c.text;
            EXPECT_FALSE(c.failure) << c.text << " under " << c.unit;
        } catch (const StatementFailure& f) {
            EXPECT_EQ(f.kind(), c.failure) << c.text << " under " << c.unit;
            if (f.kind() == kRefused) {
                EXPECT_EQ(f.what(), "请只输入数值（单位 " + std::string(c.unit) + "）");
            }
        }
    }
}

// A report that writes the unit writes it once: a read entry as its number
// and the unit, a refused one as typed but on one line.
TEST(EntryWithUnit, WritesTheUnitOnce) {
    const char* const cases[][3] = {
        {"27", "度", "27度"}, {"\xE3\x80\x80" "5\xE3\x80\x80", "度", "5度"}, {"27.50 °", "度", "27.50度"},
        {"30'", "分", "30分"}, {"27度度", "度", "27度度"}, {"２７度", "度", "２７度"}, {"27°° ", "度", "27°° "},
        {"３０分", "分", "３０分"}, {"abc", "度", "abc度"}, {"", "度", "度"},
        {"27\r\n度", "度", "27 度"}, {"30\t\v分\xE2\x80\xA8", "分", "30  分 "},
    };
    for (const auto& c : cases) EXPECT_EQ(EntryWithUnit(c[0], c[1]), c[2]) << c[0];
}

TEST(CaptionUnit, IsWhatTheClosingBracketsHold) {
    const std::pair<const char*, const char*> cases[] = {
        {"油罐直径 D[m]", "m"},  {"大呼吸量计算结果 [ m^3/a ]", "m^3/a"}, {"本地区的地理纬度（度）", "度"},
        {"涂料系数 Fp", ""},     {"[m] 长度", ""},
    };
    for (const auto& [caption, unit] : cases) EXPECT_EQ(CaptionUnit(caption), unit) << caption;
}

}  // namespace
}  // namespace korrimet
