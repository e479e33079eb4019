#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kOil = "燃油排放污染物";
const QString kGas = "燃气污染物排放量的计算1";
const QStringList kOilResults = {"Text10", "Text11", "Text14"};  // SO2, NOx, CO
const QStringList kGasResults = {"Text6", "Text3"};               // SO2, CO
const QString kOilHint = "当计算结果为0或未知时,请检查你的输入,是不是有0或是未知数据!";
}  // namespace

// The oil- and gas-firing calculators: live recomputation of each result
// from the current texts of the boxes its formula uses.
class BalanceWindowsTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;
    QStringList results_;

    void open(const QString& cls, const QStringList& results) {
        w_ = test::openTool(cls);
        results_ = results;
    }
    void retype(const QString& box, const QString& text) { test::retype(w_, box, text); }
    void clickBox(const QString& box) { test::clickBox(w_, box); }
    void markResults() { test::markTexts(w_, results_); }
    QStringList results() { return test::texts(w_, results_); }
    QString method() { return test::child<QPlainTextEdit>(w_, "Text15")->toPlainText(); }

private slots:
    void cleanup() { test::closeAllTools(); }

    void oilOpensWithDefaultsAndNothingComputed() {
        open(kOil, kOilResults);
        QCOMPARE(w_->windowTitle(), "燃油二氧化硫氮氧化物一氧化碳排放量计算");
        QCOMPARE(w_->size(), QSize(664, 361));
        QCOMPARE(test::text(w_, "Text1"), "600");
        QCOMPARE(test::text(w_, "Text8"), "0");
        QCOMPARE(test::text(w_, "Text2"), "0.14");
        QCOMPARE(results(), QStringList({"", "", ""}));
        QVERIFY(test::child<QPlainTextEdit>(w_, "Text15")->isReadOnly());
        QVERIFY(method().startsWith("    按照国家环保总局"));
        QVERIFY(method().contains("\n衡算的规定，制定本办法。\n    二、燃油污染物排放量\n\n"));
        QVERIFY(method().contains("\n    GNOX=1630×B×（N×η2+0.000938）\n"));
        QVERIFY(method().endsWith("    η2--燃油中氮的转化率，%。\n"));
    }

    void oilClickingAResultComputesOnlyThatResult() {
        open(kOil, kOilResults);
        clickBox("Text11");
        QCOMPARE(results(), QStringList({"", "1465.04", ""}));
        clickBox("Text10");
        clickBox("Text14");
        QCOMPARE(results(), QStringList({"2880.", "1465.04", "25164."}));
    }

    void oilRetypingTheMassComputesAllThree() {
        open(kOil, kOilResults);
        retype("Text1", "600");
        QCOMPARE(results(), QStringList({"2880.", "1465.04", "25164."}));
        retype("Text1", "0.1");
        QCOMPARE(results(), QStringList({".48", ".24", "4.19"}));
        retype("Text1", "");
        QCOMPARE(results(), QStringList({"", "", ""}));
    }

    void oilSulphurAndNitrogenRecomputeTheirOwnResult() {
        open(kOil, kOilResults);
        markResults();
        retype("Text2", "0");
        QCOMPARE(results(), QStringList({"x", "917.36", "x"}));
        markResults();
        retype("Text8", "90");
        QCOMPARE(results(), QStringList({"288.", "x", "x"}));
        markResults();
        retype("Text9", "abc");
        QCOMPARE(results(), QStringList({"", "x", "x"}));
        QCOMPARE(test::child<QLineEdit>(w_, "Text10")->toolTip(),
                 "无法计算，请检查：\n“S --燃油全硫分含量，%”：不是有效的数值");
    }

    void oilFixedDataBoxesRecomputeNothingButEnterTheNextRun() {
        open(kOil, kOilResults);
        markResults();
        retype("Text7", "50");
        retype("Text12", "80");
        retype("Text13", "3");
        QCOMPARE(results(), QStringList({"x", "x", "x"}));
        clickBox("Text11");
        QCOMPARE(test::text(w_, "Text11"), "1601.96");
        clickBox("Text14");
        QCOMPARE(test::text(w_, "Text14"), "33552.");
    }

    void oilButtonsShowHintsOrOpenPages() {
        open(kOil, kOilResults);
        MessageRecorder messages;
        for (const char* button : {"Command5", "Command6", "Command7", "Command10", "Command11", "Command12"})
            test::click(w_, button);
        QCOMPARE(messages.messages(),
                 QStringList({"目前只有燃油锅炉数据,NOX转化率为40%,此项不可更改!",
                              "目前只有重油的含碳量,数据为90%,不要更改!",
                              "目前只有重油的燃烧不完全值,数据为2%,不要更改!", kOilHint, kOilHint, kOilHint}));
        QCOMPARE(test::text(w_, "Text7"), "40");  // the hint neither locks nor restores the box
        test::click(w_, "Command1");
        test::click(w_, "Command2");
        auto& registry = ToolRegistry::instance();
        QVERIFY(registry.window("燃油全硫分含量") && registry.window("燃油全硫分含量")->isVisible());
        QVERIFY(registry.window("燃油中含氮量") && registry.window("燃油中含氮量")->isVisible());
        QCOMPARE(results(), QStringList({"", "", ""}));
    }

    void gasOpensWithDefaultsAndNothingComputed() {
        open(kGas, kGasResults);
        QCOMPARE(w_->windowTitle(), "燃气污染物排放量的计算");
        QCOMPARE(w_->size(), QSize(679, 345));
        QCOMPARE(test::child<QLabel>(w_, "燃气污染物排放量的计算")->text(), "燃气污染物排放量的计算");
        QCOMPARE(test::text(w_, "Text4"), "95");
        QCOMPARE(test::text(w_, "Text5"), "0");
        QCOMPARE(results(), QStringList({"", ""}));
        QVERIFY(method().contains("\n衡算的规定，制定本办法。\n    \n    三、燃气污染物排放量\n"));
        QVERIFY(method().contains("\n    2、CO排放量\n    GCO=1.25×V×Q×(VCO+VCH4+13VCmHn)\n"));
        QVERIFY(method().endsWith("    VCmHn--燃气中其他烷烃类体积含量，%。\n"));
    }

    void gasClickingAResultComputesIt() {
        open(kGas, kGasResults);
        clickBox("Text6");
        QCOMPARE(results(), QStringList({".43", ""}));
        clickBox("Text3");
        QCOMPARE(results(), QStringList({".43", "7.5"}));
    }

    void gasEachInputRecomputesTheResultsThatUseIt() {
        open(kGas, kGasResults);
        retype("Text1", "1000");
        QCOMPARE(results(), QStringList({"1.43", "25."}));
        retype("Text1", "300");
        markResults();
        retype("Text5", "10");
        QCOMPARE(results(), QStringList({"x", "17.25"}));
        markResults();
        retype("Text2", "0");  // a zero result reads "0", never a lone point
        QCOMPARE(results(), QStringList({"0", "x"}));
        retype("Text9", "0");
        QCOMPARE(results(), QStringList({"0", "0"}));
        retype("Text9", "2");
        for (const char* share : {"Text8", "Text4", "Text5"}) retype(share, "0");
        QCOMPARE(test::text(w_, "Text3"), "0");
        retype("Text8", "");
        QCOMPARE(test::text(w_, "Text3"), "");
        retype("Text8", "120");  // a volume share above 100 %
        QCOMPARE(test::text(w_, "Text3"), "");
    }

    void gasResultButtonsDoNothing() {
        open(kGas, kGasResults);
        MessageRecorder messages;
        test::click(w_, "Command6");
        test::click(w_, "Command9");
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(ToolRegistry::instance().openWindows().size(), 1);
        QCOMPARE(results(), QStringList({"", ""}));
    }

    void gasComponentButtonsShareOnePage() {
        open(kGas, kGasResults);
        auto& registry = ToolRegistry::instance();
        test::click(w_, "Command1");
        test::click(w_, "Command4");
        QVERIFY(registry.window("燃气中H2S的含量") && registry.window("燃气中H2S的含量")->isVisible());
        QVERIFY(registry.window("燃气燃烧不完全值表") && registry.window("燃气燃烧不完全值表")->isVisible());
        test::click(w_, "Command2");
        QWidget* components = registry.window("燃气中主要物质体积含量");
        QVERIFY(components && components->isVisible());
        test::click(w_, "Command3");
        test::click(w_, "Command5");
        QCOMPARE(registry.window("燃气中主要物质体积含量"), components);
        QCOMPARE(registry.openWindows().size(), 4);  // the calculator and three pages
    }
};

KORRIMET_UI_TEST_MAIN(BalanceWindowsTest)
#include "balance_windows_uitest.moc"
