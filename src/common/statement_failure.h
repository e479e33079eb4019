#pragma once
#include <stdexcept>
#include <string>

namespace korrimet {

// Why a statement failed, so that a press can tell the user in plain words.
enum class FailureKind {
    Empty,        // an entry left empty
    NotNumber,    // an entry that is no number
    Overflow,     // beyond the range of its store
    Invalid,      // not a finite number: log of 0, root of a negative, ...
    DivisionByZero,
    Domain,       // a condition of the formula; the text says which
};

// Raised by a conversion or a checked store whose statement must be skipped.
// Only Steps catches it; every handler that ignores errors runs through Steps.
class StatementFailure : public std::runtime_error {
public:
    explicit StatementFailure(const char* what, FailureKind kind = FailureKind::Invalid)
        : std::runtime_error(what), kind_(kind) {}
    StatementFailure(FailureKind kind, const std::string& reason) : std::runtime_error(reason), kind_(kind) {}

    FailureKind kind() const { return kind_; }

private:
    FailureKind kind_;
};

// The words a message uses for a failure: the condition's own text for a
// domain failure, a short Chinese phrase otherwise.
std::string FailureReason(const StatementFailure& failure);

}  // namespace korrimet
