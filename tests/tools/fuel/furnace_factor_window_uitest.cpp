#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kBoiler = "锅炉氮氧化物及其它污染物产排量";
const QString kTeaBoiler = "茶炉污染物产排放量计算";
const QString kStove = "大灶污染物产排量计算";
const QStringList kBoilerResults = {"Text7", "Text8", "Text9", "Text10"};  // CO, CO2, HC, NOx
const QStringList kStoveResults = {"Text3", "Text7", "Text8", "Text9", "Text10"};  // soot, CO, SO2, HC, NOx
}  // namespace

// Each window's amounts outlive it, so the cases of a window run in order,
// from a window instance that has never computed.
class FurnaceFactorWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;
    QStringList results_;

    void open(const QString& cls, const QStringList& results) {
        w_ = test::openTool(cls);
        results_ = results;
    }
    QStringList compute(const QString& item, const QString& coal) {
        test::setComboText(w_, "Combo1", item);
        test::setText(w_, "Text2", coal);
        test::click(w_, "Command1");
        QStringList texts;
        for (const QString& r : results_) texts << test::text(w_, r);
        return texts;
    }

private slots:
    void cleanup() { test::closeAllTools(); }

    void boilerOpensWithItsFurnaceTypesAndNothingChosen() {
        open(kBoiler, kBoilerResults);
        QCOMPARE(w_->windowTitle(), kBoiler);
        auto* combo = test::child<QComboBox>(w_, "Combo1");
        QCOMPARE(combo->count(), 5);
        QCOMPARE(combo->itemText(0), "<=5t/h层燃");
        QCOMPARE(combo->itemText(1), ">=10t/h层然");
        QCOMPARE(combo->itemText(4), "煤粉炉");
        QCOMPARE(combo->currentText(), "");
        QCOMPARE(test::text(w_, "Text2"), "100");
        QCOMPARE(test::text(w_, "Text7"), "");
        MessageRecorder messages;
        QCOMPARE(compute("", "100"), QStringList({"", "", "", ""}));  // nothing chosen
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“请选择炉型”：请从列表中选择"});
    }

    void boilerFactorsByFurnaceType() {
        open(kBoiler, kBoilerResults);
        QCOMPARE(compute("<=5t/h层燃", "100"), QStringList({"263", "213000", "18", "481"}));
        QCOMPARE(compute(">=10t/h层然", "100"), QStringList({"78", "240000", "13", "853"}));
        QCOMPARE(compute("抛煤机炉", "10"), QStringList({"11.3", "20000", "0.9", "55.8"}));
    }

    // The amounts outlive the window, but a failed press shows none of them.
    void boilerABadMassAfterAGoodPressLeavesNoOldResult() {
        open(kBoiler, kBoilerResults);
        MessageRecorder messages;
        QCOMPARE(compute("循环流化床", "100"), QStringList({"207", "208000", "8", "577"}));
        for (const char* bad : {"25O", "250t", "", "-1"}) {
            QCOMPARE(compute("循环流化床", bad), QStringList({"", "", "", ""}));
            QCOMPARE(messages.messages().size(), 1);
            QVERIFY2(messages.messages().first().contains("“请输入燃煤量（T）”"), bad);
            messages.clear();
        }
        test::closeAllTools();
        open(kBoiler, kBoilerResults);
        QCOMPARE(test::text(w_, "Text2"), "100");
        QCOMPARE(test::text(w_, "Text8"), "");
        QCOMPARE(compute(">=10t/h层燃", "100"), QStringList({"", "", "", ""}));  // 层燃 is not the item
        QCOMPARE(messages.messages().size(), 1);
    }

    void teaBoilerFactorsByCoalKind() {
        open(kTeaBoiler, kStoveResults);
        QCOMPARE(test::child<QComboBox>(w_, "Combo1")->count(), 2);
        QCOMPARE(compute("原　　煤", "100"), QStringList({"205", "1011", "1049", "60", "399"}));
        QCOMPARE(compute("型　　煤", "100"), QStringList({"65", "453", "742", "26", "182"}));
    }

    void teaBoilerMatchesItemsExactly() {
        open(kTeaBoiler, kStoveResults);
        MessageRecorder messages;
        QCOMPARE(compute("原煤", "100"), QStringList({"", "", "", "", ""}));
        QCOMPARE(compute("原  煤", "100"), QStringList({"", "", "", "", ""}));
        QCOMPARE(messages.messages().size(), 2);
    }

    void stoveKeepsItsOwnAmounts() {
        open(kStove, kStoveResults);
        auto* combo = test::child<QComboBox>(w_, "Combo1");
        QCOMPARE(combo->count(), 1);
        QCOMPARE(combo->itemText(0), "型　　煤");
        QCOMPARE(compute("型　　煤", "2.5"), QStringList({"1.75", "25.05", "17.725", "0.75", "3.625"}));
    }
};

KORRIMET_UI_TEST_MAIN(FurnaceFactorWindowTest)
#include "furnace_factor_window_uitest.moc"
