#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "公路交通噪声预测3";
const QString kHelp = "公路噪声预测帮助文档3";
}  // namespace

class FourLaneRoadWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QString report() const { return reportText(test::child<QTextEdit>(w_, "RichTextBox1")); }
    QString line(int n) const { return report().split('\n').value(n); }
    bool checked(const char* name) const { return test::child<QRadioButton>(w_, name)->isChecked(); }

private slots:
    void init() {
        w_ = test::openTool(kWindow);
        w_->show();
    }
    void cleanup() { test::closeAllTools(); }

    void loadsWithSoilGroundAsphaltAndTheNote() {
        QCOMPARE(w_->windowTitle(), "公路交通噪声预测JTJ 005-96");
        QVERIFY(checked("Option2") && checked("Option4"));
        QVERIFY(!checked("Option1") && !checked("Option3") && !checked("Option5"));
        QCOMPARE(test::text(w_, "Text1"), "2003");
        QCOMPARE(test::text(w_, "Text10"), "");
        QCOMPARE(test::text(w_, "Text6"), "0.04");
        QVERIFY(report().isEmpty());
        const QStringList note = test::child<QPlainTextEdit>(w_, "Text15")->toPlainText().split('\n');
        QCOMPARE(note.size(), 13);  // twelve lines, each ended by a break
        QCOMPARE(note[0], "1、预测点距公路的距离为预测点距公路外沿的距离；本程序仅限双向四车道交通噪声预测！");
        QCOMPARE(note[11], "   最大修正量为10dB。");
        bool tip = false;
        for (QLabel* label : w_->findChildren<QLabel*>())
            if (label->text() == "车道宽度：") tip = label->toolTip() == "本程序仅限双向四车道交通噪声预测！";
        QVERIFY(tip);
    }

    void refreshWritesTheDayAndNightRows() {
        test::setText(w_, "Text10", "G2");
        test::setText(w_, "Text9", "abc");  // shown only, never read
        test::click(w_, "Command2");
        QCOMPARE(report().split('\n').size(), 4);
        QVERIFY(line(0).endsWith("G2有限长路段 2003年预测结果"));
        QVERIFY(line(2).startsWith("  预测点昼间预测值：81.55  73.44  "));
        QVERIFY(line(3).startsWith("  预测点夜间预测值：75.74  67.64  "));
    }

    // The ground constant comes from the option clicked, and a reopened
    // window starts from the soil ground again.
    void groundAndPavementOptionsChangeTheLevels() {
        test::click(w_, "Option1");
        test::click(w_, "Command2");
        QVERIFY(line(2).startsWith("  预测点昼间预测值：81.81  "));  // a tenth of the 2.63 dB loss less
        test::click(w_, "Option3");
        test::click(w_, "Command2");
        QVERIFY(line(2).startsWith("  预测点昼间预测值：81.28  "));
        test::click(w_, "Option5");
        test::click(w_, "Command2");
        QVERIFY(line(2).startsWith("  预测点昼间预测值：83.28  "));

        // Choosing by the arrow keys counts as a click too.
        auto* soil = test::child<QRadioButton>(w_, "Option2");
        test::click(w_, "Option2");
        QApplication::setActiveWindow(w_);
        soil->setFocus();
        QVERIFY(soil->hasFocus());
        QTest::keyClick(soil, Qt::Key_Left);
        QVERIFY(checked("Option1"));
        test::click(w_, "Command2");
        QVERIFY(line(2).startsWith("  预测点昼间预测值：83.81  "));

        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QVERIFY(checked("Option2") && checked("Option4"));
        test::click(w_, "Command2");
        QVERIFY(line(2).startsWith("  预测点昼间预测值：81.55  "));
    }

    void aWrongEntryShowsAMessageAndNoReport() {
        test::click(w_, "Command2");
        test::setText(w_, "Text8", "0");
        MessageRecorder messages;
        test::click(w_, "Command2");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“中型车夜流量”：须大于0"});
        QVERIFY(report().isEmpty());
        QCOMPARE(w_->focusWidget(), test::child<QLineEdit>(w_, "Text8"));

        test::setText(w_, "Text8", "120");
        test::setText(w_, "Text14", "1e300");
        test::click(w_, "Command2");
        QCOMPARE(messages.messages().size(), 2);
        QVERIFY(messages.messages()[1].contains("超出数值范围"));
        QVERIFY(report().isEmpty());

        test::setText(w_, "Text14", "0");
        test::setText(w_, "Text13", "");
        test::setText(w_, "Text2", "-3");
        test::click(w_, "Command2");
        QCOMPARE(messages.messages().value(2), "无法计算，请检查：\n“大型车昼流量”：须大于0\n“树林衰减量”：未输入数值");
        QCOMPARE(w_->focusWidget(), test::child<QLineEdit>(w_, "Text2"));
        QVERIFY(report().isEmpty());

        test::setText(w_, "Text13", "0");
        test::setText(w_, "Text2", "50");
        test::click(w_, "Command2");
        QCOMPARE(messages.messages().size(), 3);
        QVERIFY(!report().isEmpty());
    }

    void helpOpensTheHelpPageWhichOutlivesTheWindow() {
        test::click(w_, "Command1");
        QWidget* help = ToolRegistry::instance().window(kHelp);
        QVERIFY(help && help->isVisible());
        QVERIFY(!help->parentWidget());
        test::click(w_, "Command1");
        QCOMPARE(ToolRegistry::instance().window(kHelp), help);
        QPointer<QWidget> road = w_;
        test::click(w_, "Command3");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(road.isNull());
        QCOMPARE(ToolRegistry::instance().window(kHelp), help);
        QVERIFY(help->isVisible());
    }
};

KORRIMET_UI_TEST_MAIN(FourLaneRoadWindowTest)
#include "road_noise_jtj_window_uitest.moc"
