#include "common/leading_number.h"

#include <optional>
#include <string>
#include <utility>

#include "common/number_text.h"
#include "common/statement_failure.h"
#include "common/utf8.h"

namespace korrimet {
namespace {

bool isLeadingBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

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

// A unit as compared: blanks dropped, lower case, and one spelling for each
// of its signs and names ("Kpa", "kPa" and "千帕" alike; "m^3", "m3", "m³").
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
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0x3000 || c == '^') continue;
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

}  // namespace

double ParseLeadingNumber(std::string_view text, std::string_view unit) {
    std::size_t begin = 0;
    while (begin < text.size() && isLeadingBlank(text[begin])) ++begin;
    if (begin == text.size()) throw StatementFailure("type mismatch", FailureKind::Empty);
    std::size_t end = begin;
    while (end < text.size() && std::string_view("0123456789.,+-eE").find(text[end]) != std::string_view::npos) ++end;
    // The longest number the text begins with ("1,000m" is 1000 m, "1,5" no
    // number): what follows it is the unit or nothing.
    for (; end > begin; --end) {
        std::optional<double> v;
        try {
            v = ParseNumber(text.substr(begin, end - begin), Precision::Double);
        } catch (const StatementFailure& f) {
            if (f.kind() != FailureKind::Overflow) continue;
        }
        if (const std::string after = unitKey(text.substr(end)); !after.empty() && after != unitKey(unit)) break;
        if (!v) throw StatementFailure("overflow", FailureKind::Overflow);
        return *v;
    }
    refuse(unit);
}

std::string_view CaptionUnit(std::string_view caption) {
    while (!caption.empty() && isLeadingBlank(caption.back())) caption.remove_suffix(1);
    for (const auto& [open, close] : {std::pair<std::string_view, std::string_view>{"[", "]"}, {"（", "）"}}) {
        if (!caption.ends_with(close)) continue;
        const std::size_t at = caption.rfind(open);
        if (at == std::string_view::npos) return {};
        std::string_view unit = caption.substr(at + open.size(), caption.size() - close.size() - at - open.size());
        while (!unit.empty() && isLeadingBlank(unit.front())) unit.remove_prefix(1);
        while (!unit.empty() && isLeadingBlank(unit.back())) unit.remove_suffix(1);
        return unit;
    }
    return {};
}

}  // namespace korrimet
