#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>

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

    // A window instance that has never computed: nothing to fall back on.
    void aPressWithEmptyBoxesNamesThemAndShowsNoResult() {
        MessageRecorder messages;
        test::click(w_, "Command2");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n请选择燃料类型!\n"
                                                  "“燃料热值的选取(以KJ为单位)”：未输入数值\n"
                                                  "“α0(空气过剩系数)选取”：未输入数值\n"
                                                  "“Δα(漏风系数)选取”：未输入数值"});
        QCOMPARE(test::text(w_, "Text4"), "");
        QCOMPARE(test::child<QLineEdit>(w_, "Text6")->placeholderText(), "无法计算");
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

    // Gas is counted per standard cubic metre, solid and liquid fuel per kilogram.
    void resultLabelsFollowTheFuelClass() {
        auto labels = [this] {
            return test::child<QLabel>(w_, "Label6")->text() + test::child<QLabel>(w_, "Label8")->text();
        };
        const QString byMass = "每kg燃料燃烧时产生的烟气量=每T燃料燃烧时产生的烟气量=";
        const QString byVolume = "每标立方米燃料燃烧时产生的烟气量=每千标立方米燃料燃烧时产生的烟气量=";
        QCOMPARE(labels(), byMass);
        for (const auto& [fuel, expected] : {std::pair{"气体燃料", byVolume}, {"固体燃料", byMass}, {"天燃气", byVolume},
                                             {"天然气", byMass}, {"液体燃料", byMass}}) {
            test::setComboText(w_, "Combo1", fuel);
            QCOMPARE(labels(), expected);
        }
        // Not left to be read in the other unit.
        compute("固体燃料", "20934", "1.4", "0.1");
        test::setComboText(w_, "Combo1", "天燃气");
        QCOMPARE(test::texts(w_, {"Text4", "Text6"}), QStringList({"", ""}));
    }

    void naturalGasZeroesTheLeakageBox() {
        compute("天燃气", "35000", "1.1", "0.7");
        QCOMPARE(test::text(w_, "Text4"), "11.18956");
        QCOMPARE(test::text(w_, "Text3"), "0");
        compute("天燃气", "34542", "1.1", "");
        QCOMPARE(test::text(w_, "Text4"), "11.04966");
    }

    // After a good press a bad entry is named, and no result keeps the good
    // press's value or comes from a value the user no longer sees.
    void aBadEntryAfterAGoodPressLeavesNoOldResult() {
        MessageRecorder messages;
        compute("固体燃料", "20934", "1.4", "0.1");
        compute("固体燃料", "1e999", "1.4", "0.1");  // pasted: the key filter does not see it
        QCOMPARE(messages.messages(),
                 QStringList{"无法计算，请检查：\n“燃料热值的选取(以KJ为单位)”：数值超出可计算的范围"});
        QCOMPARE(test::texts(w_, {"Text4", "Text6"}), QStringList({"", ""}));

        messages.clear();
        compute("天然气", "20934", "1.4", "0.1");  // no item of the list
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n请选择燃料类型!"});
        QCOMPARE(test::text(w_, "Text4"), "");

        messages.clear();
        compute("天燃气", "34542", "1.1", "");  // natural gas needs no leakage entry
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(test::text(w_, "Text4"), "11.04966");
        QCOMPARE(test::child<QLineEdit>(w_, "Text4")->placeholderText(), "");
        compute("固体燃料", "20934", "1.4", "-0.1");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“Δα(漏风系数)选取”：不能为负数"});
        QCOMPARE(test::text(w_, "Text4"), "");
    }

    void aReopenedWindowComputesOnlyFromItsBoxes() {
        compute("固体燃料", "20934", "1.4", "0.1");
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QVERIFY(test::text(w_, "Text1").isEmpty());
        MessageRecorder messages;
        test::setComboText(w_, "Combo1", "固体燃料");
        test::click(w_, "Command2");
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(test::texts(w_, {"Text4", "Text6"}), QStringList({"", ""}));
    }

    // Tab goes through every control in the window's own order, the help
    // box among them, and round to the first again; Shift+Tab goes back.
    // Passing through types nothing into any box.
    void tabReachesEveryControlInTheWindowsOrder() {
        MessageRecorder messages;
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_));
        const QStringList order{"Text2", "Text3", "Text4", "Text1", "Text5", "Text6", "Command2", "Combo1", "Text2"};
        const QString help = test::child<QPlainTextEdit>(w_, "Text5")->toPlainText();
        auto walk = [](const QString& from, int steps, Qt::KeyboardModifiers modifiers) {
            QStringList reached{from};
            for (int i = 0; i < steps; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
                reached << QApplication::focusWidget()->objectName();
            }
            return reached;
        };
        test::child<QLineEdit>(w_, "Text2")->setFocus();
        QCOMPARE(walk("Text2", order.size() - 1, Qt::NoModifier), order);
        QStringList back = order;
        std::reverse(back.begin(), back.end());
        QCOMPARE(walk("Text2", order.size() - 1, Qt::ShiftModifier), back);

        QCOMPARE(test::child<QPlainTextEdit>(w_, "Text5")->toPlainText(), help);
        QCOMPARE(test::texts(w_, {"Text1", "Text2", "Text3", "Text4", "Text6"}), QStringList({"", "", "", "", ""}));
        QVERIFY(messages.messages().isEmpty());
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
