#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "common/widgets/tool_window.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "空气污染指数计算1";
const QString kBandTable = "空气污染指数及范围";

QScrollBar* bar(QWidget* w, int n) { return test::child<QScrollBar>(w, QStringLiteral("HScroll%1").arg(n)); }
QLineEdit* box(QWidget* w, int n) { return test::child<QLineEdit>(w, QStringLiteral("Text%1").arg(n)); }
// A drag of the thumb, which is what runs the bar's handler.
void drag(QScrollBar* b, int position) {
    b->setSliderDown(true);
    b->setSliderPosition(position);
    b->setSliderDown(false);
}
QColor textColour(QLineEdit* b) { return b->palette().color(QPalette::Text); }
}  // namespace

class AirIndexWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QStringList results() {
        QStringList r;
        for (int n = 4; n <= 9; ++n) r << box(w_, n)->text();
        return r;
    }
    QStringList compute(const QString& so2, const QString& no2, const QString& pm10) {
        test::setText(w_, "Text1", so2);
        test::setText(w_, "Text2", no2);
        test::setText(w_, "Text3", pm10);
        test::click(w_, "Command1");
        return results();
    }

private slots:
    void initTestCase() {
        if (!ToolRegistry::instance().contains(kBandTable))
            ToolRegistry::instance().add(
                kBandTable, "空气污染指数范围及相应的空气质量类别",
                [](ToolRegistry&) -> ToolWindow* { return new ToolWindow(kBandTable, kBandTable, 5865, 4875); },
                /*placeholder=*/true);
    }
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void opensWithTheStoredValuesAndNoResults() {
        QCOMPARE(w_->windowTitle(), "空气污染指数计算");
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(box(w_, n)->text(), "0.001");
            QCOMPARE(bar(w_, n)->value(), 1);
            QCOMPARE(bar(w_, n)->minimum(), 1);
            QCOMPARE(bar(w_, n)->maximum(), 500);
        }
        QCOMPARE(results(), QStringList({"", "", "", "", "", ""}));
        QCOMPARE(textColour(box(w_, 4)), kDarkGreen);
    }

    void computesSubIndicesApiCategoryAndPrimaryPollutant() {
        test::click(w_, "Command1");
        QCOMPARE(results(), QStringList({"1", "0", "1", "1", "优", "SO2"}));
        QCOMPARE(compute("0.06", "0.05", "0.16"), QStringList({"55", "31", "105", "105", "轻微污染", "PM10"}));
        QCOMPARE(compute("0.5", "0.2", "0.3"), QStringList({"153", "150", "175", "175", "轻度污染", "PM10"}));
        QCOMPARE(compute("0.05", "0.08", "0.05"), QStringList({"50", "50", "50", "50", "优", "NO2"}));
        QCOMPARE(test::child<QLabel>(w_, "Label19")->text(), "");
    }

    void aboveTheTableTheAirIsAtTheWorstGradeAndTheWindowSaysSo() {
        // SO2 above 2.62 mg/m³ once gave sub-index 0; SO2 10 mg/m³ read as "优".
        QCOMPARE(compute("3", "0.1", "0.1"), QStringList({"500", "75", "75", "500", "重污染", "SO2"}));
        QCOMPARE(compute("10", "0.01", "0.01"), QStringList({"500", "6", "10", "500", "重污染", "SO2"}));
        QCOMPARE(test::child<QLabel>(w_, "Label19")->text(), "SO2浓度超过2.62mg/m^3，已超出指数表，分指数按500计。");
        compute("0.1", "0.1", "0.1");
        QCOMPARE(test::child<QLabel>(w_, "Label19")->text(), "");
    }

    void aBadConcentrationIsNamedAndClearsWhatDependsOnIt() {
        compute("0.06", "0.05", "0.16");
        MessageRecorder messages;
        // Empty boxes once counted as 0 and "优"; a negative one gave a negative index.
        QCOMPARE(compute("-0.01", "0.05", ""), QStringList({"", "31", "", "", "", ""}));
        QCOMPARE(messages.messages(), QStringList({"无法计算，请检查：\n“SO2浓度日均”：不能为负数\n“PM10日均浓度”：未输入数值"}));
        QCOMPARE(box(w_, 7)->placeholderText(), "无法计算");
    }

    void resultsStayUntilTheNextClick() {
        test::click(w_, "Command1");
        test::setText(w_, "Text1", "0.5");
        drag(bar(w_, 2), 300);
        QCOMPARE(results(), QStringList({"1", "0", "1", "1", "优", "SO2"}));
    }

    void draggingABarWritesTheBoxSetsTheBarToItAndTintsTheText() {
        drag(bar(w_, 1), 100);
        QCOMPARE(box(w_, 1)->text(), ".52");
        QCOMPARE(bar(w_, 1)->value(), 99);
        QCOMPARE(textColour(box(w_, 1)), QColor(50, 0, 0));

        drag(bar(w_, 1), 500);
        QCOMPARE(box(w_, 1)->text(), "2.62");
        QCOMPARE(bar(w_, 1)->value(), 500);
        QCOMPARE(textColour(box(w_, 1)), QColor(250, 0, 0));

        drag(bar(w_, 2), 500);
        QCOMPARE(box(w_, 2)->text(), ".939");
        QCOMPARE(bar(w_, 2)->value(), 499);
        QCOMPARE(textColour(box(w_, 2)), QColor(250, 0, 0));

        drag(bar(w_, 3), 500);
        QCOMPARE(box(w_, 3)->text(), ".6");
        QCOMPARE(bar(w_, 3)->value(), 500);
    }

    void aTextThatIsNoNumberLeavesTheBarWhereItWasDragged() {
        drag(bar(w_, 1), 40);
        drag(bar(w_, 1), 1);
        QCOMPARE(box(w_, 1)->text(), ".");
        QCOMPARE(bar(w_, 1)->value(), 1);
        QCOMPARE(textColour(box(w_, 1)), QColor(0, 0, 0));
    }

    void draggingBackToTheSameTextStillSetsTheBarBack() {
        drag(bar(w_, 1), 100);  // ".52", back to 99
        drag(bar(w_, 1), 100);  // the same text again
        QCOMPARE(bar(w_, 1)->value(), 99);
    }

    void typingMovesTheBarWithinItsRangeButNotTheColour() {
        drag(bar(w_, 2), 250);
        const QColor before = textColour(box(w_, 2));
        test::setText(w_, "Text2", "0.94");
        QCOMPARE(bar(w_, 2)->value(), 500);
        QCOMPARE(textColour(box(w_, 2)), before);

        test::setText(w_, "Text1", "0.1");
        const int at = bar(w_, 1)->value();
        QCOMPARE(at, 19);
        for (const char* outside : {"3", "0", "x", ""}) {
            test::setText(w_, "Text1", outside);
            QCOMPARE(bar(w_, 1)->value(), at);
        }
    }

    void arrowsMoveTheThumbWithoutTouchingTheBox() {
        bar(w_, 3)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        bar(w_, 3)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(bar(w_, 3)->value(), 3);
        QCOMPARE(box(w_, 3)->text(), "0.001");
    }

    void theAdviceButtonOpensOneBandTable() {
        test::click(w_, "Command2");
        test::click(w_, "Command2");
        int open = 0;
        for (QWidget* t : ToolRegistry::instance().openWindows()) open += t->objectName() == kBandTable;
        QCOMPARE(open, 1);
        QVERIFY(ToolRegistry::instance().window(kBandTable)->isVisible());
    }

    void reopeningShowsTheStoredValuesAgain() {
        drag(bar(w_, 1), 300);
        test::click(w_, "Command1");
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QCOMPARE(box(w_, 1)->text(), "0.001");
        QCOMPARE(bar(w_, 1)->value(), 1);
        QCOMPARE(textColour(box(w_, 1)), QColor(0, 0, 0));
        QCOMPARE(box(w_, 7)->text(), "");
    }
};

KORRIMET_UI_TEST_MAIN(AirIndexWindowTest)
#include "air_index_window_uitest.moc"
