#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "燃料燃烧燃气产生量";
}

class FlueGasWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    void compute(const QString& fuel, const QString& q, const QString& a0, const QString& da) {
        test::setComboText(w_, "Combo1", fuel);
        test::setText(w_, "Text1", q);
        test::setText(w_, "Text2", a0);
        test::setText(w_, "Text3", da);
        test::click(w_, "Command2");
    }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    // First: a window instance that has never computed.
    void noClassInANewWindowShowsTheMessageThenZeros() {
        MessageRecorder messages;
        test::click(w_, "Command2");
        QCOMPARE(messages.messages(), QStringList{"请选择燃料类型!"});
        QCOMPARE(test::text(w_, "Text4"), "0");
        QCOMPARE(test::text(w_, "Text6"), "0");
    }

    void emptyBoxesComputeWithZeros() {
        compute("固体燃料", "", "", "");
        QCOMPARE(test::text(w_, "Text4"), "1.15");
        QCOMPARE(test::text(w_, "Text6"), "1150");
    }

    void loadsWithItsItemsAndEmptyBoxes() {
        auto* combo = test::child<QComboBox>(w_, "Combo1");
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->itemText(3), "天燃气");
        QCOMPARE(combo->currentText(), "");
        QCOMPARE(w_->windowTitle(), "燃料燃烧时产生的燃气量的计算");
        QVERIFY(test::text(w_, "Text1").isEmpty());
        QCOMPARE(w_->focusWidget(), test::child<QLineEdit>(w_, "Text2"));
    }

    void workedValues() {
        compute("固体燃料", "20934", "1.4", "0.1");
        QCOMPARE(test::text(w_, "Text4"), "8.874667");
        QCOMPARE(test::text(w_, "Text6"), "8874.667");
        compute("液体燃料", "41868", "1.2", "0.1");
        QCOMPARE(test::text(w_, "Text4"), "14.24935");
        QCOMPARE(test::text(w_, "Text6"), "14249.35");
        compute("气体燃料", "12561", "1.1", "0.1");
        QCOMPARE(test::text(w_, "Text4"), "4.274");
        compute("气体燃料", "12560", "1.1", "0.1");
        QCOMPARE(test::text(w_, "Text4"), "3.699785");
    }

    void naturalGasZeroesTheLeakageBox() {
        compute("天燃气", "35000", "1.1", "0.7");
        QCOMPARE(test::text(w_, "Text4"), "11.18956");
        QCOMPARE(test::text(w_, "Text3"), "0");
        compute("天燃气", "34542", "1.1", "");
        QCOMPARE(test::text(w_, "Text4"), "11.04966");
    }

    void aBadEntryKeepsThePreviousValue() {
        compute("固体燃料", "20934", "1.4", "0.1");
        compute("固体燃料", ".", "1.4", "0.1");  // "." is no number: Q stays 20934
        QCOMPARE(test::text(w_, "Text4"), "8.874667");
    }

    void anUnknownClassRewritesThePreviousResult() {
        compute("固体燃料", "20934", "1.4", "0.1");
        MessageRecorder messages;
        compute("天然气", "1", "1", "1");
        QCOMPARE(messages.messages(), QStringList{"请选择燃料类型!"});
        QCOMPARE(test::text(w_, "Text4"), "8.874667");
        QCOMPARE(test::text(w_, "Text6"), "8874.667");
    }

    void variablesSurviveClosingTheWindow() {
        compute("固体燃料", "20934", "1.4", "0.1");
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QVERIFY(test::text(w_, "Text1").isEmpty());
        QCOMPARE(test::child<QComboBox>(w_, "Combo1")->currentText(), "");
        test::setComboText(w_, "Combo1", "固体燃料");
        test::click(w_, "Command2");
        QCOMPARE(test::text(w_, "Text4"), "8.874667");
    }

    void inputBoxesRefuseLetters() {
        MessageRecorder messages;
        auto* q = test::child<QLineEdit>(w_, "Text1");
        q->setFocus();
        QTest::keyClicks(q, "12a");
        QCOMPARE(q->text(), "12");
        QCOMPARE(messages.messages().size(), 1);
    }
};

KORRIMET_UI_TEST_MAIN(FlueGasWindowTest)
#include "flue_gas_window_uitest.moc"
