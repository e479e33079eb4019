#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
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
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 9000, 5880),
          s_(state),
          factors_(storedFactorTable(":/air_emission/foundry_factors.txt")) {
        FormBuilder f = form();
        f.label("Label1", "铸造工业颗粒物排放量的计算", 240, 120, 5000, 360)->setFont(songti(12));

        const std::vector<std::string> industries = factors_.column(0);
        for (int i = 0; i < kIndustries; ++i) {
            const int top = 720 + i * 480;
            const std::string industry = i < static_cast<int>(industries.size()) ? industries[i] : std::string();
            f.label(QString("Label%1").arg(4 + i), QString::fromStdString(industry) + "：", 240, top + 45, 2160, 300);
            furnaces_[i] = f.combo(QString("Combo%1").arg(1 + i), 2400, top, 2640, 345);
            f.label(QString("Label%1").arg(10 + i), "处理设施：", 5160, top + 45, 1080, 300);
            devices_[i] = f.combo(QString("Combo%1").arg(7 + i), 6240, top, 2520, 345);
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

        for (int i = 0; i < 2 * kIndustries; ++i) style(list(i));
        style(amount_);
        style(result_);

        connect(compute, &QPushButton::clicked, this, [this] { this->compute(); });
        connect(clear, &QPushButton::clicked, this, [this] { fillLists(); });
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

    QComboBox* list(int i) const { return i < kIndustries ? furnaces_[i] : devices_[i - kIndustries]; }

    void compute() {
        std::vector<FoundryChoice> rows;
        for (int i = 0; i < kIndustries; ++i)
            rows.push_back({furnaces_[i]->currentText().toStdString(), devices_[i]->currentText().toStdString()});
        const auto noData = ComputeFoundry(s_, rows, amount_->text().toStdString(), factors_);
        for (std::size_t i = 0; i < noData.size(); ++i) ShowMessage(QStringLiteral("未有统计数据"), this);
        result_->setText(qtext(NumberText(s_.result)));
    }

    State& s_;
    const FactorTable& factors_;
    QComboBox* furnaces_[kIndustries];
    QComboBox* devices_[kIndustries];
    QStringList furnaceItems_[kIndustries];
    QStringList deviceItems_[kIndustries];
    QLineEdit *amount_, *result_;
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::FoundryWindow;
KORRIMET_REGISTER_TOOL(FoundryWindow);
