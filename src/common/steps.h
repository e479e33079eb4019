#pragma once
#include <utility>

#include "common/statement_failure.h"

namespace korrimet {

// Runs a handler's statements one by one, the way the calculators ignore
// errors: a statement that fails is skipped and its target keeps its value;
// a test that fails counts as true, so the branch it governs runs.
//
//   Steps steps;
//   steps([&] { s.q = single(ParseNumber(text, Precision::Single)); });
//   if (steps.test([&] { return s.q < 12561.0f; })) ...
class Steps {
public:
    template <class Statement>
    bool operator()(Statement&& statement) {
        try {
            std::forward<Statement>(statement)();
            return true;
        } catch (const StatementFailure&) {
            ++failures_;
            return false;
        }
    }

    template <class Condition>
    bool test(Condition&& condition) {
        try {
            return static_cast<bool>(std::forward<Condition>(condition)());
        } catch (const StatementFailure&) {
            ++failures_;
            return true;
        }
    }

    int failures() const { return failures_; }

private:
    int failures_ = 0;
};

}  // namespace korrimet
