#pragma once
#include <string>
#include <utility>
#include <vector>

#include "common/statement_failure.h"

namespace korrimet {

// One failed statement: what it read or checked (an entry's name, may be
// empty) and why it failed.
struct StepFailure {
    std::string subject;
    std::string reason;
    FailureKind kind;
};

// Runs a handler's statements one by one, the way the calculators ignore
// errors: a statement that fails is skipped and its target keeps its value;
// a test that fails counts as true, so the branch it governs runs. Every
// failure is kept, so that the press can say which entry or condition failed.
//
//   Steps steps;
//   steps([&] { s.q = single(ParseNumber(text, Precision::Single)); });
//   if (steps.test([&] { return s.q < 12561.0f; })) ...
class Steps {
public:
    template <class Statement>
    bool operator()(Statement&& statement) {
        return as(std::string(), std::forward<Statement>(statement));
    }

    // A statement that reads or checks `subject`, named in the failure.
    template <class Statement>
    bool as(const std::string& subject, Statement&& statement) {
        try {
            std::forward<Statement>(statement)();
            return true;
        } catch (const StatementFailure& f) {
            record(subject, f);
            return false;
        }
    }

    template <class Condition>
    bool test(Condition&& condition) {
        try {
            return static_cast<bool>(std::forward<Condition>(condition)());
        } catch (const StatementFailure& f) {
            record(std::string(), f);
            return true;
        }
    }

    // A failure found outside a statement: a condition the press checks.
    void fail(const std::string& subject, const std::string& reason, FailureKind kind = FailureKind::Domain) {
        list_.push_back({subject, reason, kind});
    }

    int failures() const { return static_cast<int>(list_.size()); }
    bool ok() const { return list_.empty(); }
    const std::vector<StepFailure>& failureList() const { return list_; }

    // One line per distinct failure, "“entry”：reason" or the reason alone.
    std::vector<std::string> failureLines() const;
    // The whole message of a press that failed; empty when none failed.
    std::string message() const;

private:
    void record(const std::string& subject, const StatementFailure& f) {
        list_.push_back({subject, FailureReason(f), f.kind()});
    }

    std::vector<StepFailure> list_;
};

}  // namespace korrimet
