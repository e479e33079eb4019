#pragma once
#include <stdexcept>

namespace korrimet {

// Raised by a conversion or a checked store whose statement must be skipped.
// Only Steps catches it; every handler that ignores errors runs through Steps.
class StatementFailure : public std::runtime_error {
public:
    explicit StatementFailure(const char* what) : std::runtime_error(what) {}
};

}  // namespace korrimet
