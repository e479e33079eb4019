#include <QLineEdit>
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

    void aBadEntryAfterAGoodPressIsNamedAndLeavesNoOldResult() {
        QWidget* drying = test::openTool(kDrying);
        fill(drying, {"Text1", "Text2", "Text3"}, {"1000", "60", "10"});
        test::click(drying, "Command2");
        QCOMPARE(test::text(drying, "Text6"), "555.5556");
        test::setText(drying, "Text3", "100");  // no dry matter left: once the old 555.5556 stayed
        QCOMPARE(test::refusal(drying, "Command2", {"Text6"}), "无法计算，请检查：\n干燥后的湿度为100%，物料中没有干物质");
        test::setText(drying, "Text3", "");
        QVERIFY(test::refusal(drying, "Command2", {"Text6"}).contains("“物料干燥后的湿度（%）”：未输入数值"));
        test::setText(drying, "Text3", "10");
        test::setText(drying, "Text2", "160");
        QVERIFY(test::refusal(drying, "Command2", {"Text6"}).contains("“物料干燥前的湿度（%）”：须在0～100之间"));

        QWidget* evaporation = test::openTool(kEvaporation);
        fill(evaporation, {"Text1", "Text2", "Text3"}, {"1000", "10", "40"});
        test::click(evaporation, "Command2");
        QCOMPARE(test::text(evaporation, "Text6"), "750");
        test::setText(evaporation, "Text3", "0");
        QVERIFY(test::refusal(evaporation, "Command2", {"Text6"}).contains("蒸发后的浓度为0"));
        test::setText(evaporation, "Text3", "40");
        test::click(evaporation, "Command2");
        QCOMPARE(test::text(evaporation, "Text6"), "750");
        QVERIFY(test::child<QLineEdit>(evaporation, "Text6")->placeholderText().isEmpty());
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

    void openStorageNeverComputesFromAnEarlierPress() {
        QWidget* w = test::openTool(kOpenStorage);
        fillBenzene(w);
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "6214.066");
        // Each bad press once multiplied B into lg P again: 5.69E+11, 5.2E+19, ...
        test::setText(w, "Text4", "");
        for (int i = 0; i < 3; ++i)
            QVERIFY(test::refusal(w, "Command2", {"Text6"}).contains("“敞开存放时温度（℃）”：未输入数值"));
        test::setText(w, "Text4", "20");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "6214.066");
        test::setText(w, "Text3", "-78");
        QVERIFY(test::refusal(w, "Command2", {"Text6"}).contains("“有害物质分子量”：须大于0"));
    }

    void aReopenedWindowDoesNotShowTheLastResultAgain() {
        QWidget* w = test::openTool(kOpenStorage);
        fillBenzene(w);
        test::setText(w, "Text2", "2");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text6"), "12428.13");
        test::closeAllTools();

        w = test::openTool(kOpenStorage);
        for (const QString& box : kOpenStorageBoxes) QVERIFY(test::text(w, box).isEmpty());
        QCOMPARE(test::text(w, "Text6"), " ");
        QVERIFY(test::refusal(w, "Command2", {"Text6"}).contains("未输入数值"));
    }

    void focusAndTabOrderFollowTheForms() {
        struct Form {
            QString cls, first;
            QStringList order;
        };
        const Form forms[] = {
            {kDrying, "Text1", {"Text1", "Text3", "Text2", "Text6", "Command2", "Text7"}},
            {kEvaporation, "Text1", {"Text1", "Text7", "Command2", "Text6", "Text2", "Text3"}},
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
        auto* substances = test::child<QTextBrowser>(w, "Text7");
        QVERIFY(substances->toPlainText().startsWith("计算依据：《环境保护计算手册》"));
        const QList<QStringList> table = test::tableRows(substances->document());
        QCOMPARE(table.size(), 10);
        QCOMPARE(table[0], QStringList({"物质名称", "A", "B"}));
        QCOMPARE(table[4], QStringList({"醋酸甲酯", "46150", "8.715"}));
        QCOMPARE(table[9], QStringList({"乙醚", "46774", "9.13"}));

        auto* formula = test::child<QTextBrowser>(w, "Image1");
        QCOMPARE(formula->size(), QSize(480, 34));
        QVERIFY(formula->toPlainText().contains("（4—43）"));
        QCOMPARE(formula->parentWidget()->objectName(), "Frame1");
    }
};

KORRIMET_UI_TEST_MAIN(EvaporationWindowsTest)
#include "evaporation_windows_uitest.moc"
