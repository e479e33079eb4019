#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "万能单位换算";
}

class UnitConverterWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QComboBox* combo(const QString& name) { return test::child<QComboBox>(w_, name); }
    QString label(const QString& name) { return test::child<QLabel>(w_, name)->text(); }
    void pick(const QString& name, const QString& item) {
        QComboBox* c = combo(name);
        const int i = c->findText(item);
        QVERIFY2(i >= 0, qPrintable(item));
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    void type(const QString& keys) {
        auto* box = test::child<QLineEdit>(w_, "Text1");
        box->setFocus();
        QTest::keyClicks(box, keys);
    }
    void choose(const QString& category, const QString& line) {
        pick("Combo1", category);
        pick("Combo2", line);
    }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void opensWithTheCategoriesAndNothingChosen() {
        QCOMPARE(w_->windowTitle(), "常用度量衡单位查询");
        QCOMPARE(combo("Combo1")->count(), 20);
        QCOMPARE(combo("Combo1")->itemText(19), "热当量查询");
        QCOMPARE(combo("Combo1")->currentText(), "");
        QCOMPARE(combo("Combo2")->count(), 0);
        QCOMPARE(w_->focusWidget(), test::child<QLineEdit>(w_, "Text1"));
        type("12");
        QCOMPARE(test::text(w_, "Text2"), "");
        QCOMPARE(label("Label4"), "千米（km）");
        QCOMPARE(label("Label5"), "英里（mile）");
        QVERIFY(label("Label6").startsWith("    此处收录了大部分在环评过程中有可能用到的单位换算，使用方法如下："));
    }

    void aCategoryFillsTheLinesAndTouchesNothingElse() {
        test::setText(w_, "Text1", "7");
        pick("Combo1", "长度单位查询");
        QCOMPARE(combo("Combo2")->count(), 18);
        QCOMPARE(combo("Combo2")->currentText(), "");
        QCOMPARE(combo("Combo2")->itemText(0), "1千米（km）=0.621英里（mile）");
        QCOMPARE(test::text(w_, "Text1"), "7");
        pick("Combo1", "热功单位查询");
        QCOMPARE(combo("Combo2")->count(), 14);
    }

    void everyChangeConverts() {
        choose("长度单位查询", "1千米（km）=0.621英里（mile）");
        type("1");
        QCOMPARE(test::text(w_, "Text2"), "0.621");
        type("0");
        QCOMPARE(test::text(w_, "Text2"), "6.21");
        test::setText(w_, "Text1", "-3");
        QCOMPARE(test::text(w_, "Text2"), "-1.863");
        choose("长度单位查询", "1埃=10^-10米（m）");
        QCOMPARE(test::text(w_, "Text1"), "");
        QCOMPARE(test::text(w_, "Text2"), "");
        type("123");
        QCOMPARE(test::text(w_, "Text2"), "1.23E-08");
        choose("质量单位查询", "1吨（t）=1.102短吨（sh.ton）");
        type("2.5");
        QCOMPARE(test::text(w_, "Text2"), "2.755");
    }

    void aConvertingLineSetsTheUnitLabels() {
        choose("质量单位查询", "1吨（t）=0.984长吨（long ton）");
        QCOMPARE(label("Label4"), "吨（t）");
        QCOMPARE(label("Label5"), "长吨（long ton）");
        type("3");
        QCOMPARE(test::text(w_, "Text2"), "2.952");
        choose("体积单位查询", "1万亿立方英尺（tcf）=283.17亿立方米（m^3）");
        QCOMPARE(label("Label4"), "1万亿立方英尺（tcf）");
    }

    // A text that is no number, or a product beyond a Double, clears the
    // result and says why on it, with no message box while typing.
    void aTextThatIsNoNumberClearsTheResult() {
        choose("长度单位查询", "1千米（km）=0.621英里（mile）");
        auto* result = test::child<QLineEdit>(w_, "Text2");
        type("1e30");
        QCOMPARE(result->text(), "6.21E+29");
        type("9");
        QCOMPARE(result->text(), "");
        QVERIFY2(result->toolTip().contains("要换算的数值"), qPrintable(result->toolTip()));
        test::setText(w_, "Text1", "12");
        QCOMPARE(result->text(), "7.452");
        QCOMPARE(result->toolTip(), "");
        QTest::keyClick(test::child<QLineEdit>(w_, "Text1"), Qt::Key_Backspace);
        QCOMPARE(result->text(), "0.621");
        QTest::keyClick(test::child<QLineEdit>(w_, "Text1"), Qt::Key_Backspace);
        QCOMPARE(result->text(), "");  // once with no word why
        QCOMPARE(result->placeholderText(), "无法计算");
        QVERIFY2(result->toolTip().contains("“要换算的数值”：未输入数值"), qPrintable(result->toolTip()));
        type("abc");
        QCOMPARE(result->text(), "");
        QVERIFY(!result->toolTip().isEmpty());
    }

    void theUsageNoteShowsWhole() {
        auto* note = test::child<QLabel>(w_, "Label6");
        QVERIFY(note->heightForWidth(note->width()) <= note->height());
        QVERIFY(note->geometry().bottom() < test::child<QWidget>(w_, "Frame1")->height());
    }

    void aReadingOnlyLineOrAnotherCategoryStopsTheConversion() {
        choose("质量单位查询", "1吨（t）=1000千克（kg）");
        type("2");
        QCOMPARE(test::text(w_, "Text2"), "2000");
        // A reading-only line shows no conversion beside it.
        pick("Combo2", "1千克（kg）=2.205磅（lb）");
        QCOMPARE(label("Label4"), "吨（t）");
        QCOMPARE(test::text(w_, "Text1"), "2");
        QCOMPARE(test::text(w_, "Text2"), "");
        type("5");
        QCOMPARE(test::text(w_, "Text2"), "");

        choose("质量单位查询", "1吨（t）=1000千克（kg）");
        type("3");
        pick("Combo1", "密度单位查询");
        QCOMPARE(combo("Combo2")->count(), 7);
        QCOMPARE(test::text(w_, "Text1"), "3");
        QCOMPARE(test::text(w_, "Text2"), "3000");
        // A new amount with no line chosen converts nothing, and the old
        // result goes with the amount it belonged to.
        type("1");
        QCOMPARE(test::text(w_, "Text2"), "");
        QVERIFY(!test::child<QLineEdit>(w_, "Text2")->toolTip().isEmpty());
    }
};

KORRIMET_UI_TEST_MAIN(UnitConverterWindowTest)
#include "unit_converter_window_uitest.moc"
