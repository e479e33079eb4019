#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "锅炉煤灰渣产生量计算1";
const QStringList kInputs = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text11"};
const QStringList kResults = {"Text6", "Text8", "Text13"};  // slag, fly ash, both
const QStringList kDefaultResults = {"72727", "19285", "92012"};
}  // namespace

class BoilerAshWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    void retype(const QString& box, const QString& text) { test::retype(w_, box, text); }
    void clickBox(const QString& box) { test::clickBox(w_, box); }
    void markResults() { test::markTexts(w_, kResults); }
    QStringList results() { return test::texts(w_, kResults); }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void opensWithDefaultsAndEmptyResults() {
        QCOMPARE(w_->windowTitle(), "锅炉煤灰渣产生量计算");
        QStringList defaults;
        for (const QString& b : kInputs) defaults << test::text(w_, b);
        QCOMPARE(defaults, QStringList({"300", "25", "20", "30", "90", "17.5"}));
        QCOMPARE(results(), QStringList({"", "", ""}));
        QCOMPARE(test::child<QLineEdit>(w_, "Text1")->palette().color(QPalette::Text), QColor(0, 128, 0));
        QCOMPARE(test::child<QLineEdit>(w_, "Text13")->palette().color(QPalette::Text), QColor(255, 0, 0));
        const QString note = test::child<QPlainTextEdit>(w_, "Text7")->toPlainText();
        QVERIFY(note.startsWith("    \n《八五环境统计手册》P168燃煤煤渣、\n灰渣产生量的计算！ \n"));
        QVERIFY(note.endsWith("来源于烟尘的中被除尘器处理后形成粉煤灰！\n    \n"));
        for (const char* b : {"Command1", "Command2", "Command3"})
            QCOMPARE(test::child<QPushButton>(w_, b)->text(), "......");
    }

    void everyInputRewritesAllThreeResults() {
        for (const QString& b : kInputs) {
            markResults();
            retype(b, test::text(w_, b));
            QVERIFY2(results() == kDefaultResults, qPrintable(b));
        }
        retype("Text1", "1,000");  // digit groups of the Chinese locale
        QCOMPARE(results(), QStringList({"242424", "64285", "306709"}));
    }

    void clickingAResultRewritesOnlyThatResult() {
        clickBox("Text8");
        QCOMPARE(results(), QStringList({"", "19285", ""}));
        clickBox("Text13");
        QCOMPARE(results(), QStringList({"", "19285", "92012"}));
        clickBox("Text6");
        QCOMPARE(results(), kDefaultResults);
    }

    void typingIntoAResultTriggersNothingUntilTheNextRun() {
        retype("Text1", "300");
        retype("Text6", "5");
        QCOMPARE(results(), QStringList({"5", "19285", "92012"}));
        clickBox("Text6");
        QCOMPARE(test::text(w_, "Text6"), "72727");
        retype("Text13", "7");
        retype("Text2", "25");
        QCOMPARE(results(), kDefaultResults);
    }

    // Live: no message box; an amount that cannot be computed is cleared and
    // says why, and so is the total, while the other amount stays.
    void aFailedAmountLeavesNoOldValue() {
        MessageRecorder messages;
        retype("Text1", "300");
        retype("Text11", "100");  // zero divisor
        QCOMPARE(results(), QStringList({"", "19285", ""}));
        QVERIFY(test::child<QLineEdit>(w_, "Text6")->toolTip().contains("出现除数为零"));
        retype("Text11", "117.5");  // gave a negative slag
        QCOMPARE(results(), QStringList({"", "", ""}));
        QCOMPARE(test::child<QLineEdit>(w_, "Text13")->toolTip(),
                 "无法计算，请检查：\n“炉渣中可燃物百分含量Ciz(%)”：须在0～100之间");
        retype("Text11", "17.5");
        retype("Text4", "abc");
        QCOMPARE(results(), QStringList({"", "", ""}));
        retype("Text4", "30");
        QCOMPARE(results(), kDefaultResults);
        QCOMPARE(test::child<QLineEdit>(w_, "Text13")->placeholderText(), "");
        retype("Text1", "");
        QCOMPARE(results(), QStringList({"", "", ""}));
        QVERIFY(messages.messages().isEmpty());
    }

    void hugeAmountsUseENotationAndAnOverflowIsNoResult() {
        retype("Text1", "30000000000000");
        QCOMPARE(test::text(w_, "Text6"), "7.27272727272727E+15");
        retype("Text2", "1");
        retype("Text3", "99");
        retype("Text11", "99.9");
        // Slag of 1.7e307 t: its kilograms overflow; the fly ash's product
        // overflows in its own statement.
        test::setText(w_, "Text1", "1.7e308");
        QCOMPARE(results(), QStringList({"", "", ""}));
        test::setText(w_, "Text1", "300");
        QCOMPARE(results(), QStringList({"30000", "3818", "33818"}));
    }

    // 300 t × 13 % × 83 % / 100 = 32.37 t exactly in decimals; as a double
    // ×1000 it is 32369.999…, which a bare cut turned into 32369.
    void anExactAmountIsNotCutBelowItself() {
        retype("Text2", "13");
        retype("Text3", "17");
        retype("Text11", "0");
        QCOMPARE(test::text(w_, "Text6"), "32370");
    }

    void theHelpButtonShowsTheSlagHint() {
        MessageRecorder messages;
        test::click(w_, "Command1");
        QCOMPARE(messages.messages(),
                 QStringList({"炉渣中的可燃物百分含量，在无热工测试资料的情况下，一般Ciz的取值范围为10-25%，"
                              "煤粉炉可取0-5%！"}));
        QCOMPARE(results(), QStringList({"", "", ""}));
    }

    void pageButtonsOpenTheirPages() {
        auto& registry = ToolRegistry::instance();
        test::click(w_, "Command2");
        QWidget* share = registry.window("燃煤DTH");
        QVERIFY(share && share->isVisible());
        QCOMPARE(share->windowTitle(), "燃煤烟气中烟尘占灰分含量的百分数查询");
        test::click(w_, "Command3");
        QWidget* combustibles = registry.window("燃煤可燃物");
        QVERIFY(combustibles && combustibles->isVisible());
        test::click(w_, "Command2");
        QCOMPARE(registry.window("燃煤DTH"), share);
        QCOMPARE(registry.openWindows().size(), 3);
    }

    void reopeningShowsTheDefaultsAgain() {
        retype("Text1", "12");
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QCOMPARE(test::text(w_, "Text1"), "300");
        QCOMPARE(results(), QStringList({"", "", ""}));
    }
};

KORRIMET_UI_TEST_MAIN(BoilerAshWindowTest)
#include "boiler_ash_window_uitest.moc"
