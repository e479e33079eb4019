#include <QTest>

#include "common/widgets/loop_progress.h"
#include "support/ui_support.h"

using namespace korrimet;

class LoopProgressTest : public QObject {
    Q_OBJECT
private slots:
    void startsAtZeroOfAHundred() {
        LoopProgress bar;
        QCOMPARE(bar.loopMin(), 0.0f);
        QCOMPARE(bar.loopMax(), 100.0f);
        QCOMPARE(bar.loopValue(), 0.0f);
        QCOMPARE(bar.value(), bar.minimum());
    }

    void refusesAMaximumNotAboveTheMinimum() {
        LoopProgress bar;
        QVERIFY(!bar.setLoopMax(0));
        QVERIFY(!bar.setLoopMax(-5));
        QCOMPARE(bar.loopMin(), 0.0f);  // QProgressBar would have moved it
        QCOMPARE(bar.loopMax(), 100.0f);
        QVERIFY(!bar.setLoopMin(100));
        QVERIFY(bar.setLoopMax(0.5f));
        QCOMPARE(bar.loopMax(), 0.5f);
    }

    void refusesAValueOutsideItsRange() {
        LoopProgress bar;
        QVERIFY(bar.setLoopMax(3000));
        QVERIFY(bar.setLoopValue(1510));
        QVERIFY(!bar.setLoopValue(3010));
        QVERIFY(!bar.setLoopValue(-1));
        QCOMPARE(bar.loopValue(), 1510.0f);
        const double drawn = double(bar.value() - bar.minimum()) / (bar.maximum() - bar.minimum());
        QVERIFY(qAbs(drawn - 1510.0 / 3000) < 0.002);
    }

    void aSmallerMaximumPullsTheValueIn() {
        LoopProgress bar;
        bar.setLoopValue(80);
        QVERIFY(bar.setLoopMax(50));
        QCOMPARE(bar.loopValue(), 50.0f);
        QCOMPARE(bar.value(), bar.maximum());
    }

    void resetShowsTheBarAtZeroOfAHundred() {
        LoopProgress bar;
        bar.setLoopMax(3000);
        bar.setLoopValue(2000);
        bar.setVisible(false);
        bar.reset();
        QVERIFY(!bar.isHidden());
        QCOMPARE(bar.loopMax(), 100.0f);
        QCOMPARE(bar.loopValue(), 0.0f);
    }
};

KORRIMET_UI_TEST_MAIN(LoopProgressTest)
#include "loop_progress_uitest.moc"
