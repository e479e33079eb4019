#include "common/variant.h"

#include <cmath>

#include "common/number_text.h"
#include "common/stores.h"

namespace korrimet {
namespace {

using Kind = Variant::Kind;

int rank(Kind k) {
    switch (k) {
    case Kind::Empty:
    case Kind::Boolean:
    case Kind::Integer: return 0;
    case Kind::Long: return 1;
    case Kind::Single: return 2;
    default: return 3;  // Double, and a text read as a Double
    }
}

// Stores an arithmetic result in the wider of the operands' kinds.
Variant result(double v, Kind a, Kind b) {
    switch (std::max(rank(a), rank(b))) {
    case 0: {
        std::int32_t l = toLong(v);
        if (l >= INT16_MIN && l <= INT16_MAX) return Variant::integer(static_cast<std::int16_t>(l));
        return Variant::whole(l);
    }
    case 1: return Variant::whole(toLong(v));
    case 2: return Variant::single(korrimet::single(v));
    default: return Variant::dbl(dbl(v));
    }
}

}  // namespace

double Variant::toNumber() const {
    return std::visit(
        [](const auto& v) -> double {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) return 0.0;
            else if constexpr (std::is_same_v<T, std::string>) return ParseNumber(v, Precision::Double);
            else if constexpr (std::is_same_v<T, bool>) return v ? -1.0 : 0.0;
            else return static_cast<double>(v);
        },
        value_);
}

std::string Variant::toText() const {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) return "";
            else if constexpr (std::is_same_v<T, std::string>) return v;
            else if constexpr (std::is_same_v<T, bool>) return v ? "True" : "False";
            else if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::int32_t>)
                return NumberText(static_cast<long long>(v));
            else return NumberText(v);
        },
        value_);
}

Variant operator+(const Variant& a, const Variant& b) {
    if (a.isEmpty()) return b;
    if (b.isEmpty()) return a;
    if (a.kind() == Kind::Text && b.kind() == Kind::Text) return Variant::text(a.toText() + b.toText());
    return result(a.toNumber() + b.toNumber(), a.kind(), b.kind());
}

Variant operator-(const Variant& a, const Variant& b) {
    return result(a.toNumber() - b.toNumber(), a.kind(), b.kind());
}

Variant operator*(const Variant& a, const Variant& b) {
    return result(a.toNumber() * b.toNumber(), a.kind(), b.kind());
}

Variant operator/(const Variant& a, const Variant& b) {
    double d = divide(a.toNumber(), b.toNumber());
    // Division never gives a whole number; Singles divide into a Single.
    auto narrow = [](Kind k) { return rank(k) == 0 || k == Kind::Single; };
    bool anySingle = a.kind() == Kind::Single || b.kind() == Kind::Single;
    if (anySingle && narrow(a.kind()) && narrow(b.kind())) return Variant::single(single(d));
    return Variant::dbl(dbl(d));
}

Variant power(const Variant& a, const Variant& b) {
    return Variant::dbl(dbl(std::pow(a.toNumber(), b.toNumber())));
}

Variant join(const Variant& a, const Variant& b) { return Variant::text(a.toText() + b.toText()); }

int compare(const Variant& a, const Variant& b) {
    if (a.kind() == Kind::Text && b.kind() == Kind::Text) {
        std::string x = a.toText(), y = b.toText();
        return x < y ? -1 : (x == y ? 0 : 1);
    }
    double x = a.toNumber(), y = b.toNumber();
    return x < y ? -1 : (x == y ? 0 : 1);
}

std::string MaskText(const Variant& value, std::string_view mask) {
    switch (value.kind()) {
    case Kind::Empty: return MaskText(0.0, mask);
    case Kind::Text: return MaskText(std::string_view(value.toText()), mask);
    default: return MaskText(value.toNumber(), mask);
    }
}

}  // namespace korrimet
