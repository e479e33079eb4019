#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTextBrowser>

#include "common/number_text.h"
#include "support/ui_support.h"

using namespace korrimet;

class LeakRateWindowsTest : public QObject {
    Q_OBJECT

    static double number(QWidget* w, const char* box) {
        return ParseNumber(test::text(w, box).toStdString(), Precision::Single);
    }
    static QString warning(QWidget* w) { return test::child<QLabel>(w, "FlashWarning")->text(); }

private slots:
    void cleanup() { test::closeAllTools(); }

    void eachWindowShowsItsFormulaPicture() {
        for (const char* name : {"液体泄漏速度", "气体泄漏量", "两相泄漏量计算"}) {
            QWidget* w = test::openTool(name);
            QVERIFY2(test::child<QTextBrowser>(w, "Image1")->toPlainText().startsWith("Q"), name);
            QVERIFY(test::child<QLabel>(w, "Label2")->text().startsWith("式中：\n"));
        }
    }

    void liquidLeakOfTheDefaults() {
        QWidget* w = test::openTool("液体泄漏速度");
        QCOMPARE(test::text(w, "Text6"), "");
        test::click(w, "Command1");
        QCOMPARE(test::text(w, "Text6"), "119.4063");
        test::setText(w, "Text2", "101325");
        test::setText(w, "Text4", "0");
        test::click(w, "Command1");
        QCOMPARE(test::text(w, "Text6"), "0");
    }

    void aBoxWithoutNumberIsNamedAndNothingComputed() {
        QWidget* w = test::openTool("液体泄漏速度");
        w->show();
        test::click(w, "Command1");
        test::setText(w, "Text5", "");
        MessageRecorder messages;
        test::click(w, "Command1");
        QCOMPARE(messages.messages(),
                 QStringList{"“ρ--液体密度（Kg/m3）”中不是有效的数值，请检查输入后重新计算！"});
        QCOMPARE(w->focusWidget(), test::child<QLineEdit>(w, "Text5"));
        QCOMPARE(test::text(w, "Text6"), "119.4063");

        QWidget* gas = test::openTool("气体泄漏量");
        test::setText(gas, "Text2", "1.2.3");
        test::click(gas, "Command1");
        QCOMPARE(messages.messages().value(1), "“容器介质压力（Pa）”中不是有效的数值，请检查输入后重新计算！");
        QCOMPARE(test::text(gas, "Text6"), "");
    }

    void gasLeakByHoleShape() {
        QWidget* w = test::openTool("气体泄漏量");
        auto* shape = test::child<QComboBox>(w, "Combo1");
        QCOMPARE(shape->count(), 3);
        QCOMPARE(shape->itemText(1), "三角形");
        QCOMPARE(shape->currentText(), "");
        test::click(w, "Command1");
        QCOMPARE(qRound(number(w, "Text6") * 100), 1546);
        test::setComboText(w, "Combo1", "圆形");
        test::click(w, "Command1");
        QCOMPARE(qRound(number(w, "Text6") * 100), 1718);
        test::setComboText(w, "Combo1", "椭圆形");
        test::setText(w, "Text2", "30000");
        test::click(w, "Command1");
        QCOMPARE(qRound(number(w, "Text6") * 100), 5252);
    }

    void gasVariablesOutliveTheWindow() {
        QWidget* w = test::openTool("气体泄漏量");
        test::click(w, "Command1");
        test::closeAllTools();
        w = test::openTool("气体泄漏量");
        QCOMPARE(test::text(w, "Text6"), "");
        test::setText(w, "Text7", "1");
        test::setText(w, "Text2", "30000");
        test::click(w, "Command1");
        // With κ = 1 the critical ratio cannot be formed: the one of the earlier click decides the outflow.
        QVERIFY(qAbs(number(w, "Text6") - 74.91) < 0.01);
    }

    void twoPhaseRecomputesOnEveryEdit() {
        QWidget* w = test::openTool("两相泄漏量计算");
        QCOMPARE(test::text(w, "Text6"), "");
        QCOMPARE(warning(w), "");
        test::setText(w, "Text4", "260");  // no flashing: the liquid density alone
        QCOMPARE(test::text(w, "Text6"), "57.6");  // 0.8·A·√(2·ρ2·0.45·P)
        QCOMPARE(warning(w), "");
        test::setText(w, "Text9", "");
        QCOMPARE(test::text(w, "Text6"), "0");
        test::setText(w, "Text6", "x");
        QTest::mouseClick(test::child<QLineEdit>(w, "Text6"), Qt::LeftButton);
        QCOMPARE(test::text(w, "Text6"), "0");
    }

    void twoPhaseRefusesAFlashFractionOutsideZeroToOne() {
        QWidget* w = test::openTool("两相泄漏量计算");
        test::setText(w, "Text1", "0.03");  // the defaults flash 808 times over
        QCOMPARE(test::text(w, "Text6"), "");
        QVERIFY(warning(w).startsWith("FV=808＞1"));
        test::setText(w, "Text4", "250");
        QCOMPARE(test::text(w, "Text6"), "");
        QVERIFY(warning(w).startsWith("FV=-202＜0"));
        test::setText(w, "Text4", "260.01");
        QCOMPARE(warning(w), "");
        QVERIFY(number(w, "Text6") > 0);
    }
};

KORRIMET_UI_TEST_MAIN(LeakRateWindowsTest)
#include "leak_rate_window_uitest.moc"
