#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "support/page_support.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

struct Page {
    const char* className;
    const char* title;
    QSize picture;  // pixels
    const char* source;
    const char* sourceLabel = "Label1";
};

const char* const kEngineering = "数据来源：《噪声控制工程》   出版日期:2003年07月第1版";
const char* const kEnvironmental = "数据来源：《环境噪声控制》   出版日期:2002年10月第1版";

const Page kPages[] = {
    {"常见工业设备噪声范围", "表 1.1 常见工业设备噪声范围", {474, 334}, kEngineering},
    {"建筑施工机械噪声声级1", "表 1.2 建筑施工机械噪声声级(dB(A))", {458, 202}, kEngineering},
    {"施工现场边界上的噪声级1", "表 1.3 施工现场边界上的噪声级(dB(A))", {464, 160}, kEngineering, "Label2"},
    {"各类工业企业噪声的声级范围1", "表 1-2 各类工业企业噪声的声级范围", {419, 244}, kEnvironmental},
    {"噪声控制措施的降噪效果1", "表 5.3 噪声声学控制措施应用举例", {476, 212}, kEnvironmental},
};

using Rows = QList<QStringList>;

QTextBrowser* picture(const QString& page) { return test::child<QTextBrowser>(test::openTool(page), "Image1"); }
Rows rows(const QString& page, int headerRows) { return test::tableRows(picture(page)->document()).mid(headerRows); }

}  // namespace

class NoisePagesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::closeAllTools(); }

    void everyTableShowsWholeAtItsPictureSizeWithItsSource() {
        for (const Page& p : kPages) {
            QWidget* w = test::openTool(p.className);
            QCOMPARE(w->windowTitle(), QString(p.className).remove(QRegularExpression("1$")));
            QTextBrowser* view = test::child<QTextBrowser>(w, "Image1");
            QCOMPARE(view->size(), p.picture);
            QVERIFY2(view->toPlainText().contains(p.title), p.className);
            QVERIFY2(test::fitsItsView(view), p.className);
            QLabel* source = test::child<QLabel>(w, p.sourceLabel);
            QCOMPARE(source->text(), QString(p.source));
            QVERIFY(source->geometry().top() >= view->geometry().bottom());
            QVERIFY(source->geometry().bottom() <= w->height());
            QCOMPARE(test::openTool(p.className), w);
        }
    }

    void equipmentRangesInTwoColumnPairs() {
        const Rows t = rows("常见工业设备噪声范围", 1);
        QCOMPARE(t.size(), 16);
        QCOMPARE(t.first(), QStringList({"飞机发动机", "107~140", "冲床", "74~98"}));
        QCOMPARE(t[2], QStringList({"球磨机", "87~128", "风铲(镐)", "91~110"}));
        QCOMPARE(t[9], QStringList({"柴油机", "107~111", "抛光机", "96~100"}));
        QCOMPARE(t.last(), QStringList({"车床", "91~95", "细纱机", "91~95"}));
    }

    void constructionTables() {
        QVERIFY(picture("建筑施工机械噪声声级1")->toPlainText().startsWith("建筑施工的噪声如表1.2、1.3所示。"));
        QCOMPARE(rows("建筑施工机械噪声声级1", 2), Rows({{"打桩机", "93~112", "105", "84~103", "91"},
                                                     {"地螺钻", "68~82", "75", "57~70", "63"},
                                                     {"铆枪", "85~98", "91", "57~70", "86"},
                                                     {"压缩机", "82~98", "88", "78~80", "78"},
                                                     {"破路机", "80~92", "85", "74~80", "76"}}));
        QCOMPARE(rows("施工现场边界上的噪声级1", 0), Rows({{"施工阶段", "居民建筑", "办公楼等", "道路工程等"},
                                                       {"场地清理", "84", "84", "84"},
                                                       {"挖土方", "88", "89", "89"},
                                                       {"地基", "81", "78", "88"},
                                                       {"安装", "82", "85", "79"},
                                                       {"修整", "88", "89", "84"}}));
    }

    void industryRangesLeaveUnstatedCasesEmpty() {
        const Rows t = rows("各类工业企业噪声的声级范围1", 1);
        QCOMPARE(t.size(), 9);
        QCOMPARE(t[0], QStringList({"钢铁", "80~130", "达到140"}));
        QCOMPARE(t[3], QStringList({"建工建材", "80~120", ""}));
        QCOMPARE(t[7], QStringList({"印刷", "70~95", "超过95"}));
        QCOMPARE(t[8], QStringList({"食品、造纸及其他轻工业", "70~90", ""}));
    }

    void controlMeasures() {
        const Rows t = rows("噪声控制措施的降噪效果1", 1);
        QCOMPARE(t.size(), 6);
        QCOMPARE(t[2], QStringList({"车间工人少，噪声设备多", "隔声室（间）", "20~40"}));
        QCOMPARE(t[5], QStringList({"机壳或管道振动并辐射噪声", "阻尼措施", "5~15"}));
    }

    void theHelpPageQuotesTheModelInOrder() {
        QWidget* w = test::openTool("公路噪声预测帮助文档3");
        QCOMPARE(w->windowTitle(), "公路噪声预测帮助文档 JTJ 005-96");
        QCOMPARE(test::child<QLabel>(w, "Label1")->text(), "公路噪声预测帮助文档");
        const QString text = test::child<QTextBrowser>(w, "RichTextBox1")->toPlainText();
        qsizetype at = 0;
        for (const char* piece :
             {"本机未收录本文的公式", "1.1.1 交通部公路模型", "1.1.1.1 模型概述", "1.1.1.2 预测模型", "............(5.3.1-1)",
              "............(5.3.1-4)", "1.1.1.3 平均行驶速度的计算", "............(B4-1)", "............(B4-2)",
              "大型车平均行驶速度按中型车车速的80%计算。", "当设计车速小于120km/h，公式计算平均车速按比例递减。",
              "当小型车交通量小于总交通量的50%时，每减少100车次，其平均车速以30%递减，不足100车次按100车次计。",
              "按式(B4-1)、式（B4-2）计算得出车速后，折减20%作为夜间平均车速。", "1.1.1.4 其它参数的计算",
              "............(E1-1)", "............(E1-4)", "K1----预测点至公路之间地面状况常数，应按表E1-1取值。",
              "K2----与车间距di有关的常数，应按表E1-2取值。", "............(E1-7)", "2.3 预测模式的适用范围"}) {
            const qsizetype next = text.indexOf(QString(piece), at);
            QVERIFY2(next >= 0, piece);
            at = next;
        }
    }
};

KORRIMET_UI_TEST_MAIN(NoisePagesTest)
#include "noise_pages_uitest.moc"
