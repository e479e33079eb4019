#include "common/number_text.h"

#include <string_view>

#include "common/statement_failure.h"
#include "common/utf8.h"

namespace korrimet {
namespace {

bool isLeadingBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Digits of any form an entry may carry: ASCII, full-width (as a Chinese
// input method types them), superscript and subscript.
bool isAnyDigit(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 0xFF10 && c <= 0xFF19) || c == 0xB2 || c == 0xB3 || c == 0xB9 ||
           c == 0x2070 || (c >= 0x2074 && c <= 0x2079) || (c >= 0x2080 && c <= 0x2089);
}

// 十 百 千 万 亿 兆 and their formal forms: each multiplies the number before it.
bool isMagnitude(char32_t c) {
    for (char32_t m : {U'十', U'百', U'千', U'万', U'亿', U'兆', U'拾', U'佰', U'仟', U'萬', U'億'})
        if (c == m) return true;
    return false;
}

bool isLatinLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xFF21 && c <= 0xFF3A) ||
           (c >= 0xFF41 && c <= 0xFF5A);
}

// True when what follows a number is a unit that leaves the number whole.
// A unit that begins with a letter owns its digits ("m/s2", "kgCO2",
// "CFU/100mL"); anything else that multiplies the number or holds a second
// one would make it a part of what was typed ("2.5万", "10⁵", "1，000",
// "27度30分", "0x10", "1d3").
bool unitLeavesNumberWhole(std::string_view unit) {
    size_t i = 0;
    while (i < unit.size() && isLeadingBlank(unit[i])) ++i;
    if (i == unit.size()) return true;
    const bool adjacent = i == 0;
    size_t size = 0;
    const char32_t first = CodePointAt(unit, i, size);
    if (isAnyDigit(first) || isMagnitude(first)) return false;
    // What follows the first character, blanks aside.
    size_t next = i + size;
    while (next < unit.size() && isLeadingBlank(unit[next])) ++next;
    const char32_t after = next < unit.size() ? CodePointAt(unit, next, size) : 0;
    const bool signOrDigitAfter = next == i + 1 && (after == '+' || after == '-' || isAnyDigit(after));
    // An exponent: "2.25e-1" typed apart is still one, "2.25 d-1" a rate a day.
    if ((first == 'e' || first == 'E') && signOrDigitAfter) return false;
    if ((first == 'd' || first == 'D') && adjacent && signOrDigitAfter) return false;
    if ((first == 'x' || first == 'X') && isAnyDigit(after)) return false;
    if (isLatinLetter(first)) return true;
    for (size_t k = i; k < unit.size(); k += size)
        if (isAnyDigit(CodePointAt(unit, k, size))) return false;
    return true;
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && isLeadingBlank(text[begin])) ++begin;
    if (begin == text.size()) throw StatementFailure("type mismatch", FailureKind::Empty);
    std::size_t end = begin;
    while (end < text.size() && std::string_view("0123456789.,+-eEdD").find(text[end]) != std::string_view::npos) ++end;
    // The longest number the text begins with, read as a whole entry is
    // ("1,000" is 1000); what follows is its unit ("27度", "30 kPa").
    for (; end > begin; --end) {
        double v = 0;
        try {
            v = ParseNumber(text.substr(begin, end - begin), Precision::Double);
        } catch (const StatementFailure& f) {
            if (f.kind() == FailureKind::Overflow) throw;
            continue;
        }
        // No number is made of part of what was typed.
        if (!unitLeavesNumberWhole(text.substr(end))) break;
        return v;
    }
    throw StatementFailure("type mismatch", FailureKind::NotNumber);
}

}  // namespace korrimet
