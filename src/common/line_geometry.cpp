#include "common/line_geometry.h"

#include <algorithm>
#include <cmath>

#include "common/utf8.h"

namespace korrimet {
namespace {

bool continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

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
    ++offset;
    while (offset < length() && continues(line_[static_cast<std::size_t>(offset)])) ++offset;
    return offset;
}

long long LineGeometry::previous(long long offset) const {
    if (offset <= 0) return 0;
    --offset;
    while (offset > 0 && continues(line_[static_cast<std::size_t>(offset)])) --offset;
    return offset;
}

long long LineGeometry::columnOf(long long offset) const {
    if (plain_) return std::clamp(offset, 0LL, length());
    return walk([offset](long long at, long long, long long, long long) { return at < offset; });
}

long long LineGeometry::gapAt(double column) const {
    if (plain_) return std::clamp(std::llround(std::max(column, 0.0)), 0LL, length());
    long long found = length();
    walk([&](long long offset, long long, long long from, long long width) {
        if (column >= static_cast<double>(from) + static_cast<double>(width) / 2) return true;
        found = offset;
        return false;
    });
    return found;
}

long long LineGeometry::characterAt(double column) const {
    if (column < 0) return 0;
    if (plain_) return std::min(static_cast<long long>(std::floor(column)), length());
    long long found = length();
    walk([&](long long offset, long long, long long from, long long width) {
        if (column >= static_cast<double>(from + width)) return true;
        found = offset;
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
    long long at = std::clamp(offset, 0LL, length());
    if (at == length()) at = previous(at);
    while (at > 0 && continues(line_[static_cast<std::size_t>(at)])) --at;
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
    std::size_t end = r + 1 < lines_.starts.size() ? static_cast<std::size_t>(lines_.starts[r + 1]) : text_.size();
    if (end > start && text_[end - 1] == '\n') --end;
    if (end > start && text_[end - 1] == '\r') --end;
    return {text_.substr(start, end - start), lines_};
}

LinePosition TextGeometry::clamped(LinePosition at) const {
    at.line = std::clamp(at.line, 0, lineCount());
    if (at.line == lineCount()) return {at.line, 0};
    const LineGeometry row = line(at.line);
    at.offset = std::clamp(at.offset, 0LL, row.length());
    if (at.offset < row.length()) at.offset = row.previous(row.next(at.offset));
    return at;
}

LinePosition TextGeometry::nextCharacter(LinePosition from) const {
    const LineGeometry row = line(from.line);
    if (from.offset < row.length()) return {from.line, row.next(from.offset)};
    return from.line < lineCount() ? LinePosition{from.line + 1, 0} : from;
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
