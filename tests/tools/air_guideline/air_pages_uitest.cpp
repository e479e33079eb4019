#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include "support/page_support.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kPage = "空气污染指数及范围";
}

class AirPagesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::closeAllTools(); }

    void theIndexBandPageShowsItsPictureAtTheStoredPlaceAndSize() {
        QWidget* w = test::openTool(kPage);
        QCOMPARE(w->windowTitle(), "空气污染指数范围及相应的空气质量类别");
        QCOMPARE(w->size(), QSize(391, 325));
        auto* picture = test::child<QTextBrowser>(w, "Image1");
        QCOMPARE(picture->geometry(), QRect(0, 0, 389, 326));
        QVERIFY(!w->findChild<QLabel*>("Label1"));
        QVERIFY(test::fitsItsView(picture));
        QVERIFY(picture->toPlainText().contains("表 2 空气污染指数范围及相应的空气质量类别"));

        w->resize(600, 500);
        QCOMPARE(picture->geometry(), QRect(0, 0, 389, 326));
        w->resize(200, 150);
        QCOMPARE(picture->geometry(), QRect(0, 0, 389, 326));
        QVERIFY(!picture->verticalScrollBar()->isVisible());
    }

    void theBandsAndCategoriesMatchTheIndexCalculator() {
        auto* picture = test::child<QTextBrowser>(test::openTool(kPage), "Image1");
        const QList<QStringList> rows = test::tableRows(picture->document());
        QCOMPARE(rows.size(), 8);
        QCOMPARE(rows[0], QStringList({"空气污染指数 API", "空气质量状况", "对健康的影响", "建议采取的措施"}));
        QStringList bands, categories;
        for (int r = 1; r < rows.size(); ++r) {
            bands << rows[r][0];
            categories << rows[r][1];
        }
        QCOMPARE(bands, QStringList({"0～50", "51～100", "101～150", "151～200", "201～250", "251～300", ">300"}));
        QCOMPARE(categories, QStringList({"优", "良", "轻微污染", "轻度污染", "中度污染", "中度重污染", "重污染"}));
        // Advice shared by two bands is one cell over both; the first two bands have none.
        QCOMPARE(rows[1][2], "可正常活动");
        QCOMPARE(rows[2][2], "可正常活动");
        QCOMPARE(rows[2][3], "");
        QCOMPARE(rows[4][3], "心脏病和呼吸系统疾病患者应减少体力消耗和户外活动");
        QCOMPARE(rows[6][2], "心脏病和肺病患者症状显著加剧，运动耐受力降低，健康人群中普遍出现症状");
        QCOMPARE(rows[7][3], "老年人和病人应当留在室内，避免体力消耗，一般人群应避免户外活动");
    }

    void openingThePageTwiceLeavesOneWindow() {
        QWidget* first = test::openTool(kPage);
        QCOMPARE(test::openTool(kPage), first);
        QCOMPARE(ToolRegistry::instance().openWindows().size(), 1);
    }
};

KORRIMET_UI_TEST_MAIN(AirPagesTest)
#include "air_pages_uitest.moc"
