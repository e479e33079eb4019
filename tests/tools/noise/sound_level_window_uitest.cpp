#include <QLineEdit>
#include <QTest>

#include "support/ui_support.h"

using namespace korrimet;

class SoundLevelWindowsTest : public QObject {
    Q_OBJECT

    static void sum(QWidget* w, const QStringList& levels) {
        for (int k = 0; k < 5; ++k) test::setText(w, QString("Text%1").arg(k + 1), levels.value(k, "0"));
        test::click(w, "Command2");
    }

private slots:
    void cleanup() { test::closeAllTools(); }

    void sumOfTheDefaultsAndOfTwoSources() {
        QWidget* w = test::openTool("噪声源叠加计算程序");
        QCOMPARE(test::text(w, "Text6"), "");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "0");
        sum(w, {"85", "82"});
        QCOMPARE(test::text(w, "Text6"), "86.76");
    }

    void clearSetsAllSixBoxesToZero() {
        QWidget* w = test::openTool("噪声源叠加计算程序");
        sum(w, {"85", "82", "70"});
        test::click(w, "Command1");
        for (int k = 1; k <= 6; ++k) QCOMPARE(test::text(w, QString("Text%1").arg(k)), "0");
    }

    void theSumKeepsItsLevelsWhenReopened() {
        QWidget* w = test::openTool("噪声源叠加计算程序");
        sum(w, {"60", "60"});
        test::closeAllTools();
        w = test::openTool("噪声源叠加计算程序");
        QCOMPARE(test::text(w, "Text1"), "0");
        sum(w, {"0", "0"});  // no source: the earlier result stands
        QCOMPARE(test::text(w, "Text6"), "63.01");
    }

    void attenuationFollowsEveryEdit() {
        QWidget* w = test::openTool("噪声源衰减计算程序");
        QCOMPARE(test::text(w, "Text6"), " ");
        test::setText(w, "Text2", "10");
        QCOMPARE(test::text(w, "Text6"), "55");
        test::setText(w, "Text1", "80");
        QCOMPARE(test::text(w, "Text6"), "60");
        test::setText(w, "Text6", "x");
        QTest::mouseClick(test::child<QLineEdit>(w, "Text6"), Qt::LeftButton);
        QCOMPARE(test::text(w, "Text6"), "60");
    }

    void attenuationAtNoDistanceSaysSo() {
        QWidget* w = test::openTool("噪声源衰减计算程序");
        test::setText(w, "Text2", "0");
        QCOMPARE(test::text(w, "Text6"), "距离须大于0");
        test::setText(w, "Text2", "50");
        QCOMPARE(test::text(w, "Text6"), "41.0206");
    }

    void differenceReplacesTheEarlierResult() {
        QWidget* w = test::openTool("分贝相减运算1");
        QCOMPARE(test::text(w, "Text3"), "");
        test::setText(w, "Text1", "70");
        QCOMPARE(test::text(w, "Text3"), "68.35");
        test::setText(w, "Text2", "60");
        QCOMPARE(test::text(w, "Text3"), "69.54");
        test::setText(w, "Text2", "70");
        QCOMPARE(test::text(w, "Text3"), "");
    }
};

KORRIMET_UI_TEST_MAIN(SoundLevelWindowsTest)
#include "sound_level_window_uitest.moc"
