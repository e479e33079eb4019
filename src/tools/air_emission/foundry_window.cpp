#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "common/widgets/press.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_emission/air_form.h"
#include "tools/air_emission/foundry.h"

namespace korrimet::air_emission {
namespace {

constexpr int kIndustries = 6;

class FoundryWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "铸造工业颗粒物排放量";
    static constexpr const char* kCaption = "铸造工业颗粒物排放量";
    using State = Foundry;

    explicit FoundryWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 10680, 5880),
          s_(state),
          factors_(storedFactorTable(":/air_emission/foundry_factors.txt")) {
        FormBuilder f = form();
        f.label("Label1", "铸造工业颗粒物排放量的计算", 240, 120, 5000, 360)->setFont(songti(12));

        industries_ = factors_.column(0);
        f.label("Label17", "本行排放量（Kg）", 8880, 420, 1680, 270);
        for (int i = 0; i < kIndustries; ++i) {
            const int top = 720 + i * 480;
            const std::string industry = i < static_cast<int>(industries_.size()) ? industries_[i] : std::string();
            f.label(QString("Label%1").arg(4 + i), QString::fromStdString(industry) + "：", 240, top + 45, 2160, 300);
            furnaces_[i] = f.combo(QString("Combo%1").arg(1 + i), 2400, top, 2640, 345);
            f.label(QString("Label%1").arg(10 + i), "处理设施：", 5160, top + 45, 1080, 300);
            devices_[i] = f.combo(QString("Combo%1").arg(7 + i), 6240, top, 2520, 345);
            // Every row's caption is 处理设施: a message names the row too.
            devices_[i]->setProperty("inputName", QString::fromStdString(industry) + QStringLiteral("处理设施"));
            rowResults_[i] = f.textBox(QString("Text%1").arg(11 + i), 8880, top, 1560, 345);
            rowResults_[i]->setReadOnly(true);
            furnaceItems_[i] = qitems(factors_.column(1, {industry}));
            deviceItems_[i] = qitems(factors_.column(2, {industry}));
        }
        fillLists();

        f.label("Label2", "请输入原料（产品）量（T）：", 240, 3825, 3000, 300);
        amount_ = f.textBox("Text1", 3240, 3780, 1800, 345);
        auto* compute = f.button("Command2", "计算", 2400, 4440, 1335, 435);
        auto* clear = f.button("Command3", "清除", 4200, 4440, 1335, 435);
        f.label("Label3", "颗粒物排放量（Kg）=", 240, 5205, 2160, 300);
        result_ = f.textBox("Text6", 2400, 5160, 1800, 345, " ");
        counted_ = f.label("Label16", "", 4320, 5205, 6240, 300);

        for (int i = 0; i < 2 * kIndustries; ++i) style(list(i));
        style(amount_);
        style(result_);
        for (QLineEdit* box : rowResults_) style(box);

        connect(compute, &QPushButton::clicked, this, [this] { this->compute(); });
        connect(clear, &QPushButton::clicked, this, [this] { clearChoices(); });
    }

private:
    static void style(QWidget* w) {
        w->setFont(songti(9, true));
        setTextColor(w, kDarkGreen);
    }

    // Every list back to its items with nothing shown, as when the window opens.
    void fillLists() {
        for (int i = 0; i < 2 * kIndustries; ++i) list(i)->clear();
        for (int i = 0; i < 2 * kIndustries; ++i) {
            QComboBox* c = list(i);
            c->addItems(i < kIndustries ? furnaceItems_[i] : deviceItems_[i - kIndustries]);
            c->setCurrentIndex(-1);
            c->clearEditText();
        }
    }

    // The results came from the choices just cleared: they go with them.
    void clearChoices() {
        fillLists();
        for (QLineEdit* box : rowResults_) {
            box->clear();
            Press::unmark(box);
        }
        result_->setText(QStringLiteral(" "));
        Press::unmark(result_);
        counted_->clear();
    }

    QComboBox* list(int i) const { return i < kIndustries ? furnaces_[i] : devices_[i - kIndustries]; }

    QString industry(int i) const {
        return i < static_cast<int>(industries_.size()) ? QString::fromStdString(industries_[i]) : QString();
    }

    // Every row with a furnace and a device counts; the total is their sum,
    // and a row whose pair the table lacks leaves the total uncomputed.
    void compute() {
        std::vector<FoundryChoice> choices;
        for (int i = 0; i < kIndustries; ++i)
            choices.push_back({furnaces_[i]->currentText().toStdString(), devices_[i]->currentText().toStdString()});
        const std::vector<FoundryRow> rows = FoundryRows(choices, factors_);

        Press press(this);
        QStringList counted;
        for (int i = 0; i < kIndustries; ++i)
            if (rows[i].state == FoundryRow::State::Counted) counted << industry(i);
        double amount = 0;
        if (!counted.isEmpty() && press.read(amount, amount_, Range::NonNegative))
            ComputeFoundry(s_, rows, amount, press.steps());
        for (int i = 0; i < kIndustries; ++i) {
            if (rows[i].state == FoundryRow::State::Counted)
                press.put(rowResults_[i], [&] { return NumberText(s_.rows[i]); });
            else if (rows[i].state == FoundryRow::State::NoFurnace) {
                rowResults_[i]->clear();
                Press::unmark(rowResults_[i]);
            } else
                press.clear(rowResults_[i]);
        }
        // A row without data leaves the total open, while the rows with data still show theirs.
        bool anyFurnace = false;
        for (int i = 0; i < kIndustries; ++i) {
            if (rows[i].state != FoundryRow::State::NoFurnace) anyFurnace = true;
            if (rows[i].state != FoundryRow::State::NoFactor) continue;
            const QString device = devices_[i]->currentText();
            press.steps().fail(industry(i).toStdString(),
                               QStringLiteral("%1与%2未有统计数据")
                                   .arg(furnaces_[i]->currentText(),
                                        device.isEmpty() ? QStringLiteral("（未选处理设施）") : device)
                                   .toStdString());
        }
        press.check(anyFurnace, QStringLiteral("未选择任何炉型"));
        if (press.put(result_, [&] { return NumberText(s_.total); }))
            counted_->setText(QStringLiteral("（%1之和）").arg(counted.join(QStringLiteral("＋"))));
        else
            counted_->clear();
    }

    State& s_;
    const FactorTable& factors_;
    QComboBox* furnaces_[kIndustries];
    QComboBox* devices_[kIndustries];
    QStringList furnaceItems_[kIndustries];
    QStringList deviceItems_[kIndustries];
    std::vector<std::string> industries_;
    QLineEdit* rowResults_[kIndustries];
    QLineEdit *amount_, *result_;
    QLabel* counted_;
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::FoundryWindow;
KORRIMET_REGISTER_TOOL(FoundryWindow);
