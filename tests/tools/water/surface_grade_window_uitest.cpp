#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "地面水评价分级";
const QString kNoRow = "无分级表上对应的参数";
const QString kHeading = "依据你所输入的参数，评价工作等级划分建议如下：\n";
}  // namespace

class SurfaceGradeWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QTabBar* tabs() const { return test::child<QTabBar>(w_, "TabStrip1"); }
    // A click on a tab, as the user makes it.
    void clickTab(int index) {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(index).center());
    }
    QRadioButton* option(int n) const { return test::child<QRadioButton>(w_, QString("Option%1").arg(n)); }
    void tick(std::initializer_list<int> kinds) {
        for (int k : kinds) test::child<QCheckBox>(w_, QString("Check%1").arg(k))->setChecked(true);
    }
    QString compute(const QString& discharge, const QString& parameters = "2") {
        test::setText(w_, "Text1", discharge);
        test::setText(w_, "Text2", parameters);
        test::click(w_, "Command1");
        return reportText(test::child<QTextEdit>(w_, "RichTextBox1"));
    }
    static QString river(const QString& classes, const QString& grade) {
        return "    如果该类污水排放地表水" + classes + "类水体,评价等级划分为" + grade + "\n";
    }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void opensOnTheRiverTabWithItsIntroductionAndTheDefaultsMatchNoRow() {
        QCOMPARE(tabs()->tabText(tabs()->currentIndex()), "河流与河口（1）");
        QVERIFY(test::child<QGroupBox>(w_, "Frame3")->isVisible());
        QVERIFY(!test::child<QGroupBox>(w_, "Frame6")->isVisible());
        QVERIFY(reportText(test::child<QTextEdit>(w_, "RichTextBox1")).startsWith("地面水环境影响评价工作级别的划分"));
        QCOMPARE(test::text(w_, "Text1"), "10000");
        test::click(w_, "Command1");
        QCOMPARE(reportText(test::child<QTextEdit>(w_, "RichTextBox1")), kNoRow);
    }

    void riverRowTen() {
        tick({1, 2});
        option(2)->setChecked(true);
        QCOMPARE(compute("10000"), kHeading + river("I-II", "一级") + river("Ⅲ-Ⅴ", "二级"));
        QCOMPARE(compute("199.9"), kNoRow);
        QCOMPARE(compute("200"), kHeading + river("I-Ⅳ", "三级"));
        // Two kinds and ten parameters make the wastewater less complex.
        QCOMPARE(compute("10000", "10"), kHeading + river("I-Ⅳ", "一级") + river("Ⅴ", "二级"));
        QCOMPARE(compute("19999.5", "9.9"), kHeading + river("I-II", "一级") + river("Ⅲ-Ⅴ", "二级"));
    }

    void threeKindsNeverReadTheParameterCount() {
        tick({1, 3, 4});
        option(1)->setChecked(true);
        MessageRecorder messages;
        QCOMPARE(compute("20000", "不知道"), kHeading + river("I-Ⅲ", "一级") + river("Ⅳ-Ⅴ", "二级"));
        QVERIFY(messages.messages().isEmpty());
    }

    void entriesThatAreNoNumberAreReportedAndLeaveNoAdvice() {
        tick({4});
        option(3)->setChecked(true);
        const QString advice = compute("5000", "7");
        QCOMPARE(advice, kHeading + river("I", "一级") + river("II-Ⅳ", "二级") + river("Ⅴ", "三级"));
        MessageRecorder messages;
        for (const auto& [discharge, count] : {std::pair{"五千", "7"}, {"1e39", "7"}, {"5000", "七"}, {"-5", "7"}})
            QCOMPARE(compute(discharge, count), QString());
        const QString failed = "无法计算，请检查：\n";
        QCOMPARE(messages.messages(), QStringList({failed + "“污水排放量（m^3/d）”：不是有效的数值",
                                                   failed + "“污水排放量（m^3/d）”：数值超出可计算的范围",
                                                   failed + "“需预测浓度的水质参数项目”：不是有效的数值",
                                                   failed + "“污水排放量（m^3/d）”：不能为负数"}));
    }

    void theLakeTabSelectsTheDeepLakeAndReadsTheLakeButtons() {
        clickTab(1);
        QVERIFY(test::child<QGroupBox>(w_, "Frame6")->isVisible());
        QVERIFY(!test::child<QGroupBox>(w_, "Frame3")->isVisible());
        QVERIFY(option(13)->isChecked());
        QCOMPARE(option(11)->text(), "大湖(库)≥25km^2");
        QTest::mouseClick(option(12), Qt::LeftButton);
        QCOMPARE(option(11)->text(), "大湖(库)≥50km^2");
        QCOMPARE(option(9)->text(), "小湖(库)在<5km^2");

        tick({2});
        option(10)->setChecked(true);
        const QString shallow = compute("10000", "6");
        QCOMPARE(shallow, kHeading + river("I", "一级") + river("II-Ⅳ", "二级") + river("Ⅴ", "三级"));
        // A second click on the selected lake tab selects the deep lake again.
        clickTab(1);
        QVERIFY(option(13)->isChecked());
        QCOMPARE(option(10)->text(), "中湖(库)在2.5-25km^2");
        QCOMPARE(compute("10000", "6"), shallow);
        // The river buttons are not the lake's.
        option(10)->setAutoExclusive(false);
        option(10)->setChecked(false);
        option(1)->setChecked(true);
        QCOMPARE(compute("10000", "6"), kNoRow);
    }

    void theBayTabRelabelsTheRiverButtonsAndTheRiverTabRestoresThem() {
        option(2)->setChecked(true);
        clickTab(2);
        QCOMPARE(test::child<QGroupBox>(w_, "Frame3")->title(), "海湾类型");
        QCOMPARE(option(2)->text(), "小型封闭海湾");
        QVERIFY(option(2)->isChecked());
        QCOMPARE(test::child<QLabel>(w_, "Label8")->text(), "海湾的类型分为以下三类,请选择相应的海湾类型");

        tick({1});
        option(3)->setChecked(true);
        QCOMPARE(compute("500", "1"), kNoRow);  // bay class 4 needs 各类海湾
        option(1)->setChecked(true);
        QCOMPARE(compute("500", "1"), kHeading + "    建议评价等级划分为三级\n");
        QCOMPARE(compute("499", "1"), kNoRow);
        option(2)->setChecked(true);
        QCOMPARE(compute("5000", "1"), kHeading + "    建议评价等级划分为二级\n");

        clickTab(0);
        QCOMPARE(test::child<QGroupBox>(w_, "Frame3")->title(), "地面水域的大小规模和水质要求");
        QCOMPARE(option(1)->text(), "大河：>=150 m^3/s");
        QCOMPARE(option(2)->text(), "中河：15-150 m^3/s");
        QVERIFY(test::child<QLabel>(w_, "Label8")->text().contains("按建设项目排污口附近河段"));
    }
};

KORRIMET_UI_TEST_MAIN(SurfaceGradeWindowTest)
#include "surface_grade_window_uitest.moc"
