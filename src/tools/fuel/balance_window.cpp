#include "tools/fuel/balance_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <string_view>
#include <vector>

#include "common/widgets/help_button.h"
#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "common/widgets/tool_registry.h"

namespace korrimet::fuel {
namespace {

constexpr int kMargin = 120;
constexpr int kRowTop = 720;
constexpr int kRowStep = 345;
constexpr int kRowHeight = 315;
constexpr int kButtonGap = 30;
const char* const kFrameCaption = "黑龙江省燃料燃烧排放大气污染物物料衡算办法（暂行）";

}  // namespace

QString balanceMethodText(std::span<const char* const> lines) {
    QString text;
    for (size_t n = 0; n < lines.size(); ++n) {
        QString line = QString::fromUtf8(lines[n]);
        if (!line.trimmed().isEmpty() && n != 1) line.prepend(QStringLiteral("    "));
        text += line + QLatin1Char('\n');
    }
    return text;
}

BalanceWindow::BalanceWindow(const BalanceForm& form)
    : ToolWindow(QString::fromUtf8(form.className), QString::fromUtf8(form.caption), form.width, form.height) {
    FormBuilder f = this->form();
    QLabel* title = f.label(form.titleName, form.title, 0, 150, form.width, 420);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setFont(songti(14, true));

    int labelIndex = 0;
    placeColumn(f, form, form.left, labelIndex);
    placeColumn(f, form, form.right, labelIndex);

    const int rows = static_cast<int>(std::max(form.left.rows.size(), form.right.rows.size()));
    const int frameTop = kRowTop + rows * kRowStep + kMargin;
    const int frameWidth = form.width - 2 * kMargin, frameHeight = form.height - frameTop - kMargin;
    QGroupBox* frame = f.frame("Frame1", kFrameCaption, kMargin, frameTop, frameWidth, frameHeight);
    FormBuilder inFrame(frame);
    QPlainTextEdit* method = inFrame.memo("Text15", kMargin, 300, frameWidth - 2 * kMargin, frameHeight - 420,
                                          balanceMethodText(form.methodLines));
    method->setReadOnly(true);
    method->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setBackground(method, palette().color(QPalette::ToolTipBase));

    for (const char* name : form.largeBoxes) box(name)->setFont(songti(10.5, true));
}

void BalanceWindow::recomputeLive(std::span<const BalanceResult> results) {
    auto* live = new LiveRecompute(this);
    live->onChange({box("Text1")}, [this, results] {
        for (const BalanceResult& r : results) recompute(r);
    });
    for (const BalanceResult& r : results) {
        for (const char* name : r.watched) live->onChange({box(name)}, [this, &r] { recompute(r); });
        live->onClick({box(r.box)}, [this, &r] { recompute(r); });
    }
}

// The fuel amount cannot be negative; every other entry is a percentage.
// A failed entry or formula clears the result and marks it with the reason,
// without a message box while the user types.
void BalanceWindow::recompute(const BalanceResult& result) {
    Press press(this, PressMode::Live);
    std::vector<double> values;
    for (const char* name : result.inputs) {
        double v = 0;
        press.read(v, box(name), std::string_view(name) == "Text1" ? Range::NonNegative : Range::Percent);
        values.push_back(v);
    }
    double value = 0;
    if (press.ok()) press([&] { value = result.formula(values.data()); });
    press.put(box(result.box), [&] { return ResultMaskText(value, result.mask); });
}

void BalanceWindow::placeColumn(FormBuilder& f, const BalanceForm& form, const BalanceColumn& column,
                                int& labelIndex) {
    const int boxLeft = column.left + column.labelWidth;
    const int buttonLeft = boxLeft + form.boxWidth + kButtonGap;
    for (size_t i = 0; i < column.rows.size(); ++i) {
        const BalanceRow& r = column.rows[i];
        const int top = kRowTop + static_cast<int>(i) * kRowStep;
        QLabel* label = f.label("Label2", r.label, column.left, top + 30, column.labelWidth, kRowHeight - 15);
        label->setProperty("index", labelIndex++);
        QLineEdit* b = f.textBox(r.box, boxLeft, top, form.boxWidth, kRowHeight, r.text);
        b->setFont(songti(9, true));
        setTextColor(b, r.result ? kRed : kDarkGreen);
        if (!r.button) continue;
        if (r.hint) {
            helpButton(f, r.button, "......?", buttonLeft, top, form.buttonWidth, kRowHeight, QString::fromUtf8(r.hint));
            continue;
        }
        QPushButton* button = f.button(r.button, "......?", buttonLeft, top, form.buttonWidth, kRowHeight);
        if (r.page) {
            const QString page = QString::fromUtf8(r.page);
            connect(button, &QPushButton::clicked, this, [page] { OpenTool(page); });
        }
    }
}

}  // namespace korrimet::fuel
