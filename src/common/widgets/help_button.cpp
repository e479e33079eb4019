#include "common/widgets/help_button.h"

#include <QFontMetricsF>
#include <QPushButton>
#include <QStyle>

#include "common/widgets/tool_window.h"
#include "platform/message_service.h"

namespace korrimet {

void attachHelpMessage(QAbstractButton* button, const QString& text) {
    QObject::connect(button, &QAbstractButton::clicked, button, [button, text] { ShowMessage(text, button->window()); });
}

void fitCaption(QAbstractButton* button) {
    QStyle* style = button->style();
    const qreal room = button->width() - style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) -
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    QFont font = button->font();
    if (font.pointSizeF() <= 0) return;
    const qreal smallest = 5;
    while (QFontMetricsF(font).horizontalAdvance(button->text()) > room && font.pointSizeF() > smallest)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != button->font()) button->setFont(font);
}

QPushButton* helpButton(FormBuilder& form, const QString& name, const QString& caption, int l, int t, int w, int h,
                        const QString& text) {
    QPushButton* b = form.button(name, caption, l, t, w, h);
    fitCaption(b);
    attachHelpMessage(b, text);
    return b;
}

}  // namespace korrimet
