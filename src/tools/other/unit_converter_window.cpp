#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <cmath>

#include "common/value_range.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/other/unit_table.h"

namespace korrimet::other {
namespace {

// Each numbered point of the note begins a line of its own.
const char* const kUsageNote =
    "    此处收录了大部分在环评过程中有可能用到的单位换算，使用方法如下：\n"
    "一：常用单位查询中，查出各单位的转换系数；\n"
    "二：常用单位转换中输入相应的数字进行转换！\n"
    "三：系数的转换目前只做到质量单位转换中吨与短吨的转换，后面的各类转换还未完成，如果有用到其它的转换，"
    "你可以在一中查出各单位位的转换系数，手工进行转换！";

// The stored table, read once; a faulty table is a build fault that the
// tests catch, so the window then shows what it could read.
const std::vector<UnitCategory>& unitTable() {
    static const std::vector<UnitCategory> table = [] {
        try {
            return ReadUnitTable(resourceText(QStringLiteral(":/other/unit_lines.txt")).toStdString());
        } catch (const UnitTableError& e) {
            qWarning("unit table: %s", e.what());
            return std::vector<UnitCategory>{};
        }
    }();
    return table;
}

// The drop-down of a list shows its lines whole, however long they are.
void fitPopupToLines(QComboBox* combo) {
    combo->view()->setTextElideMode(Qt::ElideNone);
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 24);
}

class UnitConverterWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "万能单位换算";
    static constexpr const char* kCaption = "常用度量衡单位查询";

    UnitConverterWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 7440, 6420) {
        FormBuilder f = form();
        f.label("Label1", "常用度量衡单位查询", 240, 120, 6960, 360)->setFont(songti(12));
        f.label("Label3", "常用度量衡单位查询", 240, 600, 4000, 300);
        QStringList captions;
        for (const UnitCategory& c : unitTable()) captions << qtext(c.caption);
        category_ = f.combo("Combo1", 240, 960, 6960, 345, captions);
        line_ = f.combo("Combo2", 240, 1440, 6960, 345);
        // One caption stands above both lists.
        category_->setProperty("inputName", QStringLiteral("常用度量衡单位查询（类别）"));
        line_->setProperty("inputName", QStringLiteral("常用度量衡单位查询（条目）"));
        f.label("Label2", "常用度量衡单位转换", 240, 2040, 4000, 300);
        amount_ = f.textBox("Text1", 240, 2400, 3000, 345);
        from_ = f.label("Label4", "千米（km）", 3360, 2445, 3840, 300);
        QLabel* arrow = f.place(new QLabel, "Image1", 1500, 2820, 480, 480);
        arrow->setPixmap(style()->standardIcon(QStyle::SP_ArrowDown).pixmap(twips(480), twips(480)));
        converted_ = f.textBox("Text2", 240, 3360, 3000, 345);
        to_ = f.label("Label5", "英里（mile）", 3360, 3405, 3840, 300);
        QGroupBox* note = f.frame("Frame1", "说明", 240, 3960, 6960, 2220);
        FormBuilder n(note);
        n.label("Label6", kUsageNote, 120, 300, 6720, 1800);

        for (QWidget* w : {static_cast<QWidget*>(category_), static_cast<QWidget*>(line_),
                           static_cast<QWidget*>(amount_), static_cast<QWidget*>(converted_)})
            w->setFont(songti(9, true));
        fitPopupToLines(category_);

        setTabOrder(amount_, converted_);
        setTabOrder(converted_, category_);
        setTabOrder(category_, line_);
        amount_->setFocus();

        connect(category_, &QComboBox::activated, this, [this] { categoryPicked(); });
        connect(line_, &QComboBox::activated, this, [this] { linePicked(); });
        connect(amount_, &QLineEdit::textChanged, this, [this] { amountChanged(); });
    }

private:
    void categoryPicked() {
        const std::string caption = category_->currentText().toStdString();
        line_->clear();
        line_->clearEditText();
        for (const UnitCategory& c : unitTable()) {
            if (c.caption != caption) continue;
            for (const UnitLine& l : c.lines) line_->addItem(qtext(l.text));
            fitPopupToLines(line_);
            line_->setCurrentIndex(-1);
            line_->clearEditText();
            return;
        }
    }

    void linePicked() {
        const UnitLine* row = FindConversion(unitTable(), line_->currentText().toStdString());
        if (!row) {
            // A line for reading only converts nothing: an earlier result must
            // not stand beside it as if it were its conversion.
            clearConverted();
            return;
        }
        amount_->setText("");
        converted_->setText("");
        Press::unmark(converted_);
        from_->setText(qtext(row->fromUnit));
        to_->setText(qtext(row->toUnit));
    }

    // No convertible line is chosen: the result box is empty and says why.
    void clearConverted() {
        converted_->clear();
        Press::mark(converted_, line_->findText(line_->currentText()) >= 0
                                    ? QStringLiteral("此条只供查阅，不能换算")
                                    : QStringLiteral("请先在上面选择一条可换算的单位"));
    }

    // Every change converts anew; an amount that is no number, or a product
    // beyond the range of a Double, clears the result and says why in it.
    // Without a convertible line nothing converts, so no earlier result may
    // stand beside the new amount.
    void amountChanged() {
        const UnitLine* row = FindConversion(unitTable(), line_->currentText().toStdString());
        if (!row) {
            clearConverted();
            return;
        }
        Press press(this, PressMode::Live);
        double amount = 0;
        press.read(amount, amount_->text(), QStringLiteral("要换算的数值"));
        press.put(converted_, [&] {
            const double product = amount * *row->factor;
            Require(std::isfinite(product), "换算结果超出了可以表示的范围");
            return NumberText(product);
        });
    }

    QComboBox *category_, *line_;
    QLineEdit *amount_, *converted_;
    QLabel *from_, *to_;
};

}  // namespace
}  // namespace korrimet::other

using korrimet::other::UnitConverterWindow;
KORRIMET_REGISTER_TOOL(UnitConverterWindow);
