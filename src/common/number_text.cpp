#include "common/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "common/statement_failure.h"

namespace korrimet {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A number read off a text, ready for from_chars: no commas, no "+".
struct Scanned {
    std::string clean;
    bool negative = false;
    bool anyNonZeroDigit = false;
    long long magnitude = 0;  // rough decimal exponent, to tell overflow from underflow
};

// Reads an exponent "[sign]digits" at text[i]; returns the index after it or
// the original index when no digit follows.
size_t scanExponent(std::string_view text, size_t i, std::string& clean, long long& value) {
    size_t j = i;
    bool neg = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) neg = text[j++] == '-';
    if (j >= text.size() || !isDigit(text[j])) return i;
    std::string digits;
    while (j < text.size() && isDigit(text[j])) digits += text[j++];
    clean += 'e';
    if (neg) clean += '-';
    clean += digits;
    value = 0;
    for (char c : digits) value = value > 100000 ? value : value * 10 + (c - '0');
    if (neg) value = -value;
    return j;
}

double fromClean(const Scanned& s, bool& overflow) {
    double v = 0;
    overflow = false;
    auto [p, ec] = std::from_chars(s.clean.data(), s.clean.data() + s.clean.size(), v);
    (void)p;
    if (ec == std::errc::result_out_of_range) {
        if (s.anyNonZeroDigit && s.magnitude > 0) {
            overflow = true;
            v = std::numeric_limits<double>::infinity();
        } else {
            v = 0;
        }
        if (s.negative) v = -v;
    }
    return v;
}

// Reads an optional leading sign; returns where the digits start.
size_t scanSign(std::string_view t, Scanned& s) {
    if (t.empty() || (t[0] != '+' && t[0] != '-')) return 0;
    s.negative = t[0] == '-';
    if (s.negative) s.clean += '-';
    return 1;
}

std::optional<Scanned> scanLocaleNumber(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    std::string_view t = text.substr(b, e - b);
    Scanned s;
    size_t i = scanSign(t, s);
    int wholeDigits = 0, fracDigits = 0;
    long long firstNonZero = 0;  // exponent of the first non-zero digit before the point
    bool seenNonZero = false;
    // Digit groups only in their real form: "1,000", "12,345,678.5"; "1,5" is no number.
    int groupDigits = 0;
    bool grouped = false;
    while (i < t.size() && (isDigit(t[i]) || (t[i] == ',' && wholeDigits > 0))) {
        if (t[i] != ',') {
            s.clean += t[i];
            ++wholeDigits;
            ++groupDigits;
            if (t[i] != '0' && !seenNonZero) seenNonZero = true;
            if (seenNonZero) ++firstNonZero;
        } else {
            if (grouped ? groupDigits != 3 : groupDigits > 3) return std::nullopt;
            grouped = true;
            groupDigits = 0;
        }
        ++i;
    }
    if (grouped && groupDigits != 3) return std::nullopt;
    if (i < t.size() && t[i] == '.') {
        s.clean += '.';
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            if (t[i] != '0' && !seenNonZero) seenNonZero = true;
            if (!seenNonZero) --firstNonZero;
            s.clean += t[i++];
            ++fracDigits;
        }
    }
    if (wholeDigits + fracDigits == 0) return std::nullopt;
    long long exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t after = scanExponent(t, i + 1, s.clean, exponent);
        if (after == i + 1) return std::nullopt;
        i = after;
    }
    if (i != t.size()) return std::nullopt;
    s.anyNonZeroDigit = seenNonZero;
    s.magnitude = firstNonZero + exponent;
    return s;
}

std::string trimZeros(std::string digits) {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return digits;
}

std::string specialText(double v) {
    if (std::isnan(v)) return "NaN";
    return v < 0 ? "-Infinity" : "Infinity";
}

// Builds the default text from scientific digits "d.ddde±x" of |value|.
std::string defaultText(const char* first, const char* last, bool negative, int precision) {
    std::string_view sci(first, static_cast<size_t>(last - first));
    size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (isDigit(c)) digits += c;
    int exponent = 0;
    std::string_view ex = sci.substr(ePos + 1);
    if (!ex.empty() && ex[0] == '+') ex.remove_prefix(1);
    std::from_chars(ex.data(), ex.data() + ex.size(), exponent);
    digits = trimZeros(digits);

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= precision) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        int a = std::abs(exponent);
        if (a < 10) out += '0';
        out += std::to_string(a);
    } else if (exponent >= 0) {
        size_t whole = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits + std::string(whole - digits.size(), '0');
        } else {
            out += digits.substr(0, whole) + "." + digits.substr(whole);
        }
    } else {
        out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    return out;
}

template <class T>
std::string defaultNumberText(T value, int precision) {
    if (value == 0) return "0";
    if (!std::isfinite(value)) return specialText(static_cast<double>(value));
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                           precision - 1);
    return defaultText(buf, r.ptr, value < 0, precision);
}

// |value| to `decimals` places: its 15 significant digits rounded half up,
// so a value written as 2.675 shows as 2.68 although its binary is below.
std::string roundedFixed(double value, int decimals) {
    // The 15 digits of d.dddddddddddddde±x, in place: a grid writes millions.
    char digits[15];
    std::fill(std::begin(digits), std::end(digits), '0');
    int exponent = 0;
    if (value != 0) {
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
        digits[0] = buf[0];
        std::copy(buf + 2, buf + 16, digits + 1);
        const char* ex = buf + 17;
        if (*ex == '+') ++ex;
        std::from_chars(ex, r.ptr, exponent);
    }
    // value x 10^decimals = n x 10^0, n = digits x 10^shift
    const int shift = exponent - 14 + decimals;
    std::string n;
    if (shift >= 0) {
        n.reserve(15 + static_cast<size_t>(shift));
        n.append(digits, 15).append(static_cast<size_t>(shift), '0');
    } else if (-shift > 15) {
        n = "0";
    } else {
        const size_t keep = static_cast<size_t>(15 + shift);
        n.assign(digits, keep);
        if (digits[keep] >= '5') {
            size_t i = n.size();
            while (i > 0 && n[i - 1] == '9') n[--i] = '0';
            if (i == 0) n.insert(n.begin(), '1');
            else ++n[i - 1];
        }
        if (n.empty()) n = "0";
    }
    if (n.size() < static_cast<size_t>(decimals) + 1) n.insert(0, decimals + 1 - n.size(), '0');
    size_t firstWhole = 0;
    const size_t wholeEnd = n.size() - static_cast<size_t>(decimals);
    while (firstWhole + 1 < wholeEnd && n[firstWhole] == '0') ++firstWhole;
    std::string out(n, firstWhole, wholeEnd - firstWhole);
    if (decimals > 0) out.append(1, '.').append(n, wholeEnd, std::string::npos);
    return out;
}

std::string signFirst(std::string text) {
    bool negative = !text.empty() && text[0] == '-';
    std::string body = negative ? text.substr(1) : text;
    if (body.size() > 1 && body[0] == '0' && body[1] == '.') body.erase(0, 1);
    return (negative ? "-" : " ") + body;
}

}  // namespace

double ParseNumber(std::string_view text, Precision precision) {
    auto s = scanLocaleNumber(text);
    if (!s) {
        bool blank = text.find_first_not_of(" \t") == std::string_view::npos;
        throw StatementFailure("type mismatch", blank ? FailureKind::Empty : FailureKind::NotNumber);
    }
    bool overflow = false;
    double d = fromClean(*s, overflow);
    if (overflow) throw StatementFailure("overflow", FailureKind::Overflow);
    if (precision == Precision::Double) return d;
    float f = 0;
    auto [p, ec] = std::from_chars(s->clean.data(), s->clean.data() + s->clean.size(), f);
    (void)p;
    if (ec == std::errc::result_out_of_range) {
        if (std::fabs(d) >= 1) throw StatementFailure("overflow", FailureKind::Overflow);
        f = static_cast<float>(d);
    }
    return f;
}

std::optional<double> TryParseNumber(std::string_view text, Precision precision) {
    try {
        return ParseNumber(text, precision);
    } catch (const StatementFailure&) {
        return std::nullopt;
    }
}

std::string NumberText(float value) { return defaultNumberText(value, 7); }
std::string NumberText(double value) { return defaultNumberText(value, 15); }
std::string NumberText(long long whole) { return std::to_string(whole); }

std::string MaskText(double value, std::string_view mask) {
    if (!std::isfinite(value)) return specialText(value);
    size_t dot = mask.find('.');
    std::string_view before = mask.substr(0, dot);
    std::string_view after = dot == std::string_view::npos ? std::string_view{} : mask.substr(dot + 1);
    int minWhole = 0;
    bool grouped = false;
    for (char c : before) {
        if (c == '0') ++minWhole;
        if (c == ',') grouped = true;
    }
    int decimals = 0, minDecimals = 0;
    for (char c : after) {
        if (c == '#' || c == '0') ++decimals;
        if (c == '0') minDecimals = decimals;
    }

    std::string fixed = roundedFixed(std::fabs(value), decimals);
    size_t point = fixed.find('.');
    std::string whole = fixed.substr(0, point);
    std::string frac = point == std::string::npos ? "" : fixed.substr(point + 1);
    bool allZero = fixed.find_first_not_of("0.") == std::string::npos;

    while (static_cast<int>(frac.size()) > minDecimals && !frac.empty() && frac.back() == '0') frac.pop_back();
    if (whole == "0" && minWhole == 0) whole.clear();
    if (static_cast<int>(whole.size()) < minWhole) whole.insert(0, minWhole - whole.size(), '0');
    if (grouped && whole.size() > 3) {
        std::string g;
        size_t lead = whole.size() % 3;
        for (size_t k = 0; k < whole.size(); ++k) {
            if (k != 0 && (k + 3 - lead) % 3 == 0) g += ',';
            g += whole[k];
        }
        whole = g;
    }
    std::string out = (value < 0 && !allZero) ? "-" : "";
    out += whole;
    if (dot != std::string_view::npos) out += "." + frac;
    return out;
}

std::string MaskText(std::string_view text, std::string_view mask) {
    auto v = TryParseNumber(text, Precision::Double);
    return v ? MaskText(*v, mask) : std::string(text);
}

std::string ResultMaskText(double value, std::string_view mask) {
    std::string text = MaskText(value, mask);
    if (!std::isfinite(value)) return text;
    return text.find_first_of("0123456789") == std::string::npos ? std::string("0") : text;
}

std::string SignFirstNumberText(float value) { return signFirst(NumberText(value)); }
std::string SignFirstNumberText(double value) { return signFirst(NumberText(value)); }

}  // namespace korrimet
