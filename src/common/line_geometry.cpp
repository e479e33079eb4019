#include "common/line_geometry.h"

#include <algorithm>
#include <cmath>

#include "common/utf8.h"

namespace korrimet {
namespace {

// Code points beyond ASCII that part words: spaces, punctuation (full-width
// and ideographic too) and the signs written between numbers and units.
// Letters, digits and ideographs are word characters, as in any text view.
constexpr struct {
    char32_t first, last;
} kParting[] = {
    {0x80, 0xA9},     {0xAB, 0xB1},     {0xB4, 0xB4},     {0xB6, 0xB8},     {0xBB, 0xBB},
    {0xBF, 0xBF},     {0xD7, 0xD7},     {0xF7, 0xF7},     {0x2000, 0x206F}, {0x20A0, 0x20CF},
    {0x2103, 0x2103}, {0x2109, 0x2109}, {0x2190, 0x245F}, {0x2500, 0x2BFF}, {0x2E00, 0x2E7F},
    {0x3000, 0x3004}, {0x3008, 0x3020}, {0x3030, 0x3030}, {0x303D, 0x303F}, {0xFE10, 0xFE1F},
    {0xFE30, 0xFE6F}, {0xFEFF, 0xFEFF}, {0xFF01, 0xFF0F}, {0xFF1A, 0xFF20}, {0xFF3B, 0xFF40},
    {0xFF5B, 0xFF65}, {0xFFE0, 0xFFFF},
};

}  // namespace

bool IsWordCharacter(char32_t c) {
    if (c < 0x80) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
               c == '+' || c == '_';
    }
    const auto* range = std::partition_point(std::begin(kParting), std::end(kParting),
                                             [c](const auto& r) { return r.last < c; });
    return range == std::end(kParting) || c < range->first;
}

char32_t LineGeometry::characterFrom(long long offset) const {
    std::size_t bytes = 0;
    return CodePointAt(line_, static_cast<std::size_t>(offset), bytes);
}

long long LineGeometry::next(long long offset) const {
    if (offset >= length()) return length();
    if (plain_) return offset + 1;
    std::size_t bytes = 1;
    CodePointAt(line_, static_cast<std::size_t>(offset), bytes);
    return offset + static_cast<long long>(bytes);
}

long long LineGeometry::previous(long long offset) const {
    if (offset <= 0) return 0;
    offset = std::min(offset, length());
    return static_cast<long long>(CharacterStart(line_, static_cast<std::size_t>(offset - 1)));
}

long long LineGeometry::columnOf(long long offset) const {
    if (plain_) return std::clamp(offset, 0LL, length());
    return walk([offset](const LaidCharacter& c) { return c.offset < offset; });
}

long long LineGeometry::gapAt(double column) const {
    if (plain_) return std::clamp(std::llround(std::max(column, 0.0)), 0LL, length());
    long long found = length();
    walk([&](const LaidCharacter& c) {
        if (column >= static_cast<double>(c.column) + static_cast<double>(c.columns) / 2) return true;
        found = c.offset;
        return false;
    });
    return found;
}

long long LineGeometry::characterAt(double column) const {
    if (column < 0) return 0;
    if (plain_) return std::min(static_cast<long long>(std::floor(column)), length());
    long long found = length();
    walk([&](const LaidCharacter& c) {
        if (column >= static_cast<double>(c.column + c.columns)) return true;
        found = c.offset;
        return false;
    });
    return found;
}

bool LineGeometry::wordAfter(long long gap) const {
    return gap < length() && IsWordCharacter(characterFrom(gap));
}

bool LineGeometry::wordBefore(long long gap) const {
    return gap > 0 && IsWordCharacter(characterFrom(previous(gap)));
}

LineSpan LineGeometry::wordAt(long long offset) const {
    if (length() == 0) return {};
    const long long at = previous(std::clamp(offset, 0LL, length() - 1) + 1);
    if (!wordAfter(at)) return {at, next(at)};
    long long first = at, last = next(at);
    while (wordBefore(first)) first = previous(first);
    while (wordAfter(last)) last = next(last);
    return {first, last};
}

long long LineGeometry::nextWord(long long offset) const {
    while (offset < length() && !wordAfter(offset)) offset = next(offset);
    while (offset < length() && wordAfter(offset)) offset = next(offset);
    return offset;
}

long long LineGeometry::previousWord(long long offset) const {
    while (offset > 0 && !wordBefore(offset)) offset = previous(offset);
    while (offset > 0 && wordBefore(offset)) offset = previous(offset);
    return offset;
}

LineGeometry TextGeometry::line(int row) const {
    if (row < 0 || row >= lineCount()) return {{}, lines_};
    const auto r = static_cast<std::size_t>(row);
    const auto start = static_cast<std::size_t>(lines_.starts[r]);
    const std::size_t next =
        r + 1 < lines_.starts.size() ? static_cast<std::size_t>(lines_.starts[r + 1]) : text_.size();
    // The line's end, if it has one, is the step just before the next line.
    auto endsBefore = [&](std::size_t bytes) {
        if (next < start + bytes) return false;
        const TextStep step = StepAt(text_, next - bytes);
        return step.endsLine && step.bytes == bytes;
    };
    const std::size_t end = endsBefore(2) ? next - 2 : endsBefore(1) ? next - 1 : next;
    return {text_.substr(start, end - start), lines_};
}

LinePosition TextGeometry::end() const {
    const int last = lineCount() - 1;
    if (last < 0) return {};
    const LinePosition lastLineEnd{last, line(last).length()};
    return byteOf(lastLineEnd) == static_cast<long long>(text_.size()) ? lastLineEnd : LinePosition{last + 1, 0};
}

LinePosition TextGeometry::clamped(LinePosition at) const {
    if (const LinePosition last = end(); at >= last) return last;
    at.line = std::max(at.line, 0);
    const LineGeometry row = line(at.line);
    at.offset = std::clamp(at.offset, 0LL, row.length());
    if (at.offset < row.length()) at.offset = row.previous(at.offset + 1);
    return at;
}

LinePosition TextGeometry::nextCharacter(LinePosition from) const {
    const LineGeometry row = line(from.line);
    if (from.offset < row.length()) return {from.line, row.next(from.offset)};
    return from < end() ? LinePosition{from.line + 1, 0} : from;
}

LinePosition TextGeometry::previousCharacter(LinePosition from) const {
    if (from.offset > 0) return {from.line, line(from.line).previous(from.offset)};
    return from.line > 0 ? LinePosition{from.line - 1, line(from.line - 1).length()} : from;
}

LinePosition TextGeometry::nextWord(LinePosition from) const {
    const LineGeometry row = line(from.line);
    if (from.offset >= row.length()) return nextCharacter(from);
    return {from.line, row.nextWord(from.offset)};
}

LinePosition TextGeometry::previousWord(LinePosition from) const {
    if (from.offset == 0) return previousCharacter(from);
    return {from.line, line(from.line).previousWord(from.offset)};
}

long long TextGeometry::byteOf(LinePosition at) const {
    if (at.line >= lineCount()) return static_cast<long long>(text_.size());
    return lines_.starts[static_cast<std::size_t>(at.line)] + at.offset;
}

}  // namespace korrimet
