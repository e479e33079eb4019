#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "air_ui_support.h"

using namespace korrimet;

namespace {
const QString kLime = "石灰窑废气产生量";
const QString kDolomite = "白云石窑废气量计算";

void fill(QWidget* w, const QStringList& boxes, const QStringList& values) {
    for (int i = 0; i < boxes.size(); ++i) test::setText(w, boxes[i], values[i]);
}
}  // namespace

class KilnWindowsTest : public QObject {
    Q_OBJECT

    const QStringList limeBoxes{"Text1", "Text2", "Text3", "Text4", "Text5"};
    const QStringList dolomiteBoxes{"Text1", "Text2", "Text3", "Text4", "Text5", "Text8"};

private slots:
    void cleanup() { test::closeAllTools(); }

    void emptyBoxesAreNamedInsteadOfShowingZero() {
        QWidget* lime = test::openTool(kLime);
        QCOMPARE(test::text(lime, "Text6"), " ");
        QVERIFY(test::refusal(lime, "Command2", {"Text6"}).contains("“石灰窑年产量(t)”：未输入数值"));

        QWidget* dolomite = test::openTool(kDolomite);
        QVERIFY(test::refusal(dolomite, "Command2", {"Text6"}).contains("“白云石中氧化钙的含量（%）”：未输入数值"));
    }

    void limeKilnComputesOnThePressOnly() {
        QWidget* w = test::openTool(kLime);
        QCOMPARE(w->windowTitle(), kLime);
        fill(w, limeBoxes, {"10000", "150", "80", "0", "28"});
        QCOMPARE(test::text(w, "Text6"), " ");  // nothing computed before the press
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "2.228286E+07");
        test::setText(w, "Text4", "50");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "1.916326E+07");
    }

    void dolomiteKilnReadsTheLimeShareFromText8() {
        QWidget* w = test::openTool(kDolomite);
        fill(w, dolomiteBoxes, {"10000", "100", "80", "20", "30", "30"});
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "1.270933E+07");
        test::setText(w, "Text1", "1");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "1270.933");
        test::setText(w, "Text4", "60");
        test::setText(w, "Text8", "60");  // no stone holds 120 % of oxides
        QCOMPARE(test::refusal(w, "Command2", {"Text6"}),
                 "无法计算，请检查：\n白云石中氧化镁与氧化钙的含量之和不能超过100%");
    }

    void aBadEntryAfterAGoodPressLeavesNoOldResult() {
        QWidget* w = test::openTool(kLime);
        fill(w, limeBoxes, {"10000", "150", "80", "0", "28"});
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "2.228286E+07");
        // A zero CO2 share once kept the old gas volume and showed 2.228286E+07 again.
        test::setText(w, "Text5", "0");
        QCOMPARE(test::refusal(w, "Command2", {"Text6"}),
                 "无法计算，请检查：\n“窑气中CO2所占体积百分数（%）”：须大于0");
        test::setText(w, "Text5", "28");
        test::setText(w, "Text4", "300");
        QVERIFY(test::refusal(w, "Command2", {"Text6"}).contains("“废气回收利用率（%）”：须在0～100之间"));
        test::closeAllTools();

        // A reopened window computes nothing from the values it no longer shows.
        w = test::openTool(kLime);
        QVERIFY(test::refusal(w, "Command2", {"Text6"}).contains("未输入数值"));
    }

    void focusAndTabOrderFollowTheForms() {
        QWidget* lime = test::openTool(kLime);
        QCOMPARE(lime->focusWidget(), test::child<QWidget>(lime, "Text1"));
        QCOMPARE(test::tabOrder(test::child<QWidget>(lime, "Text1"), 8),
                 QStringList({"Text1", "Text3", "Text2", "Text4", "Text5", "Text6", "Command2", "Text7"}));

        QWidget* dolomite = test::openTool(kDolomite);
        QCOMPARE(dolomite->focusWidget(), test::child<QWidget>(dolomite, "Text1"));  // not the notes
        QVERIFY(test::child<QPlainTextEdit>(dolomite, "Text7")->toPlainText().startsWith("计算依据："));
    }

    void everyInputBoxCarriesTheNumericFilter() {
        for (const QString& cls : {kLime, kDolomite}) {
            QWidget* w = test::openTool(cls);
            const QStringList& boxes = cls == kLime ? limeBoxes : dolomiteBoxes;
            const QString fault = test::numericFilterFault(w, boxes);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            // The result box takes any text.
            MessageRecorder none;
            QTest::keyClicks(test::child<QLineEdit>(w, "Text6"), "x");
            QVERIFY(none.messages().isEmpty());
        }
    }
};

KORRIMET_UI_TEST_MAIN(KilnWindowsTest)
#include "kiln_windows_uitest.moc"
