#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>

#include "common/widgets/loop_progress.h"
#include "common/widgets/report_box.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "风险评价之烟团模式";
const QString kHelp = "风险评价之烟团帮助";
}  // namespace

class PuffWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;
    LoopProgress* bar() const { return test::child<LoopProgress>(w_, "ProgressBar1"); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void pointAtTheDefaults() {
        QCOMPARE(w_->windowTitle(), "风险评价之多烟团模式计算");
        QCOMPARE(test::child<QLabel>(w_, "Label12")->text(), "200,100,0");
        test::click(w_, "Command1");
        QCOMPARE(test::text(w_, "Text7"), "0.203904");
    }

    void anEntryThatIsNoNumberGivesZero() {
        for (const char* box : {"Text1", "Text4", "Text8", "Text10", "Text17", "Text18"}) {
            closeAndReopen();
            test::setText(w_, box, "x");
            test::click(w_, "Command1");
            QVERIFY2(test::text(w_, "Text7") == "0", box);
        }
        closeAndReopen();
        test::setText(w_, "Text4", "0");
        test::click(w_, "Command1");
        QCOMPARE(test::text(w_, "Text7"), "0");
    }

    void sigmaXAndSigmaYFollowEachOther() {
        auto* sx = test::child<QLineEdit>(w_, "Text2");
        auto* sy = test::child<QLineEdit>(w_, "Text3");
        sx->setFocus();
        sx->selectAll();
        QTest::keyClicks(sx, "150");
        QCOMPARE(sy->text(), "150");
        // Typing inside the text keeps the caret where it is.
        sx->setCursorPosition(1);
        QTest::keyClicks(sx, "2");
        QCOMPARE(sx->text(), "1250");
        QCOMPARE(sx->cursorPosition(), 2);
        QCOMPARE(sy->text(), "1250");
        sy->setText("abc");
        QCOMPARE(sx->text(), "abc");
    }

    void thePointLabelFollowsTheBoxesAsTyped() {
        test::setText(w_, "Text17", "");
        QCOMPARE(test::child<QLabel>(w_, "Label12")->text(), "200,,0");
        test::setText(w_, "Text18", "1e3");
        QCOMPARE(test::child<QLabel>(w_, "Label12")->text(), "1e3,,0");
        auto* label = test::child<QLabel>(w_, "Label12");
        auto* close = test::child<QLabel>(w_, "Label13");
        QVERIFY(close->x() > label->x() + label->fontMetrics().horizontalAdvance("1e3,,0") - 2);
    }

    void editingAGridBoxResetsTheBarToTheXRange() {
        bar()->setVisible(false);
        bar()->setLoopValue(60);
        test::setText(w_, "Text11", "50");
        QVERIFY(!bar()->isHidden());
        QCOMPARE(bar()->loopMin(), 0.0f);
        QCOMPARE(bar()->loopMax(), 5000.0f);
        QCOMPARE(bar()->loopValue(), 0.0f);
        test::setText(w_, "Text13", "2500.9");
        QCOMPARE(bar()->loopMax(), 2500.0f);
    }

    void anXRangeWithoutAWholeNumberLeavesTheBarAlone() {
        test::setText(w_, "Text13", "1.5");
        QCOMPARE(bar()->loopMax(), 1.0f);
        bar()->setLoopValue(1);
        for (const char* text : {"", "abc", "0.9", "-20"}) {
            test::setText(w_, "Text13", text);
            test::setText(w_, "Text12", QString("7") + text);
            QCOMPARE(bar()->loopMax(), 1.0f);
            QCOMPARE(bar()->loopValue(), 1.0f);
        }
    }

    void theOtherCalculationButtonsAreInPlace() {
        for (const char* name : {"Command2", "Command4", "Command5"}) test::click(w_, name);
        QCOMPARE(test::text(w_, "Text16"), "");
        QCOMPARE(ToolRegistry::instance().openWindows().size(), 1);
    }

    void helpShowsItsSixLines() {
        test::click(w_, "Command3");
        QWidget* help = ToolRegistry::instance().window(kHelp);
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), "风险评价之烟团计算帮助说明系统");
        const QString text = reportText(test::child<QTextEdit>(help, "RichTextBox1"));
        QCOMPARE(text.count('\n'), 5);
        QVERIFY(text.startsWith("说明：\n    1、风险评价导则上未给出Q的单位；"));
        QVERIFY(text.endsWith("如果进度条长时间没有反应，请退出！"));
        QVERIFY(text.contains("\n    3、σx在计算中，一般与σy取相等值；\n"));
    }

private:
    void closeAndReopen() {
        test::closeAllTools();
        w_ = test::openTool(kWindow);
    }
};

KORRIMET_UI_TEST_MAIN(PuffWindowTest)
#include "puff_window_uitest.moc"
