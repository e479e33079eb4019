#pragma once
#include <QPointF>
#include <QtGlobal>

class QSinglePointEvent;

namespace korrimet {

// The presses of a click, double-click or triple-click: one gesture while
// each press pairs with the one before it as Qt pairs a double-click's two
// presses, that is, it comes within the double-click interval after that one
// and lies within the double-click distance of it on either axis. Times are
// the events' own, so a gesture is told alike however late the events are
// handled.
class ClickGesture {
public:
    // Takes a press: true when it continues the gesture, false when it starts one.
    bool press(QPointF point, quint64 time);
    // A press event, on the screen: a widget that moves or scrolls between
    // the presses does not part them.
    bool press(const QSinglePointEvent& event);
    // The next press starts a gesture, whatever it follows.
    void end() { started_ = false; }
    // When the last press came, on the events' clock.
    quint64 lastPress() const { return time_; }

private:
    bool started_ = false;
    QPointF point_;  // of the last press
    quint64 time_ = 0;
};

}  // namespace korrimet
