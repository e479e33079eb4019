#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "air_ui_support.h"

using namespace korrimet;

namespace {
const QString kIncineration = "焚烧垃圾烟尘排放量";
const QString kFoundry = "铸造工业颗粒物排放量";

QComboBox* list(QWidget* w, const QString& name) { return test::child<QComboBox>(w, name); }

QStringList items(QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}

// A pick from the list, as the user makes it.
void pick(QWidget* w, const QString& name, const QString& item) {
    QComboBox* c = list(w, name);
    const int i = c->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    c->setCurrentIndex(i);
    emit c->activated(i);
}

// Text typed into an editable list.
void type(QWidget* w, const QString& name, const QString& text) { list(w, name)->setEditText(text); }

}  // namespace

class IncinerationFoundryWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { test::closeAllTools(); }

    void aPressWithoutChoicesSaysWhatIsMissing() {
        QWidget* incineration = test::openTool(kIncineration);
        QCOMPARE(test::text(incineration, "Text6"), " ");
        QCOMPARE(test::refusal(incineration, "Command2", {"Text6"}), "无法计算，请检查：\n请选择焚烧方式");

        QWidget* foundry = test::openTool(kFoundry);
        QCOMPARE(test::text(foundry, "Text6"), " ");
        QCOMPARE(test::refusal(foundry, "Command2", {"Text6"}), "无法计算，请检查：\n未选择任何炉型");
    }

    void incinerationOpensWithItsListsAndDefaults() {
        QWidget* w = test::openTool(kIncineration);
        QCOMPARE(items(list(w, "Combo4")), QStringList({"焚烧炉焚烧", "露天焚烧"}));
        QCOMPARE(items(list(w, "Combo1")),
                 QStringList({"城市系统多室炉", "商业系统多室炉", "商业系统单室炉", "投入式焚烧炉", "家用焚烧炉"}));
        QCOMPARE(items(list(w, "Combo2")), QStringList({"城市垃圾", "农业垃圾"}));
        QCOMPARE(items(list(w, "Combo3")), QStringList({"烟尘", "甲醛", "一氧化碳", "碳氢化合物（乙烷）",
                                                        "氮氧化物（NO）", "有机酸（醋酸）"}));
        for (const char* name : {"Combo1", "Combo2", "Combo3", "Combo4"}) QCOMPARE(list(w, name)->currentText(), "");
        QVERIFY(!list(w, "Combo4")->isEditable() && !list(w, "Combo1")->isEditable());
        QVERIFY(list(w, "Combo2")->isEditable() && list(w, "Combo3")->isEditable());
        QCOMPARE(test::text(w, "Text1"), "90");
        QCOMPARE(test::text(w, "Text2"), "2000");
        QCOMPARE(test::child<QLabel>(w, "Label2(2)")->text(), "请输入污染物的处理效率（%）：");
        QVERIFY(test::child<QPlainTextEdit>(w, "Text7")->toPlainText().endsWith("请核对你的选择及输入数据！\n"));
    }

    void openBurningHidesTheIncineratorInputs() {
        QWidget* w = test::openTool(kIncineration);
        const QStringList hidden{"Combo1", "Label2(3)", "Label2(2)", "Text1"};
        for (const QString& name : hidden) QVERIFY(test::child<QWidget>(w, name)->isVisible());
        test::setText(w, "Text1", "75");
        pick(w, "Combo4", "露天焚烧");
        for (const QString& name : hidden) QVERIFY2(!test::child<QWidget>(w, name)->isVisible(), qPrintable(name));
        for (const char* name : {"Combo2", "Combo3", "Label2(0)", "Label2(1)"})
            QVERIFY(test::child<QWidget>(w, name)->isVisible());
        pick(w, "Combo4", "焚烧炉焚烧");
        for (const QString& name : hidden) QVERIFY(test::child<QWidget>(w, name)->isVisible());
        QCOMPARE(test::text(w, "Text1"), "75");
    }

    void incinerationComputesByTheChosenMode() {
        QWidget* w = test::openTool(kIncineration);
        pick(w, "Combo4", "焚烧炉焚烧");
        pick(w, "Combo1", "投入式焚烧炉");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "2540");

        pick(w, "Combo4", "露天焚烧");
        pick(w, "Combo2", "农业垃圾");
        type(w, "Combo3", "一氧化碳");  // typed, not picked
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "54440");

        // A missing choice once showed the previous result (or "0"), an efficiency of 300 % a negative soot.
        type(w, "Combo2", "");
        QVERIFY(test::refusal(w, "Command2", {"Text6"}).endsWith("请选择焚烧垃圾种类"));
        type(w, "Combo2", "城市垃圾");
        type(w, "Combo3", "二氧化硫");
        QVERIFY(test::refusal(w, "Command2", {"Text6"}).endsWith("请选择排放污染物种类"));
        pick(w, "Combo4", "焚烧炉焚烧");
        test::setText(w, "Text1", "300");
        QVERIFY(test::refusal(w, "Command2", {"Text6"}).contains("“请输入污染物的处理效率（%）”：须在0～100之间"));
    }

    void foundryOpensWithItsSixIndustries() {
        QWidget* w = test::openTool(kFoundry);
        QCOMPARE(test::child<QLabel>(w, "Label4")->text(), "铝件铸造业：");
        QCOMPARE(test::child<QLabel>(w, "Label9")->text(), "锌加工业：");
        QCOMPARE(items(list(w, "Combo1")), QStringList({"加融剂的工厂", "坩锅炉", "反射炉", "废铝处理炉"}));
        QCOMPARE(items(list(w, "Combo5")), QStringList({"弧型炉", "感应炉", "平炉"}));
        QCOMPARE(items(list(w, "Combo9")), QStringList({"无防治措施", "湿盖除尘", "冲击式洗涤机", "高能量洗涤机",
                                                        "电集除尘器", "袋室除尘", "反射炉", "感应电炉"}));
        QCOMPARE(items(list(w, "Combo11")), QStringList({"无防治措施", "袋室除尘", "电吸尘器"}));
        for (int i = 1; i <= 12; ++i) {
            QComboBox* c = list(w, QString("Combo%1").arg(i));
            QVERIFY(c->isEditable());
            QCOMPARE(c->currentText(), "");
        }
        QCOMPARE(test::text(w, "Text1"), "");
    }

    void foundryShowsEveryRowAndTheirSum() {
        QWidget* w = test::openTool(kFoundry);
        test::setText(w, "Text1", "100");
        type(w, "Combo1", "加融剂的工厂");
        type(w, "Combo7", "无防治措施");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "45390");
        QCOMPARE(test::text(w, "Text11"), "45390");
        // The lowest row once overwrote the others: 18 alone. 453.9 × 100 + 0.18 × 100 = 45408 kg.
        type(w, "Combo6", "熔旧锌炉");
        type(w, "Combo12", "袋室除尘");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text11"), "45390");
        QCOMPARE(test::text(w, "Text16"), "18");
        QCOMPARE(test::text(w, "Text6"), "45408");
        QCOMPARE(test::child<QLabel>(w, "Label16")->text(), "（铝件铸造业＋锌加工业之和）");
        for (const char* idle : {"Text12", "Text13", "Text14", "Text15"}) QCOMPARE(test::text(w, idle), "");
    }

    void foundryRowsWithoutDataAreNamedInOneMessageAndLeaveNoTotal() {
        QWidget* w = test::openTool(kFoundry);
        test::setText(w, "Text1", "100");
        type(w, "Combo2", "电炉");
        type(w, "Combo8", "袋室除尘");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "26");

        type(w, "Combo1", "坩锅炉");     // no device
        type(w, "Combo6", "镀锌炉");
        type(w, "Combo12", "袋室除尘");  // no factor for this pair
        QCOMPARE(test::refusal(w, "Command2", {"Text6", "Text11", "Text16"}),
                 "无法计算，请检查：\n“铝件铸造业”：坩锅炉与（未选处理设施）未有统计数据"
                 "\n“锌加工业”：镀锌炉与袋室除尘未有统计数据");
        QCOMPARE(test::text(w, "Text12"), "26");  // the row with data still shows its own
        QCOMPARE(test::child<QLabel>(w, "Label16")->text(), "");
    }

    void foundryAmountIsNamedWhenNoNumberOrNegative() {
        QWidget* w = test::openTool(kFoundry);
        test::setText(w, "Text1", "100");
        type(w, "Combo4", "反射炉或旧铅炉");
        type(w, "Combo10", "无防治措施");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "6985");
        test::setText(w, "Text1", "");
        QVERIFY(test::refusal(w, "Command2", {"Text6", "Text14"}).contains("“请输入原料（产品）量（T）”：未输入数值"));
        test::setText(w, "Text1", "-100");  // once -86 with no word
        QVERIFY(test::refusal(w, "Command2", {"Text6", "Text14"}).contains("不能为负数"));
    }

    void clearingRefillsTheListsAndEmptiesTheResults() {
        QWidget* w = test::openTool(kFoundry);
        test::setText(w, "Text1", "100");
        type(w, "Combo3", "通用");
        pick(w, "Combo9", "反射炉");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "91");
        type(w, "Combo5", "平炉");
        list(w, "Combo5")->addItem("平炉");  // a stray item goes with the clearing

        test::click(w, "Command3");
        for (int i = 1; i <= 12; ++i) {
            QComboBox* c = list(w, QString("Combo%1").arg(i));
            QCOMPARE(c->currentText(), "");
            QCOMPARE(c->currentIndex(), -1);
        }
        QCOMPARE(items(list(w, "Combo5")), QStringList({"弧型炉", "感应炉", "平炉"}));
        QCOMPARE(list(w, "Combo9")->count(), 8);
        QCOMPARE(test::text(w, "Text1"), "100");
        // The 91 came from choices no longer shown.
        QCOMPARE(test::text(w, "Text6").trimmed(), "");
        QCOMPARE(test::text(w, "Text13"), "");
        QCOMPARE(test::child<QLabel>(w, "Label16")->text(), "");

        QVERIFY(test::refusal(w, "Command2", {"Text6"}).endsWith("未选择任何炉型"));
    }

};

KORRIMET_UI_TEST_MAIN(IncinerationFoundryWindowsTest)
#include "incineration_foundry_windows_uitest.moc"
