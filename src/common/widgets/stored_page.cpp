#include "common/widgets/stored_page.h"

#include <QFile>
#include <QTextBrowser>

#include "common/widgets/tool_window.h"

namespace korrimet {

QString resourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QTextBrowser* storedPage(FormBuilder& form, const QString& name, const QString& resource, int l, int t, int w,
                         int h) {
    auto* view = form.place(new QTextBrowser, name, l, t, w, h);
    view->setOpenLinks(false);
    view->setHtml(resourceText(resource));
    return view;
}

}  // namespace korrimet
