#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "固定顶罐的呼吸排放量和工作排放量";
const QString kMethodPage = "固顶贮罐呼吸排放量和工作排放量资料";
const QString kZeroMessage = "请检查你的各项参数的输入，你输入的参数中有为0的选项!请重新输入";
QString box(int n) { return QStringLiteral("Text%1").arg(n); }
}  // namespace

class FixedRoofTankWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QString text(int n) { return test::text(w_, box(n)); }
    void type(int n, const QString& value) {
        QLineEdit* b = test::child<QLineEdit>(w_, box(n));
        b->clear();
        QTest::keyClicks(b, value);
    }
    QRadioButton* option(int n) { return test::child<QRadioButton>(w_, QStringLiteral("Option%1").arg(n)); }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void opensWithCrudeOilChosenAndNoFactorsDerived() {
        QCOMPARE(w_->windowTitle(), kWindow);
        QVERIFY(option(1)->isChecked());
        QCOMPARE(text(8), "0.65");
        for (int n : {3, 7, 9, 10, 11, 12}) QVERIFY2(text(n).isEmpty(), qPrintable(box(n)));
        QCOMPARE(text(1), "150");
        QCOMPARE(text(2), "10100");
        QVERIFY(test::child<QPlainTextEdit>(w_, "Text13")->toPlainText().startsWith("储存有机液体的基本罐型"));

        test::click(w_, "Option2");
        QCOMPARE(text(8), "1");
        test::click(w_, "Option1");
        QCOMPARE(text(8), "0.65");
    }

    void typingDiameterOrTurnoversOverwritesTheirFactors() {
        MessageRecorder messages;
        type(3, "5");
        QCOMPARE(text(7), ".8032");
        type(3, "-1");  // gave a C of -.23
        QCOMPARE(text(7), "");
        QCOMPARE(test::child<QLineEdit>(w_, box(7))->toolTip(), "无法计算，请检查：\n“D-罐的直径（m）”：不能为负数");
        type(3, "5");
        type(3, "");  // once cleared C without a word
        QCOMPARE(text(7), "");
        QCOMPARE(test::child<QLineEdit>(w_, box(7))->placeholderText(), "无法计算");
        QCOMPARE(test::child<QLineEdit>(w_, box(7))->toolTip(), "无法计算，请检查：\n“D-罐的直径（m）”：未输入数值");
        type(10, "221");
        QCOMPARE(text(9), "0.26");
        type(10, "");  // gave a KN of 1 from no K at all, then nothing without a word
        QCOMPARE(text(9), "");
        QCOMPARE(test::child<QLineEdit>(w_, box(9))->toolTip(),
                 "无法计算，请检查：\n“K-固顶贮罐年周转次数（次）”：未输入数值");
        test::setText(w_, box(10), "二十");
        QCOMPARE(test::child<QLineEdit>(w_, box(9))->placeholderText(), "无法计算");
        QVERIFY(messages.messages().isEmpty());

        test::setText(w_, box(7), "0.5");  // typed by hand, then overwritten by a new D
        type(3, "10");
        QCOMPARE(text(7), "1");
    }

    void refreshComputesBothLossesFromTheDerivedFactors() {
        MessageRecorder messages;
        type(3, "5");
        type(10, "100");
        test::click(w_, "Command8");
        QCOMPARE(text(11), "124.442963");
        QCOMPARE(text(12), ".186031");
        QVERIFY(messages.messages().isEmpty());
    }

    void aZeroIsReportedAndOnlyTheLossesItEntersShowZero() {
        MessageRecorder messages;
        type(3, "10");
        type(10, "20");
        test::click(w_, "Option2");
        test::setText(w_, box(4), "0");
        test::click(w_, "Command8");
        QCOMPARE(messages.messages(), QStringList{kZeroMessage});
        QCOMPARE(text(11), "0");  // not a lone point
        QCOMPARE(text(12), ".634482");
    }

    void emptyBoxesAreNamedAndLeaveNoOldResult() {
        MessageRecorder messages;
        type(3, "10");
        type(10, "20");
        test::click(w_, "Command8");
        QCOMPARE(text(12), ".412413");
        type(3, "");
        type(10, "");
        test::click(w_, "Command8");  // D, C, K and KN empty, as in a window just opened
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“KN-周转因子（无量纲）”：未输入数值\n"
                                                  "“D-罐的直径（m）”：未输入数值\n"
                                                  "“C-用于小直径罐的调节因子（无量纲）”：未输入数值"});
        QCOMPARE(text(11), "");
        QCOMPARE(text(12), "");

        messages.clear();
        type(10, "20");
        test::setText(w_, box(2), "100910");  // the vapour pressure of the method's limit
        test::click(w_, "Command8");
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages()[0].contains("须小于100910"));
        QCOMPARE(text(11), "");
        QCOMPARE(text(12), "");
    }

    void helpButtonsShowTheirTexts() {
        MessageRecorder messages;
        const QString names[] = {"Command1", "Command2", "Command3", "Command4",
                                 "Command6", "Command7", "Command9", "Command10"};
        for (const QString& n : names) {
            QCOMPARE(test::child<QPushButton>(w_, n)->text(), "......?");
            test::click(w_, n);
        }
        QCOMPARE(messages.messages().size(), 8);
        QCOMPARE(messages.messages()[1],
                 "用于小直径罐的调节因子（无量纲）;直径在0~9m之间的罐体，C=1-0.0123(D-9)^2  ; 罐径大于9m的C=1；");
        QCOMPARE(messages.messages()[6], messages.messages()[7]);
    }

    void theMethodTextOpensOnceInItsFrame() {
        test::click(w_, "Command5");
        QWidget* page = ToolRegistry::instance().window(kMethodPage);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), kMethodPage);
        QCOMPARE(test::child<QGroupBox>(page, "Frame1")->title(), "固顶贮罐呼吸排放量和工作排放量资料原文：");
        auto* text = test::child<QTextBrowser>(page, "RichTextBox1");
        QCOMPARE(text->palette().color(QPalette::Base), text->palette().color(QPalette::ToolTipBase));
        const QString method = text->toPlainText();
        QVERIFY(method.contains("LB=0.191×M（P/（100910-P））^0.68×D^1.73×H^0.51×△T^0.45×FP×C×KC"));
        QVERIFY(method.contains("LW=4.188×10^-7×M×P×KN×KC"));
        QVERIFY(method.contains("其他的同（1）式。"));
        test::click(w_, "Command5");
        QCOMPARE(ToolRegistry::instance().window(kMethodPage), page);
    }
};

KORRIMET_UI_TEST_MAIN(FixedRoofTankWindowTest)
#include "fixed_roof_tank_window_uitest.moc"
