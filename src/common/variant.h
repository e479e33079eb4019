#pragma once
#include <cstdint>
#include <string>
#include <variant>

namespace korrimet {

// A value that holds nothing, a Boolean, a whole number, a Single, a Double
// or a text, and carries its kind. Operations that fail throw
// StatementFailure, so they belong inside a Steps statement.
class Variant {
public:
    enum class Kind { Empty, Boolean, Integer, Long, Single, Double, Text };

    Variant() = default;
    static Variant boolean(bool b) { return Variant(Storage(b)); }
    static Variant integer(std::int16_t v) { return Variant(Storage(v)); }
    static Variant whole(std::int32_t v) { return Variant(Storage(v)); }
    static Variant single(float v) { return Variant(Storage(v)); }
    static Variant dbl(double v) { return Variant(Storage(v)); }
    static Variant text(std::string t) { return Variant(Storage(std::move(t))); }

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }

    // The number it holds; a text is parsed as a Double, Empty counts as 0.
    double toNumber() const;
    // Its default text; Empty gives "".
    std::string toText() const;

    friend Variant operator+(const Variant& a, const Variant& b);
    friend Variant operator-(const Variant& a, const Variant& b);
    friend Variant operator*(const Variant& a, const Variant& b);
    friend Variant operator/(const Variant& a, const Variant& b);
    friend Variant power(const Variant& a, const Variant& b);
    // The join operator: always joins both operands' texts.
    friend Variant join(const Variant& a, const Variant& b);
    // Two texts compare as texts, by character code; otherwise as numbers.
    friend int compare(const Variant& a, const Variant& b);

private:
    using Storage = std::variant<std::monostate, bool, std::int16_t, std::int32_t, float, double, std::string>;
    explicit Variant(Storage s) : value_(std::move(s)) {}
    Storage value_;
};

std::string MaskText(const Variant& value, std::string_view mask);

}  // namespace korrimet
