#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/value_range.h"

class QComboBox;
class QWidget;

namespace korrimet {

// How a press ends when something failed: a button press says it in one
// message box; a recompute while the user types never pops a box, it only
// clears and marks the results (and fills the status line, if any).
enum class PressMode { Button, Live };

// How a box's text becomes a number: the whole text by the locale's rules,
// or, where a window reads a box so, a number followed by nothing or the
// unit the box's name ends with in brackets ("油罐直径 D[m]" takes "6",
// "6 m" or "6米", not "6000mm"; see ParseLeadingNumber).
enum class Reading { Whole, OwnUnit };

// One press of a calculator: the statement runner plus the rule that no
// result box shows a value the press did not compute from the entries as
// they are now. Statements still run one by one and a failed one still keeps
// its target, but every failure is remembered by what it read or checked;
// a result written after a failure is cleared instead, and the press ends
// with one message naming the entries or conditions that failed.
//
//   Press press(this);
//   press.read(s_.q, q_, Range::Positive);
//   press([&] { s_.vy = single(FlueGasVolume(...)); });
//   press.put(perKg_, [&] { return NumberText(s_.vy); });
//   // the destructor (or finish()) tells the user what failed
class Press {
public:
    explicit Press(QWidget* window, PressMode mode = PressMode::Button);
    ~Press();
    Press(const Press&) = delete;
    Press& operator=(const Press&) = delete;

    // Reads a box (or a combo's text) as a number of the store's precision;
    // a failure names the box by its label. The target keeps its value then.
    bool read(float& target, const QLineEdit* box, Range range = Range::Any);
    bool read(double& target, const QLineEdit* box, Range range = Range::Any, Reading reading = Reading::Whole);
    bool read(float& target, const QComboBox* box, Range range = Range::Any);
    bool read(double& target, const QComboBox* box, Range range = Range::Any);
    bool read(float& target, const QString& text, const QString& subject, Range range = Range::Any);
    bool read(double& target, const QString& text, const QString& subject, Range range = Range::Any,
              Reading reading = Reading::Whole);

    template <class Statement>
    bool operator()(Statement&& statement) {
        return steps_(std::forward<Statement>(statement));
    }
    // A statement whose failure is told as `subject` (an entry or a quantity).
    template <class Statement>
    bool operator()(const QString& subject, Statement&& statement) {
        return steps_.as(subject.toStdString(), std::forward<Statement>(statement));
    }
    template <class Condition>
    bool test(Condition&& condition) {
        return steps_.test(std::forward<Condition>(condition));
    }
    // A condition of the press: fails it with `reason` unless `ok`.
    bool check(bool ok, const QString& reason);
    // A value that must lie in `range`, named `subject`.
    bool check(double value, Range range, const QString& subject);
    void fail(const QString& reason) { check(false, reason); }
    // Fails for want of something not entered or not computed yet, as an
    // empty entry does.
    void missing(const QString& reason);

    bool ok() const { return steps_.ok(); }
    // A point in the press; okSince(mark()) tells whether anything failed after it.
    // Only a result that uses nothing computed before the mark may be put
    // `since` it; a result is otherwise put right after the statements it uses.
    int mark() const { return steps_.failures(); }
    bool okSince(int mark) const { return steps_.failures() == mark; }
    Steps& steps() { return steps_; }

    // Writes a result: the text `make()` returns when nothing failed since
    // `since` and the text is a finite number or words; otherwise the box is
    // cleared and marked. `make` runs as a statement and may fail itself.
    template <class Box, class Make>
    bool put(Box* box, Make&& make, int since = 0) {
        QString text;
        bool good = okSince(since) && steps_([&] { text = toQString(make()); requireShowable(text); });
        if (good) {
            box->setText(text);
            // A long number must show its start: its end alone reads as another number.
            if constexpr (std::is_base_of_v<QLineEdit, Box>) box->setCursorPosition(0);
            unmark(box);
        } else {
            box->clear();
            results_.push_back(box);
        }
        return good;
    }
    // Clears a result that this press does not compute, marked like a failed one.
    void clear(QWidget* box);

    // The message of a failed press; empty when nothing failed.
    QString message() const;
    // A line in the window that shows the reason of a failed live press.
    void setStatus(QLabel* status) { status_ = status; }
    // Says what failed (once) and marks the cleared results; done by the
    // destructor when not called before.
    void finish();

    // Marks a result box as not computed, with the reason as its tip.
    static void mark(QWidget* box, const QString& reason);
    static void unmark(QWidget* box);
    static bool isMarked(const QWidget* box);

    // A cleared live result says why, an emptied entry included. Only while
    // a window puts its entries back as they were when it opened (a switch of
    // type) does a live press that misses nothing but entries left empty
    // clear its results without a mark: nothing was asked of them yet. Any
    // other failure is marked then too.
    class Reset {
    public:
        explicit Reset(QWidget* window);
        ~Reset();
        Reset(const Reset&) = delete;
        Reset& operator=(const Reset&) = delete;

    private:
        QPointer<QWidget> window_;
    };

private:
    static QString toQString(const QString& s) { return s; }
    static QString toQString(const std::string& s) { return QString::fromStdString(s); }
    static QString toQString(const char* s) { return QString::fromUtf8(s); }
    static void requireShowable(const QString& text);
    bool quietReset() const;

    QPointer<QWidget> window_;
    PressMode mode_;
    Steps steps_;
    std::vector<QPointer<QWidget>> results_;
    QPointer<QLabel> status_;
    bool finished_ = false;
};

}  // namespace korrimet
