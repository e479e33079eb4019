#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "燃煤烟尘量";
const QStringList kResults = {"Text6", "Text10", "Text14", "Text11"};
const QString kHint = " 当计算结果为0或未知时,请检查你的输入的参数,参数里是否有非数字输入或是0输入!";
}  // namespace

class CoalFiringWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    void retype(const QString& box, const QString& text) { test::retype(w_, box, text); }
    void clickBox(const QString& box) { test::clickBox(w_, box); }
    void markResults() { test::markTexts(w_, kResults); }
    QStringList results() { return test::texts(w_, kResults); }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void opensWithDefaultsAndNothingComputed() {
        QCOMPARE(w_->windowTitle(), "燃煤污染物排放量");
        QCOMPARE(w_->size(), QSize(669, 434));
        QCOMPARE(test::text(w_, "Text1"), "300");
        QCOMPARE(test::text(w_, "Text5"), "83.3");
        QCOMPARE(test::text(w_, "Text9"), "0.24");
        QCOMPARE(results(), QStringList({"", "", "", ""}));
        auto* method = test::child<QPlainTextEdit>(w_, "Text15");
        QVERIFY(method->isReadOnly());
        QVERIFY(method->toPlainText().startsWith("    按照国家环保总局"));
        QVERIFY(method->toPlainText().contains("\n衡算的规定，制定本办法。\n"));
        QVERIFY(method->toPlainText().endsWith("    η3 --燃煤中氮的转化率，%。\n"));
    }

    void clickingAResultComputesOnlyThatResult() {
        clickBox("Text14");
        QCOMPARE(results(), QStringList({"", "", "16776.", ""}));
    }

    void retypingTheCoalMassComputesAllFour() {
        retype("Text1", "300");
        QCOMPARE(results(), QStringList({"3578.57", "115.2", "16776.", "4126.18"}));
    }

    void eachInputRecomputesOnlyTheResultsThatUseIt() {
        markResults();
        retype("Text9", "1");
        QCOMPARE(results(), QStringList({"x", "480.", "x", "x"}));
        markResults();
        retype("Text8", "50");
        QCOMPARE(results(), QStringList({"x", "2400.", "x", "x"}));
        markResults();
        retype("Text12", "90");
        QCOMPARE(results(), QStringList({"x", "x", "18873.", "x"}));
        markResults();
        retype("Text13", "4");
        QCOMPARE(results(), QStringList({"x", "x", "25164.", "x"}));
        markResults();
        retype("Text7", "25");
        QCOMPARE(results(), QStringList({"x", "x", "x", "2292.43"}));
        markResults();
        for (const char* box : {"Text2", "Text3", "Text4", "Text5"}) {
            retype(box, test::text(w_, box));
            QCOMPARE(results(), QStringList({"3578.57", "x", "x", "x"}));
        }
    }

    // While the user types no box pops up: a result that cannot be computed
    // is cleared and says why in its tip; the results that can stay.
    void aFailedEntryClearsOnlyItsResultsAndSaysWhy() {
        MessageRecorder messages;
        retype("Text1", "300");
        retype("Text5", "300");  // 300 % gave a negative emission
        QCOMPARE(results(), QStringList({"", "115.2", "16776.", "4126.18"}));
        auto* soot = test::child<QLineEdit>(w_, "Text6");
        QCOMPARE(soot->placeholderText(), "无法计算");
        QCOMPARE(soot->toolTip(), "无法计算，请检查：\n“η1--除尘系统除尘效率，%”：须在0～100之间");
        retype("Text5", "83.3");
        QCOMPARE(soot->text(), "3578.57");
        QCOMPARE(soot->toolTip(), "");
        retype("Text4", "100");  // all of the soot combustible: zero divisor
        QCOMPARE(soot->text(), "");
        QVERIFY(soot->toolTip().contains("出现除数为零"));
        retype("Text4", "30");
        retype("Text9", "abc");
        QCOMPARE(results(), QStringList({"3578.57", "", "16776.", "4126.18"}));
        retype("Text1", "-300");
        QCOMPARE(results(), QStringList({"", "", "", ""}));
        QVERIFY(soot->toolTip().contains("不能为负数"));
        retype("Text1", "");
        QCOMPARE(results(), QStringList({"", "", "", ""}));
        QVERIFY(messages.messages().isEmpty());
    }

    void largeResultsKeepEveryIntegerDigit() {
        retype("Text1", "10000000");
        QCOMPARE(test::text(w_, "Text14"), "559200000.");
    }

    void typingIntoAResultChangesNothingUntilItIsClicked() {
        retype("Text1", "300");
        retype("Text10", "999");
        QCOMPARE(results(), QStringList({"3578.57", "999", "16776.", "4126.18"}));
        clickBox("Text10");
        QCOMPARE(test::text(w_, "Text10"), "115.2");
    }

    void reopeningShowsTheDefaultsAgain() {
        retype("Text1", "12");
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QCOMPARE(test::text(w_, "Text1"), "300");
        QCOMPARE(results(), QStringList({"", "", "", ""}));
    }

    void hintButtonsShowTheCheckYourInputsHint() {
        MessageRecorder messages;
        for (const char* button : {"Command9", "Command10", "Command11", "Command12"}) test::click(w_, button);
        QCOMPARE(messages.messages(), QStringList({kHint, kHint, kHint, kHint}));
        QCOMPARE(results(), QStringList({"", "", "", ""}));
    }

    void pageButtonsOpenTheirPagesOnce() {
        const QList<std::pair<QString, QString>> buttons = {
            {"Command1", "煤中灰分含量"},       {"Command2", "灰分中烟尘的含量"},
            {"Command3", "烟尘中可燃物含量"},   {"Command8", "各种除尘器的效率"},
            {"Command4", "煤的全硫分含量"},     {"Command5", "燃煤中氮NOX转化率"},
            {"Command6", "燃煤燃烧不完全值和含碳量QC"},
        };
        auto& registry = ToolRegistry::instance();
        for (const auto& [button, page] : buttons) {
            test::click(w_, button);
            QVERIFY2(registry.window(page) && registry.window(page)->isVisible(), qPrintable(page));
        }
        QWidget* carbon = registry.window("燃煤燃烧不完全值和含碳量QC");
        test::click(w_, "Command7");
        QCOMPARE(registry.window("燃煤燃烧不完全值和含碳量QC"), carbon);
        QCOMPARE(registry.openWindows().size(), 8);  // the calculator and seven pages
    }
};

KORRIMET_UI_TEST_MAIN(CoalFiringWindowTest)
#include "coal_firing_window_uitest.moc"
