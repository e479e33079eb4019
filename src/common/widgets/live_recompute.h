#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <initializer_list>

class QComboBox;
class QLineEdit;

namespace korrimet {

// Calculators without a compute button: a change of an input box's text
// (typed, pasted or set by code) and a click into a result box each run
// their handler. Wire it after the window has set its default texts, so
// loading computes nothing. A handler does not re-enter itself, so a box
// that writes back into its own chain cannot loop.
class LiveRecompute : public QObject {
public:
    explicit LiveRecompute(QObject* owner) : QObject(owner) {}

    LiveRecompute& onChange(std::initializer_list<QLineEdit*> inputs, std::function<void()> handler);
    LiveRecompute& onClick(std::initializer_list<QLineEdit*> results, std::function<void()> handler);
    // A pick of a list item (also a typed text confirmed with Enter).
    LiveRecompute& onPick(QComboBox* combo, std::function<void()> handler);

private:
    std::function<void()> guarded(std::function<void()> handler);
};

// Writes a box's text and reports the change also when the text stays the
// same, as the tools' chained boxes expect; QLineEdit::setText is silent then.
void setTextAndNotify(QLineEdit* box, const QString& text);

}  // namespace korrimet
