#include <QLabel>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTest>

#include "support/page_support.h"
#include "support/ui_support.h"

using namespace korrimet;

class WaterPagesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::closeAllTools(); }

    void theNoteOpensOnceAndNamesTheHandbook() {
        QWidget* note = test::openTool("note");
        QCOMPARE(note->windowTitle(), "note");
        QCOMPARE(test::openTool("note"), note);
        auto* text = test::child<QLabel>(note, "Label1");
        QVERIFY(text->wordWrap());
        QVERIFY(text->text().startsWith("关于本菜单下所有的产排污量计算的说明：1：本菜单的所有的产排污量计算的产、排污系数来自于"
                                        "《工业污染物产生和排放系数手册》国家环境保护总局标准司。2、"));
        QVERIFY(text->text().contains("以便我们改正！ 5、联系方式："));
        QCOMPARE(text->geometry(), note->rect());
    }

    void urbanWaterUsePage() {
        QWidget* w = test::openTool("城市居民生活用水量标准1");
        QCOMPARE(w->windowTitle(), "城市居民生活用水量标准");
        auto* page = test::child<QTextBrowser>(w, "RichTextBox1");
        const QString text = page->toPlainText();
        QVERIFY(text.startsWith("表3.0.1 城市居民生活用水量标准"));
        QVERIFY(text.contains("注：1"));
        // The table is the data file's, row by row: its head and all six zones.
        QStringList lines = QString::fromUtf8(test::fileBytes(KORRIMET_TEST_DATA
                                                              "/../../src/tools/water/data/urban-water-use-gbt50331-2002.txt"))
                                .split('\n', Qt::SkipEmptyParts)
                                .filter(QRegularExpression("^[^#]"));
        QCOMPARE(lines.size(), 7);
        QList<QStringList> rows;
        for (const QString& line : lines) rows << line.trimmed().split('\t');
        QCOMPARE(rows[1], QStringList({"一", "80～135", "黑龙江、吉林、辽宁、内蒙古"}));
        QCOMPARE(rows[4], QStringList({"四", "150～220", "广西、广东、海南"}));
        QCOMPARE(test::tableRows(page->document()), rows);
        QCOMPARE(test::child<QLabel>(w, "Label1")->text(), "数据来源：GB/T 50331-2002《城市居民生活用水量标准》表3.0.1");
    }

    void hospitalWaterUsePicture() {
        QWidget* w = test::openTool("医院耗水量1");
        QCOMPARE(w->windowTitle(), "医院耗水量");
        auto* picture = test::child<QTextBrowser>(w, "Image1");
        QCOMPARE(picture->size(), QSize(543, 253));
        const QString text = picture->toPlainText();
        for (const char* figure : {"650～800 L/床·d", "K＝2.0～2.2", "500～600 L/床·d", "K＝2.2～2.5",
                                   "350～400 L/床·d", "K＝2.5"})
            QVERIFY2(text.contains(QString::fromUtf8(figure)), figure);
        QCOMPARE(test::child<QLabel>(w, "Label1")->text(), "数据来源：《医院污水处理设计规范》CECS 07：2004");
    }

    void theSimplifiedDiffusionWindowIsEmpty() {
        QWidget* w = test::openTool("简化二维扩散方程");
        QCOMPARE(w->windowTitle(), "简化二维扩散方程");
        QVERIFY(w->findChildren<QWidget*>().isEmpty());
    }
};

KORRIMET_UI_TEST_MAIN(WaterPagesTest)
#include "water_pages_uitest.moc"
