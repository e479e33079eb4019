#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/noise/road_noise_jtj.h"
#include "tools/noise/road_noise_window.h"

namespace korrimet::noise {
namespace {

const char* const kHelpPage = "公路噪声预测帮助文档3";
const char* const kRangeMessage = "输入的数值过大，预测结果超出数值范围！请检查输入框，重新计算！";
const char* const kNote =
    "1、预测点距公路的距离为预测点距公路外沿的距离；本程序仅限双向四车道交通噪声预测！\n"
    "2、车道的宽度为每条车道的宽度；\n"
    "3、预测点与公路两端的夹角应输入；\n"
    "4、ΔL2建筑物为建筑障碍物引起的等效A声级衰减量，按下述方法取值：\n"
    "   当第一排建筑物占预测点与路面中心线间面积的40%~60%时，ΔL2建筑物=3dB；\n"
    "   当第一排建筑物占预测点与路面中心线间面积的70%~90%时，ΔL2建筑物=5dB；\n"
    "   每增加一排建筑物，ΔL2建筑物值增加1.5dB，最多为10dB。\n"
    "5、ΔL2树林为树林障碍物引起的等效A声级衰减量。\n"
    "   预测点的视线被树林遮挡看不见公路，且树林高度为4.5m以上时：\n"
    "   当树林深度为30m，ΔL2树林=5dB;\n"
    "   当树林深度为60m，ΔL2树林=10dB;\n"
    "   最大修正量为10dB。\n";

class FourLaneRoadNoiseWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "公路交通噪声预测3";
    static constexpr const char* kCaption = "公路交通噪声预测JTJ 005-96";

    // Window-level: the ground constant K1 that the ground options set.
    struct State {
        double k1 = kSoilGround;
    };

    explicit FourLaneRoadNoiseWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 12000, 8880), s_(state) {
        FormBuilder top = form();
        FormBuilder f(top.frame("Frame1", "交通部公路模型交通噪声预测", 120, 120, 6720, 4440));

        auto rowTop = [](int r) { return 330 + 390 * r; };
        auto input = [&](const QString& name, const char* label, const char* text, int column, int r,
                         const char* unit = "") {
            const int l = column == 0 ? 120 : 3360;
            f.label(QString("Label%1").arg(++labels_), label, l, rowTop(r) + 45, 1560, 300);
            QLineEdit* box = f.textBox(name, l + 1560, rowTop(r), 1080, 330, text);
            if (*unit) f.label(QString("Label%1").arg(++labels_), unit, l + 2700, rowTop(r) + 45, 600, 300);
            return box;
        };
        f.label(QString("Label%1").arg(++labels_), "预测路段名称：", 120, rowTop(0) + 45, 1560, 300);
        section_ = f.textBox("Text10", 1680, rowTop(0), 4740, 330);
        year_ = input("Text1", "预测年份：", "2003", 0, 1);
        input("Text9", "预测时间：", "1", 1, 1);
        dayFlows_[kLarge] = input("Text2", "大型车昼流量：", "50", 0, 2);
        dayFlows_[kMedium] = input("Text3", "中型车昼流量：", "220", 0, 3);
        dayFlows_[kSmall] = input("Text4", "小型车昼流量：", "200", 0, 4);
        nightFlows_[kLarge] = input("Text5", "大型车夜流量：", "30", 1, 2, "辆/h");
        nightFlows_[kMedium] = input("Text8", "中型车夜流量：", "120", 1, 3, "辆/h");
        nightFlows_[kSmall] = input("Text12", "小型车夜流量：", "120", 1, 4, "辆/h");
        gradient_ = input("Text6", "纵坡坡度：", "0.04", 0, 5);
        laneWidth_ = input("Text7", "车道宽度：", "15", 1, 5);
        findChild<QLabel*>(QString("Label%1").arg(labels_))->setToolTip("本程序仅限双向四车道交通噪声预测！");
        forest_ = input("Text13", "树林衰减量：", "0", 0, 6);
        building_ = input("Text14", "建筑物衰减量：", "0", 1, 6);
        f.label(QString("Label%1").arg(++labels_), "预测点向公路两端视线间的夹角：", 120, rowTop(7) + 45, 3120, 300);
        angle_ = f.textBox("Text11", 3360 + 1560, rowTop(7), 1080, 330, "150");

        // Option buttons without caption, each named by the label beside it.
        auto option = [&](FormBuilder& g, const char* name, const char* label, int l, int labelWidth) {
            QRadioButton* o = g.option(name, "", l, 330, 270, 240);
            g.label(QString("Label%1").arg(++labels_), label, l + 300, 330, labelWidth, 300);
            return o;
        };
        FormBuilder ground(f.frame("Frame2", "地面状况", 120, rowTop(8) + 60, 3960, 780));
        hard_ = option(ground, "Option1", "硬地面", 120, 600);
        soil_ = option(ground, "Option2", "一般土地面", 1080, 960);
        grass_ = option(ground, "Option3", "绿化草地地面", 2400, 1140);
        FormBuilder surface(f.frame("Frame3", "路面修正量", 4200, rowTop(8) + 60, 2400, 780));
        asphalt_ = option(surface, "Option4", "沥清地面", 120, 780);
        cement_ = option(surface, "Option5", "水泥地面", 1260, 780);

        FormBuilder notes(top.frame("Frame4", "说明", 6960, 120, 4920, 4440));
        notes.memo("Text15", 120, 300, 4680, 4020, kNote);

        auto* help = top.button("Command1", "帮    助", 6960, 4680, 1440, 420);
        auto* refreshButton = top.button("Command2", "刷新结果", 8640, 4680, 1440, 420);
        auto* quit = top.button("Command3", "退   出", 10320, 4680, 1440, 420);
        QGroupBox* results = top.frame("Frame5", "预测结果", 120, 5220, 11760, 3540);
        report_ = FormBuilder(results).richText("RichTextBox1", 120, 300, 11520, 3120);
        report_->setReadOnly(true);
        report_->setLineWrapMode(QTextEdit::NoWrap);
        report_->setFont(songti(9));

        connect(hard_, &QRadioButton::clicked, this, [this] { s_.k1 = kHardGround; });
        connect(soil_, &QRadioButton::clicked, this, [this] { option2Click(); });
        connect(grass_, &QRadioButton::clicked, this, [this] { s_.k1 = kGrassGround; });
        connect(refreshButton, &QPushButton::clicked, this, [this] { refresh(); });
        connect(help, &QPushButton::clicked, this, [] { OpenTool(QString::fromUtf8(kHelpPage)); });
        connect(quit, &QPushButton::clicked, this, &QWidget::close);

        // Selecting the option runs its click: the ground constant depends on it.
        soil_->setChecked(true);
        option2Click();
        asphalt_->setChecked(true);
    }

private:
    void option2Click() { s_.k1 = kSoilGround; }

    FourLaneInputs read() const {
        auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
        FourLaneInputs in;
        in.year = text(year_);
        in.section = text(section_);
        for (int i = 0; i < kVehicleTypes; ++i) {
            in.dayFlows[i] = text(dayFlows_[i]);
            in.nightFlows[i] = text(nightFlows_[i]);
        }
        in.gradient = text(gradient_);
        in.laneWidth = text(laneWidth_);
        in.forest = text(forest_);
        in.building = text(building_);
        in.angle = text(angle_);
        in.ground = s_.k1;
        in.cement = cement_->isChecked();
        return in;
    }

    // An entry the model cannot take gives a message and no report, never a
    // report of levels that lost a term.
    void refresh() {
        Press press(this);
        RoadNoiseEntries entries(press, report_);
        entries(year_);
        for (QLineEdit* flow : dayFlows_) entries(flow, Range::Positive);
        for (QLineEdit* flow : nightFlows_) entries(flow, Range::Positive);
        entries(gradient_);
        entries(laneWidth_, Range::NonNegative);
        entries(forest_, Range::NonNegative);
        entries(building_, Range::NonNegative);
        entries(angle_, Range::Positive);
        if (!entries.ok()) return;
        const FourLaneInputs in = read();
        const auto run = PredictFourLane(in);
        entries.check(run.has_value(), QString::fromUtf8(kRangeMessage), nullptr);
        if (!entries.ok()) return;
        setReport(report_, qtext(FourLaneReport(in, *run)));
    }

    State& s_;
    int labels_ = 0;
    QLineEdit *year_, *section_, *gradient_, *laneWidth_, *forest_, *building_, *angle_;
    std::array<QLineEdit*, 3> dayFlows_{}, nightFlows_{};
    QRadioButton *hard_, *soil_, *grass_, *asphalt_, *cement_;
    QTextEdit* report_;
};

}  // namespace
}  // namespace korrimet::noise

using korrimet::noise::FourLaneRoadNoiseWindow;
KORRIMET_REGISTER_TOOL(FourLaneRoadNoiseWindow);
