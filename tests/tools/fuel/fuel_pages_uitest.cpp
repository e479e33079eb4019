#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>

#include "support/page_support.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

struct Page {
    const char* className;
    const char* caption;
    const char* title;
    int headerRows;
};

// The twenty-four pages; header rows before the first row of the table body.
const Page kPages[] = {
    {"煤中灰分含量", "煤中灰分含量", "表1 煤中灰分含量(A)", 1},
    {"灰分中烟尘的含量", "灰分中烟尘的含量", "表2 灰分中烟尘含量（dfh）", 1},
    {"烟尘中可燃物含量", "烟尘中可燃物含量", "表4 烟尘中可燃物含量（Cfh）", 1},
    {"各种除尘器的效率", "各种除尘器的效率", "表3 各类除尘器除尘效率（η）", 1},
    {"煤的全硫分含量", "煤的全硫分含量", "表5 燃煤全硫分含量（S）", 1},
    {"燃煤中氮NOX转化率", "燃煤中氮NOX转化率", "表7 燃煤中氮NOx转化率（β）", 1},
    {"燃煤燃烧不完全值和含碳量QC", "燃煤燃烧不完全值和含碳量QC", "表6 燃煤燃烧不完全值和含碳量（Q、C）", 1},
    {"燃油全硫分含量", "燃油全硫分含量", "表8 燃油全硫分含量（S）", 1},
    {"燃油中含氮量", "燃油中含氮量", "表10 燃油中氮含量（N）", 1},
    {"燃气中H2S的含量", "燃气中H2S的含量", "表12 燃气中H2S体积含量（CH2S）", 1},
    {"燃气燃烧不完全值表", "燃气燃烧不完全值表", "表13 燃气燃烧不完全值表（Q）", 1},
    {"燃气中主要物质体积含量", "燃气中主要物质体积含量", "表14 燃气中主要物质体积含量（V）", 1},
    {"烟气量系数1", "锅炉烟气量产生系数", "表5-2-6 锅炉每吨蒸汽所产生的烟气量（米3/时·吨）", 1},
    {"焦炭质量统计表1", "焦炭质量统计表", "2001年中国炼焦协会理事单位焦炭质量统计表", 1},
    {"机动车排放污染物表1", "机动车排放污染物表", "六、机动车辆污染物排放表", 2},
    {"机动车辆大气污染物排放表1", "机动车辆大气污染物排放表", "表2-146 机动车辆大气污染物排放表", 2},
    {"最低理论空气量", "各种燃料燃烧时所需的最低理论空气量", "表2-37 各种燃料燃烧时所需的最低理论空气量", 1},
    {"固液体燃料", "固液体燃料的燃烧计算数据", "表2-40 固液体燃料的燃烧计算数据", 2},
    {"不同燃烧方式", "不同燃烧方式烟气含尘浓度", "表2-45 不同燃烧方式烟气含尘浓度", 1},
    {"平均浓度值最高值综合表", "各种燃烧方式锅炉烟尘平均浓度值、最高值综合表",
     "表2-43 各种燃烧方式锅炉烟尘平均浓度值、最高值综合表", 1},
    {"锅炉所需烟气量和排气量", "各种锅炉产生1t/h蒸汽所需要的空气和排烟量",
     "表2-46 各种锅炉产生1t/h蒸汽所需要的空气和排烟量", 2},
    {"锅炉用燃料含氮量1", "锅炉用燃料含氮量", "表2-46 锅炉用燃料含氮量", 2},
    {"常用锅炉耗煤或油量", "常用锅炉耗煤（油）量", "表2-52 常用锅炉耗煤（油）量", 2},
    {"全国主要能源折算标准表1", "全国主要能源折算标准表", "表2-78 全国主要能源折算标准表", 2},
};

using Rows = QList<QStringList>;

QTextBrowser* pictureOf(QWidget* w, const QString& name = "Image1") { return test::child<QTextBrowser>(w, name); }

Rows body(const QString& page, int headerRows) {
    Rows rows = test::tableRows(pictureOf(test::openTool(page))->document());
    return rows.mid(headerRows);
}

}  // namespace

class FuelPagesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::closeAllTools(); }

    void everyPageOpensOnceWithItsTitleAndWholeTable() {
        for (const Page& p : kPages) {
            QWidget* w = test::openTool(p.className);
            QCOMPARE(w->windowTitle(), QString(p.caption));
            QCOMPARE(test::openTool(p.className), w);
            QTextBrowser* picture = pictureOf(w);
            QVERIFY2(picture->toPlainText().contains(p.title), p.className);
            QVERIFY2(test::fitsItsView(picture), p.className);
            QVERIFY2(picture->geometry().bottom() < w->height(), p.className);
        }
        QCOMPARE(ToolRegistry::instance().openWindows().size(), int(std::size(kPages)));
    }

    // The figures the calculators send the user to read off.
    void calculatorPagesShowTheirFigures() {
        QCOMPARE(body("煤中灰分含量", 1),
                 Rows({{"鸡西", "35.61"}, {"鹤岗", "24.90"}, {"双鸭山", "22.49"}, {"七台河", "26.64"}}));
        QCOMPARE(body("灰分中烟尘的含量", 1), Rows({{"手烧炉", "25"},
                                                   {"链条炉", "25"},
                                                   {"往复推饲炉", "20"},
                                                   {"振动炉", "40"},
                                                   {"抛煤机炉", "40"},
                                                   {"沸腾炉", "60"},
                                                   {"煤粉炉", "85"}}));
        QCOMPARE(body("烟尘中可燃物含量", 1), Rows({{"一般炉型", "45"}, {"煤粉炉", "8"}, {"沸腾炉", "25"}}));
        const Rows collectors = body("各种除尘器的效率", 1);
        QCOMPARE(collectors.size(), 18);
        QCOMPARE(collectors[0], QStringList({"立帽式", "48.5"}));
        QCOMPARE(collectors[6], QStringList({"金属多管", "83.3"}));
        QCOMPARE(collectors[14], QStringList({"湿式文丘里水膜两级除尘", "96.8"}));
        QCOMPARE(collectors[17], QStringList({"立式多管加灰斗抽风除尘", "93.0"}));
        QCOMPARE(body("煤的全硫分含量", 1), Rows({{"鸡西矿区", "1/3焦煤", "0.53"},
                                                 {"鹤岗矿区", "1/3焦煤", "0.5"},
                                                 {"双鸭山矿区", "气煤", "0.25"},
                                                 {"双鸭山矿区", "长焰、气、焦、贫煤", "0.36"},
                                                 {"双鸭山矿区集贤区", "长焰、气煤", "0.30"},
                                                 {"七台河矿区", "气煤", "0.24"},
                                                 {"七台河矿区", "焦、瘦煤", "0.53"},
                                                 {"七台河矿区", "瘦煤", "0.36"}}));
        QCOMPARE(body("燃煤中氮NOX转化率", 1), Rows({{"层燃炉", "50"}, {"煤粉炉", "25"}}));
        QCOMPARE(body("燃煤燃烧不完全值和含碳量QC", 1), Rows({{"混煤", "4", "60"},
                                                              {"褐煤", "4", "70"},
                                                              {"烟煤", "3", "80"},
                                                              {"无烟煤", "3", "90"},
                                                              {"焦碳", "3", "85"}}));
        QCOMPARE(body("燃油全硫分含量", 1), Rows({{"原油", "0.3"}, {"轻油", "0.1"}, {"重油", "3.5"}}));
        QCOMPARE(body("燃油中含氮量", 1), Rows({{"劣质重油", "0.20"}, {"一般重油", "0.14"}, {"劣质轻油", "0.02"}}));
        QCOMPARE(body("燃气中H2S的含量", 1), Rows({{"哈依煤气", "0.05"}, {"天然气", "0.05"}}));
        QCOMPARE(body("燃气燃烧不完全值表", 1), Rows({{"哈依煤气", "2"}, {"天然气", "2"}}));
        QCOMPARE(body("燃气中主要物质体积含量", 1),
                 Rows({{"哈依煤气", "10", "25", "1"}, {"天然气", "5", "95", ""}}));
        QCOMPARE(body("烟气量系数1", 1), Rows({{"废气量", "1483", "1483", "1362", "1362"}}));
    }

    // Tables known only by their rows and columns show empty cells, never a
    // figure of our own, and say on the page that the values are missing.
    void handbookTablesWithoutGivenFiguresSayTheirValuesAreMissing() {
        const QString missing = "注：本机未收录此表的数值";
        const QString namesMissing = "也未收录空白处的行名、列名。";
        for (const char* page : {"焦炭质量统计表1", "最低理论空气量", "固液体燃料", "不同燃烧方式",
                                 "平均浓度值最高值综合表", "锅炉所需烟气量和排气量", "锅炉用燃料含氮量1",
                                 "常用锅炉耗煤或油量", "全国主要能源折算标准表1"}) {
            int headerRows = 0;
            for (const Page& p : kPages)
                if (QString(p.className) == page) headerRows = p.headerRows;
            const Rows rows = body(page, headerRows);
            QVERIFY2(!rows.isEmpty(), page);
            for (const QStringList& row : rows)
                for (int c = 1; c < row.size(); ++c) QVERIFY2(row[c].isEmpty(), qPrintable(page + (" " + row[c])));
            QTextBrowser* view = pictureOf(test::openTool(page));
            QVERIFY2(view->toPlainText().contains(missing), page);
            // Blank row or column names are said to be missing too.
            bool blankNames = false;
            const Rows all = test::tableRows(view->document());
            for (int r = 0; r < all.size(); ++r)
                blankNames = blankNames || all[r].first().isEmpty() || (r < headerRows && all[r].contains(QString()));
            QCOMPARE(view->toPlainText().contains(namesMissing), blankNames);
            QVERIFY2(test::fitsItsView(view), page);
        }
        QVERIFY(pictureOf(test::openTool("燃气中主要物质体积含量"))->toPlainText().contains("注：本机未收录天然气的CmHn含量。"));
        QCOMPARE(body("最低理论空气量", 1).size(), 10);
        QCOMPARE(body("平均浓度值最高值综合表", 1).size(), 15);
        QCOMPARE(body("全国主要能源折算标准表1", 2).size(), 18);
        QWidget* tabs = test::openTool("锅炉排放的烟气量烟尘及SO2的计算");
        for (const char* image : {"Image1", "Image2"})
            QVERIFY2(pictureOf(tabs, image)->toPlainText().contains(missing), image);
    }

    // Both vehicle pages show the factor table of the vehicle calculator, one
    // stored table for all three; the second print names NOx differently.
    void vehiclePagesShowTheCalculatorsFactors() {
        const Rows factors = {{"铅化合物", "2.1", "1.56", "3.0"},
                              {"二氧化硫", "0.295", "3.24", "7.8"},
                              {"一氧化碳", "169.0", "27.0", "8.4"},
                              {"氮氧化物", "21.1", "44.4", "9.0"},
                              {"烃类", "33.3", "4.44", "6.0"}};
        QCOMPARE(test::tableRows(test::child<QTextBrowser>(test::openTool("机动车污染物排放"), "Picture1")->document()).mid(2),
                 factors);
        QCOMPARE(body("机动车排放污染物表1", 2), factors);
        Rows second = factors;
        second[3][0] = "氮氧化合物";
        QCOMPARE(body("机动车辆大气污染物排放表1", 2), second);
        for (const char* page : {"机动车排放污染物表1", "机动车辆大气污染物排放表1"})
            QVERIFY2(test::fitsItsView(pictureOf(test::openTool(page))), page);
    }

    void sourceLinesStandBelowTheirPictures() {
        QCOMPARE(test::child<QLabel>(test::openTool("烟气量系数1"), "Label1")->text(),
                 "来源：《环境统计报表填报指南》P114表5-2-6");
        QCOMPARE(test::child<QLabel>(test::openTool("机动车排放污染物表1"), "Label1")->text(),
                 "数据来源：《八五环境统计手册》P298");
        QVERIFY(pictureOf(test::openTool("锅炉所需烟气量和排气量"))->toPlainText().contains("1.7"));
    }

    void theTabWindowOpensOnTheExcessAirTableWithTheStripAgreeing() {
        QWidget* w = test::openTool("锅炉排放的烟气量烟尘及SO2的计算");
        QCOMPARE(w->windowTitle(), "锅炉排放的烟气量、烟尘及SO2的计算");
        auto* strip = test::child<QTabBar>(w, "TabStrip1");
        auto* coal = test::child<QGroupBox>(w, "Frame1");
        auto* excessAir = test::child<QGroupBox>(w, "Frame2");
        QCOMPARE(strip->count(), 2);
        QCOMPARE(strip->tabText(0), "常见煤的组分");
        QCOMPARE(strip->tabText(strip->currentIndex()), "过剩系数");
        QVERIFY(excessAir->isVisible());
        QVERIFY(!coal->isVisible());

        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(0).center());
        QVERIFY(coal->isVisible());
        QVERIFY(!excessAir->isVisible());
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(1).center());
        QVERIFY(excessAir->isVisible());
        QVERIFY(!coal->isVisible());

        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(0).center());
        test::closeAllTools();
        w = test::openTool("锅炉排放的烟气量烟尘及SO2的计算");
        QVERIFY(test::child<QGroupBox>(w, "Frame2")->isVisible());
        QCOMPARE(test::child<QTabBar>(w, "TabStrip1")->currentIndex(), 1);
    }

    void theTabWindowsTablesShowTheirRowsAndColumns() {
        QWidget* w = test::openTool("锅炉排放的烟气量烟尘及SO2的计算");
        QTextBrowser* coal = pictureOf(w, "Image1");
        QTextBrowser* excessAir = pictureOf(w, "Image2");
        QVERIFY(coal->toPlainText().contains("表 1 常见煤组分"));
        const Rows composition = test::tableRows(coal->document());
        QCOMPARE(composition.first(), QStringList({"类别", "泥炭", "褐煤", "烟煤", "无烟煤"}));
        QCOMPARE(composition.size(), 10);
        QCOMPARE(composition.last(), QStringList({"氧", "", "", "", ""}));
        QVERIFY(excessAir->toPlainText().contains("表 2 各种锅炉产生 0.7MW蒸汽量所需要的空气量和空气过剩系数"));
        const Rows boilers = test::tableRows(excessAir->document());
        QCOMPARE(boilers.size(), 6);
        QCOMPARE(boilers.last(), QStringList({"燃油或燃气锅炉", "", "", ""}));
        QVERIFY(test::fitsItsView(excessAir));
        QTabBar* strip = test::child<QTabBar>(w, "TabStrip1");
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(0).center());
        QVERIFY(test::fitsItsView(coal));
    }
};

KORRIMET_UI_TEST_MAIN(FuelPagesTest)
#include "fuel_pages_uitest.moc"
