#include <QClipboard>
#include <QComboBox>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "混合层高度计算1";

QString report(QWidget* w) { return reportText(test::child<QTextEdit>(w, "RichTextBox1")); }
QComboBox* combo(QWidget* w, const char* name) { return test::child<QComboBox>(w, name); }
}  // namespace

class MixingLayerWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void loadsBothListsWithNothingChosenAndTheStoredNote() {
        QCOMPARE(w_->windowTitle(), "混合层高度计算");
        QCOMPARE(combo(w_, "Combo1")->count(), 6);
        QCOMPARE(combo(w_, "Combo2")->count(), 33);
        QCOMPARE(combo(w_, "Combo2")->itemText(15), "甘肃（渭河以北）");
        for (const char* name : {"Combo1", "Combo2"}) {
            QVERIFY(combo(w_, name)->isEditable());
            QCOMPARE(combo(w_, name)->currentText(), "");
        }
        QCOMPARE(test::text(w_, "Text1"), "2");
        QCOMPARE(test::text(w_, "Text2"), "27");
        QCOMPARE(test::text(w_, "Text3"), "0");
        QVERIFY(report(w_).contains("以导则推荐方法计算混合层高度(厚度)."));
    }

    void theTabOrderFollowsTheRows() {
        const QStringList expected = {"Text1", "Combo1", "Text2", "Text3", "Combo2", "Command1", "RichTextBox1"};
        QStringList seen;
        QWidget* start = test::child<QLineEdit>(w_, "Text1");
        QWidget* at = start;
        do {
            if (expected.contains(at->objectName()) && !seen.contains(at->objectName())) seen << at->objectName();
            at = at->nextInFocusChain();
        } while (at != start);
        QCOMPARE(seen, expected);
    }

    void computesFromPickedAndTypedChoices() {
        combo(w_, "Combo1")->setCurrentText("A");
        combo(w_, "Combo2")->setCurrentText("新疆");
        test::click(w_, "Command1");
        QCOMPARE(report(w_), "参数:\n    地面10m处平均风速 U10 = 2(m/s)\n    地区类别:新疆\n    地区纬度：27度0分\n"
                             "结果:\n    混合层系数 =0.09\n    混合层高度 hf = 2719.369(m)");
        MessageRecorder messages;
        combo(w_, "Combo1")->setEditText("a");  // once hf "." with no reason
        test::click(w_, "Command1");
        QVERIFY(report(w_).endsWith("    混合层系数 =\n    混合层高度 hf = 无法计算（未选择有效的大气稳定度等级）"));
        QCOMPARE(messages.messages(),
                 QStringList({"无法计算，请检查：\n混合层高度无法计算：未选择有效的大气稳定度等级"}));

        // Above 6 m/s the standard takes U10 as 6 m/s, and the report says so (12 m/s gave 16316.217 m).
        combo(w_, "Combo1")->setCurrentText("A");
        test::setText(w_, "Text1", "12");
        test::click(w_, "Command1");
        QCOMPARE(report(w_), "参数:\n    地面10m处平均风速 U10 = 12(m/s)（大于6m/s，按6m/s计）\n    地区类别:新疆\n"
                             "    地区纬度：27度0分\n结果:\n    混合层系数 =0.09\n    混合层高度 hf = 8158.108(m)");
    }

    void aLatitudeWithoutAHeightIsNamed() {
        combo(w_, "Combo1")->setCurrentText("A");
        combo(w_, "Combo2")->setCurrentText("新疆");
        test::setText(w_, "Text2", "-27");  // southern: once −2719.369 m
        test::click(w_, "Command1");
        QVERIFY(report(w_).endsWith("    混合层高度 hf = 2719.369(m)"));
        struct Case {
            const char *degrees, *why;
        } cases[] = {
            {"0", "纬度为0时地转参数f为0，无法计算混合层高度"},
            {"1e308", "地理纬度须在-90～90度之间"},
            {"180", "地理纬度须在-90～90度之间"},  // once 3.8E+17 m
            {"", "“本地区的地理纬度（度）”：未输入数值"},
            {"度", "“本地区的地理纬度（度）”：请只输入数值（单位 度）"},
            {"abc", "“本地区的地理纬度（度）”：请只输入数值（单位 度）"},
            {"27度30分", "“本地区的地理纬度（度）”：请只输入数值（单位 度）"},  // once 27°, its 30′ lost
            {"27，5", "“本地区的地理纬度（度）”：请只输入数值（单位 度）"},
        };
        for (const Case& c : cases) {
            MessageRecorder messages;
            test::setText(w_, "Text2", c.degrees);
            test::click(w_, "Command1");
            QCOMPARE(messages.messages(), QStringList({"无法计算，请检查：\n" + QString(c.why)}));
            QVERIFY2(report(w_).endsWith("    混合层高度 hf = 无法计算（地理纬度无效）"), c.degrees);
        }
        // 27°150′ once counted as 29.5°.
        MessageRecorder messages;
        test::setText(w_, "Text2", "27");
        test::setText(w_, "Text3", "150");
        test::click(w_, "Command1");
        QCOMPARE(messages.messages(), QStringList({"无法计算，请检查：\n地理纬度的分须小于60"}));
        QVERIFY(report(w_).endsWith("    混合层高度 hf = 无法计算（地理纬度无效）"));
    }

    // Each latitude box takes its unit after the number; the report writes the unit once.
    void theLatitudeMayCarryItsUnit() {
        MessageRecorder messages;
        combo(w_, "Combo1")->setCurrentText("A");
        combo(w_, "Combo2")->setCurrentText("新疆");
        test::setText(w_, "Text2", "27°");
        test::setText(w_, "Text3", "0'");
        test::click(w_, "Command1");
        QVERIFY(messages.messages().isEmpty());
        const QStringList lines = report(w_).split('\n');
        QCOMPARE(lines[3], "    地区纬度：27度0分");
        QCOMPARE(lines[6], "    混合层高度 hf = 2719.369(m)");
        // The report writes the latitude's unit once.
        test::setText(w_, "Text2", "27度度");
        test::click(w_, "Command1");
        QCOMPARE(report(w_).split('\n')[3], "    地区纬度：27度度0分");
    }

    // Once "U10 = 2⏎(m/s)", broken over two lines, or a plain-looking 2 refused.
    void aWindSpeedPastedFromASpreadsheetCellReadsAsTyped() {
        combo(w_, "Combo1")->setCurrentText("A");
        combo(w_, "Combo2")->setCurrentText("新疆");
        test::setText(w_, "Text1", "2");
        test::click(w_, "Command1");
        const QString typed = report(w_);
        auto* box = test::child<QLineEdit>(w_, "Text1");
        for (const char* cell : {"2\r\n", "2\n", "2\t", " 2 \r\n"}) {
            MessageRecorder messages;
            box->clear();
            box->setFocus();
            QGuiApplication::clipboard()->setText(cell);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text(), "2");
            test::click(w_, "Command1");
            QCOMPARE(report(w_), typed);
            QVERIFY(messages.messages().isEmpty());
        }
        // An editable list takes a pasted cell the same way, through the focus it has.
        combo(w_, "Combo1")->clearEditText();
        combo(w_, "Combo1")->setFocus();
        QGuiApplication::clipboard()->setText("B\r\n");
        QVERIFY(w_->focusWidget());
        QTest::keyClick(w_->focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(combo(w_, "Combo1")->currentText(), "B");

        MessageRecorder messages;
        box->clear();
        QGuiApplication::clipboard()->setText("2\t3\r\n");  // two cells of a row are no one value
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        test::click(w_, "Command1");
        QCOMPARE(messages.messages(), QStringList({"无法计算，请检查：\n“地面10米高处风速 U10 [m/s]”：不是有效的数值"}));
        QVERIFY(report(w_).endsWith("    混合层高度 hf = 无法计算（地面10米高处风速 U10不是有效的数值）"));
    }

    // Once "北京⏎天津": a line separator in the list's text broke the region's line in two.
    void theRegionStaysOnItsLine() {
        MessageRecorder messages;
        combo(w_, "Combo2")->setEditText("北京\u2028天津");
        test::click(w_, "Command1");
        QCOMPARE(report(w_).split('\n')[2], "    地区类别:北京 天津");
    }

    void anEmptyWindSpeedLeavesOnlyTheHeightOut() {
        combo(w_, "Combo1")->setCurrentText("E");
        combo(w_, "Combo2")->setCurrentText("北京");
        test::setText(w_, "Text1", "");
        MessageRecorder messages;
        test::click(w_, "Command1");
        QCOMPARE(messages.messages(), QStringList({"无法计算，请检查：\n“地面10米高处风速 U10 [m/s]”：未输入数值"}));
        const QStringList lines = report(w_).split('\n');
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[1], "    地面10m处平均风速 U10 = (m/s)");
        QCOMPARE(lines[5], "    混合层系数 =1.66");
        QCOMPARE(lines[6], "    混合层高度 hf = 无法计算（地面10米高处风速 U10不是有效的数值）");
    }

    void reopeningShowsTheNoteAndEmptyChoicesAgain() {
        combo(w_, "Combo1")->setCurrentText("B");
        combo(w_, "Combo2")->setCurrentText("北京");
        test::click(w_, "Command1");
        QVERIFY(!report(w_).contains("以导则推荐方法"));
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QCOMPARE(combo(w_, "Combo1")->currentText(), "");
        QVERIFY(report(w_).contains("以导则推荐方法"));
    }
};

KORRIMET_UI_TEST_MAIN(MixingLayerWindowTest)
#include "mixing_layer_window_uitest.moc"
