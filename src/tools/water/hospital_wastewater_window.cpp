#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/stores.h"
#include "common/widgets/press.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/water/hospital_wastewater.h"

namespace korrimet::water {
namespace {

class HospitalWastewaterWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "医院水污染物排放";
    static constexpr const char* kCaption = "医院水污染物排放";

    // Window-level Singles, kept between clicks and while the window is closed.
    struct State {
        float water = 0, wastewater = 0, bod5 = 0, suspended = 0, ammonia = 0;
    };

    explicit HospitalWastewaterWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 6600, 5400), s_(state) {
        FormBuilder f = form();
        f.label("Label1", "医院水污染物的排放", 240, 120, 6120, 360)->setFont(songti(12));
        f.label("Label2", "请选择医院规模：", 240, 660, 2880, 300);
        size_ = f.combo("Combo1", 3240, 600, 2400, 345, {"400床以上", "200-400床", "200床以下"});
        f.label("Label3", "请输入医院平均使用床位数：", 240, 1140, 2880, 300);
        beds_ = f.textBox("Text1", 3240, 1080, 2400, 345);
        QPushButton* compute = f.button("Command2", "计算", 3240, 1560, 1335, 435);

        struct Row {
            const char* box;
            const char* caption;
            QLineEdit** target;
        };
        const Row results[] = {{"Text4", "耗水量（T/年）=", &water_},
                               {"Text2", "污水量（T/年）=", &wastewater_},
                               {"Text3", "BOD5（T/年）=", &bod5_},
                               {"Text5", "悬浮物（T/年）=", &suspended_},
                               {"Text6", "氨氮（T/年）=", &ammonia_}};
        int top = 2220;
        int label = 4;
        for (const Row& r : results) {
            f.label(QStringLiteral("Label%1").arg(label++), QString::fromUtf8(r.caption), 240, top + 30, 2880, 300);
            *r.target = f.textBox(QString::fromUtf8(r.box), 3240, top, 2400, 345);
            setTextColor(*r.target, kDarkGreen);
            top += 600;
        }
        connect(compute, &QPushButton::clicked, this, [this] { this->compute(); });
    }

private:
    void compute() {
        Press press(this);
        double beds = 0;
        const bool bedsOk = press.read(beds, beds_, Range::NonNegative);
        // Water use needs the size class; the loads do not.
        const auto size = HospitalSizeOf(size_->currentText().toStdString());
        press.check(size.has_value(), QStringLiteral("请选择医院规模"));
        if (size) {
            press([&] { s_.water = single(HospitalWaterUse(*size, beds)); });
            press([&] { s_.wastewater = single(HospitalWastewater(*size, beds)); });
        }
        press.put(water_, [&] { return NumberText(s_.water); });
        press.put(wastewater_, [&] { return NumberText(s_.wastewater); });
        const int loads = bedsOk ? press.mark() : 0;
        press([&] { s_.bod5 = single(HospitalBod5(beds)); });
        press([&] { s_.suspended = single(HospitalSuspendedSolids(beds)); });
        press([&] { s_.ammonia = single(HospitalAmmonia(beds)); });
        press.put(bod5_, [&] { return NumberText(s_.bod5); }, loads);
        press.put(suspended_, [&] { return NumberText(s_.suspended); }, loads);
        press.put(ammonia_, [&] { return NumberText(s_.ammonia); }, loads);
    }

    State& s_;
    QComboBox* size_;
    QLineEdit* beds_;
    QLineEdit *water_ = nullptr, *wastewater_ = nullptr, *bod5_ = nullptr, *suspended_ = nullptr,
              *ammonia_ = nullptr;
};

class ServiceAreaWastewaterWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "公路项目生活服务区水污染物";
    static constexpr const char* kCaption = "公路项目生活服务区水污染物";

    // Window-level Singles; the traffic is read from its box at each click.
    struct State {
        float persons = 0, coefficient = 0, quota = 0, washWater = 0, sewageConcentration = 0,
              washConcentration = 0;
    };

    explicit ServiceAreaWastewaterWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8400, 6600), s_(state) {
        FormBuilder f = form();
        f.label("Label1", "公路项目生活服务区水污染排放计算", 240, 120, 7920, 360)->setFont(songti(12));
        struct Row {
            const char* caption;
            const char* text;
        };
        const Row rows[] = {{"生活服务区人数：", "100"},
                            {"生活区污水排放系数：", "0.75"},
                            {"每人每天生活污水定额（L/人天）：", "100"},
                            {"昼夜交通量（辆/d）：", "20000"},
                            {"冲洗每辆用车所需水量（L/辆）：", "450"},
                            {"生活污水中该污染物的浓度（mg/L）：", "500"},
                            {"冲洗废水中该污染物的浓度（mg/L）：", "100"},
                            {"生活区排放生活污水量（T/d）：", ""},
                            {"生活污水中该种污染物排放量（Kg/d）：", ""},
                            {"车辆冲洗水排放污水量（T/d）：", ""},
                            {"冲洗水中该种污染物排放量（Kg/d）：", ""}};
        for (int i = 0; i < 11; ++i) {
            // The results sit below the two buttons.
            const int top = 600 + i * 480 + (i >= 7 ? 600 : 0);
            f.label(QStringLiteral("Label%1").arg(i + 2), QString::fromUtf8(rows[i].caption), 240, top + 30, 4680, 300);
            box_[i] = f.textBox(QStringLiteral("Text%1").arg(i + 1), 5040, top, 2400, 345,
                                QString::fromUtf8(rows[i].text));
            if (i >= 7) setTextColor(box_[i], kDarkGreen);
        }
        QPushButton* compute = f.button("Command1", "计算", 5040, 4020, 1080, 435);
        QPushButton* clear = f.button("Command2", "清除", 6360, 4020, 1080, 435);
        connect(compute, &QPushButton::clicked, this, [this] { this->compute(); });
        connect(clear, &QPushButton::clicked, this, [this] { this->clear(); });
    }

private:
    void compute() {
        Press press(this);
        const bool persons = press.read(s_.persons, box_[0], Range::NonNegative);
        const bool coefficient = press.read(s_.coefficient, box_[1], Range::Fraction);
        const bool quota = press.read(s_.quota, box_[2], Range::NonNegative);
        double v = 0;
        const bool traffic = press.read(v, box_[3], Range::NonNegative);
        const bool washWater = press.read(s_.washWater, box_[4], Range::NonNegative);
        const bool c1 = press.read(s_.sewageConcentration, box_[5], Range::NonNegative);
        const bool c2 = press.read(s_.washConcentration, box_[6], Range::NonNegative);

        // Each result waits only for the entries it uses.
        auto put = [&](int box, bool entriesOk, auto value) {
            press.put(box_[box], [&] { return NumberText(value()); }, entriesOk ? press.mark() : 0);
        };
        const bool sewage = persons && coefficient && quota;
        const bool washing = traffic && washWater;
        put(7, sewage, [&] { return ServiceAreaSewage(s_.persons, s_.coefficient, s_.quota); });
        put(8, sewage && c1, [&] {
            return ServiceAreaSewageLoad(s_.persons, s_.coefficient, s_.quota, s_.sewageConcentration);
        });
        put(9, washing, [&] { return ServiceAreaWashing(v, s_.washWater); });
        put(10, washing && c2, [&] { return ServiceAreaWashingLoad(v, s_.washWater, s_.washConcentration); });
    }

    // Persons, traffic and the four results to "0"; the rest stays.
    void clear() {
        for (int box : {0, 3, 7, 8, 9, 10}) box_[box]->setText(QStringLiteral("0"));
    }

    State& s_;
    QLineEdit* box_[11] = {};
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::HospitalWastewaterWindow;
using korrimet::water::ServiceAreaWastewaterWindow;
KORRIMET_REGISTER_TOOL(HospitalWastewaterWindow);
KORRIMET_REGISTER_TOOL(ServiceAreaWastewaterWindow);
