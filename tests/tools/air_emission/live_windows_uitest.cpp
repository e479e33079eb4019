#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kLeak = "不严密处散发量计算";
const QString kVehicle = "机动车污染物排放";

}  // namespace

class LiveWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { test::closeAllTools(); }

    void leakOpensWithDefaultsAndComputesNothing() {
        QWidget* w = test::openTool(kLeak);
        QCOMPARE(test::text(w, "Text1"), "20");
        QCOMPARE(test::text(w, "Text5"), "100");
        QCOMPARE(test::text(w, "Text6"), "");
        test::clickBox(w, "Text6");
        QCOMPARE(test::text(w, "Text6"), "1.53071");
    }

    void leakFollowsEveryChange() {
        QWidget* w = test::openTool(kLeak);
        test::setText(w, "Text5", "");
        QCOMPARE(test::text(w, "Text6"), "1.78923");  // an empty box counts as 0 °C
        test::setText(w, "Text5", "-273");
        QCOMPARE(test::text(w, "Text6"), "0");
        test::setText(w, "Text5", "100");
        QCOMPARE(test::text(w, "Text6"), "1.53071");
        test::setText(w, "Text4", "-34");
        QCOMPARE(test::text(w, "Text6"), "0");
        for (const char* box : {"Text1", "Text2", "Text3"}) {
            test::setText(w, "Text4", "34");
            test::setText(w, box, "");
            QCOMPARE(test::text(w, "Text6"), "0");
        }
    }

    void typingRecomputesAfterEachCharacter() {
        QWidget* w = test::openTool(kLeak);
        auto* t = test::child<QLineEdit>(w, "Text5");
        t->clear();
        QSignalSpy results(test::child<QLineEdit>(w, "Text6"), &QLineEdit::textChanged);
        t->setFocus();
        QTest::keyClicks(t, "2.5");
        // "2" and "2." give the same rate, so the box changes twice.
        QCOMPARE(results.count(), 2);
        QCOMPARE(results.at(0).at(0).toString(), "1.782712");
        QCOMPARE(test::text(w, "Text6"), "1.781093");
    }

    void textTypedIntoTheResultStaysUntilTheNextRun() {
        QWidget* w = test::openTool(kLeak);
        auto* result = test::child<QLineEdit>(w, "Text6");
        result->setText("备注");
        QCOMPARE(result->text(), "备注");
        test::setText(w, "Text2", "1");
        QCOMPARE(result->text(), "1.020473");
        result->setText("备注");
        test::clickBox(w, "Text6");
        QCOMPARE(result->text(), "1.020473");
    }

    void leakHelpShowsThePressureTable() {
        QWidget* w = test::openTool(kLeak);
        const QString help = test::child<QPlainTextEdit>(w, "Text7")->toPlainText();
        const QStringList lines = help.split('\n');
        QCOMPARE(lines.size(), 16);  // 15 lines, each ended by a line break
        QCOMPARE(lines[1], QString(15, ' ') + "不同压力时系数C值：");
        QCOMPARE(lines[7], " |  系数 C  | 0.24 |0.166|0.182| 0.189| 0.25| 0.29| ");
        QCOMPARE(lines[14], "C值,后进行计算!");
    }

    void vehicleMultipliesFactorAndFuel() {
        QWidget* w = test::openTool(kVehicle);
        QCOMPARE(test::text(w, "Text6"), "");
        test::clickBox(w, "Text6");
        QCOMPARE(test::text(w, "Text6"), "43264");
        test::setText(w, "Text5", "");
        QCOMPARE(test::text(w, "Text6"), "0");
        test::setText(w, "Text4", "0.295");
        test::setText(w, "Text5", "1000");
        QCOMPARE(test::text(w, "Text6"), "295");
    }

    void reopeningStartsFromTheDefaultsAgain() {
        QWidget* w = test::openTool(kVehicle);
        test::setText(w, "Text4", "2.1");
        test::closeAllTools();
        w = test::openTool(kVehicle);
        QCOMPARE(test::text(w, "Text4"), "169");
        QCOMPARE(test::text(w, "Text6"), "");
    }

    void vehicleTableShowsTheHandbookFactors() {
        QWidget* w = test::openTool(kVehicle);
        auto* page = test::child<QTextBrowser>(w, "Picture1");
        QCOMPARE(page->size(), QSize(583, 265));
        const QString table = page->toPlainText();
        QVERIFY(table.contains("六、机动车辆污染物排放表"));
        for (const char* value : {"铅化合物", "0.295", "169.0", "44.4", "4.44", "6.0"})
            QVERIFY2(table.contains(QString::fromUtf8(value)), value);
    }
};

KORRIMET_UI_TEST_MAIN(LiveWindowsTest)
#include "live_windows_uitest.moc"
