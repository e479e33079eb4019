#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "风险评价蒸发量";
}  // namespace

class PoolEvaporationWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QTabBar* tabs() const { return test::child<QTabBar>(w_, "TabStrip1"); }
    bool pageShown(const char* frame) const { return !test::child<QGroupBox>(w_, frame)->isHidden(); }
    void pick(const char* name, const QString& item) {
        auto* c = test::child<QComboBox>(w_, name);
        const int i = c->findText(item);
        QVERIFY2(i >= 0, qPrintable(item));
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    void clickBox(const char* name) { test::clickBox(w_, name); }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void opensOnTheFlashPageWithNothingComputed() {
        QCOMPARE(w_->windowTitle(), "风险评价蒸发量");
        QCOMPARE(tabs()->count(), 4);
        QCOMPARE(tabs()->currentIndex(), 0);
        QCOMPARE(tabs()->tabToolTip(3), "总蒸发量必须在前面三种蒸发量计算完毕后，再输入相应时间，后计算！");
        QVERIFY(pageShown("Frame1"));
        for (const char* frame : {"Frame2", "Frame3", "Frame4"}) QVERIFY(!pageShown(frame));
        QCOMPARE(test::text(w_, "Text7"), "0");
        for (const char* box : {"Text12", "Text18", "Text23"}) QCOMPARE(test::text(w_, box), "");
        QCOMPARE(test::child<QComboBox>(w_, "Combo1")->count(), 5);
        QCOMPARE(test::child<QComboBox>(w_, "Combo2")->count(), 3);
        QCOMPARE(test::child<QComboBox>(w_, "Combo1")->currentText(), "");
        QVERIFY(test::child<QPlainTextEdit>(w_, "Text24")->toPlainText().startsWith("不推荐用此处公式计算质量蒸发"));
    }

    void tabsSwitchPagesAndKeepEntries() {
        test::setText(w_, "Text3", "1200");
        const QString q1 = test::text(w_, "Text7");
        tabs()->setCurrentIndex(2);
        QVERIFY(pageShown("Frame3"));
        QVERIFY(!pageShown("Frame1"));
        tabs()->setCurrentIndex(3);
        QVERIFY(pageShown("Frame4"));
        tabs()->setCurrentIndex(0);
        QVERIFY(pageShown("Frame1"));
        QCOMPARE(test::text(w_, "Text3"), "1200");
        QCOMPARE(test::text(w_, "Text7"), q1);
    }

    void flashRecomputesOnEditAndOnClick() {
        clickBox("Text7");
        QCOMPARE(test::text(w_, "Text7"), "14.66667");
        test::setText(w_, "Text6", "0");
        QCOMPARE(test::text(w_, "Text7"), "0");
        test::setText(w_, "Text6", "5000");
        test::setText(w_, "Text1", "20");
        QCOMPARE(test::text(w_, "Text7"), "29.33333");
    }

    void anEditOfTheLeakedAmountThatCannotBeComputedSaysSo() {
        clickBox("Text7");
        MessageRecorder messages;
        test::setText(w_, "Text1", "");
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages()[0].startsWith("闪蒸量无法计算"));
        QCOMPARE(test::text(w_, "Text7"), "14.66667");
        // The other flash boxes show 0 without a word.
        messages.clear();
        test::setText(w_, "Text2", "x");
        QCOMPARE(test::text(w_, "Text7"), "0");
        QVERIFY(messages.messages().isEmpty());
    }

    void heatNeedsAGroundTypeAndIgnoresClicks() {
        tabs()->setCurrentIndex(1);
        test::setText(w_, "Text8", "300 ");
        QCOMPARE(test::text(w_, "Text12"), "0");
        pick("Combo1", "水泥地");
        QCOMPARE(test::text(w_, "Text12"), "8.051499");
        pick("Combo1", "砂砾地");
        QCOMPARE(test::text(w_, "Text12"), "6.266465");
        // A typed item counts at the next computation, typing starts none.
        test::child<QComboBox>(w_, "Combo1")->setEditText("湿地");
        QCOMPARE(test::text(w_, "Text12"), "6.266465");
        test::setText(w_, "Text13", "20.0");
        QCOMPARE(test::text(w_, "Text12"), "2.745827");
        test::setText(w_, "Text12", "keep");
        clickBox("Text12");
        QCOMPARE(test::text(w_, "Text12"), "keep");
        test::setText(w_, "Text13", "0");
        QCOMPARE(test::text(w_, "Text12"), "0");
    }

    void massNeedsAStabilityClass() {
        tabs()->setCurrentIndex(2);
        test::setText(w_, "Text14", "2000.0");
        QCOMPARE(test::text(w_, "Text18"), "");
        pick("Combo2", "中性C");
        QCOMPARE(test::text(w_, "Text18"), "654.5321");
        test::setText(w_, "Text19", "0");
        QCOMPARE(test::text(w_, "Text18"), "0");
        test::setText(w_, "Text19", "80");
        pick("Combo2", "稳定E,F");
        QCOMPARE(test::text(w_, "Text18"), "687.5569");
    }

    void totalReadsTheShownResultsOnlyWhenAsked() {
        clickBox("Text7");
        pick("Combo1", "水泥地");
        pick("Combo2", "不稳定A,B");
        tabs()->setCurrentIndex(3);
        test::setText(w_, "Text20", "30");
        test::setText(w_, "Text21", "20");
        QCOMPARE(test::text(w_, "Text23"), "");
        test::setText(w_, "Text22", "100");
        QCOMPARE(test::text(w_, "Text23"), "58489.96008");
        // A new stage result waits for the next edit or click of the total.
        test::setText(w_, "Text1", "20");
        QCOMPARE(test::text(w_, "Text23"), "58489.96008");
        clickBox("Text23");
        QCOMPARE(test::text(w_, "Text23"), "58929.95988");
        test::setText(w_, "Text21", "");
        QCOMPARE(test::text(w_, "Text23"), "");
    }
};

KORRIMET_UI_TEST_MAIN(PoolEvaporationWindowTest)
#include "pool_evaporation_window_uitest.moc"
