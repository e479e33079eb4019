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
const QString kNoData = "未有统计数据";

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

// Records each message together with what the result box shows at that moment.
class ResultSnooper : public MessageRecorder {
public:
    explicit ResultSnooper(QWidget* window) : window_(window) {}
    void show(const QString& text, QWidget* parent) override {
        MessageRecorder::show(text, parent);
        shownMeanwhile << test::text(window_, "Text6");
    }
    QStringList shownMeanwhile;

private:
    QWidget* window_;
};
}  // namespace

class IncinerationFoundryWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { test::closeAllTools(); }

    // First, while the window-level variables still hold their starting zeros.
    void aFirstPressWithoutChoicesShowsZero() {
        QWidget* incineration = test::openTool(kIncineration);
        QCOMPARE(test::text(incineration, "Text6"), " ");
        test::click(incineration, "Command2");
        QCOMPARE(test::text(incineration, "Text6"), "0");

        MessageRecorder messages;
        QWidget* foundry = test::openTool(kFoundry);
        QCOMPARE(test::text(foundry, "Text6"), " ");
        test::click(foundry, "Command2");
        QCOMPARE(test::text(foundry, "Text6"), "0");
        QVERIFY(messages.messages().isEmpty());
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

        type(w, "Combo2", "");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "54440");  // no refuse type: the previous result
        type(w, "Combo2", "城市垃圾");
        type(w, "Combo3", "二氧化硫");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "0");
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

    void foundryTheLowestRowWithAFactorWins() {
        QWidget* w = test::openTool(kFoundry);
        test::setText(w, "Text1", "100");
        type(w, "Combo1", "加融剂的工厂");
        type(w, "Combo7", "无防治措施");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "45390");
        type(w, "Combo6", "熔旧锌炉");
        type(w, "Combo12", "袋室除尘");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "18");
    }

    void foundryReportsEachRowWithoutDataBeforeWritingTheResult() {
        QWidget* w = test::openTool(kFoundry);
        test::setText(w, "Text1", "100");
        type(w, "Combo2", "电炉");
        type(w, "Combo8", "袋室除尘");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "26");

        type(w, "Combo2", "");
        type(w, "Combo1", "坩锅炉");   // no device
        type(w, "Combo6", "镀锌炉");
        type(w, "Combo12", "袋室除尘");  // no factor for this pair
        test::setText(w, "Text6", "x");
        ResultSnooper messages(w);
        test::click(w, "Command2");
        QCOMPARE(messages.messages(), QStringList({kNoData, kNoData}));
        QCOMPARE(messages.shownMeanwhile, QStringList({"x", "x"}));
        QCOMPARE(test::text(w, "Text6"), "26");
    }

    void foundryAmountThatIsNoNumberKeepsTheResultWithoutAMessage() {
        QWidget* w = test::openTool(kFoundry);
        test::setText(w, "Text1", "100");
        type(w, "Combo4", "反射炉或旧铅炉");
        type(w, "Combo10", "无防治措施");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "6985");
        test::setText(w, "Text1", "");
        type(w, "Combo4", "钵炉");
        test::click(w, "Command2");  // the unexpected-message trap would abort here
        QCOMPARE(test::text(w, "Text6"), "6985");
    }

    void clearingRefillsTheListsAndKeepsTheRest() {
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

        test::click(w, "Command2");  // nothing chosen: no message, the result as it was
        QCOMPARE(test::text(w, "Text6"), "91");
    }

    void foundryResultSurvivesClosingTheWindow() {
        QWidget* w = test::openTool(kFoundry);
        test::setText(w, "Text1", "-100");
        type(w, "Combo1", "坩锅炉");
        type(w, "Combo7", "无防治措施");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "-86");
        test::closeAllTools();
        w = test::openTool(kFoundry);
        QCOMPARE(list(w, "Combo1")->currentText(), "");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "-86");
    }
};

KORRIMET_UI_TEST_MAIN(IncinerationFoundryWindowsTest)
#include "incineration_foundry_windows_uitest.moc"
