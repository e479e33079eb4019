#include "common/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <optional>

#include "common/statement_failure.h"

namespace korrimet {
namespace {

TEST(ParseNumber, AcceptsTheLocaleForms) {
    EXPECT_DOUBLE_EQ(ParseNumber(" 12.5 ", Precision::Double), 12.5);
    EXPECT_DOUBLE_EQ(ParseNumber(".5", Precision::Double), 0.5);
    EXPECT_DOUBLE_EQ(ParseNumber("5.", Precision::Double), 5);
    EXPECT_DOUBLE_EQ(ParseNumber("-3", Precision::Double), -3);
    EXPECT_DOUBLE_EQ(ParseNumber("+3", Precision::Double), 3);
    EXPECT_DOUBLE_EQ(ParseNumber("1E-05", Precision::Double), 0.00001);
    EXPECT_DOUBLE_EQ(ParseNumber("2.5e3", Precision::Double), 2500);
    EXPECT_DOUBLE_EQ(ParseNumber("1,000", Precision::Double), 1000);
    EXPECT_DOUBLE_EQ(ParseNumber("1,234,567.5", Precision::Double), 1234567.5);
    EXPECT_DOUBLE_EQ(ParseNumber("12.", Precision::Double), 12);  // what a "#" mask writes
}

TEST(ParseNumber, FailsOnWhatIsNoNumber) {
    for (const char* bad : {"", "   ", "-", ".", "1.2.3", "12a", "e5", "1e", "1e+", ",5", "1.5,0", "１２", "5-",
                            "1,5", "12,34", "1,0000", "1234,567", "1,234,56"})
        EXPECT_THROW(ParseNumber(bad, Precision::Double), StatementFailure) << '"' << bad << '"';
}

TEST(ParseNumber, TellsAnEmptyEntryFromOneThatIsNoNumber) {
    auto kindOf = [](const char* text) {
        try {
            ParseNumber(text, Precision::Single);
        } catch (const StatementFailure& f) {
            return f.kind();
        }
        return FailureKind::Domain;
    };
    EXPECT_EQ(kindOf("  "), FailureKind::Empty);
    EXPECT_EQ(kindOf("25O"), FailureKind::NotNumber);
    EXPECT_EQ(kindOf("1e999"), FailureKind::Overflow);
    EXPECT_EQ(kindOf("1e39"), FailureKind::Overflow);  // beyond a Single
}

TEST(ParseNumber, RoundsToTheRequestedPrecision) {
    EXPECT_EQ(ParseNumber("0.1", Precision::Single), static_cast<double>(0.1f));
    EXPECT_EQ(ParseNumber("0.1", Precision::Double), 0.1);
    EXPECT_EQ(ParseNumber("16777217", Precision::Single), 16777216.0);
}

TEST(ParseNumber, FailsBeyondTheRangeOfItsType) {
    EXPECT_THROW(ParseNumber("1E+39", Precision::Single), StatementFailure);
    EXPECT_DOUBLE_EQ(ParseNumber("1E+39", Precision::Double), 1e39);
    EXPECT_THROW(ParseNumber("1E+309", Precision::Double), StatementFailure);
    EXPECT_THROW(ParseNumber("-1E+309", Precision::Double), StatementFailure);
    // Too small is not an overflow: it becomes zero or a denormal.
    EXPECT_EQ(ParseNumber("1E-400", Precision::Double), 0.0);
    EXPECT_EQ(ParseNumber("1E-50", Precision::Single), 0.0);
}

TEST(ParseNumber, IgnoresTheProcessLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_DOUBLE_EQ(ParseNumber("12.5", Precision::Double), 12.5);
        EXPECT_EQ(NumberText(12.5), "12.5");
        std::setlocale(LC_NUMERIC, saved.c_str());
    }
}

// The reading of an entry by the number it begins with: a row with no kind
// reads its value; a row with one fails with it.
struct LeadingCase {
    const char* text;
    double value;
    std::optional<FailureKind> failure = std::nullopt;
};

std::optional<FailureKind> leadingFailure(const char* text) {
    try {
        ParseLeadingNumber(text);
    } catch (const StatementFailure& f) {
        return f.kind();
    }
    return std::nullopt;
}

TEST(ParseLeadingNumber, ReadsTheNumberInFrontOfItsUnitAndNoPartOfOne) {
    constexpr auto kNot = FailureKind::NotNumber;
    const LeadingCase cases[] = {
        // A unit after the number; one that begins with a letter keeps its digits.
        {"27度", 27}, {" 30kPa", 30}, {"-0.5", -0.5}, {"5 m", 5}, {"12.5%", 12.5}, {"10℃", 10},
        {"101.3 kPa", 101.3}, {"1,000m3", 1000}, {"30 m3/h", 30}, {"2 km2", 2}, {"4m^3", 4}, {"0.2mg/m3", 0.2},
        {"6 m³", 6}, {"2.5e度", 2.5}, {"2e", 2}, {"5-", 5}, {"1e3度", 1000}, {"1，", 1}, {"0.5L", 0.5},
        {"9.8m/s2", 9.8}, {"2.25 d-1", 2.25}, {"5mg SO2/m3", 5}, {"3.5 kgCO2", 3.5}, {"2.5 mg/m3 (PM10)", 2.5},
        {"200CFU/100mL", 200}, {"10ｍ３", 10}, {"1.5m3/s", 1.5}, {"12 m3", 12}, {"12abc34", 12}, {"1m33", 1},
        {"5 mm 2", 5}, {"3d", 3}, {"1e3m3", 1000}, {"0.5 t/万元", 0.5}, {"2\r\n", 2}, {"1.2E-3", 0.0012},
        // Nothing to read.
        {"", 0, FailureKind::Empty}, {" \t\n", 0, FailureKind::Empty}, {"度", 0, kNot}, {"abc", 0, kNot},
        {".", 0, kNot}, {"-", 0, kNot}, {"-度", 0, kNot}, {"e5", 0, kNot}, {"１２", 0, kNot},
        // Read in part: a magnitude word or a power multiplies the number.
        {"2.5万", 0, kNot}, {"3千", 0, kNot}, {"2亿", 0, kNot}, {"3百", 0, kNot}, {"1万2千", 0, kNot},
        {"1.5万m3", 0, kNot}, {"2.4万t/a", 0, kNot}, {"2.5 万", 0, kNot}, {"5十", 0, kNot}, {"1兆", 0, kNot},
        {"10⁵", 0, kNot}, {"10²", 0, kNot},
        // Read in part: digits after the number, typed apart, after a separator,
        // an operator, an exponent it cannot take or a unit that is no word.
        {" 1 5", 0, kNot}, {"1 2.5", 0, kNot}, {"1,5", 0, kNot}, {"3.5.1", 0, kNot}, {"1,0000", 0, kNot},
        {"1，000", 0, kNot}, {"1．5", 0, kNot}, {"1。5", 0, kNot}, {"1/2", 0, kNot}, {"1／2", 0, kNot},
        {"1-2", 0, kNot}, {"1－2", 0, kNot}, {"1:2", 0, kNot}, {"1：2", 0, kNot}, {"2^3", 0, kNot},
        {"2*3", 0, kNot}, {"1.5×10^3", 0, kNot}, {"1d3", 0, kNot}, {"2.25d-1", 0, kNot}, {"1.5D2", 0, kNot},
        {"2.25 e-1", 0, kNot}, {"1e-", 0, kNot}, {"0x10", 0, kNot}, {"3 x 2", 0, kNot}, {"27度30分", 0, kNot},
        {"27度３０分", 0, kNot}, {"3千5百", 0, kNot}, {"2.5 (10)", 0, kNot}, {"1２", 0, kNot}, {"2\t3", 0, kNot},
        // Beyond a Double.
        {"1e999度", 0, FailureKind::Overflow},
    };
    for (const LeadingCase& c : cases) {
        EXPECT_EQ(leadingFailure(c.text), c.failure) << c.text;
        if (!c.failure) {
            EXPECT_DOUBLE_EQ(ParseLeadingNumber(c.text), c.value) << c.text;
        }
    }
}

struct TextCase {
    double value;
    bool single;
    const char* text;
};

class NumberTextCases : public testing::TestWithParam<TextCase> {};

TEST_P(NumberTextCases, WritesTheDefaultForm) {
    const TextCase& c = GetParam();
    if (c.single)
        EXPECT_EQ(NumberText(static_cast<float>(c.value)), c.text);
    else
        EXPECT_EQ(NumberText(c.value), c.text);
}

INSTANTIATE_TEST_SUITE_P(Single, NumberTextCases,
                         testing::Values(TextCase{1.0 / 3, true, "0.3333333"}, TextCase{2.0 / 3, true, "0.6666667"},
                                         TextCase{1234567, true, "1234567"},
                                         TextCase{12345678, true, "1.234568E+07"},
                                         TextCase{0.0001, true, "0.0001"}, TextCase{0.00001, true, "1E-05"},
                                         TextCase{100, true, "100"}, TextCase{-2.5, true, "-2.5"},
                                         TextCase{0, true, "0"}, TextCase{1e-8, true, "1E-08"},
                                         TextCase{1.5e-5, true, "1.5E-05"}, TextCase{9999999.5, true, "1E+07"},
                                         TextCase{8.874667, true, "8.874667"}, TextCase{3.1330, true, "3.133"}));

INSTANTIATE_TEST_SUITE_P(Double, NumberTextCases,
                         testing::Values(TextCase{1.0 / 3, false, "0.333333333333333"},
                                         TextCase{0.1 + 0.2, false, "0.3"},
                                         TextCase{123456789012345, false, "123456789012345"},
                                         TextCase{1e15, false, "1E+15"}, TextCase{0.00001, false, "1E-05"},
                                         TextCase{-0.21, false, "-0.21"}, TextCase{1e100, false, "1E+100"}));

TEST(NumberText, WholeNumbersInFull) {
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(-32768), "-32768");
    EXPECT_EQ(NumberText(2147483647L), "2147483647");
}

struct MaskCase {
    double value;
    const char* mask;
    const char* text;
};

class MaskTextCases : public testing::TestWithParam<MaskCase> {};

TEST_P(MaskTextCases, FollowsTheMask) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(MaskText(c.value, c.mask), c.text) << c.value << " through " << c.mask;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskTextCases,
    testing::Values(MaskCase{0.5, "####.####", ".5"}, MaskCase{12, "####.##", "12."},
                    MaskCase{1234.5678, "####.##", "1234.57"}, MaskCase{9.999, "####.##", "10."},
                    MaskCase{12345678, "####.##", "12345678."}, MaskCase{-0.5, "####.##", "-.5"},
                    MaskCase{0, "####.##", "."}, MaskCase{0.001, "####.##", "."}, MaskCase{-0.001, "####.##", "."},
                    MaskCase{0.5, "0.00", "0.50"}, MaskCase{2, "0.00", "2.00"}, MaskCase{-0.25, "0.00", "-0.25"},
                    MaskCase{0.5, "####0.0000", "0.5000"}, MaskCase{100, "####0.0000", "100.0000"},
                    MaskCase{1234567.891, "###,##0.00", "1,234,567.89"}, MaskCase{20, "###,##0.00", "20.00"},
                    MaskCase{123456, "###,##0.00", "123,456.00"}, MaskCase{12345, "###,##0.00", "12,345.00"},
                    MaskCase{-1234.5, "###,##0.00", "-1,234.50"}, MaskCase{0.380943, "##.######", ".380943"},
                    MaskCase{3.14159265, "#########.######", "3.141593"},
                    // Halves of the written decimal round up, whatever the binary holds.
                    MaskCase{2.675, "0.00", "2.68"}, MaskCase{3323.89785, "####.####", "3323.8979"},
                    MaskCase{-2.675, "0.00", "-2.68"}, MaskCase{0.005, "####.##", ".01"},
                    MaskCase{0.0049999, "####.##", "."}, MaskCase{999.995, "###,##0.00", "1,000.00"},
                    MaskCase{1234567890123456789.0, "0.00", "1234567890123460000.00"}, MaskCase{1e20, "####.##", "100000000000000000000."}));

TEST(MaskText, OfATextParsesItFirst) {
    EXPECT_EQ(MaskText(std::string_view("0.5"), "####.##"), ".5");
    EXPECT_EQ(MaskText(std::string_view("abc"), "####.##"), "abc");
    EXPECT_EQ(MaskText(std::string_view("."), "####.##"), ".");
}

TEST(ResultMaskText, ShowsAValueRoundedAwayAsZeroAndKeepsNoNumberAsIs) {
    EXPECT_EQ(ResultMaskText(0.001, "####.##"), "0");
    EXPECT_EQ(ResultMaskText(0.5, "####.##"), ".5");
    EXPECT_EQ(ResultMaskText(std::numeric_limits<double>::infinity(), "####.##"), "Infinity");
}

TEST(SignFirstNumberText, PutsABlankOrAMinusFirst) {
    EXPECT_EQ(SignFirstNumberText(1.0f), " 1");
    EXPECT_EQ(SignFirstNumberText(0.5f), " .5");
    EXPECT_EQ(SignFirstNumberText(20.5f), " 20.5");
    EXPECT_EQ(SignFirstNumberText(-0.4f), "-.4");
    EXPECT_EQ(SignFirstNumberText(1.0 / 3), " .333333333333333");
    EXPECT_EQ(SignFirstNumberText(-12.25), "-12.25");
}

// A value of up to seven significant digits survives the trip through its text.
TEST(NumberRules, TextsReadBackAsTheyWereWritten) {
    for (float v : {0.1f, 8.874667f, 123456.7f, 1e-7f, 3.4e38f, -2.5f}) {
        EXPECT_EQ(static_cast<float>(ParseNumber(NumberText(v), Precision::Single)), v) << NumberText(v);
    }
}

}  // namespace
}  // namespace korrimet
