#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "common/widgets/help_button.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/noise/road_noise_jtg.h"
#include "tools/noise/road_noise_window.h"

namespace korrimet::noise {
namespace {

const char* const kForestHelp =
    "《公路建设项目环评影响评价规范》 JTG B03-2006；P42：林带引起的衰减量随着功能区的不同差异不同，最大不超过10dB，例如，东北地区的林带密度小，衰减量可以适当减小！";
const char* const kShareHelp =
    "《公路建设项目环评影响评价规范》 JTG B03-2006；附录C C1.1-2公式要求，用于计算某种车型的预测车速参数！";
const char* const kTimeHelp =
    "《公路建设项目环评影响评价规范》 JTG B03-2006 公式8.4.2-2中取值规定 ,T为计算等效声级的时间,以1小时！一般不要更改";
const char* const kFlowHelp =
    "《公路建设项目环评影响评价规范》 JTG B03-2006 公式8.4.2-2中取值规定 ,Ni为各种车型小时流量！";
const char* const kSpeedHelp =
    "《公路建设项目环评影响评价规范》 JTG B03-2006 公式8.4.2-2中取值规定 ,Vi为各种车型平均行驶速度！可根据项目直接影响区相似的公路车辆运行状况分析确定车速！";
const char* const kBuildingHelp =
    "《公路建设项目环评影响评价规范》 JTG B03-2006；P42：ΔL 建筑物为建筑障碍物引起的等效A声级衰减量，按下述方法取值：当第一排建筑物占预测点与路面中心线间面积的40%~60%时，ΔL2建筑物=3dB； 当第一排建筑物占预测点与路面中心线间面积的70%~90%时，ΔL2建筑物=5dB； 每增加一排建筑物，ΔL2建筑物值增加1.5dB，最多为10dB。";
const char* const kLaneWidthHelp =
    "车道宽度为单条行车道的宽度！";
const char* const kGradientHelp =
    "《公路建设项目环评影响评价规范》 JTG B03-2006；附录C 表C1.1-3 规定：当纵坡系数（%）小于且等于3时，噪声修正直为0；在4-5之间时，修正值为+1dB；在6-7之间时，修正值为+3dB；大于7时，修正值为+5dB；！";

const char* const kSpeedWarning =
    "你选择了手工输入各型车行驶速度，但是各型车的行驶速度中有为0的选项，会导致预测结果不准确！"
    "请检查你的车速输入框，重新计算！";
const char* const kRangeMessage = "输入的数值过大，预测结果超出数值范围！请检查输入框，重新计算！";

class RoadNoiseWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "公路交通噪声预测1";
    static constexpr const char* kCaption = "公路交通噪声预测 《公路建设项目环境影响评价规范》JTG B03-2006";

    RoadNoiseWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 10440, 9060) {
        FormBuilder top = form();
        QGroupBox* inputs = top.frame("Frame1", "交通部公路模型交通噪声预测 ", 120, 120, 10200, 5100);
        FormBuilder f(inputs);

        // Left column: traffic, geometry and attenuations.
        int row = 0;
        auto rowTop = [](int r) { return 330 + 390 * r; };
        auto left = [&](const QString& name, const char* label, const char* unit, const char* text) {
            f.label(QString("Label%1").arg(++labels_), label, 120, rowTop(row) + 45, 2760, 300);
            QLineEdit* box = f.textBox(name, 2880, rowTop(row), 1080, 330, text);
            if (*unit) f.label(QString("Label%1").arg(++labels_), unit, 4020, rowTop(row) + 45, 520, 300);
            ++row;
            return box;
        };
        auto help = [&](const char* name, const char* text, int column, int r) {
            helpButton(f, name, "......?", column, rowTop(r) + 45, 915, 240, text);
        };
        section_ = left("Text10", "预测路段名称：", "", "XXX高等级公路");
        section_->resize(twips(2595), section_->height());
        laneFlow_ = left("Text1", "单车道车流量：", "辆/h", "800");
        shares_[kLarge] = left("Text2", "大型车车型比：", "", "0.3");
        shares_[kMedium] = left("Text3", "中型车车型比：", "", "0.4");
        shares_[kSmall] = left("Text4", "小型车车型比：", "", "0.3");
        hours_ = left("Text9", "预测时间：", "h", "1");
        laneWidth_ = left("Text5", "车道宽度：", "m", "15");
        forest_ = left("Text13", "树林衰减量：", "dB", "1");
        building_ = left("Text14", "建筑物衰减量：", "dB", "2.5");
        angle_ = left("Text11", "预测点向公路两端视线间的夹角：", "", "150");
        gradient_ = left("Text6", "纵坡系数：", "%", "4.5");
        help("Command7", kShareHelp, 4560, 1);
        help("Command8", kShareHelp, 4560, 2);
        help("Command9", kShareHelp, 4560, 3);
        help("Command10", kShareHelp, 4560, 4);
        help("Command11", kTimeHelp, 4560, 5);
        help("Command5", kLaneWidthHelp, 4560, 6);
        help("Command1", kForestHelp, 4560, 7);
        help("Command4", kBuildingHelp, 4560, 8);
        help("Command6", kGradientHelp, 4560, 10);

        // Right column: flows and speeds by vehicle type, then the choices.
        auto right = [&](const QString& name, const char* label, const char* text, int r) {
            f.label(QString("Label%1").arg(++labels_), label, 5700, rowTop(r) + 45, 1440, 300);
            QLineEdit* box = f.textBox(name, 7140, rowTop(r), 960, 330, text);
            f.label(QString("Label%1").arg(++labels_), r < 3 ? "辆/h" : "Km/h", 8160, rowTop(r) + 45, 720, 300);
            return box;
        };
        flows_[kLarge] = right("Text12", "大型车车流量：", "300", 0);
        flows_[kMedium] = right("Text8", "中型车车流量：", "400", 1);
        flows_[kSmall] = right("Text7", "小型车车流量：", "500", 2);
        speeds_[kLarge] = right("Text15", "大型车车速：", "80", 3);
        speeds_[kMedium] = right("Text17", "中型车车速：", "90", 4);
        speeds_[kSmall] = right("Text18", "小型车车速：", "110", 5);
        help("Command12", kFlowHelp, 8940, 0);
        help("Command13", kFlowHelp, 8940, 1);
        help("Command14", kFlowHelp, 8940, 2);
        help("Command17", kSpeedHelp, 8940, 3);
        help("Command16", kSpeedHelp, 8940, 4);
        help("Command15", kSpeedHelp, 8940, 5);

        auto choice = [&](const char* frame, const char* caption, int l, int t, const char* first,
                          const char* firstLabel, const char* second, const char* secondLabel) {
            FormBuilder g(f.frame(frame, caption, l, t, 2040, 900));
            auto* a = g.option(first, "", 120, 300, 270, 240);
            g.label(QString("Label%1").arg(++labels_), firstLabel, 420, 300, 1560, 240);
            auto* b = g.option(second, "", 120, 570, 270, 240);
            g.label(QString("Label%1").arg(++labels_), secondLabel, 420, 570, 1560, 240);
            return std::pair{a, b};
        };
        std::tie(sixLanes_, std::ignore) =
            choice("Frame2", "公路等级", 5700, 2700, "Option8", "双向六车道", "Option7", "双向四车道");
        std::tie(typedSpeeds_, formulaSpeeds_) =
            choice("Frame3", "各型车车速计算", 7860, 2700, "Option1", "手工输入", "Option2", "公式法");
        QRadioButton* asphalt;
        std::tie(asphalt, cement_) =
            choice("Frame4", "路面修正量", 5700, 3660, "Option4", "沥清混凝土路面", "Option5", "水泥混凝土路面");
        FormBuilder design(f.frame("Frame5", "设计时速", 7860, 3660, 2040, 900));
        designSpeed_ = design.textBox("Text16", 120, 360, 1080, 330, "100");
        design.label(QString("Label%1").arg(++labels_), "Km/h", 1260, 405, 720, 300);

        f.label(QString("Label%1").arg(++labels_),
                "注：关于车速的说明，当选择公式法时，不用手工输入车速！默认为手工输入！公式法预测结果偏大!", 120,
                4680, 9900, 300);

        auto* refreshButton = top.button("Command2", "刷新结果", 6600, 5340, 1560, 420);
        auto* quit = top.button("Command3", "退   出", 8520, 5340, 1560, 420);
        QGroupBox* results = top.frame("Frame6", "预测结果", 120, 5880, 10200, 3060);
        report_ = FormBuilder(results).richText("RichTextBox1", 120, 300, 9960, 2640);
        report_->setReadOnly(true);

        sixLanes_->setChecked(true);
        asphalt->setChecked(true);
        typedSpeeds_->setChecked(true);

        connect(formulaSpeeds_, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                for (QLineEdit* box : speeds_) box->setText("0");
        });
        connect(refreshButton, &QPushButton::clicked, this, [this] { refresh(); });
        connect(quit, &QPushButton::clicked, this, &QWidget::close);
    }

private:
    RoadNoiseInputs read() const {
        auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
        RoadNoiseInputs in;
        in.section = text(section_);
        in.laneFlow = text(laneFlow_);
        in.hours = text(hours_);
        in.laneWidth = text(laneWidth_);
        in.forest = text(forest_);
        in.building = text(building_);
        in.angle = text(angle_);
        in.gradient = text(gradient_);
        in.designSpeed = text(designSpeed_);
        for (int i = 0; i < 3; ++i) {
            in.shares[i] = text(shares_[i]);
            in.flows[i] = text(flows_[i]);
            in.speeds[i] = text(speeds_[i]);
        }
        in.sixLanes = sixLanes_->isChecked();
        in.typedSpeeds = typedSpeeds_->isChecked();
        in.cement = cement_->isChecked();
        return in;
    }

    // Every box the model reads must hold a number in its range first: a
    // level that silently lost a term would look valid.
    void refresh() {
        Press press(this);
        RoadNoiseEntries entries(press, report_);
        entries(laneFlow_, Range::NonNegative);
        for (QLineEdit* share : shares_) entries(share, Range::Fraction);
        entries(laneWidth_, Range::Positive);
        entries(forest_, Range::NonNegative);
        entries(building_, Range::NonNegative);
        entries(angle_, Range::Positive);
        entries(gradient_);
        for (QLineEdit* flow : flows_) entries(flow, Range::Positive);
        if (typedSpeeds_->isChecked()) {
            bool moving = true;
            for (QLineEdit* speed : speeds_) {
                const int before = press.mark();
                const double v = entries(speed);
                if (press.okSince(before)) moving = moving && v > 0;  // no number is named by itself
            }
            entries.check(moving, QString::fromUtf8(kSpeedWarning), speeds_[kLarge]);
        } else {
            entries(designSpeed_, Range::Positive);
        }
        if (!entries.ok()) return;
        const RoadNoiseInputs in = read();
        const RoadNoiseRun run = PredictRoadNoise(in);
        entries.check(run.complete, QString::fromUtf8(kRangeMessage), nullptr);
        if (!entries.ok()) return;
        setReport(report_, qtext(RoadNoiseReport(in, run)));
    }

    int labels_ = 1;
    QLineEdit *section_, *laneFlow_, *hours_, *laneWidth_, *forest_, *building_, *angle_, *gradient_, *designSpeed_;
    std::array<QLineEdit*, 3> shares_{}, flows_{}, speeds_{};
    QRadioButton *sixLanes_, *typedSpeeds_, *formulaSpeeds_, *cement_;
    QTextEdit* report_;
};

}  // namespace
}  // namespace korrimet::noise

using korrimet::noise::RoadNoiseWindow;
KORRIMET_REGISTER_TOOL(RoadNoiseWindow);
