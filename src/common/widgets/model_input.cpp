#include "common/widgets/model_input.h"

#include <QLabel>
#include <QLineEdit>
#include <QVariant>

#include "common/widgets/qt_text.h"
#include "common/widgets/tool_window.h"

namespace korrimet {

QLineEdit* modelField(FormBuilder& frame, int index, int column, int row, const QString& label,
                      const QString& text) {
    const int left = column == 0 ? 120 : 4800, top = 330 + row * 480;
    QLabel* l = frame.label(QStringLiteral("Label%1").arg(index), label, left, top + 30, 3300, 300);
    QLineEdit* box = frame.textBox(QStringLiteral("Text%1").arg(index), left + 3300, top, 1080, 330, text);
    l->setBuddy(box);
    return box;
}

namespace {

QString withoutClosingMarks(QString name) {
    name = name.trimmed();
    static const QString marks = QStringLiteral("：:=＝ ");
    while (!name.isEmpty() && marks.contains(name.back())) name.chop(1);
    return name.trimmed();
}

}  // namespace

QString inputName(const QWidget* box) {
    const QVariant own = box->property("inputName");
    if (own.isValid()) return own.toString();
    const QWidget* parent = box->parentWidget();
    const QList<QLabel*> labels = parent ? parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly) : QList<QLabel*>();
    for (const QLabel* label : box->window()->findChildren<QLabel*>())
        if (label->buddy() == box && !label->text().trimmed().isEmpty()) return withoutClosingMarks(label->text());
    // The label in front of the box on its row, else the one right above it.
    const QRect b = box->geometry();
    const QLabel* best = nullptr;
    for (const QLabel* label : labels) {
        const QRect g = label->geometry();
        const int middle = g.center().y();
        if (label->text().trimmed().isEmpty() || middle < b.top() - 4 || middle > b.bottom() + 4) continue;
        if (g.right() > b.left() + 8) continue;
        if (!best || g.right() > best->geometry().right()) best = label;
    }
    if (!best) {
        for (const QLabel* label : labels) {
            const QRect g = label->geometry();
            if (label->text().trimmed().isEmpty() || g.bottom() > b.top() + 4 || g.bottom() < b.top() - 60) continue;
            if (g.right() < b.left() || g.left() > b.right()) continue;
            if (!best || g.bottom() > best->geometry().bottom()) best = label;
        }
    }
    if (best) return withoutClosingMarks(best->text());
    return box->objectName();
}

}  // namespace korrimet
