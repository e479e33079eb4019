#include <QLabel>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include "common/widgets/picture_page.h"
#include "common/widgets/stored_page.h"
#include "support/page_support.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

struct Page {
    const char* className;
    const char* caption;
    const char* picture;  // the picture's name
    const char* source;   // Label2; none when null
    const char* heading;  // a line the picture shows
};

const Page kPages[] = {
    {"燃煤DTH", "燃煤烟气中烟尘占灰分含量的百分数查询", "Image1", nullptr, "表4—19"},
    {"燃煤可燃物", "燃煤可燃物百分含量查询", "Image1", nullptr, "层燃炉"},
    {"生活污水处理污泥计算来源", "生活污水处理污泥计算来源", "Image1", "计算依据：《环境统计报表填报指南》P82",
     "1. 生活污水处理中的污泥量计算"},
    {"化铝铜锌渣产生量的计算1", "化铝铜锌渣产生量的计算", "Picture1", "计算依据：《环境统计报表填报指南》P77",
     "3. 化铝渣、化铜渣、化锌渣计算方法"},
    {"高炉渣钢渣铁合金渣产生量计算1", "高炉渣钢渣铁合金渣产生量计算", "Picture1",
     "计算依据：《环境统计报表填报指南》P76-77", "1. 高炉渣、钢渣、铁合金废渣计算方法"},
    {"电石渣产生量", "电石渣产生量", "Picture1", "计算依据：《环境统计报表填报指南》P80", "1.175"},
    {"冲天炉渣产生量", "冲天炉渣产生量", "Picture1", "计算依据：《环境统计报表填报指南》P77", "2. 冲天炉炉渣计算方法"},
};

}  // namespace

class SolidWastePagesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::closeAllTools(); }

    void theFormulaIndexIsSound() {
        QStringList errors;
        const auto rows = parsePictureIndex(resourceText(":/solid_waste/source_pages.txt"), &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QCOMPARE(rows.size(), 5);
        for (const PicturePageRow& row : rows) {
            QVERIFY2(!resourceText(row.page).isEmpty(), qPrintable(row.page));
            QVERIFY(!ToolRegistry::instance().isPlaceholder(row.className));
        }
    }

    void everyPageOpensOnceWithItsNamedPictureWholeInView() {
        for (const Page& p : kPages) {
            QWidget* w = test::openTool(p.className);
            QCOMPARE(w->windowTitle(), QString(p.caption));
            QCOMPARE(test::openTool(p.className), w);
            auto* picture = test::child<QTextBrowser>(w, p.picture);
            QVERIFY2(picture->toPlainText().contains(p.heading), p.className);
            QVERIFY2(test::fitsItsView(picture), p.className);
            QVERIFY2(picture->geometry().bottom() < w->height(), p.className);
            if (p.source) {
                auto* label = test::child<QLabel>(w, "Label2");
                QCOMPARE(label->text(), QString(p.source));
                QVERIFY2(label->geometry().bottom() < w->height(), p.className);
                QVERIFY2(!label->geometry().intersects(picture->geometry()), p.className);
            }
        }
        QCOMPARE(ToolRegistry::instance().openWindows().size(), int(std::size(kPages)));
    }

    void theFlueShareTableListsEveryFurnace() {
        QWidget* w = test::openTool("燃煤DTH");
        const QList<QStringList> rows = test::tableRows(test::child<QTextBrowser>(w, "Image1")->document());
        QCOMPARE(rows.size(), 6);
        QStringList pairs;
        for (int column : {0, 2})
            for (const QStringList& row : rows.mid(1))
                if (!row[column].isEmpty()) pairs << row[column] + "=" + row[column + 1];
        QCOMPARE(pairs, QStringList({"手烧炉=15～25", "链条炉=15～25", "往复推饲炉=20", "振动炉排=20～40",
                                     "抛煤机炉=25～40", "沸腾炉=40～50", "煤粉炉=75～85", "天然气炉=0", "油炉=0"}));
        // The lead line stands above the table it points to.
        const QString text = test::child<QTextBrowser>(w, "Image1")->toPlainText();
        QVERIFY(text.indexOf("可由下表查出：") < text.indexOf("手烧炉"));
    }

    // The note is the legend's last line: on the white page, under its last line.
    void theMeltingSlagPageNamesTheEfficiencyOnThePageUnderItsLegend() {
        QWidget* w = test::openTool("化铝铜锌渣产生量的计算1");
        auto* note = test::child<QLabel>(w, "Label1");
        QCOMPARE(note->text(), "       η——为除尘效率");
        auto* picture = test::child<QTextBrowser>(w, "Picture1");
        QVERIFY(picture->geometry().contains(note->geometry()));
        QVERIFY(note->y() - picture->y() >= picture->document()->size().height());
        QCOMPARE(note->palette().color(note->backgroundRole()), picture->palette().color(QPalette::Base));
        QVERIFY(note->autoFillBackground());
        QVERIFY(picture->geometry().bottom() < test::child<QLabel>(w, "Label2")->geometry().top());
    }

    void theSmeltingSlagPageListsEveryCoefficient() {
        QWidget* w = test::openTool("高炉渣钢渣铁合金渣产生量计算1");
        auto* box = test::child<QTextEdit>(w, "RichTextBox1");
        QVERIFY(box->isReadOnly());
        QVERIFY(box->geometry().bottom() < w->height());
        // A real table: a column of factors, whatever the widths of the glyphs.
        const QString text = box->toPlainText();
        QVERIFY(text.startsWith("各种冶炼废渣的的产生系数如下:"));
        QVERIFY(box->document()->toHtml().contains("<table"));
        for (const char* cell : {"高炉渣", "0.6-0.7", "钢渣", "0.1-0.2", "电炉", "铁合金废渣", "2.8-3.2", "高炉锰铁"})
            QVERIFY2(text.contains(QString::fromUtf8(cell)), cell);
    }
};

KORRIMET_UI_TEST_MAIN(SolidWastePagesTest)
#include "solid_waste_pages_uitest.moc"
