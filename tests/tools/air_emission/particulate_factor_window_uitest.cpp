#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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
            QVERIFY(test::child<QPlainTextEdit>(w, "Text7")->toPlainText().startsWith("计算依据：《环境保护"));
        }
        QCOMPARE(test::text(test::openTool(kLimeDust), "Text1"), "10");
    }

    void feedMillingByEquipment() {
        QWidget* w = test::openTool(kFeed);
        auto* c = test::child<QComboBox>(w, "Combo1");
        QVERIFY(!c->isEditable());
        QCOMPARE(c->currentText(), "");
        QCOMPARE(c->count(), 4);
        QCOMPARE(press(w), "0");  // nothing picked
        const std::pair<const char*, const char*> cases[] = {
            {"小麦风选器（除壳）", "9.1"}, {"草饲料的磨粉机", "181"}, {"大麦磨粉机", "141"}, {"秸杆粉干燥器", "513"}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(c->itemText(i), QString::fromUtf8(cases[i].first));
            pick(w, cases[i].first);
            QCOMPARE(press(w), cases[i].second);
        }
        test::setText(w, "Text2", "abc");
        QCOMPARE(press(w), "513");
    }

    void singleFactorWindows() {
        QWidget* cotton = test::openTool(kCotton);
        QCOMPARE(press(cotton), "2.34");
        test::setText(cotton, "Text2", "1000");
        QCOMPARE(press(cotton), "23.4");
        QCOMPARE(press(test::openTool(kGlassRaw)), "748");
        QCOMPARE(press(test::openTool(kGlassMelting)), "91");
    }

    void limeKilnDustByKilnType() {
        QWidget* w = test::openTool(kLimeDust);
        QCOMPARE(test::child<QComboBox>(w, "Combo1")->count(), 2);
        QCOMPARE(press(w), "0");
        pick(w, "回转窑");
        QCOMPARE(press(w), "10");
        pick(w, "竖型窑");
        test::setText(w, "Text1", "");
        QCOMPARE(press(w), "1");  // a fixed 1 %
        pick(w, "回转窑");
        QCOMPARE(press(w), "1");  // the share is no number: the previous result
    }

    void eachWindowKeepsItsOwnResultWhileClosed() {
        QWidget* cotton = test::openTool(kCotton);
        QWidget* glass = test::openTool(kGlassMelting);
        test::setText(cotton, "Text2", "-100");
        QCOMPARE(press(cotton), "-2.34");
        QCOMPARE(press(glass), "91");
        test::closeAllTools();
        cotton = test::openTool(kCotton);
        QCOMPARE(test::text(cotton, "Text2"), "100");
        test::setText(cotton, "Text2", "abc");
        QCOMPARE(press(cotton), "-2.34");
    }

    void feedMillingHelpHoldsItsRuledTable() {
        QWidget* w = test::openTool(kFeed);
        const QStringList lines = test::child<QPlainTextEdit>(w, "Text7")->toPlainText().split('\n');
        QCOMPARE(lines.size(), 16);  // 15 lines, each ended by a line break
        for (int i = 6; i <= 14; i += 2) QCOMPARE(lines[i], QString(26, '-'));
        QCOMPARE(lines[7], "|小麦风选器 |分尘器| 0.091|");
        QCOMPARE(lines[13], "|秸杆干燥器| 分尘器|5.13  |");
    }
};

KORRIMET_UI_TEST_MAIN(ParticulateFactorWindowTest)
#include "particulate_factor_window_uitest.moc"
