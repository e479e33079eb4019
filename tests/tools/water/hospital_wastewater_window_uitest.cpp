#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kHospital = "医院水污染物排放";
const QString kServiceArea = "公路项目生活服务区水污染物";

QStringList results(QWidget* w, const QStringList& boxes) {
    QStringList texts;
    for (const QString& b : boxes) texts << test::text(w, b);
    return texts;
}
const QStringList kHospitalResults{"Text4", "Text2", "Text3", "Text5", "Text6"};
const QStringList kServiceResults{"Text8", "Text9", "Text10", "Text11"};
}  // namespace

class HospitalWastewaterWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::closeAllTools(); }

    // First: the window-level values start at 0 only once.
    void withoutASizeAFreshWindowShowsZeroWaterAndTheLoads() {
        QWidget* w = test::openTool(kHospital);
        auto* size = test::child<QComboBox>(w, "Combo1");
        QCOMPARE(size->count(), 3);
        QCOMPARE(size->itemText(1), "200-400床");
        QCOMPARE(size->currentText(), "");
        test::setText(w, "Text1", "300");
        test::click(w, "Command2");
        QCOMPARE(results(w, kHospitalResults), QStringList({"0", "0", "6.57", "6.0225", "1.6425"}));
    }

    void aSizeGivesWaterAndWastewater() {
        QWidget* w = test::openTool(kHospital);
        test::setComboText(w, "Combo1", "200-400床");
        test::setText(w, "Text1", "300");
        test::click(w, "Command2");
        QCOMPARE(results(w, kHospitalResults), QStringList({"76650", "61320", "6.57", "6.0225", "1.6425"}));
    }

    void withoutASizeTheLastWaterStaysWhileTheLoadsFollowTheBeds() {
        QWidget* w = test::openTool(kHospital);
        test::setComboText(w, "Combo1", "200-400床");
        test::setText(w, "Text1", "300");
        test::click(w, "Command2");
        test::setComboText(w, "Combo1", "300床");  // typed, no item
        test::setText(w, "Text1", "100");
        test::click(w, "Command2");
        QCOMPARE(results(w, kHospitalResults), QStringList({"76650", "61320", "2.19", "2.0075", "0.5475"}));
    }

    void bedsThatAreNoNumberKeepEveryValueAndSurviveReopening() {
        QWidget* w = test::openTool(kHospital);
        test::setComboText(w, "Combo1", "400床以上");
        test::setText(w, "Text1", "500");
        test::click(w, "Command2");
        const QStringList before = results(w, kHospitalResults);
        test::setText(w, "Text1", "五百");
        test::click(w, "Command2");
        QCOMPARE(results(w, kHospitalResults), before);
        test::closeAllTools();
        w = test::openTool(kHospital);
        QVERIFY(test::text(w, "Text4").isEmpty());
        test::click(w, "Command2");
        QCOMPARE(results(w, kHospitalResults), before);
    }

    void serviceAreaDefaults() {
        QWidget* w = test::openTool(kServiceArea);
        QCOMPARE(test::text(w, "Text4"), "20000");
        test::click(w, "Command1");
        QCOMPARE(results(w, kServiceResults), QStringList({"7.5", "3.75", "180", "18"}));
        test::setText(w, "Text2", "0.375");
        test::click(w, "Command1");
        QCOMPARE(results(w, kServiceResults), QStringList({"3.75", "1.875", "180", "18"}));
    }

    void clearingZeroesPersonsTrafficAndResultsSoTheNextComputeGivesZeros() {
        QWidget* w = test::openTool(kServiceArea);
        test::click(w, "Command1");
        test::click(w, "Command2");
        QCOMPARE(results(w, {"Text1", "Text4", "Text8", "Text9", "Text10", "Text11"}),
                 QStringList({"0", "0", "0", "0", "0", "0"}));
        QCOMPARE(test::text(w, "Text2"), "0.75");
        test::click(w, "Command1");
        QCOMPARE(results(w, kServiceResults), QStringList({"0", "0", "0", "0"}));
    }

    void trafficThatIsNoNumberKeepsTheWashingResults() {
        QWidget* w = test::openTool(kServiceArea);
        test::click(w, "Command1");
        test::setText(w, "Text4", "");
        test::setText(w, "Text1", "200");
        test::click(w, "Command1");
        QCOMPARE(results(w, kServiceResults), QStringList({"15", "7.5", "180", "18"}));
        // A person count that is no number: the last one read (200) stays.
        test::setText(w, "Text1", "许多");
        test::click(w, "Command1");
        QCOMPARE(test::text(w, "Text8"), "15");
    }
};

KORRIMET_UI_TEST_MAIN(HospitalWastewaterWindowTest)
#include "hospital_wastewater_window_uitest.moc"
