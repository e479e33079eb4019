#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>

#include "common/widgets/grid_run.h"
#include "common/widgets/loop_progress.h"
#include "platform/result_folder.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "二维稳态混合模式_河2";
const QString kResults = "河二模式计算结果";
const QString kFile = "河二模式计算结果.txt";

}  // namespace

class River2WindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QString path() const { return resultFilePath(kFile); }
    LoopProgress* bar() const { return test::child<LoopProgress>(w_, "ProgressBar1"); }
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

    void pointAtTheDefaults() {
        QCOMPARE(w_->windowTitle(), "二维稳态混合模式_河2");
        test::click(w_, "Command1");
        QCOMPARE(test::text(w_, "Text11"), "32.3868");
        test::setText(w_, "Text8", "10");
        test::click(w_, "Command1");
        QCOMPARE(test::text(w_, "Text11"), "23.4971");
    }

    void aPointThatCannotBeComputedShowsTheBackground() {
        test::setText(w_, "Text9", "0");
        test::click(w_, "Command1");
        QCOMPARE(test::text(w_, "Text11"), ".1");
        test::setText(w_, "Text9", "10");
        test::setText(w_, "Text4", "abc");  // My counts as 0
        test::click(w_, "Command1");
        QCOMPARE(test::text(w_, "Text11"), ".1");
    }

    void typingAPointRelabelsTheResultOnly() {
        test::click(w_, "Command1");
        test::setText(w_, "Text9", "25");
        test::setText(w_, "Text10", "-3");
        QCOMPARE(test::child<QLabel>(w_, "Label11")->text(), "C（25，-3）（mg/L）：");
        QCOMPARE(test::text(w_, "Text11"), "32.3868");
    }

    void gridRunWritesTheFileShowsItAndDeletesItOnClose() {
        setGrid("210", "20", "100", "10");
        test::click(w_, "Command2");
        const QByteArray expected = test::fileBytes(KORRIMET_TEST_DATA "/river2_small_grid.txt");
        QVERIFY(!expected.isEmpty());
        QCOMPARE(test::fileBytes(path()), expected);
        QWidget* viewer = results();
        QVERIFY(viewer);
        QCOMPARE(viewer->windowTitle(), "河二模式计算结果");
        QCOMPARE(test::child<QPlainTextEdit>(viewer, "RichTextBox1")->toPlainText(),
                 QString::fromLatin1(expected).replace("\r\n", "\n").replace('\r', '\n'));
        QCOMPARE(bar()->loopMax(), 210.0f);
        QCOMPARE(bar()->loopValue(), 210.0f);
        viewer->close();
        QVERIFY(!QFile::exists(path()));
    }

    void aRunWhileTheResultsAreOpenReplacesOnlyTheFile() {
        setGrid("10", "0", "100", "10");
        test::click(w_, "Command2");
        const QString first = test::child<QPlainTextEdit>(results(), "RichTextBox1")->toPlainText();
        setGrid("110", "0", "100", "10");
        test::click(w_, "Command2");
        QVERIFY(test::fileBytes(path()).contains("x=110;"));
        QCOMPARE(test::child<QPlainTextEdit>(results(), "RichTextBox1")->toPlainText(), first);
        results()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!QFile::exists(path()));
        test::click(w_, "Command2");
        QVERIFY(test::child<QPlainTextEdit>(results(), "RichTextBox1")->toPlainText().contains("x=110;"));
    }

    void aRangeBelowTheFirstRowGivesTheHeaderOnly() {
        setGrid("5", "10", "100", "10");
        test::click(w_, "Command2");
        QCOMPARE(test::fileBytes(path()), QByteArray("X=\\c/Y=;y=0;y=10;\r\r\n"));
        QCOMPARE(bar()->loopValue(), 5.0f);  // the bar took only the final value
        setGrid("-5", "10", "100", "10");
        test::click(w_, "Command2");
        QCOMPARE(bar()->loopValue(), 5.0f);  // refused below its minimum
    }

    void gridsThatCannotRunAreRefusedWithAMessage() {
        MessageRecorder messages;
        setGrid("3000", "100", "0", "10");
        test::click(w_, "Command2");
        setGrid("3000", "100", "100", "0");
        test::click(w_, "Command2");
        setGrid("3000", "100", "abc", "10");
        test::click(w_, "Command2");
        setGrid("1e9", "100", "1", "1");
        test::click(w_, "Command2");
        QCOMPARE(messages.messages(),
                 (QStringList{gridRefusalMessage(GridPlan::Status::EndlessX),
                              gridRefusalMessage(GridPlan::Status::EndlessY), kGridNotNumberMessage,
                              gridRefusalMessage(GridPlan::Status::TooLarge)}));
        QVERIFY(!QFile::exists(path()));
        QVERIFY(!results());
        QCOMPARE(bar()->loopMax(), 100.0f);
    }

    void cellsAtOrAboveTheOutletAreNamedNotCopied() {
        // x runs 10, 0, -10: at 0 and below the outlet term cannot be computed.
        setGrid("-10", "0", "-10", "10");
        MessageRecorder messages;
        test::click(w_, "Command2");
        QCOMPARE(test::fileBytes(path()), QByteArray("X=\\c/Y=;y=0;\rx=10;35.7825;\rx=0;0.1000;\rx=-10;0.1000;\r\r\n"));
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages()[0].contains("x=0，y=0"));
    }

    void theBarMovesAndTheWindowRepaintsDuringALongRun() {
        setGrid("100000", "500", "100", "1");
        QList<float> seen;
        connect(bar(), &QProgressBar::valueChanged, this, [&] { seen << bar()->loopValue(); });
        bool timerRan = false;
        float valueWhenTimerRan = -1;
        QTimer::singleShot(0, this, [&] {
            timerRan = true;
            valueWhenTimerRan = bar()->loopValue();
        });
        test::click(w_, "Command2");
        QVERIFY(timerRan);
        QVERIFY(valueWhenTimerRan < 100000);  // events ran while the grid was computed
        QVERIFY(seen.size() > 100);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QCOMPARE(seen.last(), 100000.0f);
    }

    void helpShowsTheFormulasAsRichText() {
        test::click(w_, "Command3");
        QWidget* help = ToolRegistry::instance().window("河二帮助");
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), "河二帮助");
        auto* page = test::child<QTextBrowser>(help, "OLE1");
        QVERIFY(page->isReadOnly());
        const QString text = page->toPlainText();
        QVERIFY(text.contains("二维稳态混合模式"));
        QVERIFY(text.contains("非岸边排放"));
        QVERIFY(text.contains("本式要求河流在截面上近似矩形。a+y的范围应在[0,B]中。"));
        QVERIFY(page->toHtml().contains("vertical-align:super"));
        QVERIFY(page->toHtml().contains("vertical-align:sub"));
    }
};

KORRIMET_UI_TEST_MAIN(River2WindowTest)
#include "river2_window_uitest.moc"
