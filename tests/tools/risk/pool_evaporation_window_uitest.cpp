#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
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
        for (const char* box : {"Text7", "Text12", "Text18", "Text23"}) QCOMPARE(test::text(w_, box), "");
        QCOMPARE(test::child<QComboBox>(w_, "Combo1")->count(), 5);
        QCOMPARE(test::child<QComboBox>(w_, "Combo2")->count(), 3);
        QCOMPARE(test::child<QComboBox>(w_, "Combo1")->currentText(), "");
        QCOMPARE(test::child<QPlainTextEdit>(w_, "Text24")->toPlainText(),
                 "分子量按g/mol输入，计算时按风险评价导则公式的要求换算为kg/mol。");
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

    QString status(int page) const { return test::child<QLabel>(w_, QString("Status%1").arg(page))->text(); }
    // Entries that flash a fifth of the liquid: Fv = 1000 × (300 − 290) / 50000 = 0.2.
    void flashWithinRange() {
        test::setText(w_, "Text5", "290");
        test::setText(w_, "Text6", "50000");
    }

    void flashRecomputesOnEditAndOnClick() {
        flashWithinRange();
        test::setText(w_, "Text7", "x");
        clickBox("Text7");
        QCOMPARE(test::text(w_, "Text7"), "0.06666667");  // 0.2 × 10 kg / 30 s
        test::setText(w_, "Text1", "20");
        QCOMPARE(test::text(w_, "Text7"), "0.1333333");
    }

    // Typing never pops a box: a bad entry after a good result clears it and says why on the page.
    void aFlashThatCannotBeComputedIsSaidOnThePage() {
        MessageRecorder messages;
        flashWithinRange();
        QCOMPARE(test::text(w_, "Text7"), "0.06666667");
        QCOMPARE(status(1), "");
        test::retype(w_, "Text1", "");
        QCOMPARE(test::text(w_, "Text7"), "");
        QCOMPARE(status(1), "无法计算，请检查：\n“液体泄漏总量，Kg”：未输入数值");
        test::setText(w_, "Text1", "10");
        test::setText(w_, "Text5", "80");
        test::setText(w_, "Text6", "5000");  // the stored entries: 440 kg would flash from 10 kg
        QCOMPARE(test::text(w_, "Text7"), "");
        QVERIFY2(status(1).contains("FV=44＞1，闪蒸比例须在0～1之间"), qPrintable(status(1)));
        QVERIFY(messages.messages().isEmpty());
    }

    void heatNeedsAGroundTypeAndIgnoresClicks() {
        tabs()->setCurrentIndex(1);
        test::setText(w_, "Text8", "300 ");
        QCOMPARE(test::text(w_, "Text12"), "");
        QCOMPARE(status(2), "无法计算，请检查：\n请选择地面类型");
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
        QCOMPARE(test::text(w_, "Text12"), "");
        QVERIFY(status(2).contains("蒸发时间"));
    }

    void massNeedsAStabilityClass() {
        tabs()->setCurrentIndex(2);
        test::setText(w_, "Text14", "2000.0");
        QCOMPARE(test::text(w_, "Text18"), "");
        QCOMPARE(status(3), "无法计算，请检查：\n请选择稳定度条件");
        pick("Combo2", "中性C");
        QCOMPARE(test::text(w_, "Text18"), "0.6545321");  // M in kg/mol: was 654.5321
        test::setText(w_, "Text19", "0");
        QCOMPARE(test::text(w_, "Text18"), "");
        test::setText(w_, "Text19", "80");
        pick("Combo2", "稳定E,F");
        QCOMPARE(test::text(w_, "Text18"), "0.6875569");
        QCOMPARE(status(3), "");
    }

    // The total is always the sum of the stage results as shown.
    void totalFollowsTheShownResults() {
        flashWithinRange();
        pick("Combo1", "水泥地");
        pick("Combo2", "不稳定A,B");
        tabs()->setCurrentIndex(3);
        test::setText(w_, "Text20", "30");
        test::setText(w_, "Text21", "20");
        QCOMPARE(test::text(w_, "Text23"), "");
        test::setText(w_, "Text22", "100");
        // 0.06666667 × 30 + 8.051499 × 20 + 0.5788893 × 100 = 2.0000001 + 161.02998 + 57.88893
        QCOMPARE(test::text(w_, "Text23"), "220.9189101");
        test::setText(w_, "Text1", "20");  // Q1 0.1333333: 3.999999 + 161.02998 + 57.88893
        QCOMPARE(test::text(w_, "Text23"), "222.918909");
        test::setText(w_, "Text7", "14.66667");
        QCOMPARE(test::text(w_, "Text23"), "658.91901");
        test::setText(w_, "Text6", "5000");  // the flash fails: no total either
        QCOMPARE(test::text(w_, "Text23"), "");
        QVERIFY(status(4).contains("请先在前三页算出闪蒸量"));
        test::setText(w_, "Text6", "50000");
        QCOMPARE(test::text(w_, "Text23"), "222.918909");
        test::setText(w_, "Text21", "");
        QCOMPARE(test::text(w_, "Text23"), "");
    }
};

KORRIMET_UI_TEST_MAIN(PoolEvaporationWindowTest)
#include "pool_evaporation_window_uitest.moc"
