#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "report_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "大气评价等级的划分";
const QString kAdvice =
    "    建议：可根据项目的性质,总投资和产值,周围地形的复杂程度,环境敏感区的分布情况,"
    "以及当地大气污染程度,对评价级别作适当调整,但调整幅度上下不应超过一级.";

QString report(QWidget* w) { return reportText(test::child<QTextEdit>(w, "RichTextBox1")); }
QString expected(const QString& grade, const QString& p) {
    return "    建议评价工作等级：" + grade + " \n    等标排放量为：" + p + "[m^3/h]\n" + kAdvice;
}
}  // namespace

class WorkGradeWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void opensOnFlatTerrainWithDefaultsAndNoReport() {
        QCOMPARE(w_->windowTitle(), kWindow);
        QVERIFY(test::child<QRadioButton>(w_, "Option1")->isChecked());
        QCOMPARE(test::text(w_, "Text1"), "10");
        QCOMPARE(test::text(w_, "Text2"), "0.5");
        QVERIFY(report(w_).isEmpty());
    }

    void eachClickReplacesTheReport() {
        test::click(w_, "Command1");
        test::click(w_, "Command1");
        QCOMPARE(report(w_), expected("二级", "2E+10"));
        QCOMPARE(test::child<QTextEdit>(w_, "RichTextBox1")->toPlainText(), expected("二级", "2E+10"));
    }

    void theTerrainCountsOnlyAtTheNextClick() {
        test::click(w_, "Command1");
        test::click(w_, "Option2");
        QCOMPARE(report(w_), expected("二级", "2E+10"));
        test::click(w_, "Command1");
        QCOMPARE(report(w_), expected("一级", "2E+10"));
        // P exactly 2.5E+09 belongs to the higher grade (HJ/T 2.2-93: P ≥ 2.5×10⁹): once 二级 here, 三级 on flat land.
        test::setText(w_, "Text1", "1.25");
        test::click(w_, "Command1");
        QCOMPARE(report(w_), expected("一级", "2.5E+09"));
        test::click(w_, "Option1");
        test::click(w_, "Command1");
        QCOMPARE(report(w_), expected("二级", "2.5E+09"));
    }

    void aBadEntryAfterAGoodPressIsNamedAndRecommendsNoGrade() {
        test::click(w_, "Command1");
        QCOMPARE(report(w_), expected("二级", "2E+10"));
        // Each of these once recommended "三级" with P = 0.
        struct Case {
            const char *q, *c, *why;
        } cases[] = {
            {"", "0.5", "“单位时间排放量Qi [ t/hr ]”：未输入数值"},
            {"abc", "0.5", "“单位时间排放量Qi [ t/hr ]”：不是有效的数值"},
            {"10", "0", "“大气环境质量标准 Ci [ mg/m^3 ]”：须大于0"},
            {"1e30", "0.5", "“等标排放量”：数值超出可计算的范围"},
        };
        for (const Case& c : cases) {
            test::setText(w_, "Text1", c.q);
            test::setText(w_, "Text2", c.c);
            QCOMPARE(test::refusedReport(w_, "Command1"), "无法计算，请检查：\n" + QString(c.why));
        }
    }

    void reopeningStartsOnFlatTerrainAgain() {
        test::click(w_, "Option2");
        test::setText(w_, "Text1", "1");
        test::click(w_, "Command1");
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QVERIFY(test::child<QRadioButton>(w_, "Option1")->isChecked());
        QCOMPARE(test::text(w_, "Text1"), "10");
        QVERIFY(report(w_).isEmpty());
    }
};

KORRIMET_UI_TEST_MAIN(WorkGradeWindowTest)
#include "work_grade_window_uitest.moc"
