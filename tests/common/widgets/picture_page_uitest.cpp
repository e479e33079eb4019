#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include "common/widgets/picture_page.h"
#include "common/widgets/stored_page.h"
#include "support/page_support.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kTable = ":/fuel/pages/coal_ash.html";

PicturePageRow row(int pictureWidth, int pictureHeight, const QString& label = {}) {
    return {"测试页", "测试页标题", 4500, 3000, pictureWidth, pictureHeight, kTable, label};
}
}  // namespace

class PicturePageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::closeAllTools(); }

    void indexLinesBecomePages() {
        QStringList errors;
        const auto rows = parsePictureIndex(
            "# class | caption | w | h | pw | ph | page | label\n"
            "\n"
            "甲 | 甲页 | 3000 | 2000 | 2900 | 1800 | :/a.html |\n"
            "  乙 | 乙页 |4500|3000|4500|2500| :/b.html | 来源：《手册》P1  \r\n",
            &errors);
        QVERIFY(errors.isEmpty());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].className, "甲");
        QCOMPARE(rows[0].pictureWidth, 2900);
        QVERIFY(rows[0].label.isEmpty());
        QCOMPARE(rows[1].className, "乙");
        QCOMPARE(rows[1].clientHeight, 3000);
        QCOMPARE(rows[1].page, ":/b.html");
        QCOMPARE(rows[1].label, "来源：《手册》P1");
    }

    void malformedIndexLinesAreReportedAndSkipped() {
        QStringList errors;
        const auto rows = parsePictureIndex(
            "甲 | 甲页 | 3000 | 2000 | 2900 | 1800 | :/a.html\n"          // a field short
            "乙 | 乙页 | 3000 | 两千 | 2900 | 1800 | :/b.html |\n"         // not a number
            "丙 | 丙页 | 3000 | 2000 | 0 | 1800 | :/c.html |\n"            // no size
            " | 丁页 | 3000 | 2000 | 2900 | 1800 | :/d.html |\n"           // no class
            "戊 | 戊页 | 3000 | 2000 | 2900 | 1800 | :/e.html | 注 |\n",   // a field too many
            &errors);
        QVERIFY(rows.isEmpty());
        QCOMPARE(errors.size(), 5);
        QVERIFY(errors[1].startsWith("line 2:"));
    }

    void everyStoredIndexIsSoundAndRegistered() {
        QStringList errors;
        const auto rows = storedPicturePageRows(&errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QVERIFY(!rows.isEmpty());
        QSet<QString> names;
        for (const PicturePageRow& s : rows) {
            QVERIFY2(!names.contains(s.className), qPrintable(s.className));
            names.insert(s.className);
            QVERIFY2(!resourceText(s.page).isEmpty(), qPrintable(s.page));
            QCOMPARE(ToolRegistry::instance().caption(s.className), s.caption);
            QVERIFY(!ToolRegistry::instance().isPlaceholder(s.className));
        }
    }

    void thePictureKeepsItsPlaceAndSizeWhenTheWindowIsResized() {
        PictureReferencePage page(row(4350, 2550));
        page.show();
        QTextBrowser* picture = test::child<QTextBrowser>(&page, "Image1");
        const QRect at(0, 0, 290, 170);
        QCOMPARE(picture->geometry(), at);
        QCOMPARE(page.size(), QSize(300, 200));
        page.resize(600, 500);
        QCOMPARE(page.size(), QSize(600, 500));
        QCOMPARE(picture->geometry(), at);
        page.resize(100, 80);
        QCOMPARE(page.size(), QSize(100, 80));
        QCOMPARE(picture->geometry(), at);
        QVERIFY(!picture->verticalScrollBar()->isVisible());
        QVERIFY(!picture->horizontalScrollBar()->isVisible());
    }

    void aTableTallerThanItsPictureIsCutOffNotScrolled() {
        PictureReferencePage page(row(4350, 600));
        page.show();
        QTextBrowser* picture = test::child<QTextBrowser>(&page, "Image1");
        QVERIFY(!test::fitsItsView(picture));
        QVERIFY(!picture->verticalScrollBar()->isVisible());
        QVERIFY(picture->isReadOnly());
    }

    void theSourceLineStandsBelowThePicture() {
        PictureReferencePage withSource(row(4350, 2400, "数据来源：《手册》P298"));
        QLabel* label = test::child<QLabel>(&withSource, "Label1");
        QCOMPARE(label->text(), "数据来源：《手册》P298");
        QVERIFY(label->geometry().top() >= test::child<QTextBrowser>(&withSource, "Image1")->geometry().bottom());
        QVERIFY(label->geometry().bottom() <= withSource.height());
        PictureReferencePage without(row(4350, 2400));
        QVERIFY(!without.findChild<QLabel*>("Label1"));
    }

    void registeredPagesOpenAsOneInstance() {
        registerPicturePages({row(4350, 2550)});
        QWidget* first = test::openTool("测试页");
        QCOMPARE(first->windowTitle(), "测试页标题");
        QCOMPARE(test::openTool("测试页"), first);
        QCOMPARE(ToolRegistry::instance().openWindows().size(), 1);
        test::closeAllTools();
        QWidget* again = test::openTool("测试页");
        QVERIFY(test::tableRows(test::child<QTextBrowser>(again, "Image1")->document()).size() > 1);
    }
};

KORRIMET_UI_TEST_MAIN(PicturePageTest)
#include "picture_page_uitest.moc"
