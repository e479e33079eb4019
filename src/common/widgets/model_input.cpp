#include "common/widgets/model_input.h"

#include <QLabel>
#include <QLineEdit>

#include "common/widgets/qt_text.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"

namespace korrimet {
namespace {

std::optional<double> require(QWidget* window, const QLineEdit* box, Precision precision) {
    std::optional<double> v = TryParseNumber(box->text(), precision);
    if (!v) ShowMessage(notNumberMessage(inputName(box)), window);
    return v;
}

}  // namespace

QLineEdit* modelField(FormBuilder& frame, int index, int column, int row, const QString& label,
                      const QString& text) {
    const int left = column == 0 ? 120 : 4800, top = 330 + row * 480;
    QLabel* l = frame.label(QStringLiteral("Label%1").arg(index), label, left, top + 30, 3300, 300);
    QLineEdit* box = frame.textBox(QStringLiteral("Text%1").arg(index), left + 3300, top, 1080, 330, text);
    l->setBuddy(box);
    return box;
}

QString inputName(const QLineEdit* box) {
    for (const QLabel* label : box->window()->findChildren<QLabel*>()) {
        if (label->buddy() != box) continue;
        QString name = label->text().trimmed();
        while (name.endsWith(QChar(0xFF1A)) || name.endsWith(QLatin1Char(':'))) name.chop(1);
        return name;
    }
    return box->objectName();
}

QString notNumberMessage(const QString& inputName) {
    return QStringLiteral("“%1”必须输入数值，请检查输入！").arg(inputName);
}

std::optional<float> requireSingle(QWidget* window, const QLineEdit* box) {
    std::optional<double> v = require(window, box, Precision::Single);
    if (!v) return std::nullopt;
    return static_cast<float>(*v);
}

std::optional<double> requireDouble(QWidget* window, const QLineEdit* box) {
    return require(window, box, Precision::Double);
}

}  // namespace korrimet
