#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <atomic>
#include <cmath>
#include <memory>

#include "common/steps.h"
#include "common/stores.h"
#include "common/widgets/grid_run.h"
#include "common/widgets/loop_progress.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/report_box.h"
#include "common/widgets/result_file_viewer.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "common/widgets/window_run.h"
#include "platform/message_service.h"
#include "platform/result_folder.h"
#include "tools/risk/puff.h"
#include "tools/risk/puff_critical.h"
#include "tools/risk/puff_grid.h"

namespace korrimet::risk {
namespace {

const QString kHelpWindow = QStringLiteral("风险评价之烟团帮助");
const QString kGridWindow = QStringLiteral("风险评价烟团之网格计算结果");
const QString kGridFile = QStringLiteral("风险评价计算结果.txt");
const QString kPointsWindow = QStringLiteral("风险评价烟团模式之临界点坐标");
const QString kPointsFile = QStringLiteral("testfile.txt");

const QString kPointFailed = QStringLiteral("该点浓度无法计算（数值溢出），请检查输入！");

QString searchFailure(AxisSearchEnd end) {
    switch (end) {
        case AxisSearchEnd::Hit: return {};
        case AxisSearchEnd::ParameterFailed:
            return QStringLiteral("烟团参数必须是数值，且扩散系数σx、σy、σz不能为0，请检查输入！");
        case AxisSearchEnd::NoCrossingAhead:
            return QStringLiteral("下风向轴线上找不到浓度等于临界浓度的点（烟团中心以远浓度只会降低），"
                                  "请检查临界浓度及烟团参数！");
        case AxisSearchEnd::BeyondLimit:
            return QStringLiteral("下风向%1米内找不到浓度等于临界浓度的点，请检查临界浓度及烟团参数！")
                .arg(qtext(NumberText(kCriticalDistanceSearch.limit)));
    }
    return {};
}

const QString kNoStationCrosses =
    QStringLiteral("各断面上都找不到浓度等于临界浓度的点，没有临界点坐标，请检查临界浓度及烟团参数！");

QString stationsWithoutCrossing(const std::string& forward, const std::string& backward) {
    QString text = QStringLiteral("以下断面（X，米）上找不到临界浓度点，坐标中未列出：");
    if (!forward.empty()) text += QStringLiteral("\nY正向一侧：") + qtext(forward);
    if (!backward.empty()) text += QStringLiteral("\nY负向一侧：") + qtext(backward);
    return text;
}

class PuffWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "风险评价之烟团模式";
    static constexpr const char* kCaption = "风险评价之多烟团模式计算";

    PuffWindow()
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 9600, 7440),
          run_(new WindowRun(this)) {
        FormBuilder f = form();
        // Label and box in two columns of a frame, rows 480 twips apart.
        auto field = [](FormBuilder& fb, int box, int label, int column, int row, const QString& caption,
                        const QString& text) {
            const int left = column == 0 ? 120 : 4800, top = 330 + row * 480;
            fb.label(QStringLiteral("Label%1").arg(label), caption, left, top + 30, 3000, 300);
            return fb.textBox(QStringLiteral("Text%1").arg(box), left + 3000, top, 1380, 330, text);
        };

        FormBuilder f1(f.frame("Frame1", "参数输入", 120, 60, 9360, 2280));
        q_ = field(f1, 1, 1, 0, 0, "Q(事故期间烟团排放量:mg)：", "12000000");
        sigmaX_ = field(f1, 2, 2, 0, 1, "σx(x方向扩散系数)：", "200");
        sigmaY_ = field(f1, 3, 3, 0, 2, "σy(Y方向扩散系数)：", "200");
        sigmaZ_ = field(f1, 4, 4, 0, 3, "σz(Z方向扩散系数)：", "100");
        x0_ = field(f1, 8, 5, 1, 0, "X0(烟团中心坐标)：", "0");
        y0_ = field(f1, 9, 6, 1, 1, "Y0(烟团中心坐标)：", "0");
        z0_ = field(f1, 10, 8, 1, 2, "Z0(烟团中心坐标)：", "1");

        FormBuilder f2(f.frame("Frame2", "下风向地面某点的空气中污染物的浓度C(X,Y,0)(mg/M^3)：", 120, 2400, 9360,
                               1380));
        pointX_ = field(f2, 18, 9, 0, 0, "X(下风向地面某点坐标X)：", "200");
        pointY_ = field(f2, 17, 10, 1, 0, "Y(下风向地面某点坐标Y)：", "100");
        QPushButton* point = f2.button("Command1", "计     算 ", 120, 810, 1800, 400);
        open_ = f2.label("Label7", "C(", 2160, 870, 300, 300);
        pointLabel_ = f2.label("Label12", "200,100,0", 2460, 870, 2400, 300);
        close_ = f2.label("Label13", ")=", 4860, 870, 300, 300);
        result_ = f2.textBox("Text7", 5400, 840, 2400, 330);
        for (QLabel* l : {open_, pointLabel_, close_}) l->setWordWrap(false);
        layOutPointRow();

        FormBuilder f4(f.frame("Frame4", "下风向临界点距离L（X,0,0）的计算", 120, 3840, 9360, 1380));
        critical_ = field(f4, 15, 11, 0, 0, "请输入临界浓度（mg/M^3)：", "0.03");
        QPushButton* distance = distanceButton_ = f4.button("Command4", "计     算 ", 4920, 300, 1800, 400);
        distance_ = field(f4, 16, 14, 0, 1, "临界距离（M)：", "");
        QPushButton* contour = contourButton_ = f4.button("Command5", "网格临界点坐标", 4920, 780, 1800, 400);

        FormBuilder f3(f.frame("Frame3", "下风向地面网格点空气中污染物的浓度计算（mg/M^3)", 120, 5280, 9360, 1800));
        QLineEdit* rangeX = field(f3, 13, 15, 0, 0, "纵向范围（X）：", "5000");
        QLineEdit* stepX = field(f3, 12, 16, 1, 0, "纵向网格（XL）：", "500");
        QLineEdit* rangeY = field(f3, 14, 17, 0, 1, "横向范围（Y）：", "1000");
        QLineEdit* stepY = field(f3, 11, 18, 1, 1, "横向网格（YL）：", "100");
        for (const char* name : {"Text13", "Label15"}) control<QWidget>(name)->setToolTip("下风向距离");
        for (const char* name : {"Text12", "Label16"}) control<QWidget>(name)->setToolTip("下风向网格");
        QPushButton* grid = gridButton_ = f3.button("Command2", "计     算 ", 4920, 1290, 1800, 400);
        QPushButton* help = f3.button("Command3", "用前请查看帮助", 7080, 1290, 2040, 400);
        rangeX_ = rangeX;
        stepX_ = stepX;
        rangeY_ = rangeY;
        stepY_ = stepY;

        bar_ = f.place(new LoopProgress, "ProgressBar1", 120, 7170, 9360, 195);

        connect(point, &QPushButton::clicked, this, [this] { computePoint(); });
        connect(grid, &QPushButton::clicked, this, [this] { computeGrid(); });
        connect(distance, &QPushButton::clicked, this, [this] { findCriticalDistance(); });
        connect(contour, &QPushButton::clicked, this, [this] { traceCriticalContour(); });
        connect(help, &QPushButton::clicked, this, [] { OpenTool(kHelpWindow); });
        connect(sigmaX_, &QLineEdit::textChanged, this, [this] { mirror(sigmaX_, sigmaY_); });
        connect(sigmaY_, &QLineEdit::textChanged, this, [this] { mirror(sigmaY_, sigmaX_); });
        for (QLineEdit* box : {pointX_, pointY_})
            connect(box, &QLineEdit::textChanged, this, [this] { relabelPoint(); });
        for (QLineEdit* box : {stepY, stepX, rangeX, rangeY})
            connect(box, &QLineEdit::textChanged, this, [this] { resetBar(); });
    }

private:
    PuffTexts puffTexts() const {
        return {q_->text().toStdString(),      sigmaX_->text().toStdString(), sigmaY_->text().toStdString(),
                sigmaZ_->text().toStdString(), x0_->text().toStdString(),     y0_->text().toStdString(),
                z0_->text().toStdString()};
    }

    // The puff parameters must all be numbers, the σ above 0 (they divide)
    // and the amount not negative, before anything is computed from them.
    bool readPuff(Press& press) const {
        double v = 0;
        press.read(v, q_, Range::NonNegative);
        for (QLineEdit* sigma : {sigmaX_, sigmaY_, sigmaZ_}) press.read(v, sigma, Range::Positive);
        for (QLineEdit* centre : {x0_, y0_, z0_}) press.read(v, centre);
        return press.ok();
    }

    void computePoint() {
        Press press(this);
        readPuff(press);
        double x = 0, y = 0;
        press.read(x, pointX_);
        press.read(y, pointY_);
        bool failed = false;
        float c = 0;
        if (press.ok()) {
            c = PuffConcentration(puffTexts(), x, y, &failed);
            press.check(!failed, kPointFailed);
        }
        press.put(result_, [&] { return NumberText(c); });
    }

    void computeGrid() {
        if (run_->busy()) return;
        {
            Press press(this);
            readPuff(press);
            double v = 0;
            for (QLineEdit* box : {rangeX_, stepX_, rangeY_, stepY_}) press.read(v, box);
            if (!press.ok()) {
                discardResultFile(kGridFile, kGridWindow);
                return;
            }
        }
        const std::string xRange = rangeX_->text().toStdString();
        auto plan = [xRange, xStep = stepX_->text().toStdString(), yRange = rangeY_->text().toStdString(),
                     yStep = stepY_->text().toStdString()] { return *PlanPuffGrid({xRange, xStep, yRange, yStep}); };
        const double xMax = *PuffGridXRange(xRange);
        auto rowDone = [this, xMax](double x) {
            Steps steps;
            bar_->setLoopMin(0);
            steps([&] { bar_->setLoopMax(single(xMax)); });
            bar_->setVisible(true);
            steps([&] { bar_->setLoopValue(single(x)); });
        };
        startGridRun(*run_, gridButton_, plan, PuffGridCell(puffTexts()), rowDone, kGridFile, kGridWindow);
    }

    // The puff parameters and the critical concentration, which must be above
    // 0: every step would then count as a hit, or none could ever be.
    std::optional<double> readCritical() {
        Press press(this);
        readPuff(press);
        double critical = 0;
        press.read(critical, critical_, Range::Positive);
        if (!press.ok()) return std::nullopt;
        return critical;
    }

    void findCriticalDistance() {
        if (run_->busy()) return;
        const std::optional<double> critical = readCritical();
        distance_->clear();
        if (!critical) return;
        auto work = [p = puffTexts(), critical = *critical](RunControl& control) {
            return SearchCriticalAxis(p, critical, kCriticalDistanceSearch, [&](double x) {
                control.check();
                control.setProgress(x);
            });
        };
        auto progress = [this](double x) {
            bar_->setLoopMin(0);
            bar_->setLoopMax(100);
            bar_->setVisible(true);
            if (std::optional<float> value = CriticalDistanceBarValue(x)) bar_->setLoopValue(*value);
        };
        auto done = [this](AxisSearchResult found) {
            bar_->setLoopValue(100);
            if (found.end == AxisSearchEnd::Hit) distance_->setText(qtext(NumberText(found.x)));
            else ShowMessage(searchFailure(found.end), this);
        };
        run_->start<AxisSearchResult>(distanceButton_, work, done, progress);
    }

    struct ContourRun {
        AxisSearchEnd end = AxisSearchEnd::Hit;
        float length = 0;
        std::string text;
        bool anyPoint = false;
        std::string withoutForward, withoutBackward;  // stations that meet no crossing
    };

    // Only a contour of the entries as they are may stay in the points file:
    // a run that fails or is cancelled removes an earlier one.
    void traceCriticalContour() {
        if (run_->busy()) return;
        const std::optional<double> critical = readCritical();
        if (!critical) {
            discardResultFile(kPointsFile, kPointsWindow);
            return;
        }
        // The contour's length, known on the worker, scales the bar.
        auto length = std::make_shared<std::atomic<float>>(0.0f);
        auto work = [p = puffTexts(), critical = *critical, length](RunControl& control) {
            ContourRun out;
            const AxisSearchResult found =
                SearchCriticalAxis(p, critical, kContourLengthSearch, [&](double) { control.check(); });
            out.end = found.end;
            if (out.end != AxisSearchEnd::Hit) return out;
            out.length = static_cast<float>(found.x);
            *length = out.length;
            const CriticalContour contour = TraceCriticalContour(p, critical, out.length, [&](float x) {
                control.check();
                control.setProgress(x);
            });
            out.text = CriticalPointsText(contour);
            for (const auto* side : {&contour.forward, &contour.backward})
                for (const ContourPoint& point : *side) out.anyPoint = out.anyPoint || point.y;
            out.withoutForward = StationsWithoutCrossing(contour.forward);
            out.withoutBackward = StationsWithoutCrossing(contour.backward);
            return out;
        };
        auto progress = [this, length](double x) {
            if (*length <= 0) return;
            bar_->setLoopMin(0);
            bar_->setLoopMax(*length);
            bar_->setVisible(true);
            bar_->setLoopValue(static_cast<float>(x));
        };
        auto done = [this](ContourRun out) {
            if (out.end != AxisSearchEnd::Hit) {
                discardResultFile(kPointsFile, kPointsWindow);
                ShowMessage(searchFailure(out.end), this);
                return;
            }
            bar_->setLoopMin(0);
            bar_->setLoopMax(out.length);
            bar_->setLoopValue(0);
            if (!out.anyPoint) {
                discardResultFile(kPointsFile, kPointsWindow);
                ShowMessage(kNoStationCrosses, this);
                return;
            }
            if (!writeResultFile(this, kPointsFile, out.text, kPointsWindow)) return;
            ResultFileViewer::showLatest(kPointsWindow);
            if (!out.withoutForward.empty() || !out.withoutBackward.empty())
                ShowMessage(stationsWithoutCrossing(out.withoutForward, out.withoutBackward), this);
        };
        run_->start<ContourRun>(contourButton_, work, done, progress,
                                [] { discardResultFile(kPointsFile, kPointsWindow); });
    }

    // Setting the text a box already holds would only move its caret.
    static void mirror(const QLineEdit* from, QLineEdit* to) {
        if (to->text() != from->text()) to->setText(from->text());
    }

    void relabelPoint() {
        pointLabel_->setText(pointX_->text() + "," + pointY_->text() + ",0");
        layOutPointRow();
    }

    // "C(", the point and ")=" read as one caption, however long the point.
    void layOutPointRow() {
        QLabel* previous = nullptr;
        for (QLabel* l : {open_, pointLabel_, close_}) {
            l->adjustSize();
            if (previous) l->move(previous->geometry().right() + 1, l->y());
            previous = l;
        }
    }

    // The scale comes from the x range whichever box changed; a range without
    // a whole number of at least 1 cannot set it and leaves the bar as it is.
    void resetBar() {
        auto range = TryParseNumber(rangeX_->text(), Precision::Double);
        if (!range) return;
        const float max = static_cast<float>(std::floor(*range));
        if (!(max >= 1) || !std::isfinite(max)) return;
        bar_->setLoopMin(0);
        bar_->setLoopMax(max);
        bar_->setVisible(true);
        bar_->setLoopValue(0);
    }

    QLineEdit *q_, *sigmaX_, *sigmaY_, *sigmaZ_, *x0_, *y0_, *z0_, *pointX_, *pointY_, *result_;
    QLineEdit *critical_, *distance_, *rangeX_, *stepX_, *rangeY_, *stepY_;
    QLabel *open_, *pointLabel_, *close_;
    WindowRun* run_;
    QPushButton *distanceButton_, *contourButton_, *gridButton_;
    LoopProgress* bar_;
};

class PuffHelpWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "风险评价之烟团帮助";
    static constexpr const char* kCaption = "风险评价之烟团计算帮助说明系统";

    PuffHelpWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 9000, 4200) {
        FormBuilder f = form();
        QTextEdit* box = f.richText("RichTextBox1", 0, 0, 9000, 4200);
        QString text = resourceText(":/risk/puff_help.txt");
        if (text.endsWith('\n')) text.chop(1);
        setReport(box, text);
    }
};

class PuffGridResultWindow : public ResultFileViewer {
public:
    static constexpr const char* kClassName = "风险评价烟团之网格计算结果";
    static constexpr const char* kCaption = "风险评价之烟团模式网格计算结果";

    PuffGridResultWindow()
        : ResultFileViewer(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), kGridFile,
                           QStringLiteral("此计算结果可以复制到WORD中,采用文字转换为表格的形式得到规范数据表!")) {}
};

// Leaves its file in place when it closes.
class PuffPointsWindow : public ResultFileViewer {
public:
    static constexpr const char* kClassName = "风险评价烟团模式之临界点坐标";
    static constexpr const char* kCaption = "烟团模式之网格临界点坐标";

    // With no file it says that no contour has been computed.
    PuffPointsWindow()
        : ResultFileViewer(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), kPointsFile, QString(),
                           false, QStringLiteral("尚未计算网格临界点坐标：请在烟团模式窗口中按“网格临界点坐标”计算。").toUtf8()) {}
};

}  // namespace
}  // namespace korrimet::risk

using korrimet::risk::PuffGridResultWindow;
using korrimet::risk::PuffHelpWindow;
using korrimet::risk::PuffPointsWindow;
using korrimet::risk::PuffWindow;
KORRIMET_REGISTER_TOOL(PuffWindow);
KORRIMET_REGISTER_TOOL(PuffHelpWindow);
KORRIMET_REGISTER_TOOL(PuffGridResultWindow);
KORRIMET_REGISTER_TOOL(PuffPointsWindow);
