#include "support/ui_support.h"

#include <QCoreApplication>

namespace korrimet::test {
namespace {

class UnexpectedMessageTrap : public MessageService {
public:
    void show(const QString& text, QWidget*) override {
        qFatal("unexpected message box: %s", qPrintable(text));
    }
};

}  // namespace

void installUnexpectedMessageTrap() {
    static UnexpectedMessageTrap trap;
    MessageService::install(&trap);
}

QWidget* openTool(const QString& className) {
    QWidget* w = ToolRegistry::instance().open(className);
    if (!w) qFatal("no tool window %s", qPrintable(className));
    return w;
}

void closeAllTools() {
    for (QWidget* w : ToolRegistry::instance().openWindows()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace korrimet::test
