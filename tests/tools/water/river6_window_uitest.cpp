#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

#include "common/widgets/loop_progress.h"
#include "platform/result_folder.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "二维稳态混合衰减模式_河6";
const QString kResults = "河6模式计算结果";
const QString kFile = "河六模式计算结果.txt";

}  // namespace

class River6WindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QString path() const { return resultFilePath(kFile); }
    QWidget* results() const { return ToolRegistry::instance().window(kResults); }
    void setGrid(const QString& xl, const QString& yl, const QString& xc, const QString& yc) {
        test::setText(w_, "Text12", xl);
        test::setText(w_, "Text13", yl);
        test::setText(w_, "Text14", xc);
        test::setText(w_, "Text15", yc);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        QFile::remove(path());
        w_ = test::openTool(kWindow);
    }
    void cleanup() { test::closeAllTools(); }

    void theDecayInputSitsOnAFifthLine() {
        QCOMPARE(w_->windowTitle(), "二维稳态混合衰减模式_河6");
        QCOMPARE(test::text(w_, "Text16"), "1");
        QCOMPARE(test::child<QLabel>(w_, "Label16")->text(), "降解系数K1（1/d）：");
        QCOMPARE(test::child<QLineEdit>(w_, "Text8")->toolTip(), "取0时为近岸排放，非0时为离岸排放！");
        auto* frame1 = test::child<QWidget>(w_, "Frame1");
        auto* k1 = test::child<QLineEdit>(w_, "Text16");
        QVERIFY(k1->geometry().top() > test::child<QLineEdit>(w_, "Text4")->geometry().bottom());
        QVERIFY(frame1->rect().contains(k1->geometry()));
        // The lower frames and the bar move down below it and stay inside the window.
        QVERIFY(test::child<QWidget>(w_, "Frame2")->geometry().top() > frame1->geometry().bottom());
        QVERIFY(w_->rect().contains(test::child<QWidget>(w_, "ProgressBar1")->geometry()));
    }

    void pointWithDecay() {
        test::click(w_, "Command1");
        QCOMPARE(test::text(w_, "Text11"), "32.3681");
        test::setText(w_, "Text16", "0");
        test::click(w_, "Command1");
        QCOMPARE(test::text(w_, "Text11"), "32.3868");
        // Decayed below the mask's last place: 0, not the lone point the mask leaves.
        test::setText(w_, "Text16", "1e38");
        test::click(w_, "Command1");
        QCOMPARE(test::text(w_, "Text11"), "0");
        // A K1 that is no number is named; no result stays.
        test::setText(w_, "Text16", "abc");
        MessageRecorder messages;
        test::click(w_, "Command1");
        QCOMPARE(test::text(w_, "Text11"), "");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“降解系数K1（1/d）”：不是有效的数值"});
    }

    void gridRunWritesItsOwnFileAndViewer() {
        setGrid("10", "10", "100", "10");
        test::click(w_, "Command2");
        QCOMPARE(test::fileBytes(path()), QByteArray("X=\\c/Y=;y=0;y=10;\rx=10;35.7618;32.3681;\r\r\n"));
        QWidget* viewer = results();
        QVERIFY(viewer);
        QCOMPARE(viewer->windowTitle(), "河6模式计算结果");
        QVERIFY(test::viewerText(viewer).contains("x=10;35.7618;"));
        viewer->close();
        QVERIFY(!QFile::exists(path()));
    }

    void aGridWithAnEntryThatIsNoNumberDoesNotRun() {
        setGrid("10", "0", "100", "10");
        test::setText(w_, "Text16", "abc");
        MessageRecorder messages;
        test::click(w_, "Command2");
        QVERIFY(!QFile::exists(path()));
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“降解系数K1（1/d）”：不是有效的数值"});
    }

    void helpShowsTheDecayFormulas() {
        test::click(w_, "Command3");
        QWidget* help = ToolRegistry::instance().window("河6帮助");
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), "河6帮助");
        auto* page = test::child<QTextBrowser>(help, "OLE1");
        const QString text = page->toPlainText();
        QVERIFY(text.contains("二维稳态混合衰减模式"));
        QVERIFY(text.contains("K1----河流中污染物降解系数，1/d;"));
        QVERIFY(text.contains("86400"));
        QVERIFY(page->toHtml().contains("vertical-align:sub"));
    }
};

KORRIMET_UI_TEST_MAIN(River6WindowTest)
#include "river6_window_uitest.moc"
