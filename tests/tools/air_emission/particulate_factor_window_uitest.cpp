#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QTest>
#include <algorithm>

#include "air_ui_support.h"

using namespace korrimet;

namespace {
const QString kFeed = "饲料及粮食加工";
const QString kCotton = "棉花轧花机粉尘排放量";
const QString kGlassRaw = "玻璃原料制造设备颗粒物排放量";
const QString kGlassMelting = "玻璃制造颗粒物排放量";
const QString kLimeDust = "石灰窑粉尘量计算";

void pick(QWidget* w, const QString& item) {
    auto* c = test::child<QComboBox>(w, "Combo1");
    const int i = c->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    c->setCurrentIndex(i);
    emit c->activated(i);
}

QString press(QWidget* w) {
    test::click(w, "Command2");
    return test::text(w, "Text6");
}
}  // namespace

class ParticulateFactorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { test::closeAllTools(); }

    void everyWindowOpensWithItsDefaultsAndComputesNothing() {
        struct Form {
            QString cls, caption, heading, amountLabel;
        };
        const Form forms[] = {
            {kFeed, "饲料及粮食加工颗粒物排放量的计算", "饲料及粮食加工颗粒物排放量的计算", "请输入加工量（T）："},
            {kCotton, "棉花轧花机粉尘排放量", "棉花轧花机的粉尘排放量的计算", "请输入加工量（T）："},
            {kGlassRaw, "玻璃原料制造设备颗粒物排放量", "玻璃原料制造设备颗粒物排放量的计算",
             "请输入装入料的用量（T）："},
            {kGlassMelting, "玻璃制造颗粒物排放量", "玻璃制造设备颗粒物排放量的计算", "请输入玻璃产量（T）："},
            {kLimeDust, "石灰窑粉尘量计算", "石灰窑粉尘排放量的计算", "请输入产量（T）："},
        };
        for (const Form& f : forms) {
            QWidget* w = test::openTool(f.cls);
            QCOMPARE(w->windowTitle(), f.caption);
            QCOMPARE(test::child<QLabel>(w, "Label1")->text(), f.heading);
            QCOMPARE(test::text(w, "Text2"), "100");
            QCOMPARE(test::text(w, "Text6"), " ");
            const auto labels = w->findChildren<QLabel*>();
            QVERIFY2(std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == f.amountLabel; }),
                     qPrintable(f.cls));
            QVERIFY(test::child<QWidget>(w, "Text7")->property("plainText").toString().startsWith("计算依据：《环境保护"));
        }
        QCOMPARE(test::text(test::openTool(kLimeDust), "Text1"), "10");
    }

    void feedMillingByEquipment() {
        QWidget* w = test::openTool(kFeed);
        auto* c = test::child<QComboBox>(w, "Combo1");
        QVERIFY(!c->isEditable());
        QCOMPARE(c->currentText(), "");
        QCOMPARE(c->count(), 4);
        QCOMPARE(test::refusal(w, "Command2", {"Text6"}), "无法计算，请检查：\n请选择粮食加工类型");  // once "0"
        const std::pair<const char*, const char*> cases[] = {
            {"小麦风选器（除壳）", "9.1"}, {"草饲料的磨粉机", "181"}, {"大麦磨粉机", "141"}, {"秸杆粉干燥器", "513"}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(c->itemText(i), QString::fromUtf8(cases[i].first));
            pick(w, cases[i].first);
            QCOMPARE(press(w), cases[i].second);
        }
        test::setText(w, "Text2", "abc");  // once the previous 513 again
        QCOMPARE(test::refusal(w, "Command2", {"Text6"}), "无法计算，请检查：\n“请输入加工量（T）”：不是有效的数值");
    }

    void singleFactorWindows() {
        // 2.34 % of 100 t is 2.34 t, that is 2340 kg beside "（kg）" (it showed 2.34).
        QWidget* cotton = test::openTool(kCotton);
        QCOMPARE(press(cotton), "2340");
        test::setText(cotton, "Text2", "1000");
        QCOMPARE(press(cotton), "23400");
        QCOMPARE(press(test::openTool(kGlassRaw)), "748");
        QCOMPARE(press(test::openTool(kGlassMelting)), "91");
    }

    void limeKilnDustByKilnType() {
        QWidget* w = test::openTool(kLimeDust);
        QCOMPARE(test::child<QComboBox>(w, "Combo1")->count(), 2);
        QVERIFY(test::refusal(w, "Command2", {"Text6"}).endsWith("请选择石灰窑的类型"));
        pick(w, "回转窑");
        QCOMPARE(press(w), "10");
        pick(w, "竖型窑");
        test::setText(w, "Text1", "");
        QCOMPARE(press(w), "1");  // a fixed 1 %
        pick(w, "回转窑");  // the share is no number: once the previous result
        QVERIFY(test::refusal(w, "Command2", {"Text6"}).contains("“请输入不同窑型排放系数”：未输入数值"));
        test::setText(w, "Text1", "150");
        QVERIFY(test::refusal(w, "Command2", {"Text6"}).contains("须在0～100之间"));
    }

    void aNegativeAmountIsRefusedAndAReopenedWindowShowsNothingOld() {
        QWidget* cotton = test::openTool(kCotton);
        test::setText(cotton, "Text2", "-100");  // once -2.34
        QVERIFY(test::refusal(cotton, "Command2", {"Text6"}).contains("“请输入加工量（T）”：不能为负数"));
        test::setText(cotton, "Text2", "100");
        QCOMPARE(press(cotton), "2340");
        test::closeAllTools();
        cotton = test::openTool(kCotton);
        test::setText(cotton, "Text2", "abc");
        QVERIFY(test::refusal(cotton, "Command2", {"Text6"}).contains("不是有效的数值"));
    }

    void feedMillingHelpHoldsItsTable() {
        QWidget* w = test::openTool(kFeed);
        const QList<QStringList> table = test::tableRows(test::child<QTextBrowser>(w, "Text7")->document());
        QCOMPARE(table.size(), 4);
        QCOMPARE(table[0], QStringList({"小麦风选器", "分尘器", "0.091"}));
        QCOMPARE(table[3], QStringList({"秸杆干燥器", "分尘器", "5.13"}));
    }
};

KORRIMET_UI_TEST_MAIN(ParticulateFactorWindowTest)
#include "particulate_factor_window_uitest.moc"
