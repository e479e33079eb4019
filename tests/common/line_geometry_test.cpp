#include "common/line_geometry.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(LineGeometry, BrokenBytesAreSteppedOverOneCharacterAtATime) {
    // A stray continuation byte, then a lead byte cut short by an ASCII one.
    const std::string broken = "a\x80\xE5z";
    const LineGeometry line(broken, Layout(false, 0));
    EXPECT_EQ(line.next(0), 2);
    EXPECT_EQ(line.next(2), 3);
    EXPECT_EQ(line.previous(4), 3);
    EXPECT_EQ(line.wordAt(2), (LineSpan{2, 3}));
    EXPECT_EQ(line.nextWord(1), 4);
}

TEST(TextGeometry, LinesEndAtEitherLineEndAndAStepCrossesIt) {
    const std::string text = "a;1\rb度\r\nc\nlast";
    const TextLines lines = ScanLines(text);
    const TextGeometry geometry(text, lines);
    ASSERT_EQ(geometry.lineCount(), 4);
    const char* expected[] = {"a;1", "b度", "c", "last", ""};
    for (int row = 0; row < 5; ++row) EXPECT_EQ(geometry.line(row).text(), expected[row]) << "row " << row;

    EXPECT_EQ(geometry.nextCharacter({0, 3}), (LinePosition{1, 0}));
    EXPECT_EQ(geometry.nextCharacter({1, 1}), (LinePosition{1, 4}));
    EXPECT_EQ(geometry.previousCharacter({1, 4}), (LinePosition{1, 1}));
    EXPECT_EQ(geometry.previousCharacter({2, 0}), (LinePosition{1, 4}));
    EXPECT_EQ(geometry.nextCharacter({3, 4}), (LinePosition{4, 0}));
    EXPECT_EQ(geometry.nextCharacter({4, 0}), (LinePosition{4, 0}));
    EXPECT_EQ(geometry.previousCharacter({0, 0}), (LinePosition{0, 0}));
    EXPECT_EQ(geometry.nextWord({0, 1}), (LinePosition{0, 3}));
    EXPECT_EQ(geometry.nextWord({0, 3}), (LinePosition{1, 0}));
    EXPECT_EQ(geometry.previousWord({1, 0}), (LinePosition{0, 3}));
    // Inside 度: its start; beyond the text: its end.
    EXPECT_EQ(geometry.clamped({1, 2}), (LinePosition{1, 1}));
    EXPECT_EQ(geometry.clamped({1, 40}), (LinePosition{1, 4}));
    EXPECT_EQ(geometry.clamped({9, 3}), (LinePosition{4, 0}));
    EXPECT_EQ(geometry.byteOf({1, 1}), 5);
    EXPECT_EQ(geometry.byteOf({2, 0}), 10);
    EXPECT_EQ(geometry.byteOf({4, 0}), static_cast<long long>(text.size()));
}

}  // namespace
}  // namespace korrimet
