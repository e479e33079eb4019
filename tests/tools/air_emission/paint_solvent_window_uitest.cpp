#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "support/page_support.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

const QString kWindow = QStringLiteral("各种油漆有机溶剂挥发量表");
using Rows = QList<QStringList>;

QTextBrowser* page(QWidget* w, const QString& name) { return test::child<QTextBrowser>(w, name); }

// Which of the two pages shows: "Picture2", "Picture3", or what else is wrong.
QString shown(QWidget* w) {
    const bool first = page(w, "Picture2")->isVisible();
    const bool second = page(w, "Picture3")->isVisible();
    if (first && !second) return "Picture2";
    if (second && !first) return "Picture3";
    return first ? "both" : "none";
}

const QStringList kHeader{"油漆代号", "油漆类别", "有机溶剂挥发量", "有机溶剂挥发量", "其中：苯类溶剂挥发量",
                          "其中：苯类溶剂挥发量", "备注（附有机溶剂名称）"};
const QStringList kUnits{"油漆代号", "油漆类别", "重量（公斤）", "体积（标米³）", "重量（公斤）", "体积（标米³）",
                         "备注（附有机溶剂名称）"};

}  // namespace

class PaintSolventWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::closeAllTools(); }

    void opensOnceOnTheFirstPageWithItsButtonsBelow() {
        QWidget* w = test::openTool(kWindow);
        QCOMPARE(w->windowTitle(), kWindow);
        QCOMPARE(test::openTool(kWindow), w);
        QCOMPARE(w->size(), QSize(585, 490));
        QCOMPARE(shown(w), "Picture2");
        auto* first = test::child<QPushButton>(w, "Command1");
        auto* next = test::child<QPushButton>(w, "Command2");
        QCOMPARE(first->text(), "表一");
        QCOMPARE(next->text(), "续表");
        for (const char* name : {"Picture2", "Picture3"})
            QVERIFY2(page(w, name)->geometry().bottom() < first->geometry().top(), name);
        QVERIFY(first->geometry().right() < next->geometry().left());
    }

    void theButtonsSwitchBetweenTheTwoPages() {
        QWidget* w = test::openTool(kWindow);
        test::click(w, "Command2");
        QCOMPARE(shown(w), "Picture3");
        test::click(w, "Command2");
        QCOMPARE(shown(w), "Picture3");
        test::click(w, "Command1");
        QCOMPARE(shown(w), "Picture2");
        test::click(w, "Command1");
        QCOMPARE(shown(w), "Picture2");
    }

    void reopeningAfterACloseOnTheSecondPageShowsTheFirst() {
        QWidget* w = test::openTool(kWindow);
        test::click(w, "Command2");
        QCOMPARE(shown(w), "Picture3");
        test::closeAllTools();
        w = test::openTool(kWindow);
        QCOMPARE(shown(w), "Picture2");
    }

    void eachPageShowsItsWholeTableUnderItsHeading() {
        QWidget* w = test::openTool(kWindow);
        QTextBrowser* table = page(w, "Picture2");
        QTextBrowser* continued = page(w, "Picture3");
        QVERIFY(table->toPlainText().startsWith("（四）各种油漆有机溶剂挥发量表\n（计量单位：公斤或标米³／吨油漆）"));
        QVERIFY(continued->toPlainText().startsWith(
            "（四）各种油漆有机溶剂挥发量表（续表）\n（计量单位：公斤或标米³／吨油漆）"));
        QVERIFY(test::fitsItsView(table));
        test::click(w, "Command2");
        QVERIFY(test::fitsItsView(continued));
    }

    void theFirstPageListsThePaintClasses() {
        const Rows rows = test::tableRows(page(test::openTool(kWindow), "Picture2")->document());
        QCOMPARE(rows.mid(0, 2), Rows({kHeader, kUnits}));
        QCOMPARE(rows.mid(2),
                 Rows({{"Y", "油脂漆类", "71", "11", "0", "0", "200号汽油、松节油"},
                       {"T", "酚醛树脂漆类", "311", "56", "114", "28", "200号汽油、二甲苯"},
                       {"F", "酚醛树脂漆类", "341", "56", "23", "6", "200号汽油、甲苯、二甲苯"},
                       {"L", "沥青树脂漆类", "420", "76", "235", "57", "200号汽油、煤油、二甲苯"},
                       {"C", "醇酸树脂漆类", "432", "81", "194", "47", "200号汽油、二甲苯、松节油"},
                       {"A", "氨基树脂漆类", "509", "131", "367", "89", "丁醇、二甲苯、煤焦溶剂"},
                       {"Q", "硝基树脂漆类", "537", "131", "227", "55",
                        "纯苯、甲苯、丙酮、醋酸乙酯、醋酸丁酯、丁醇、乙醇"},
                       {"G", "过氯乙烯漆类", "668", "166", "414", "101", "甲苯、二甲苯、丙酮、醋酸丁酯"},
                       {"X", "乙烯树脂漆类", "569", "245", "0", "0", "乙醇、丁醇"},
                       {"B", "丙烯酸漆类", "641", "163", "297", "72",
                        "甲苯、二甲苯、纯苯、醋酸丁酯、丁醇、乙醇、丙酮"}}));
    }

    // The sum row and the last auxiliary row carry no code letter, and the
    // sum row names no solvent.
    void theContinuationListsTheRestAndTheAuxiliaryMaterials() {
        const Rows rows = test::tableRows(page(test::openTool(kWindow), "Picture3")->document());
        QCOMPARE(rows.mid(0, 2), Rows({kHeader, kUnits}));
        QCOMPARE(rows.mid(2),
                 Rows({{"Z", "聚酯漆类", "408", "113", "218", "53", "二甲苯、乙二醇、丙二醇"},
                       {"H", "环氧树脂漆类", "246", "64", "136", "33", "二甲苯、丁醇"},
                       {"S", "聚氨酯漆类", "340", "77", "137", "33", "二甲苯、醋酸丁酯、环己酮"},
                       {"W", "有机硅漆类", "370", "88", "282", "69", "甲苯、二甲苯、醋酸丁酯、丁醇"},
                       {"T", "各种橡胶漆类", "502", "114", "443", "108", "甲苯、二甲苯、纯苯、苯焦溶剂"},
                       {"", "各大类油漆总和均", "380", "85", "144", "35", ""},
                       {"X", "辅助材料：硝基漆稀料（香蕉水）", "1000", "243", "510", "124",
                        "甲苯、醋酸丁酯、醋酸乙酯、丁醇、丙酮、乙醇"},
                       {"X", "其他稀料", "1000", "218", "633", "154",
                        "二甲苯、丁醇、甲苯、丙酮、200号汽油、醋酸丁酯"},
                       {"", "其他辅料", "869", "221", "364", "88",
                        "200号汽油、纯苯、二甲苯、乙醇、丁醇、丙酮、醋酸丁酯"}}));
    }
};

KORRIMET_UI_TEST_MAIN(PaintSolventWindowTest)
#include "paint_solvent_window_uitest.moc"
