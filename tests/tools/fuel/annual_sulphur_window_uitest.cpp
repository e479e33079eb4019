#include <QLineEdit>
#include <QTest>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "燃料燃烧SO2计算";
}

// The window's two amounts outlive it, so the cases run in order, from a
// window instance that has never computed.
class AnnualSulphurWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QString compute(const QString& coal, const QString& sulphur, const QString& efficiency) {
        test::setText(w_, "Text1", coal);
        test::setText(w_, "Text2", sulphur);
        test::setText(w_, "Text3", efficiency);
        test::click(w_, "Command2");
        return test::text(w_, "Text6");
    }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void opensWithEmptyBoxesAndABlankResult() {
        QCOMPARE(w_->windowTitle(), "燃料燃烧SO2计算");
        QCOMPARE(test::text(w_, "Text1"), "");
        QCOMPARE(test::text(w_, "Text6"), " ");
        auto* coal = test::child<QLineEdit>(w_, "Text1");
        QCOMPARE(w_->focusWidget(), coal);
        QTest::keyClick(coal, Qt::Key_Tab);
        QCOMPARE(w_->focusWidget(), test::child<QLineEdit>(w_, "Text3"));
        QTest::keyClick(w_->focusWidget(), Qt::Key_Tab);
        QCOMPARE(w_->focusWidget(), test::child<QLineEdit>(w_, "Text2"));
    }

    void emptyBoxesInANewWindowGiveZero() { QCOMPARE(compute("", "", ""), "0"); }

    void withoutAnEfficiencyTheEmissionStaysZero() { QCOMPARE(compute("1000", "1", ""), "0"); }

    void theEfficiencyScalesTheEmission() {
        QCOMPARE(compute("1000", "1", "0"), "16");
        QCOMPARE(compute("1000", "1", "80"), "3.2");
        QCOMPARE(compute("1000", "1", "100"), "0");
        QCOMPARE(compute("1000", "1", "110"), "-1.6");
        QCOMPARE(compute("25000", "0.7", "15"), "238");
    }

    void aBadEntryKeepsTheAmountsOfTheLastRun() {
        QCOMPARE(compute("1000", "1", "80"), "3.2");
        QCOMPARE(compute("1000", "1", "."), "3.2");  // emission kept
        QCOMPARE(compute("", "1", "0"), "16");       // produced amount kept
        QCOMPARE(compute("1e40", "1", "0"), "16");   // beyond the Single range
    }

    void amountsSurviveClosingTheWindow() {
        QCOMPARE(compute("2000", "1", "50"), "16");
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QCOMPARE(test::text(w_, "Text6"), " ");
        test::click(w_, "Command2");
        QCOMPARE(test::text(w_, "Text6"), "16");
    }

    void inputBoxesTakeOnlyNumbersAndSelectAllOnFocus() {
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_));
        MessageRecorder messages;
        auto* sulphur = test::child<QLineEdit>(w_, "Text2");
        sulphur->setFocus();
        QTest::keyClicks(sulphur, "1.5.a");
        QCOMPARE(sulphur->text(), "1.5");
        QCOMPARE(messages.messages(),
                 QStringList({"数据输入错误,请检查输入", "数据输入错误,请检查是否在数值输入状态"}));
        test::child<QLineEdit>(w_, "Text1")->setFocus();
        sulphur->setFocus(Qt::TabFocusReason);
        QCOMPARE(sulphur->selectedText(), "1.5");
    }
};

KORRIMET_UI_TEST_MAIN(AnnualSulphurWindowTest)
#include "annual_sulphur_window_uitest.moc"
