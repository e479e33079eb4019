#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "report_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "烟囱出口风速计算1";

QString report(QWidget* w) { return reportText(test::child<QTextEdit>(w, "RichTextBox1")); }
QStringList reportLines(QWidget* w) { return report(w).split('\n'); }
bool enabled(QWidget* w, const QString& name) { return test::child<QWidget>(w, name)->isEnabled(); }
void pick(QWidget* w, const QString& item) {
    auto* combo = test::child<QComboBox>(w, "Combo1");
    combo->setCurrentIndex(combo->findText(item));
}
}  // namespace

class WindSpeedWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void loadsInDirectInputWithTheTableChoicesDisabled() {
        QCOMPARE(w_->windowTitle(), "烟囱出口风速计算");
        QVERIFY(test::child<QRadioButton>(w_, "Option1")->isChecked());
        QVERIFY(test::child<QRadioButton>(w_, "Option3")->isChecked());
        QVERIFY(enabled(w_, "Text3"));
        for (const char* name : {"Option3", "Option4", "Combo1"}) QVERIFY(!enabled(w_, name));
        auto* combo = test::child<QComboBox>(w_, "Combo1");
        QCOMPARE(combo->count(), 5);
        QCOMPARE(combo->itemText(4), "E、F");
        QCOMPARE(combo->currentText(), "");
        QCOMPARE(test::text(w_, "Text1"), "2");
        QCOMPARE(test::text(w_, "Text2"), "60");
        QCOMPARE(test::text(w_, "Text3"), "0.2");
        QVERIFY(report(w_).contains("计算结果与该程序的计算结果一致"));
    }

    void theModeSwitchesWhichInputsAreEnabled() {
        test::click(w_, "Option2");
        QVERIFY(!enabled(w_, "Text3"));
        for (const char* name : {"Option3", "Option4", "Combo1"}) QVERIFY(enabled(w_, name));
        test::click(w_, "Option1");
        QVERIFY(enabled(w_, "Text3"));
        for (const char* name : {"Option3", "Option4", "Combo1"}) QVERIFY(!enabled(w_, name));
    }

    void directInputReportsNineLinesWithoutATrailingLineFeed() {
        test::click(w_, "Command1");
        const QStringList lines = reportLines(w_);
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[2], "    烟囱出口处平均风速 U =2.861938(m / s)");
        QCOMPARE(lines[8], "    风速幂指数 =0.2");
        test::click(w_, "Command1");
        QCOMPARE(reportLines(w_).size(), 9);  // replaced, not appended
    }

    void standardValuesFollowTheClassAndLocation() {
        test::click(w_, "Option2");
        pick(w_, "E、F");
        test::click(w_, "Option4");
        test::click(w_, "Command1");
        QStringList lines = reportLines(w_);
        QCOMPARE(lines[2], "    烟囱出口处平均风速 U =3.42354(m / s)");
        QCOMPARE(lines[4], "    项目所在的位置:城市或城市近郊");
        QCOMPARE(lines[7], "    稳定度等级＝E、F");
        pick(w_, "D");
        test::click(w_, "Option3");
        test::click(w_, "Command1");
        lines = reportLines(w_);
        QCOMPARE(lines[2], "    烟囱出口处平均风速 U =2.616692(m / s)");  // 2 × 6^0.15; it read 2.712163 with 0.17
        QCOMPARE(lines[4], "    项目所在的位置:农村和城市远郊");
        QCOMPARE(lines[8], "    风速幂指数 =0.15");
    }

    void noClassChosenReplacesTheReportWithTheLookUpText() {
        test::click(w_, "Option2");
        MessageRecorder messages;
        test::click(w_, "Command1");
        QCOMPARE(report(w_), "无对应的参数,请检查输入!");
        QCOMPARE(messages.messages(), QStringList({"无法计算，请检查：\n未选择大气稳定度等级"}));
    }

    void aBadEntryAfterAGoodPressIsNamedAndReplacesTheReport() {
        test::click(w_, "Command1");
        QVERIFY(report(w_).contains("2.861938"));
        test::setText(w_, "Text2", "");
        QCOMPARE(test::refusedReport(w_, "Command1"), "无法计算，请检查：\n“烟囱几何高度       H [ m ]”：未输入数值");
        test::setText(w_, "Text2", "60");
        test::setText(w_, "Text1", "1e308");
        test::setText(w_, "Text3", "5");  // (60 / 10)^5 × 1e308 leaves the double range
        QCOMPARE(test::refusedReport(w_, "Command1"), "无法计算，请检查：\n“烟囱出口处平均风速 U”：结果不是有效的数值（如除以零、负数开方或数值溢出）");
    }

    void reopeningRestoresTheLoadState() {
        test::click(w_, "Option2");
        pick(w_, "A");
        test::click(w_, "Command1");
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QVERIFY(test::child<QRadioButton>(w_, "Option1")->isChecked());
        QVERIFY(!enabled(w_, "Combo1"));
        QCOMPARE(test::child<QComboBox>(w_, "Combo1")->currentText(), "");
        QVERIFY(!report(w_).contains("计算烟囱出口风速"));
    }
};

KORRIMET_UI_TEST_MAIN(WindSpeedWindowTest)
#include "wind_speed_window_uitest.moc"
