#include "common/line_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/utf8.h"

namespace korrimet {
namespace {

TextLines Layout(bool ascii, int tabColumns) {
    TextLines lines;
    lines.ascii = ascii;
    lines.tabColumns = tabColumns;
    return lines;
}

// A result line with ideographs, a blank, full-width punctuation and a tab to
// its stop at 24. Columns: 最大落地浓度 0–12, ' ' 12, 35.7825 13–20, '；'
// 20–22, the tab 22–24, -3.5e-05 24–32, ';' 32; 33 at the end.
const std::string kWide = "最大落地浓度 35.7825；\t-3.5e-05;";
const TextLines kWideLayout = Layout(false, 8);
// A grid line, one column a byte.
const std::string kPlain = "x=10;35.7825;";
const TextLines kPlainLayout = Layout(true, 0);

std::string Text(const std::string& line, LineSpan span) {
    return line.substr(static_cast<std::size_t>(span.from), static_cast<std::size_t>(span.to - span.from));
}

TEST(LineGeometry, ColumnsCountWideCharactersTwiceAndTabsToTheirStops) {
    const LineGeometry wide(kWide, kWideLayout);
    const struct {
        long long offset, column;
    } cases[] = {{0, 0}, {3, 2}, {15, 10}, {18, 12}, {19, 13}, {26, 20}, {29, 22}, {30, 24}, {38, 32}, {39, 33}};
    for (const auto& c : cases) EXPECT_EQ(wide.columnOf(c.offset), c.column) << "offset " << c.offset;
    EXPECT_EQ(LineGeometry(kPlain, kPlainLayout).columnOf(7), 7);
    // A tab with no stops set is one column.
    EXPECT_EQ(LineGeometry("a\tb", Layout(true, 0)).columnOf(3), 3);
    EXPECT_EQ(LineGeometry("度\tb", Layout(false, 0)).columnOf(5), 4);
}

// Either half of a character is that character; the nearer gap is the one a click puts the cursor in.
TEST(LineGeometry, TheCharacterUnderAColumnIsNotTheNearestGap) {
    const struct {
        const std::string& line;
        const TextLines& layout;
        double column;
        long long character, gap;
    } cases[] = {
        {kWide, kWideLayout, -3.0, 0, 0},    {kWide, kWideLayout, 0.2, 0, 0},
        {kWide, kWideLayout, 1.8, 0, 3},     {kWide, kWideLayout, 10.2, 15, 15},
        {kWide, kWideLayout, 11.8, 15, 18},  {kWide, kWideLayout, 12.7, 18, 19},
        {kWide, kWideLayout, 19.7, 25, 26},  {kWide, kWideLayout, 20.1, 26, 26},
        {kWide, kWideLayout, 21.9, 26, 29},  {kWide, kWideLayout, 22.5, 29, 29},
        {kWide, kWideLayout, 23.5, 29, 30},  {kWide, kWideLayout, 32.6, 38, 39},
        {kWide, kWideLayout, 40.0, 39, 39},  {kPlain, kPlainLayout, -1.0, 0, 0},
        {kPlain, kPlainLayout, 11.2, 11, 11}, {kPlain, kPlainLayout, 11.8, 11, 12},
        {kPlain, kPlainLayout, 12.9, 12, 13}, {kPlain, kPlainLayout, 13.5, 13, 13},
    };
    for (const auto& c : cases) {
        const LineGeometry line(c.line, c.layout);
        EXPECT_EQ(line.characterAt(c.column), c.character) << c.line << " at " << c.column;
        EXPECT_EQ(line.gapAt(c.column), c.gap) << c.line << " at " << c.column;
    }
}

// What a double-click at a column selects.
TEST(LineGeometry, AWordIsTakenFromTheCharacterUnderTheColumn) {
    const struct {
        const std::string& line;
        const TextLines& layout;
        double column;
        const char* word;
    } cases[] = {
        {kWide, kWideLayout, 0.2, "最大落地浓度"},   {kWide, kWideLayout, 1.8, "最大落地浓度"},
        {kWide, kWideLayout, 10.2, "最大落地浓度"},  {kWide, kWideLayout, 11.8, "最大落地浓度"},
        {kWide, kWideLayout, 12.2, " "},             {kWide, kWideLayout, 12.8, " "},
        {kWide, kWideLayout, 13.2, "35.7825"},       {kWide, kWideLayout, 13.8, "35.7825"},
        {kWide, kWideLayout, 19.2, "35.7825"},       {kWide, kWideLayout, 19.8, "35.7825"},
        {kWide, kWideLayout, 20.2, "；"},            {kWide, kWideLayout, 21.8, "；"},
        {kWide, kWideLayout, 22.2, "\t"},            {kWide, kWideLayout, 23.8, "\t"},
        {kWide, kWideLayout, 24.2, "-3.5e-05"},      {kWide, kWideLayout, 31.8, "-3.5e-05"},
        {kWide, kWideLayout, 32.8, ";"},             {kWide, kWideLayout, 50.0, ";"},
        {kPlain, kPlainLayout, 1.9, "="},            {kPlain, kPlainLayout, 2.1, "10"},
        {kPlain, kPlainLayout, 3.9, "10"},           {kPlain, kPlainLayout, 5.1, "35.7825"},
        {kPlain, kPlainLayout, 5.9, "35.7825"},      {kPlain, kPlainLayout, 11.1, "35.7825"},
        {kPlain, kPlainLayout, 11.9, "35.7825"},     {kPlain, kPlainLayout, 12.5, ";"},
    };
    for (const auto& c : cases) {
        const LineGeometry line(c.line, c.layout);
        EXPECT_EQ(Text(c.line, line.wordAt(line.characterAt(c.column))), c.word) << c.line << " at " << c.column;
    }
    EXPECT_EQ(LineGeometry("", kPlainLayout).wordAt(0), LineSpan{});
}

TEST(LineGeometry, WordStepsSkipSeparatorsThenAWord) {
    const LineGeometry wide(kWide, kWideLayout);
    const struct {
        long long from, next, previous;
    } cases[] = {{0, 18, 0},   {3, 18, 0},   {18, 26, 0},  {19, 26, 0},
                 {26, 38, 19}, {30, 38, 19}, {38, 39, 30}, {39, 39, 30}};
    for (const auto& c : cases) {
        EXPECT_EQ(wide.nextWord(c.from), c.next) << "from " << c.from;
        EXPECT_EQ(wide.previousWord(c.from), c.previous) << "from " << c.from;
    }
}

TEST(LineGeometry, PunctuationAndBlanksPartWordsFullWidthToo) {
    const struct {
        char32_t c;
        bool word;
    } cases[] = {
        {U'a', true},    {U'Z', true},   {U'7', true},   {U'.', true},   {U'-', true},   {U'+', true},
        {U'_', true},    {U';', false},  {U'=', false},  {U' ', false},  {U'\t', false}, {U'(', false},
        {U',', false},   {U'/', false},  {U'浓', true},  {U'度', true},  {U'é', true},   {U'²', true},
        {U'Ｂ', true},   {U'１', true},  {U'あ', true},  {U'〇', true},  {U'，', false},  {U'；', false},
        {U'：', false},  {U'（', false}, {U'）', false}, {U'。', false}, {U'、', false}, {U'　', false},
        {U'“', false},   {U'…', false},  {U'°', false},  {U'±', false},  {U'×', false},  {U'℃', false},
        {U'≤', false},   {U'\u00A0', false}, {U'\uFFFD', false}, {U'\uFEFF', false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsWordCharacter(c.c), c.word) << "U+" << std::hex << +c.c;
}

TEST(Utf8, ACharacterIsAWholeShortestSequenceElseOneBrokenByte) {
    const struct {
        std::string bytes;
        char32_t code;
        std::size_t length;
    } cases[] = {
        {"a", U'a', 1},
        {"\f", U'\f', 1},
        {"\xC3\xA9", U'é', 2},
        {"\xE5\xBA\xA6", U'度', 3},
        {"\xF0\x9D\x84\x9E", U'\U0001D11E', 4},
        {"\xEF\xBF\xBD", 0xFFFD, 3},
        {"\x80", 0xFFFD, 1},                // a stray continuation byte
        {"\xE5\xBAz", 0xFFFD, 1},           // cut short
        {"\xE5\xBA", 0xFFFD, 1},            // cut by the text's end
        {"\xC0\x80", 0xFFFD, 1},            // overlong
        {"\xE0\x80\x80", 0xFFFD, 1},        // overlong
        {"\xF0\x80\x80\x80", 0xFFFD, 1},    // overlong
        {"\xED\xA0\x80", 0xFFFD, 1},        // a surrogate
        {"\xF4\x90\x80\x80", 0xFFFD, 1},    // beyond U+10FFFF
        {"\xF8\x88\x80\x80\x80", 0xFFFD, 1},
    };
    for (const auto& c : cases) {
        std::size_t length = 0;
        EXPECT_EQ(CodePointAt(c.bytes, 0, length), c.code) << c.bytes;
        EXPECT_EQ(length, c.length) << c.bytes;
    }
    // 度, then a stray continuation byte, then a lead byte cut short and the byte after it, each alone.
    const std::string text = "a\xE5\xBA\xA6\x80\xE5\xBAz";
    const std::size_t starts[] = {0, 1, 1, 1, 4, 5, 6, 7};
    for (std::size_t at = 0; at < text.size(); ++at) EXPECT_EQ(CharacterStart(text, at), starts[at]) << "at " << at;
}

// The scan, the geometry's steps both ways and its columns read a line alike.
TEST(LineGeometry, EachCharacterIsOneStepOfItsColumnsAsTheScanCountsThem) {
    const struct {
        std::string line;
        std::u32string codes;
        long long width;
    } cases[] = {
        {"x=1;\f2", U"x=1;\f2", 6},
        {"a\tb", U"a\tb", 3},  // no tab stops: one column
        {"度\f;", U"度\f;", 4},
        {"é\tb", U"é\tb", 4},
        {"a\x80\xE5z", U"a\uFFFD\uFFFDz", 4},
        {"度\x80\x80.5", U"度\uFFFD\uFFFD.5", 6},
        {"\xE5\xBA", U"\uFFFD\uFFFD", 2},
        {"\xF0\x9D\x84\x9E!", U"\U0001D11E!", 3},
    };
    for (const auto& c : cases) {
        const TextLines lines = ScanLines(c.line);
        EXPECT_EQ(lines.longest, c.width) << c.line;
        const LineGeometry line(c.line, lines);
        EXPECT_EQ(line.columnOf(line.length()), c.width) << c.line;
        std::u32string codes;
        std::vector<long long> starts;
        line.walk([&](const LaidCharacter& at) {
            EXPECT_EQ(at.columns, at.code == U'\t' ? 1 : at.bytes == 1 ? 1 : 2) << c.line;
            codes += at.code;
            starts.push_back(at.offset);
            return true;
        });
        EXPECT_EQ(codes, c.codes) << c.line;
        for (std::size_t k = 0; k < starts.size(); ++k) {
            const long long after = k + 1 < starts.size() ? starts[k + 1] : line.length();
            EXPECT_EQ(line.next(starts[k]), after) << c.line << " from " << starts[k];
            EXPECT_EQ(line.previous(after), starts[k]) << c.line << " back from " << after;
        }
    }
}

TEST(TextGeometry, LinesEndAtEitherLineEndAndAStepCrossesIt) {
    const std::string text = "a;1\rb度\r\nc\n\rlast\n";
    const TextLines lines = ScanLines(text);
    const TextGeometry geometry(text, lines);
    ASSERT_EQ(geometry.lineCount(), 5);
    const char* expected[] = {"a;1", "b度", "c", "", "last", ""};
    for (int row = 0; row < 6; ++row) EXPECT_EQ(geometry.line(row).text(), expected[row]) << "row " << row;

    EXPECT_EQ(geometry.nextCharacter({0, 3}), (LinePosition{1, 0}));
    EXPECT_EQ(geometry.nextCharacter({1, 1}), (LinePosition{1, 4}));
    EXPECT_EQ(geometry.previousCharacter({1, 4}), (LinePosition{1, 1}));
    EXPECT_EQ(geometry.previousCharacter({2, 0}), (LinePosition{1, 4}));
    EXPECT_EQ(geometry.nextCharacter({2, 1}), (LinePosition{3, 0}));
    EXPECT_EQ(geometry.nextCharacter({3, 0}), (LinePosition{4, 0}));
    EXPECT_EQ(geometry.nextCharacter({4, 4}), (LinePosition{5, 0}));
    EXPECT_EQ(geometry.nextCharacter({5, 0}), (LinePosition{5, 0}));
    EXPECT_EQ(geometry.previousCharacter({0, 0}), (LinePosition{0, 0}));
    EXPECT_EQ(geometry.nextWord({0, 1}), (LinePosition{0, 3}));
    EXPECT_EQ(geometry.nextWord({0, 3}), (LinePosition{1, 0}));
    EXPECT_EQ(geometry.previousWord({1, 0}), (LinePosition{0, 3}));
    // Inside 度: its start.
    EXPECT_EQ(geometry.clamped({1, 2}), (LinePosition{1, 1}));
    EXPECT_EQ(geometry.clamped({1, 40}), (LinePosition{1, 4}));
    EXPECT_EQ(geometry.byteOf({1, 1}), 5);
    EXPECT_EQ(geometry.byteOf({2, 0}), 10);
}

// As in any text view: after the last line end, or at the end of a last line that has none.
TEST(TextGeometry, ATextEndsAfterItsLastLineEndOrAtTheEndOfALastLineWithout) {
    const struct {
        const char* text;
        LinePosition end;
    } cases[] = {{"", {0, 0}},          {"x", {0, 1}},          {"\n", {1, 0}},
                 {"abc\ndef", {1, 3}},  {"abc\ndef\n", {2, 0}}, {"abc\r\n", {1, 0}},
                 {"ab\r\rc", {2, 1}},   {"度\r", {1, 0}}};
    for (const auto& c : cases) {
        const std::string text = c.text;
        const TextLines lines = ScanLines(text);
        const TextGeometry geometry(text, lines);
        EXPECT_EQ(geometry.end(), c.end) << text;
        EXPECT_EQ(geometry.byteOf(c.end), static_cast<long long>(text.size())) << text;
        EXPECT_EQ(geometry.nextCharacter(c.end), c.end) << text;
        EXPECT_EQ(geometry.nextWord(c.end), c.end) << text;
        EXPECT_EQ(geometry.clamped({c.end.line, c.end.offset + 1}), c.end) << text;
        EXPECT_EQ(geometry.clamped({c.end.line + 1, 0}), c.end) << text;
    }
}

// A copy is the bytes as the geometry steps them: any bytes, cut anywhere into slices.
TEST(TextLines, ACopyReadsEachCharacterAndLineEndAsTheyAreStepped) {
    const struct {
        std::string bytes;
        std::u16string copied;
    } cases[] = {
        {"", u""},
        {"x=10;35.7825;\r", u"x=10;35.7825;\n"},
        {"a\r\nb\n\rc\r", u"a\nb\n\nc\n"},
        {"\xEF\xBB\xBF度\t1\f", u"\uFEFF度\t1\f"},
        {"\xF0\x9D\x84\x9E", u"\U0001D11E"},
        {"ab\xE4\xB8\rcd\r", u"ab\uFFFD\uFFFD\ncd\n"},
        {"\x80z\xE5", u"\uFFFDz\uFFFD"},
        {"\xC0\x80\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
    };
    for (const auto& c : cases) {
        for (std::size_t slice = 1; slice <= std::max<std::size_t>(c.bytes.size(), 1); ++slice) {
            std::u16string copied(c.bytes.size(), u'?');
            char16_t* out = copied.data();
            for (std::size_t at = 0; at < c.bytes.size();) at = CopyText(c.bytes, at, at + slice, out);
            copied.resize(static_cast<std::size_t>(out - copied.data()));
            EXPECT_EQ(copied, c.copied) << c.bytes << " in slices of " << slice;
        }
    }
}

}  // namespace
}  // namespace korrimet
