#include "common/widgets/click_gesture.h"

#include <QEvent>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QStyleHints>
#include <cmath>

namespace korrimet {

bool ClickGesture::press(QPointF point, quint64 time) {
    const QStyleHints* hints = QGuiApplication::styleHints();
    const auto interval = static_cast<quint64>(hints->mouseDoubleClickInterval());
    const qreal distance = hints->mouseDoubleClickDistance();
    const bool continues = started_ && time >= time_ && time - time_ < interval &&
                           std::abs(point.x() - point_.x()) <= distance &&
                           std::abs(point.y() - point_.y()) <= distance;
    started_ = true;
    point_ = point;
    time_ = time;
    return continues;
}

bool ClickGesture::press(const QSinglePointEvent& event) { return press(event.globalPosition(), event.timestamp()); }

}  // namespace korrimet
