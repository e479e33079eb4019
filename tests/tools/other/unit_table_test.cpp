#include "tools/other/unit_table.h"

#include "common/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <fstream>
#include <sstream>

namespace korrimet::other {
namespace {

std::string storedTable() {
    std::ifstream in(KORRIMET_TEST_DATA "/../../src/tools/other/data/unit_lines.txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::vector<UnitCategory>& table() {
    static const std::vector<UnitCategory> t = ReadUnitTable(storedTable());
    return t;
}

std::string convert(const char* line, double amount) {
    const UnitLine* row = FindConversion(table(), line);
    if (!row) return "no such line";
    return NumberText(amount * *row->factor);
}

TEST(UnitTable, TwentyCategoriesOf149LinesAndTheFirst54Convert) {
    const std::vector<std::size_t> sizes = {18, 14, 18, 10, 7, 5, 4, 5, 16, 3, 2, 2, 14, 4, 2, 2, 3, 11, 6, 3};
    ASSERT_EQ(table().size(), sizes.size());
    std::size_t total = 0, converting = 0;
    bool readingOnlySeen = false;
    for (std::size_t c = 0; c < sizes.size(); ++c) {
        EXPECT_EQ(table()[c].lines.size(), sizes[c]) << table()[c].caption;
        for (const UnitLine& l : table()[c].lines) {
            ++total;
            if (l.factor) {
                ++converting;
                EXPECT_FALSE(readingOnlySeen) << "a converting line after a reading-only one: " << l.text;
            } else {
                readingOnlySeen = true;
            }
        }
    }
    EXPECT_EQ(total, 149u);
    EXPECT_EQ(converting, 54u);
    EXPECT_EQ(table().front().caption, "长度单位查询");
    EXPECT_EQ(table()[3].caption, "质量单位查询");
    EXPECT_EQ(table().back().caption, "热当量查询");
    EXPECT_EQ(table()[3].lines[4].text, "1千克（kg）=2.205磅（lb）");
    EXPECT_EQ(table()[12].lines.back().text, "1大卡=4186.8焦耳（J）");
}

TEST(UnitTable, PickedLinesSetTheirUnitTexts) {
    const UnitLine* longTon = FindConversion(table(), "1吨（t）=0.984长吨（long ton）");
    ASSERT_TRUE(longTon);
    EXPECT_EQ(longTon->fromUnit, "吨（t）");
    EXPECT_EQ(longTon->toUnit, "长吨（long ton）");
    EXPECT_EQ(FindConversion(table(), "1英尺（ft）=0.3048米（m）")->toUnit, "（m）");
    EXPECT_EQ(FindConversion(table(), "1万亿立方英尺（tcf）=283.17亿立方米（m^3）")->fromUnit, "1万亿立方英尺（tcf）");
    EXPECT_EQ(FindConversion(table(), "1码（yd）=3英尺（ft）")->fromUnit, "码（yd)");
    // Reading-only lines and near misses convert nothing.
    EXPECT_FALSE(FindConversion(table(), "1千克（kg）=2.205磅（lb）"));
    EXPECT_FALSE(FindConversion(table(), "1千米（km）=0.621英里（mile） "));
    EXPECT_FALSE(FindConversion(table(), ""));
}

TEST(UnitTable, ConversionsInFifteenDigits) {
    EXPECT_EQ(convert("1千米（km）=0.621英里（mile）", 1), "0.621");
    EXPECT_EQ(convert("1千米（km）=0.621英里（mile）", 10), "6.21");
    EXPECT_EQ(convert("1千米（km）=0.621英里（mile）", -3), "-1.863");
    EXPECT_EQ(convert("1埃=10^-10米（m）", 1), "1E-10");
    EXPECT_EQ(convert("1埃=10^-10米（m）", 123), "1.23E-08");
    EXPECT_EQ(convert("1英尺（ft）=12英寸（in）", 2), "24");
    EXPECT_EQ(convert("1公顷（ha）=10000平方米（m^2）", 100), "1000000");
    EXPECT_EQ(convert("1英亩（acre）=4.047×10^-3平方公里（km^2）", 1000), "4.047");
    EXPECT_EQ(convert("1吨（t）=1.102短吨（sh.ton）", 2.5), "2.755");
    EXPECT_EQ(convert("1吨（t）=0.984长吨（long ton）", 3), "2.952");
    EXPECT_EQ(convert("1平方英里（mile2）=2.590平方公里（km^2）", 1), "2.59");
}

// Every line that states a unit in another, recomputed from the units' SI
// definitions: the stated number must be the exact value rounded to the
// digits it shows (half a unit of its last digit), and a converting line's
// factor must be that number. Lines on crude oil, heat values and heat
// equivalents state properties of fuels, not units, and are not checked.
TEST(UnitTable, EveryStatedFactorAgreesWithTheSIDefinitions) {
    constexpr double kFt = 0.3048, kIn = 0.0254, kYd = 0.9144, kMile = 1609.344, kNauticalMile = 1852;
    constexpr double kFathom = 6 * kFt, kRod = 16.5 * kFt, kAcre = 43560 * kFt * kFt, kFt3 = kFt * kFt * kFt;
    constexpr double kUsGallon = 231 * kIn * kIn * kIn, kBarrel = 42 * kUsGallon, kImperialGallon = 4.54609e-3;
    constexpr double kPound = 0.45359237, kG = 9.80665, kAtm = 101325, kMmHg = 13.5951 * kG;
    constexpr double kKcal = 4186.8, kFahrenheit = 5.0 / 9.0, kBtu = kKcal * kPound * kFahrenheit;
    constexpr double kBritishHp = 550 * kFt * kPound * kG, kDarcy = 9.869233e-13;
    struct Stated {
        const char* line;
        const char* value;  // as the line writes it, a power of ten as e
        double exact;
    };
    const Stated lines[] = {
        {"1千米（km）=0.621英里（mile）", "0.621", 1000 / kMile},
        {"1米（m）=3.281（ft）", "3.281", 1 / kFt},
        {"1米（m）=1.094码（yd）", "1.094", 1 / kYd},
        {"1厘米（cm）=0.394英寸（in）", "0.394", 0.01 / kIn},
        {"1埃=10^-10米（m）", "1e-10", 1e-10},
        {"1英里（mile）=1.609千米（km）", "1.609", kMile / 1000},
        {"1英寻（fm）=1.829（m）", "1.829", kFathom},
        {"1英尺（ft）=0.3048米（m）", "0.3048", kFt},
        {"1英寸（in）=2.54厘米（cm）", "2.54", kIn * 100},
        {"1海里（n mile）=1.852千米（km）", "1.852", kNauticalMile / 1000},
        {"1链=66英尺（ft）=20.1168米", "20.1168", 66 * kFt},
        {"1码（yd）=0.9144米（m）", "0.9144", kYd},
        {"1密耳（mil）=0.0254毫米（mm）", "0.0254", kIn / 1000 * 1000},
        {"1英尺（ft）=12英寸（in）", "12", kFt / kIn},
        {"1码（yd）=3英尺（ft）", "3", kYd / kFt},
        {"1杆（rd）=16.5英尺（ft）", "16.5", kRod / kFt},
        {"1英里（mile）=5280英尺（ft）", "5280", kMile / kFt},
        {"1海里（n mile）=1.1508英里（mile）", "1.1508", kNauticalMile / kMile},
        {"1平方公里（km^2）=100公顷（ha）", "100", 1e6 / 1e4},
        {"1平方公里（km^2）=247.1英亩（acre）", "247.1", 1e6 / kAcre},
        {"1平方公里（km^2）=0.386平方英里（mile2）", "0.386", 1e6 / (kMile * kMile)},
        {"1平方米（m^2）=10.764平方英尺（ft2）", "10.764", 1 / (kFt * kFt)},
        {"1公亩（are）=100平方米（m^2）", "100", 100},
        {"1公顷（ha）=10000平方米（m^2）", "10000", 1e4},
        {"1公顷（ha）=2.471英亩（acre）", "2.471", 1e4 / kAcre},
        {"1平方英里（mile2）=2.590平方公里（km^2）", "2.590", kMile * kMile / 1e6},
        {"1英亩（acre）=0.4047公顷（ha）", "0.4047", kAcre / 1e4},
        {"1英亩（acre）=4.047×10^-3平方公里（km^2）", "4.047e-3", kAcre / 1e6},
        {"1英亩（acre）=4047平方米（m^2）", "4047", kAcre},
        {"1平方英尺（ft^2）=0.093平方米(m^2)", "0.093", kFt * kFt},
        {"1平方英寸（in^2）=6.452平方厘米（cm^2）", "6.452", kIn * kIn * 1e4},
        {"1平方码（yd^2）=0.8361平方米（m^2）", "0.8361", kYd * kYd},
        {"1立方米（m^3）=1000升（liter）", "1000", 1000},
        {"1立方米（m^3）=35.315立方英尺（ft^3）", "35.315", 1 / kFt3},
        {"1立方米（m^3）=6.29桶（bbl）", "6.29", 1 / kBarrel},
        {"1立方英尺（ft3）=0.0283立方米（m^3）", "0.0283", kFt3},
        {"1立方码（yd^3）=0.7646立方米（m^3）", "0.7646", kYd * kYd * kYd},
        {"1千立方英尺（mcf）=28.317立方米（m^3）", "28.317", 1e3 * kFt3},
        {"1百万立方英尺（MMcf）＝2.8317万立方米（m^3）", "2.8317", 1e6 * kFt3 / 1e4},
        {"10亿立方英尺（bcf）=2831.7万立方米（m^3）", "2831.7", 1e9 * kFt3 / 1e4},
        {"1万亿立方英尺（tcf）=283.17亿立方米（m^3）", "283.17", 1e12 * kFt3 / 1e8},
        {"1立方英寸（in3）=16.3871立方厘米（cm^3）", "16.3871", kIn * kIn * kIn * 1e6},
        {"1英亩·英尺＝1233.5立方米（m^3）", "1233.5", kAcre * kFt},
        {"1桶（bbl）=0.159立方米（m^3）", "0.159", kBarrel},
        {"1桶（bbl）=42美加仑（gal）", "42", kBarrel / kUsGallon},
        {"1美加仑（gal）=3.785升（L）", "3.785", kUsGallon * 1000},
        {"1美夸脱（qt）=0.946升（L）", "0.946", kUsGallon / 4 * 1000},
        {"1美品脱（pt）=0.473升（L）", "0.473", kUsGallon / 8 * 1000},
        {"1美吉耳（gi）=0.118升（L）", "0.118", kUsGallon / 32 * 1000},
        {"1英加仑（gal）=4.546升（L）", "4.546", kImperialGallon * 1000},
        {"1吨（t）=1000千克（kg）", "1000", 1000},
        {"1吨（t）=2205磅（lb）", "2205", 1000 / kPound},
        {"1吨（t）=1.102短吨（sh.ton）", "1.102", 1000 / (2000 * kPound)},
        {"1吨（t）=0.984长吨（long ton）", "0.984", 1000 / (2240 * kPound)},
        {"1千克（kg）=2.205磅（lb）", "2.205", 1 / kPound},
        {"1短吨（sh.ton）=0.907吨（t）", "0.907", 2000 * kPound / 1000},
        {"1短吨（sh.ton）=2000磅（lb）", "2000", 2000},
        {"1长吨（long ton）=1.016吨（t）", "1.016", 2240 * kPound / 1000},
        {"1磅（lb）=0.454千克（kg）[常衡]", "0.454", kPound},
        {"1盎司（oz）=28.350克(g)", "28.350", kPound / 16 * 1000},
        {"1千克/米^3（kg/m^3）=0.001克/厘米^3（g/cm^3）", "0.001", 0.001},
        {"1千克/米^3（kg/m^3）=0.0624磅/英尺3（lb/ft3）", "0.0624", kFt3 / kPound},
        {"1磅/英尺3（lb/ft^3）=16.02千克/米^3（kg/m^3）", "16.02", kPound / kFt3},
        {"1磅/英寸3（lb/in^3）=27679.9千克/米^3（kg/m^3）", "27679.9", kPound / (kIn * kIn * kIn)},
        {"1磅/美加仑（lb/gal）=119.826千克/米^3（kg/m^3）", "119.826", kPound / kUsGallon},
        {"1磅/英加仑（lb/gal）=99.776千克/米^3（kg/m^3）", "99.776", kPound / kImperialGallon},
        {"1磅/（石油）桶（lb/bbl）=2.853千克/米^3（kg/m^3）", "2.853", kPound / kBarrel},
        {"1英尺^2/秒（ft2/s）=9.29030×10^-2米2/秒（m^2/s）", "9.29030e-2", kFt * kFt},
        {"1斯（St）=10^-4米2/秒（m^2/s）", "1e-4", 1e-4},
        {"1斯（St）=1厘米^2/秒（cm^2/s）", "1", 1},
        {"1厘斯（cSt）=10^-6米2/秒（m^2/s）", "1e-6", 1e-6},
        {"1厘斯（cSt）=1毫米^2/秒（mm^2/s）", "1", 1},
        {"1泊（P）＝0.1帕·秒（Pa·s）", "0.1", 0.1},
        {"1厘泊（cP）=10⁻³帕·秒（Pa·s）", "1e-3", 1e-3},
        {"1千克力秒/米2（kgf·s/m^2）=9.80665帕·秒（Pa·s）", "9.80665", kG},
        {"1磅力秒/英尺2（lbf·s/ft^2）=47.8803帕·秒（Pa·s）", "47.8803", kPound * kG / (kFt * kFt)},
        {"1牛顿（N）＝0.225磅力（lbf）", "0.225", 1 / (kPound * kG)},
        {"1牛顿（N）=0.102千克力（kgf）", "0.102", 1 / kG},
        {"1千克力（kgf）=9.81牛（N）", "9.81", kG},
        {"1磅力（lbf）=4.45牛顿（N）", "4.45", kPound * kG},
        {"1达因（dyn）=10^-5牛顿（N）", "1e-5", 1e-5},
        {"1巴（bar）=10⁵帕（Pa）", "1e5", 1e5},
        {"1千帕（kPa）=0.145磅力/英寸^2（psi）", "0.145", 1000 * kIn * kIn / (kPound * kG)},
        {"1千帕（kPa）=0.0102千克力/厘米2（kgf/cm^2）", "0.0102", 1000 * 1e-4 / kG},
        {"1千帕（kPa）=0.00987大气压（atm）", "0.00987", 1000 / kAtm},
        {"1磅力/英寸^2（psi）=6.895千帕（kPa）", "6.895", kPound * kG / (kIn * kIn) / 1000},
        {"1磅力/英寸^2（psi）=0.0703千克力/厘米^2（kg/cm^2）", "0.0703", kPound / (kIn * kIn) * 1e-4},
        {"1磅力/英寸^2（psi）=0.0689巴（bar）", "0.0689", kPound * kG / (kIn * kIn) / 1e5},
        {"1磅力/英寸^2（psi）=0.068大气压（atm）", "0.068", kPound * kG / (kIn * kIn) / kAtm},
        {"1物理大气压（atm）=101.325千帕（kPa）", "101.325", kAtm / 1000},
        {"1物理大气压（atm）=14.696磅/英寸2（psi）", "14.696", kAtm * kIn * kIn / (kPound * kG)},
        {"1物理大气压（atm）=1.01325巴（bar）", "1.01325", kAtm / 1e5},
        {"1工程大气压=98.0665千帕（kPa）", "98.0665", kG * 1e4 / 1000},
        {"1毫米水柱（mmH2O）=9.80665帕（Pa）", "9.80665", kG},
        {"1毫米汞柱（mmHg）=133.322帕（Pa）", "133.322", kMmHg},
        {"1托（Torr）=133.322帕（Pa）", "133.322", kAtm / 760},
        {"1达因/厘米^2（dyn/cm2）=0.1帕（Pa）", "0.1", 0.1},
        {"1千卡/（米^2·时·℃）〔1kcal/(m^2·h·℃)〕＝1.163瓦/（米^2·开尔文）〔w/(m2·K)〕", "1.163", kKcal / 3600},
        {"1英热单位/（英尺2·时·°F）〔Btu/(ft2·h·°F)〕 =5.67826瓦/（米^2·开尔文）〔（w/m2·K）〕", "5.67826", kBtu / (kFt * kFt * 3600 * kFahrenheit)},
        {"1米^2·时·℃/千卡（m^2·h·℃/kcal） =0.85985米2·开尔文/瓦（m^2·K/W） 1千卡/米2·时（kcal/m2·h）=1.163瓦/米2（w/m2）", "0.85985", 3600 / kKcal},
        {"1米^2·时·℃/千卡（m^2·h·℃/kcal） =0.85985米2·开尔文/瓦（m^2·K/W） 1千卡/米2·时（kcal/m2·h）=1.163瓦/米2（w/m2）", "1.163", kKcal / 3600},
        {"1千卡（米·时·℃）〔kcal/(m·h·℃)〕＝1.163瓦/（米·开尔文）〔W/(m·K)〕", "1.163", kKcal / 3600},
        {"1英热单位/（英尺·时·°F）〔Btu/(ft·h·°F)〕＝1.7307瓦/（米·开尔文）〔W/(m·K)〕", "1.7307", kBtu / (kFt * 3600 * kFahrenheit)},
        {"1千卡/（千克·℃）〔kcal/(kg·℃)〕＝1英热单位/（磅·°F）〔Btu/(lb·°F)〕", "1", kBtu / (kPound * kFahrenheit) / kKcal},
        {"1千卡/（千克·℃）〔kcal/(kg·℃)〕＝4186.8焦耳/（千克·开尔文）〔J/（kg·K）〕", "4186.8", kKcal},
        {"1焦耳＝0.10197千克力·米", "0.10197", 1 / kG},
        {"1焦耳＝2.778×10^－7千瓦·小时", "2.778e-7", 1 / 3.6e6},
        {"1焦耳＝3.777×10^－7公制马力小时", "3.777e-7", 1 / (75 * kG * 3600)},
        {"1焦耳＝3.725×10^－7英制马力小时", "3.725e-7", 1 / (kBritishHp * 3600)},
        {"1焦耳＝2.388×10^－4千卡", "2.388e-4", 1 / kKcal},
        {"1焦耳=9.48×10^－4英热单位", "9.48e-4", 1 / kBtu},
        {"1卡（cal）=4.1868焦耳（J）", "4.1868", kKcal / 1000},
        {"1英热单位（Btu）＝1055.06焦耳（J）", "1055.06", kBtu},
        {"1千克力米（kgf·m）=9.80665焦耳（J）", "9.80665", kG},
        {"1英尺磅力（ft·lbf）=1.35582焦耳（J）", "1.35582", kFt * kPound * kG},
        {"1米制马力小时（hp·h）=2.64780×10^6焦耳（J）", "2.64780e6", 75 * kG * 3600},
        {"1英制马力小时（UKHp·h）=2.68452×10^6焦耳（J）", "2.68452e6", kBritishHp * 3600},
        {"1千瓦小时（kW·h）=3.6×10^6焦耳（J）", "3.6e6", 3.6e6},
        {"1大卡=4186.8焦耳（J）", "4186.8", kKcal},
        {"1千克力·米/秒（kgf·m/s）=9.80665瓦（w）", "9.80665", kG},
        {"1米制马力（hp）=735.499瓦（W）", "735.499", 75 * kG},
        {"1卡/秒（cal/s）＝4.1868瓦（W）", "4.1868", kKcal / 1000},
        {"1英热单位/时（Btu/h）=0.293071瓦（W）", "0.293071", kBtu / 3600},
        {"1英尺/秒（ft/s）=0.3048米/秒（m/s）", "0.3048", kFt},
        {"1英里/时（mile/h）=0.44704米/秒（m/s）", "0.44704", kMile / 3600},
        {"1达西＝1000毫达西", "1000", 1000},
        {"1平方厘米（cm^2）＝1.013×10⁸达西", "1.013e8", 1e-4 / kDarcy},
        {"1°F/100英尺＝1.8℃/100米（℃/m）", "1.8", kFahrenheit / (100 * kFt) * 100},
        {"1℃/公里＝2.9°F/英里（°F/mile）", "2.9", kMile / 1000 / kFahrenheit},
        {"1℃/公里=0.055°F/100英尺（°F/ft）", "0.055", 100 * kFt / 1000 / kFahrenheit},
        {"1千立方英尺/日（Mcfd）=28.32立方米/日（m^3/d）", "28.32", 1e3 * kFt3},
        {"1千立方英尺/日（Mcfd）=1.0336万立米/年（m^3/a）", "1.0336", 1e3 * kFt3 * 365 / 1e4},
        {"1百万立方英尺/日（MMcfd）=2.832万立方米/日（m^3/d）", "2.832", 1e6 * kFt3 / 1e4},
        {"1百万立方英尺/日（MMcfd）=1033.56万立方米/年（m^3/a）", "1033.56", 1e6 * kFt3 * 365 / 1e4},
        {"10亿立方英尺/日（bcfd）=0.2832亿立方米/日（m^3/d）", "0.2832", 1e9 * kFt3 / 1e8},
        {"10亿立方英尺/日（bcfd）=103.36亿立方米/年（m^3/a）", "103.36", 1e9 * kFt3 * 365 / 1e8},
        {"1万亿立方英尺/日（tcfd）=283.2亿立方米/日（m^3/d）", "283.2", 1e12 * kFt3 / 1e8},
        {"1万亿立方英尺/日（tcfd）=10.336万亿立方米/年（m^3/a）", "10.336", 1e12 * kFt3 * 365 / 1e12},
    };
    for (const Stated& s : lines) {
        SCOPED_TRACE(s.line);
        const UnitLine* row = nullptr;
        for (const UnitCategory& c : table())
            for (const UnitLine& l : c.lines)
                if (l.text == s.line) row = &l;
        ASSERT_TRUE(row) << "no such line";
        const double stated = std::strtod(s.value, nullptr);
        if (row->factor) {
            EXPECT_EQ(*row->factor, stated);
        }
        // Half a unit of the last digit shown.
        const std::string v = s.value;
        const std::size_t e = v.find('e'), dot = v.find('.');
        const int decimals = dot == std::string::npos || dot > e ? 0 : static_cast<int>(std::min(e, v.size()) - dot - 1);
        const double scale = e == std::string::npos ? 1 : std::pow(10.0, std::atoi(v.c_str() + e + 1));
        EXPECT_LE(std::abs(stated - s.exact), 0.5 * std::pow(10.0, -decimals) * scale * (1 + 1e-9))
            << "exact " << s.exact;
    }
}

TEST(UnitTable, FaultyTablesAreRefusedWithTheirLine) {
    EXPECT_THROW(ReadUnitTable("1米=1米\n"), UnitTableError);
    EXPECT_THROW(ReadUnitTable("[长度]\n1米=2尺 | x | 米 | 尺\n"), UnitTableError);
    EXPECT_THROW(ReadUnitTable("[长度]\n1米=2尺 | 2 | 米\n"), UnitTableError);
    EXPECT_THROW(ReadUnitTable("[长度]\n1米=2尺\n[面积]\n1米=2尺\n"), UnitTableError);
    try {
        ReadUnitTable("# note\n[长度]\n\n1米=2尺 | 2 | 米 |\n");
        FAIL() << "an empty unit passed";
    } catch (const UnitTableError& e) {
        EXPECT_STREQ(e.what(), "line 4: a factor and two units");
    }
    const auto t = ReadUnitTable("[长度]\r\n1米=2尺 | 2 | 米 | 尺\r\n1尺=3寸\r\n");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].lines[0].toUnit, "尺");
    EXPECT_EQ(t[0].lines[1].text, "1尺=3寸");
}

}  // namespace
}  // namespace korrimet::other
