#include "common/leading_number.h"

#include <optional>
#include <string>
#include <utility>

#include "common/blanks.h"
#include "common/number_text.h"
#include "common/statement_failure.h"
#include "common/utf8.h"

namespace korrimet {
namespace {

std::size_t blanksFrom(std::string_view text, std::size_t at, bool (*blank)(char32_t) = IsBlank) {
    for (std::size_t size = 0; at < text.size() && blank(CodePointAt(text, at, size)); at += size) {}
    return at;
}

// Where the blanks that end the text begin.
std::size_t blanksBefore(std::string_view text, std::size_t end) {
    while (end > 0) {
        const std::size_t start = CharacterStart(text, end - 1);
        std::size_t size = 0;
        if (!IsBlank(CodePointAt(text, start, size)) || start + size != end) break;
        end = start;
    }
    return end;
}

// Chinese names of units, each with the Latin spelling it stands for. A name
// is matched where it begins, so "千米" never reads as a "米".
constexpr std::pair<std::string_view, std::string_view> kNames[] = {
    {"摄氏度", "°c"}, {"立方米", "m3"}, {"平方米", "m2"}, {"千帕", "kpa"}, {"帕", "pa"}, {"千克", "kg"},
    {"公斤", "kg"},  {"千摩尔", "kmol"}, {"米", "m"},     {"秒", "s"},     {"年", "a"}, {"度", "°"},
    {"分", "′"},
};

const std::pair<std::string_view, std::string_view>* nameAt(std::string_view text) {
    for (const auto& name : kNames)
        if (text.starts_with(name.first)) return &name;
    return nullptr;
}

// A unit as compared: lower case, and one spelling for each of its signs and
// names ("Kpa", "kPa" and "千帕" alike; "m^3", "m3", "m³"). A blank or a "^"
// before no power stays, so "k Pa" or "^m" is another unit.
std::string unitKey(std::string_view unit) {
    std::string key;
    for (std::size_t i = 0, size = 0; i < unit.size(); i += size) {
        if (const auto* name = nameAt(unit.substr(i))) {
            key += name->second;
            size = name->first.size();
            continue;
        }
        char32_t c = CodePointAt(unit, i, size);
        if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;  // full-width forms, as a Chinese input method types them
        if (c == 0x3BC || c == 0xB5) c = 'u';
        if (c == 0xB2) c = '2';
        if (c == 0xB3) c = '3';
        if (c == '^' && i + 1 < unit.size() && unit[i + 1] >= '0' && unit[i + 1] <= '9') continue;
        if (c == 0x2103) key += "°c";
        else if (c == '\'' || c == 0x2019) key += "′";
        else if (c < 0x80) key += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        else key += unit.substr(i, size);
    }
    return key;
}

[[noreturn]] void refuse(std::string_view unit) {
    if (unit.empty()) throw StatementFailure("type mismatch", FailureKind::NotNumber);
    throw StatementFailure(FailureKind::Domain, "请只输入数值（单位 " + std::string(unit) + "）");
}

// The value read, with its number as typed, without the blanks around it or its unit.
struct LeadingNumber {
    double value;
    std::string_view number;
};

LeadingNumber readLeadingNumber(std::string_view text, std::string_view unit) {
    const std::size_t begin = blanksFrom(text, 0), last = blanksBefore(text, text.size());
    if (begin >= last) throw StatementFailure("type mismatch", FailureKind::Empty);
    std::size_t end = begin;
    while (end < last && std::string_view("0123456789.,+-eE").find(text[end]) != std::string_view::npos) ++end;
    // The longest number the text begins with ("1,000m" is 1000 m, "1,5" no
    // number): what follows it, blanks aside, is the unit or nothing.
    for (; end > begin; --end) {
        std::optional<double> v;
        try {
            v = ParseNumber(text.substr(begin, end - begin), Precision::Double);
        } catch (const StatementFailure& f) {
            if (f.kind() != FailureKind::Overflow) continue;
        }
        // Only spaces part the number from its unit: a tab or a line end there
        // joins two cells or two lines into one value.
        const std::size_t unitAt = blanksFrom(text, end, IsSpace);
        if (unitAt < last && unitKey(text.substr(unitAt, last - unitAt)) != unitKey(unit)) break;
        if (!v) throw StatementFailure("overflow", FailureKind::Overflow);
        return {*v, text.substr(begin, end - begin)};
    }
    refuse(unit);
}

// Whether the text, blanks aside, ends with the unit in one of its forms. A
// unit's form has at most twice as many characters as its key has bytes.
bool endsWithUnit(std::string_view text, std::string_view unit) {
    const std::string key = unitKey(unit);
    const std::size_t end = blanksBefore(text, text.size());
    std::size_t at = end;
    for (std::size_t n = 0; n < 2 * key.size() && at > 0; ++n) {
        at = CharacterStart(text, at - 1);
        if (unitKey(text.substr(at, end - at)) == key) return true;
    }
    return false;
}

}  // namespace

double ParseLeadingNumber(std::string_view text, std::string_view unit) { return readLeadingNumber(text, unit).value; }

std::string EntryWithUnit(std::string_view text, std::string_view unit) {
    try {
        return std::string(readLeadingNumber(text, unit).number) + std::string(unit);
    } catch (const StatementFailure&) {
        return EchoOnOneLine(text) + std::string(endsWithUnit(text, unit) ? std::string_view() : unit);
    }
}

std::string EchoOnOneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0, size = 0; at < text.size(); at += size) {
        const char32_t c = CodePointAt(text, at, size);
        if (c != U'\t' && !IsLineEnd(c)) {
            out.append(text.substr(at, size));
            continue;
        }
        out += ' ';
        if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++size;
    }
    return out;
}

std::string_view CaptionUnit(std::string_view caption) {
    caption = caption.substr(0, blanksBefore(caption, caption.size()));
    for (const auto& [open, close] : {std::pair<std::string_view, std::string_view>{"[", "]"}, {"（", "）"}}) {
        if (!caption.ends_with(close)) continue;
        const std::size_t at = caption.rfind(open);
        if (at == std::string_view::npos) return {};
        std::string_view unit = caption.substr(at + open.size(), caption.size() - close.size() - at - open.size());
        unit = unit.substr(blanksFrom(unit, 0));
        return unit.substr(0, blanksBefore(unit, unit.size()));
    }
    return {};
}

}  // namespace korrimet
