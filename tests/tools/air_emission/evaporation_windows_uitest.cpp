#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBrowser>

#include "air_ui_support.h"

using namespace korrimet;

namespace {
const QString kDrying = "干燥废气计算";
const QString kEvaporation = "蒸发废气排放量";
const QString kOpenStorage = "有毒有害物质露天存放散发量";

const QStringList kOpenStorageBoxes{"Text1", "Text2", "Text3", "Text4", "Text5", "Text8"};

void fill(QWidget* w, const QStringList& boxes, const QStringList& values) {
    for (int i = 0; i < boxes.size(); ++i) test::setText(w, boxes[i], values[i]);
}
// u, F, M, t, A, B of benzene.
void fillBenzene(QWidget* w) { fill(w, kOpenStorageBoxes, {"1", "1", "78", "20", "34172", "7.962"}); }
}  // namespace

class EvaporationWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { test::closeAllTools(); }

    // First, while the window-level variables still hold their starting zeros.
    void aFirstPressComputesFromZeroedVariables() {
        QWidget* drying = test::openTool(kDrying);
        QCOMPARE(test::text(drying, "Text6"), " ");
        test::setText(drying, "Text1", "1000");
        test::click(drying, "Command2");
        QCOMPARE(test::text(drying, "Text6"), "1000");  // R stays 0 without moistures

        for (const QString& cls : {kEvaporation, kOpenStorage}) {
            QWidget* w = test::openTool(cls);
            QCOMPARE(test::text(w, "Text6"), " ");
            test::click(w, "Command2");
            QCOMPARE(test::text(w, "Text6"), "0");
        }
    }

    void dryingComputesOnThePressOnly() {
        QWidget* w = test::openTool(kDrying);
        fill(w, {"Text1", "Text2", "Text3"}, {"1000", "60", "10"});
        QCOMPARE(test::text(w, "Text6"), " ");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "555.5556");
        test::setText(w, "Text2", "10");
        test::setText(w, "Text3", "60");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "-1250");
    }

    void evaporationKeepsItsResultWhenTheEndConcentrationIsZero() {
        QWidget* w = test::openTool(kEvaporation);
        fill(w, {"Text1", "Text2", "Text3"}, {"1000", "10", "40"});
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "750");
        test::setText(w, "Text3", "0");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "750");
    }

    void openStorageComputesTheBenzeneRow() {
        QWidget* w = test::openTool(kOpenStorage);
        fillBenzene(w);
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "6214.066");
        test::setText(w, "Text2", "");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "6214.066");
    }

    void variablesSurviveClosingTheWindow() {
        QWidget* w = test::openTool(kOpenStorage);
        fillBenzene(w);
        test::setText(w, "Text2", "2");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "12428.13");
        test::closeAllTools();

        w = test::openTool(kOpenStorage);
        for (const QString& box : kOpenStorageBoxes) QVERIFY(test::text(w, box).isEmpty());
        QCOMPARE(test::text(w, "Text6"), " ");
        test::click(w, "Command2");  // every step that reads a box fails
        QCOMPARE(test::text(w, "Text6"), "12428.13");
    }

    void focusAndTabOrderFollowTheForms() {
        struct Form {
            QString cls, first;
            QStringList order;
        };
        const Form forms[] = {
            {kDrying, "Text1", {"Text1", "Text3", "Text2", "Text6", "Command2", "Text7"}},
            {kEvaporation, "Text7", {"Text7", "Command2", "Text6", "Text2", "Text3", "Text1"}},
            {kOpenStorage,
             "Text8",
             {"Text8", "Text1", "Text3", "Text2", "Text4", "Text5", "Text6", "Command2", "Text7"}},
        };
        for (const Form& f : forms) {
            QWidget* w = test::openTool(f.cls);
            QCOMPARE(w->focusWidget(), test::child<QWidget>(w, f.first));
            QCOMPARE(test::tabOrder(w->focusWidget(), f.order.size()), f.order);
        }
    }

    void everyInputBoxCarriesTheNumericFilter() {
        QString fault = test::numericFilterFault(test::openTool(kDrying), {"Text1", "Text2", "Text3"});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        fault = test::numericFilterFault(test::openTool(kEvaporation), {"Text1", "Text2", "Text3"});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QWidget* storage = test::openTool(kOpenStorage);
        fault = test::numericFilterFault(storage, kOpenStorageBoxes);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        // Tabbing into a box selects its text, so the next digit replaces it.
        storage->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(storage));
        auto* area = test::child<QLineEdit>(storage, "Text2");
        area->setText("1.5");
        test::child<QLineEdit>(storage, "Text1")->setFocus();
        area->setFocus(Qt::TabFocusReason);
        QCOMPARE(area->selectedText(), "1.5");
    }

    void openStorageShowsTheSubstanceTableAndTheFormula() {
        QWidget* w = test::openTool(kOpenStorage);
        const QStringList lines = test::child<QPlainTextEdit>(w, "Text7")->toPlainText().split('\n');
        QCOMPARE(lines.size(), 18);  // 17 lines, each ended by a line break
        QCOMPARE(lines[0], "计算依据：《环境保护");
        QCOMPARE(lines[7], "物质名称|   A   |   B   |");
        QCOMPARE(lines[8], "  苯    |34172  |7.962  |");
        QCOMPARE(lines[16], "乙醚    |46774  |9.13   |");

        auto* formula = test::child<QTextBrowser>(w, "Image1");
        QCOMPARE(formula->size(), QSize(480, 34));
        QVERIFY(formula->toPlainText().contains("（4—43）"));
        QCOMPARE(formula->parentWidget()->objectName(), "Frame1");
    }
};

KORRIMET_UI_TEST_MAIN(EvaporationWindowsTest)
#include "evaporation_windows_uitest.moc"
