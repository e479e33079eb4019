#include "common/widgets/help_button.h"

#include <QPushButton>

#include "common/widgets/tool_window.h"
#include "platform/message_service.h"

namespace korrimet {

void attachHelpMessage(QAbstractButton* button, const QString& text) {
    QObject::connect(button, &QAbstractButton::clicked, button, [button, text] { ShowMessage(text, button->window()); });
}

QPushButton* helpButton(FormBuilder& form, const QString& name, const QString& caption, int l, int t, int w, int h,
                        const QString& text) {
    QPushButton* b = form.button(name, caption, l, t, w, h);
    attachHelpMessage(b, text);
    return b;
}

}  // namespace korrimet
