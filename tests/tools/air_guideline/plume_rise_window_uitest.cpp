#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "report_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "烟气抬升高度计算1";
const QString kWindSpeedTool = "烟囱出口风速计算1";

QString report(QWidget* w) { return reportText(test::child<QTextEdit>(w, "RichTextBox1")); }
// A user pick from the list, which writes the class's gradient.
void pick(QWidget* w, const QString& item) {
    auto* combo = test::child<QComboBox>(w, "Combo1");
    const int i = combo->findText(item);
    QVERIFY(i >= 0);
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}
}  // namespace

class PlumeRiseWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void loadsWithTheStoredValuesAndNoClass() {
        QCOMPARE(w_->windowTitle(), "烟气抬升高度计算");
        const std::pair<const char*, const char*> defaults[] = {
            {"Text1", "60"}, {"Text2", "1"}, {"Text3", "10"}, {"Text4", "100"},    {"Text5", "15"},
            {"Text6", "3"},  {"Text7", "2"}, {"Text8", "-0.0098"}, {"Text9", "1"}};
        for (auto [name, text] : defaults) QCOMPARE(test::text(w_, name), text);
        auto* combo = test::child<QComboBox>(w_, "Combo1");
        QCOMPARE(combo->count(), 9);
        QCOMPARE(combo->itemText(2), "B-C");
        QCOMPARE(combo->currentText(), "");
        QVERIFY(test::child<QRadioButton>(w_, "Option1")->isChecked());
        QVERIFY(report(w_).contains("如果烟筒高度超过240米，按240米计"));
    }

    void pickingAClassWritesItsGradientAndComputesNothing() {
        const QString note = report(w_);
        const std::pair<const char*, const char*> presets[] = {
            {"D-E", "-0.005"}, {"E", "0"}, {"F", "0.01"}, {"D", "-0.0098"}, {"A", "-0.019"}};
        for (auto [cls, gradient] : presets) {
            pick(w_, cls);
            QCOMPARE(test::text(w_, "Text8"), gradient);
        }
        QCOMPARE(report(w_), note);
    }

    // D-E's preset lies between D and E: the stable formula computes with it (its −0.05 never could).
    void theDEPresetGivesAStableRise() {
        pick(w_, "D-E");
        test::click(w_, "Command2");
        const QStringList lines = report(w_).split('\n');
        QCOMPARE(lines[19], "    烟气抬升高度 ΔH = 38.2812(m)");  // (807.8303 / ((−0.005 + 0.0098) × 3))^(1/3)
        QCOMPARE(lines[20], "    烟囱有效高度 He = 98.2812(m)");
    }

    void computesTheReportWithALineFeedAfterEveryLine() {
        pick(w_, "A");
        test::click(w_, "Command2");
        const QString text = report(w_);
        QVERIFY(text.endsWith('\n'));
        const QStringList lines = text.split('\n');
        QCOMPARE(lines.size(), 22);
        QCOMPARE(lines[0], "项目所在位置:农村或城市远郊");
        QCOMPARE(lines[11], "    烟囱几何高度以上的大气温度梯度 dTdz = -0.019(K/m)");
        QCOMPARE(lines[15], "    烟气出口处排出风速 Vs = 12.7324(m/s)");
        QCOMPARE(lines[14], "    烟气热释放率   Qh = 807.8303(KJ/s)");  // 0.35 × 1013.25 × 10 × 85 / 373.15
        QCOMPARE(lines[19], "    烟气抬升高度 ΔH = 18.1179(m)");
        QCOMPARE(lines[20], "    烟囱有效高度 He = 78.1179(m)");
        // The box holds the whole report: its first line and the results at its end show without scrolling.
        auto* box = test::child<QTextEdit>(w_, "RichTextBox1");
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QVERIFY(box->viewport()->rect().contains(box->cursorRect(box->document()->find("烟囱有效高度 He"))));
        test::click(w_, "Command2");
        QCOMPARE(report(w_), text);
    }

    void theUrbanOptionChangesTheLocationAndCoefficient() {
        test::setText(w_, "Text1", "120");
        test::setText(w_, "Text2", "4");
        test::setText(w_, "Text3", "250");
        test::setText(w_, "Text4", "140");
        test::setText(w_, "Text6", "5");
        pick(w_, "C");
        test::click(w_, "Option2");
        test::click(w_, "Command2");
        const QStringList lines = report(w_).split('\n');
        QCOMPARE(lines[0], "项目所在位置:城市或城市近郊");
        QCOMPARE(lines[16], "    烟气热状况及地表状况系数 n0 =1.303");
        // 1.303 × 26824.2088^(1/3) × 120^(2/3) / 5 (GB/T 13201-91); 190.0802 with the 1.305 it had
        QCOMPARE(lines[19], "    烟气抬升高度 ΔH = 189.7889(m)");
    }

    void anEntryThatChoosesTheFormulaIsNamedInAMessageAndTheBox() {
        pick(w_, "A");
        test::click(w_, "Command2");
        test::setText(w_, "Text4", "");
        QCOMPARE(test::refusedReport(w_, "Command2"), "无法计算，请检查：\n“烟筒出口烟气温度Ts[  ℃ ]”：未输入数值");
        test::setText(w_, "Text4", "100");
        test::setText(w_, "Text5", "-300");  // once ΔT = 400
        QCOMPARE(test::refusedReport(w_, "Command2"), "无法计算，请检查：\n环境大气温度须高于-273.15℃");
    }

    void aRiseThatCannotBeComputedSaysWhyInsteadOfHeEqualsH() {
        MessageRecorder messages;
        test::click(w_, "Command2");  // no class chosen: once "He = 60." as if computed
        QStringList lines = report(w_).split('\n');
        QCOMPARE(lines.size(), 22);
        QCOMPARE(lines[19], "    烟气抬升高度 ΔH = 无法计算（未选择大气稳定度等级）");
        QCOMPARE(lines[20], "    烟囱有效高度 He = 无法计算（抬升高度ΔH无法计算）");
        QCOMPARE(messages.messages(),
                 QStringList({"无法计算，请检查：\n烟气抬升高度ΔH和有效高度He无法计算：未选择大气稳定度等级"}));

        messages.clear();
        pick(w_, "E");
        test::setText(w_, "Text8", "x");
        test::click(w_, "Command2");
        lines = report(w_).split('\n');
        QCOMPARE(lines[19], "    烟气抬升高度 ΔH = 无法计算（大气温度梯度 dTdz不是有效的数值）");
        QCOMPARE(messages.messages(), QStringList({"无法计算，请检查：\n“大气温度梯度   dTdZ[ K/m]”：不是有效的数值"}));
    }

    void theEllipsisOpensOneWindSpeedWindow() {
        test::click(w_, "Command1");
        test::click(w_, "Command1");
        int open = 0;
        for (QWidget* t : ToolRegistry::instance().openWindows()) open += t->objectName() == kWindSpeedTool;
        QCOMPARE(open, 1);
        QCOMPARE(test::text(w_, "Text6"), "3");  // nothing passes between the two
    }

    void reopeningStartsWithoutAClassAgain() {
        pick(w_, "F");
        test::click(w_, "Option2");
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QCOMPARE(test::child<QComboBox>(w_, "Combo1")->currentText(), "");
        QCOMPARE(test::text(w_, "Text8"), "-0.0098");
        QVERIFY(test::child<QRadioButton>(w_, "Option1")->isChecked());
    }
};

KORRIMET_UI_TEST_MAIN(PlumeRiseWindowTest)
#include "plume_rise_window_uitest.moc"
