#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <QTextBrowser>

#include <cmath>

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
        QCOMPARE(table[4], QStringList({"醋酸甲酯", "33126", "8.139"}));
        QCOMPARE(table[9], QStringList({"乙醚", "28445", "7.715"}));
        QVERIFY(substances->toPlainText().contains(
            "\n注：乙醇、乙醚、醋酸乙酯、醋酸甲酯四行的A、B值已按公开发表的蒸气压数据重新拟合。"));

        auto* formula = test::child<QTextBrowser>(w, "Image1");
        QCOMPARE(formula->size(), QSize(480, 34));
        QVERIFY(formula->toPlainText().contains("（4—43）"));
        QCOMPARE(formula->parentWidget()->objectName(), "Frame1");
    }

    // Every row's A and B, typed as the table shows them, give the substance's vapour pressure at
    // 20 °C within 5 % of a published Antoine equation (ethanol once gave 4126 mmHg, diethyl ether 6.2).
    // With u = 0, F = 1 and M = 1 the window shows G = 5.38 · P, P in mmHg.
    void everySubstanceRowGivesItsPublishedVapourPressure() {
        constexpr double kKilopascalsPerMmHg = 101.325 / 760;
        constexpr double kT = 20;  // °C
        // ln P/kPa = A − B / (t + C): Smith, Van Ness, Abbott, Introduction to Chemical Engineering
        // Thermodynamics, 7th ed., Table B.2.
        auto lnKilopascals = [&](double a, double b, double c) {
            return std::exp(a - b / (kT + c)) / kKilopascalsPerMmHg;
        };
        // log10 P/bar = A − B / (t + C).
        auto lgBar = [&](double a, double b, double c) {
            return std::pow(10, a - b / (kT + c)) * 100 / kKilopascalsPerMmHg;
        };
        const QMap<QString, double> antoine{
            {"苯", lnKilopascals(13.7819, 2726.81, 217.572)},       // 75.1
            {"甲醇", lnKilopascals(16.5785, 3638.27, 239.500)},     // 96.8
            {"四氯化碳", lnKilopascals(14.0572, 2914.23, 232.148)}, // 91.3
            {"甲苯", lnKilopascals(13.9320, 3056.96, 217.625)},     // 21.8
            {"乙醇", lnKilopascals(16.8958, 3795.17, 230.918)},     // 44.1
            {"乙醚", lnKilopascals(14.0735, 2511.29, 231.200)},     // 442
            {"醋酸乙酯", lgBar(4.21248, 1238.15, 217.205)},         // 73.8
            {"醋酸甲酯", lgBar(4.26398, 1194.58, 223.656)},         // 172
            // NIST Chemistry WebBook, after Prydz and Goodwin (1972), 91 to 190 K, T in K: 20 °C lies above
            // methane's critical point, so both this and the table's relation are carried past their range.
            {"甲烷", lgBar(3.98950, 443.028, 273.15 - 0.49)},       // 2.24E+05
        };
        QWidget* w = test::openTool(kOpenStorage);
        const QList<QStringList> table = test::tableRows(test::child<QTextBrowser>(w, "Text7")->document());
        QCOMPARE(table.size() - 1, antoine.size());
        for (const QStringList& row : table.mid(1)) {
            QVERIFY2(antoine.contains(row[0]), qPrintable(row[0]));
            fill(w, kOpenStorageBoxes, {"0", "1", "1", QString::number(kT), row[1], row[2]});
            test::click(w, "Command2");
            const double p = test::text(w, "Text6").toDouble() / 5.38;
            QVERIFY2(std::abs(p / antoine[row[0]] - 1) < 0.05,
                     qPrintable(QString("%1: %2 mmHg, Antoine %3 mmHg").arg(row[0]).arg(p).arg(antoine[row[0]])));
        }
    }
};

KORRIMET_UI_TEST_MAIN(EvaporationWindowsTest)
#include "evaporation_windows_uitest.moc"
