#include "common/widgets/press.h"

#include <QComboBox>
#include <QVariant>

#include "common/leading_number.h"
#include "common/widgets/model_input.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"

namespace korrimet {
namespace {

const char* const kOwnTip = "korrimetOwnToolTip";
const char* const kMarked = "korrimetMarked";
const char* const kResetting = "korrimetResetting";

template <class T>
bool readNumber(Steps& steps, T& target, const QString& text, const QString& subject, Range range,
                Reading reading = Reading::Whole) {
    constexpr Precision precision = std::is_same_v<T, float> ? Precision::Single : Precision::Double;
    const std::string name = subject.toStdString();
    return steps.as(name, [&] {
        const std::string t = text.toStdString();
        double v = reading == Reading::OwnUnit ? ParseLeadingNumber(t, CaptionUnit(name)) : ParseNumber(t, precision);
        RequireRange(v, range);
        target = static_cast<T>(v);
    });
}

}  // namespace

Press::Press(QWidget* window, PressMode mode) : window_(window), mode_(mode) {}

Press::~Press() { finish(); }

bool Press::read(float& target, const QLineEdit* box, Range range) {
    return readNumber(steps_, target, box->text(), inputName(box), range);
}
bool Press::read(double& target, const QLineEdit* box, Range range, Reading reading) {
    return readNumber(steps_, target, box->text(), inputName(box), range, reading);
}
bool Press::read(float& target, const QComboBox* box, Range range) {
    return readNumber(steps_, target, box->currentText(), inputName(box), range);
}
bool Press::read(double& target, const QComboBox* box, Range range) {
    return readNumber(steps_, target, box->currentText(), inputName(box), range);
}
bool Press::read(float& target, const QString& text, const QString& subject, Range range) {
    return readNumber(steps_, target, text, subject, range);
}
bool Press::read(double& target, const QString& text, const QString& subject, Range range, Reading reading) {
    return readNumber(steps_, target, text, subject, range, reading);
}

bool Press::check(bool ok, const QString& reason) {
    if (!ok) steps_.fail({}, reason.toStdString());
    return ok;
}

bool Press::check(double value, Range range, const QString& subject) {
    bool ok = InRange(value, range);
    if (!ok) steps_.fail(subject.toStdString(), RangeText(range));
    return ok;
}

void Press::missing(const QString& reason) { steps_.fail({}, reason.toStdString(), FailureKind::Empty); }

void Press::requireShowable(const QString& text) {
    // A number that is none must never read as a result.
    for (const char* bad : {"Infinity", "NaN", "inf", "nan"})
        if (text.trimmed() == QLatin1String(bad) || text.trimmed() == QLatin1String("-") + QLatin1String(bad))
            throw StatementFailure("invalid result");
}

void Press::clear(QWidget* box) {
    if (auto* e = qobject_cast<QLineEdit*>(box)) e->clear();
    else if (auto* l = qobject_cast<QLabel*>(box)) l->clear();
    results_.push_back(box);
}

QString Press::message() const { return QString::fromStdString(steps_.message()); }

void Press::mark(QWidget* box, const QString& reason) {
    if (!box->property(kMarked).toBool()) {
        box->setProperty(kOwnTip, box->toolTip());
        box->setProperty(kMarked, true);
    }
    box->setToolTip(reason);
    if (auto* e = qobject_cast<QLineEdit*>(box)) e->setPlaceholderText(QStringLiteral("无法计算"));
}

void Press::unmark(QWidget* box) {
    if (!box->property(kMarked).toBool()) return;
    box->setToolTip(box->property(kOwnTip).toString());
    box->setProperty(kMarked, false);
    if (auto* e = qobject_cast<QLineEdit*>(box)) e->setPlaceholderText({});
}

bool Press::quietReset() const {
    if (mode_ != PressMode::Live || !window_ || window_->property(kResetting).toInt() <= 0) return false;
    for (const StepFailure& f : steps_.failureList())
        if (f.kind != FailureKind::Empty) return false;
    return true;
}

bool Press::isMarked(const QWidget* box) { return box->property(kMarked).toBool(); }

void Press::finish() {
    if (finished_) return;
    finished_ = true;
    const bool quiet = quietReset();
    const QString text = quiet ? QString() : message();
    for (const QPointer<QWidget>& box : results_) {
        if (!box) continue;
        if (quiet) unmark(box);
        else mark(box, text.isEmpty() ? QStringLiteral("无法计算") : text);
    }
    if (status_) {
        status_->setText(text);
        setTextColor(status_, kRed);
    }
    if (!text.isEmpty() && mode_ == PressMode::Button) ShowMessage(text, window_);
}

Press::Reset::Reset(QWidget* window) : window_(window) {
    window->setProperty(kResetting, window->property(kResetting).toInt() + 1);
}

Press::Reset::~Reset() {
    if (window_) window_->setProperty(kResetting, window_->property(kResetting).toInt() - 1);
}

}  // namespace korrimet
