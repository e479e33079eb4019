#pragma once
#include <compare>
#include <string_view>
#include <utility>

#include "common/text_lines.h"

namespace korrimet {

// A number such as -3.5e-05 or a run of ideographs is one word; blanks,
// tabs, ';', '=' and punctuation, full-width too, part words.
bool IsWordCharacter(char32_t c);

// A character of a line as it is laid out: its bytes from `offset` on, its
// columns from `column` on, and the code point it reads as.
struct LaidCharacter {
    long long offset, bytes, column, columns;
    char32_t code;
};

// Bytes from..to of a line: a character, a word or a selection on it.
struct LineSpan {
    long long from = 0, to = 0;
    friend bool operator==(const LineSpan&, const LineSpan&) = default;
};

// One line's characters laid in the columns of the fixed-pitch font, as the
// scan counts them (ColumnAfter). Offsets count bytes of the line (UTF-8); a
// gap is the offset of the character after it, the line's length the gap at
// its end. Cheap to make: a view lays out only the lines it shows or its
// cursor stands on.
class LineGeometry {
public:
    LineGeometry(std::string_view line, const TextLines& lines)
        : line_(line), tabColumns_(lines.tabColumns), plain_(lines.ascii && lines.tabColumns == 0) {}

    std::string_view text() const { return line_; }
    long long length() const { return static_cast<long long>(line_.size()); }
    // The column the character at `offset` starts on; the line's width at its end.
    long long columnOf(long long offset) const;
    // The gap nearest to `column`: where a click puts the cursor.
    long long gapAt(double column) const;
    // The character whose columns hold `column`, as a text view picks it
    // on either half; before the line its first, past it the line's end.
    long long characterAt(double column) const;

    // One character on from the gap `offset`, or back; the line's ends stop both.
    long long next(long long offset) const;
    long long previous(long long offset) const;
    // The word of the character at `offset` (the last one at the line's
    // end), or that character alone when it parts words.
    LineSpan wordAt(long long offset) const;
    // The end of the next word; the start of the word before.
    long long nextWord(long long offset) const;
    long long previousWord(long long offset) const;

    // Calls f(character) for each character, as CodePointAt reads them,
    // until f says false; returns the column it stopped at.
    template <class F>
    long long walk(F&& f) const {
        LaidCharacter at{};
        for (; at.offset < length(); at.offset += at.bytes, at.column += at.columns) {
            std::size_t bytes = 1;
            at.code = CodePointAt(line_, static_cast<std::size_t>(at.offset), bytes);
            at.bytes = static_cast<long long>(bytes);
            at.columns = ColumnAfter(at.code, bytes, at.column, tabColumns_) - at.column;
            if (!f(std::as_const(at))) return at.column;
        }
        return at.column;
    }

private:
    bool wordAfter(long long gap) const;
    bool wordBefore(long long gap) const;
    char32_t characterFrom(long long offset) const;

    std::string_view line_;
    int tabColumns_;
    bool plain_;  // one byte, one column
};

// A place between two characters of a text: a line and a byte offset into
// it. {line count, 0} is the place after the last line's end, where a text
// that ends with a line end ends.
struct LinePosition {
    int line = 0;
    long long offset = 0;
    friend auto operator<=>(const LinePosition&, const LinePosition&) = default;
};

// A text's lines, as `lines` indexes them, and the steps of a cursor over
// them: a line end is one step, as any character is.
class TextGeometry {
public:
    TextGeometry(std::string_view text, const TextLines& lines) : text_(text), lines_(lines) {}

    int lineCount() const { return static_cast<int>(lines_.starts.size()); }
    // Line `row` without its end; none past the last.
    LineGeometry line(int row) const;
    // The text's last place: after its last line end, or at the end of a
    // last line that has none.
    LinePosition end() const;
    // `at` within the text, at the start of the character it is in.
    LinePosition clamped(LinePosition at) const;
    LinePosition nextCharacter(LinePosition from) const;
    LinePosition previousCharacter(LinePosition from) const;
    LinePosition nextWord(LinePosition from) const;
    LinePosition previousWord(LinePosition from) const;
    // Where `at` is in the text's bytes.
    long long byteOf(LinePosition at) const;

private:
    std::string_view text_;
    const TextLines& lines_;
};

}  // namespace korrimet
