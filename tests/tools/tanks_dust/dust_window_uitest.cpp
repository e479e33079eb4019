#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "common/widgets/embedded_document.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

void type(QWidget* w, const QString& name, const QString& value) {
    QLineEdit* b = test::child<QLineEdit>(w, name);
    b->clear();
    QTest::keyClicks(b, value);
}

const QString kWharfCoalPile = "秦皇岛码头煤堆起尘量计算";
const QString kFormulaPage = "秦皇岛码头煤堆起尘量计算公式1";
const QString kMethods = "相关起尘量计算的资料";

}  // namespace

class DustWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { test::closeAllTools(); }

    // Each calculator: nothing at load; a click on a result computes the defaults.
    void everyCalculatorComputesItsDefaultsOnlyWhenAsked() {
        struct Expect {
            const char* cls;
            const char* caption;
            const char* click;
            QStringList results;  // box, text after the click
        };
        const Expect windows[] = {
            // S as the percentage itself, as the formula shown: 0.62 × 0.81 × 12 × 0.5 × 215/365 × 1.5 (was .02662)
            {"建设工地起尘量的计算", "建设工地起尘量的计算", "Text6", {"Text6", "2.66235"}},
            {"秦皇岛码头煤堆起尘量计算", "秦皇岛码头煤堆起尘量计算", "Text9", {"Text6", "7279.85", "Text9", ".239"}},
            {"煤堆起尘量计算", "煤堆起尘量计算", "Text6", {"Text6", "166.637"}},
            {"秦皇岛码头装卸起尘量计算1", "秦皇岛码头装卸起尘量计算", "Text4", {"Text4", "919.19", "Text9", "23.83"}},
            {"道路起尘量计算", "道路起尘量计算", "Text6", {"Text6", ".011"}},
            {"汽车道路扬尘计算", "汽车道路扬尘计算", "Text6", {"Text6", "1.898"}},
            {"某港口道路扬尘计算1", "某港口道路扬尘计算", "Text6", {"Text6", "2.28"}},
        };
        for (const Expect& e : windows) {
            QWidget* w = test::openTool(e.cls);
            QCOMPARE(w->windowTitle(), QString::fromUtf8(e.caption));
            for (int k = 0; k < e.results.size(); k += 2)
                QVERIFY2(test::text(w, e.results[k]).isEmpty(), e.cls);
            test::clickBox(w, e.click);
            for (int k = 0; k < e.results.size(); k += 2)
                QCOMPARE(test::text(w, e.results[k]), e.results[k + 1]);
        }
    }

    // Live: no message box; a result that cannot be computed from the entries
    // as they stand is cleared and says why, and the next valid change computes afresh.
    void aFailedInputClearsTheResultAndTheNextValidChangeComputesAfresh() {
        MessageRecorder messages;
        QWidget* w = test::openTool("建设工地起尘量的计算");
        type(w, "Text4", "400");  // more wet days than a year has gave -.00433
        QCOMPARE(test::text(w, "Text6"), "");
        QCOMPARE(test::child<QLineEdit>(w, "Text6")->toolTip(),
                 "无法计算，请检查：\n“w-一年中降水量大于0.254mm的天数”须在0～365之间");
        type(w, "Text4", "150");
        type(w, "Text2", "1x");
        QCOMPARE(test::text(w, "Text6"), "");
        QCOMPARE(test::child<QLineEdit>(w, "Text6")->placeholderText(), "无法计算");
        type(w, "Text2", "12");
        QCOMPARE(test::text(w, "Text6"), "2.66235");
        QCOMPARE(test::child<QLineEdit>(w, "Text6")->toolTip(), "");

        QWidget* coal = test::openTool("煤堆起尘量计算");
        type(coal, "Text1", "-");
        QCOMPARE(test::text(coal, "Text6"), "");
        type(coal, "Text1", "6");
        QCOMPARE(test::text(coal, "Text6"), "166.637");

        QWidget* loading = test::openTool("秦皇岛码头装卸起尘量计算1");
        test::clickBox(loading, "Text4");
        type(loading, "Text2", "");
        QCOMPARE(test::text(loading, "Text4"), "");
        QCOMPARE(test::text(loading, "Text9"), "");

        QWidget* port = test::openTool("某港口道路扬尘计算1");
        type(port, "Text3", "-0.2");
        QCOMPARE(test::text(port, "Text6"), "");
        type(port, "Text3", "0.2");
        type(port, "Text1", "-10");  // a negative speed gave -2.28
        QCOMPARE(test::text(port, "Text6"), "");
        QVERIFY(messages.messages().isEmpty());
    }

    void wharfCoalPileRoundsQpByTheWayItWasAsked() {
        QWidget* w = test::openTool(kWharfCoalPile);
        type(w, "Text2", "5");
        type(w, "Text8", "2.48");
        QCOMPARE(test::text(w, "Text6"), "58238.768");
        QCOMPARE(test::text(w, "Text9"), "1.444");
        test::clickBox(w, "Text6");
        QCOMPARE(test::text(w, "Text6"), "58238.77");

        type(w, "Text8", "");
        QCOMPARE(test::text(w, "Text9"), "");
        QCOMPARE(test::text(w, "Text6"), "58238.768");
    }

    // Below the start-up speed the wind raises no dust: U 2 gave (2 − 3)³ ×
    // 2.1 × 0.96 × e^−0.1023 × 4000 = −7279.846 kg/a; it is 0, and the window says why.
    void wharfCoalPileRaisesNoDustBelowTheStartUpSpeed() {
        QWidget* w = test::openTool(kWharfCoalPile);
        auto* why = test::child<QLabel>(w, "Label10");
        for (const char* u : {"2", "3"}) {
            type(w, "Text2", u);
            QCOMPARE(test::text(w, "Text6"), "0");
            QCOMPARE(test::text(w, "Text9"), "0");
            QVERIFY(why->text().contains("启动风速"));
            QVERIFY(why->isVisible() && why->geometry().bottom() < test::child<QPushButton>(w, "Command6")->y());
        }
        type(w, "Text2", "4");
        QCOMPARE(test::text(w, "Text6"), "7279.846");
        QCOMPARE(why->text(), "");
    }

    void wharfCoalPileHelpAndFormulaPage() {
        MessageRecorder messages;
        QWidget* w = test::openTool(kWharfCoalPile);
        for (const char* n : {"Command1", "Command5", "Command2", "Command3"}) test::click(w, n);
        QCOMPARE(messages.messages().size(), 4);
        QCOMPARE(messages.messages()[0], " K-经验系数，是煤含水量的函数，取K=0.96；");

        test::click(w, "Command6");
        QWidget* page = ToolRegistry::instance().window(kFormulaPage);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), "秦皇岛码头煤堆起尘量计算公式");
        const QString picture = test::child<QTextBrowser>(page, "Image1")->toPlainText();
        for (const char* s : {"7279.85", "58238.8", "196555.95", "合计4.22", "K=0.96"})
            QVERIFY2(picture.contains(QString::fromUtf8(s)), s);
        test::click(w, "Command4");  // the button beside the actual dust shows the same page
        QCOMPARE(ToolRegistry::instance().window(kFormulaPage), page);
        QVERIFY(messages.messages().size() == 4);
    }

    void constructionSiteHelpAndFormulaText() {
        MessageRecorder messages;
        QWidget* w = test::openTool("建设工地起尘量的计算");
        test::click(w, "Command2");
        QCOMPARE(messages.messages(), QStringList{"车子的轮胎数，一般为6个轮胎"});
        QCOMPARE(test::child<QGroupBox>(w, "Frame1")->title(), "计算公式：");
        const QStringList formula = test::child<QPlainTextEdit>(w, "Text7")->toPlainText().split('\n');
        QCOMPARE(formula.size(), 10);  // nine lines, each ended
        QCOMPARE(formula[0], "      E=P*0.81*S*(V/30)*((365-W)/365)*(T/4)");
        QCOMPARE(formula[4], "土路面为0.32；");
    }

    void theMethodsDocumentShowsItsSectionsAndOpensForEditing() {
        MessageRecorder messages;
        QWidget* w = test::openTool(kMethods);
        QCOMPARE(w->windowTitle(), kMethods);
        auto* doc = test::child<QTextBrowser>(w, "OLE1");
        const QString text = doc->toPlainText();
        for (const char* s : {"起尘量计算方法", "(一)建设工地起尘量计算：", "(五) 煤堆起尘量计算：",
                              "Qm=11.7U2.45·S0.345·e-0.5ω·e-0.55(W-0.07)", "煤炭装卸起尘量采用下式计算：",
                              "(八)秦皇岛码头煤堆起尘量计算公式", "合计4.22"})
            QVERIFY2(text.contains(QString::fromUtf8(s)), s);
        // A formula the document does not hold says so where it stands.
        const char* const missing[][2] = {{"(三)", "式中：QA"},
                                          {"(四)", "式中：E-车辆驶过煤堆"},
                                          {"煤炭装卸起尘量采用下式计算", "式中：Qij"},
                                          {"Qi=0.0079", "式中：Qi-"}};
        for (const auto& place : missing) {
            const qsizetype from = text.indexOf(QString::fromUtf8(place[0])), to = text.indexOf(QString::fromUtf8(place[1]));
            QVERIFY2(from >= 0 && to > from && text.mid(from, to - from).contains("本机未收录"), place[0]);
        }
        QCOMPARE(text.count("本机未收录"), 4);
        QCOMPARE(test::child<QPushButton>(w, "Command5")->text(), "激活（复原）WORD文档");
        QCOMPARE(test::child<QPushButton>(w, "关闭EXCEL")->text(), "关闭WORD");

        test::click(w, "Command5");
        QVERIFY(!doc->isReadOnly());
        test::click(w, "关闭EXCEL");
        QVERIFY(doc->isReadOnly());
        QVERIFY(w->isVisible());
        QVERIFY(messages.messages().isEmpty());
    }
};

KORRIMET_UI_TEST_MAIN(DustWindowTest)
#include "dust_window_uitest.moc"
