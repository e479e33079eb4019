#include <QLineEdit>
#include <QTest>

#include "platform/message_service.h"
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

    void sumOfTwoSourcesAndNoSumWithoutASource() {
        QWidget* w = test::openTool("噪声源叠加计算程序");
        QCOMPARE(test::text(w, "Text6"), "");
        sum(w, {"85", "82"});
        QCOMPARE(test::text(w, "Text6"), "86.76");
        MessageRecorder messages;
        sum(w, {"0", "0"});  // was the earlier 86.76 again
        QCOMPARE(test::text(w, "Text6"), "");
        sum(w, {"85", "82"});
        sum(w, {"abc", "82"});  // was 86.76 from the previous run's first level
        QCOMPARE(test::text(w, "Text6"), "");
        QCOMPARE(messages.messages(), QStringList({"无法计算，请检查：\n没有可叠加的噪声源（声级为0的不计）",
                                                   "无法计算，请检查：\n“第一个噪声源”：不是有效的数值"}));
        test::click(w, "Command1");
        for (int k = 1; k <= 5; ++k) QCOMPARE(test::text(w, QString("Text%1").arg(k)), "0");
        QCOMPARE(test::text(w, "Text6"), "");
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

    // While typing no box pops up: the result is cleared and its tip says why.
    void attenuationWithoutADistanceOrSourceShowsNoLevel() {
        QWidget* w = test::openTool("噪声源衰减计算程序");
        auto* result = test::child<QLineEdit>(w, "Text6");
        test::setText(w, "Text2", "10");
        for (const auto& [box, bad, reason] : {std::tuple{"Text2", "0", "须大于0"}, {"Text2", "abc", "不是有效的数值"},
                                               {"Text1", "", "未输入数值"}}) {
            test::setText(w, box, bad);
            QCOMPARE(result->text(), "");
            QVERIFY2(result->toolTip().contains(reason), qPrintable(result->toolTip()));
            test::setText(w, "Text1", "75");
            test::setText(w, "Text2", "10");
            QCOMPARE(result->text(), "55");
        }
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
        QVERIFY(test::child<QLineEdit>(w, "Text3")->toolTip().contains("被减数须大于减数"));
    }
};

KORRIMET_UI_TEST_MAIN(SoundLevelWindowsTest)
#include "sound_level_window_uitest.moc"
