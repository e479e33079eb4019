#include "common/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

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
