#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGuiApplication>
#include <QScrollBar>
#include <QStyleHints>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QSignalSpy>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "common/widgets/grid_model_form.h"
#include "common/widgets/grid_run.h"
#include "common/widgets/line_view.h"
#include "common/widgets/result_file_viewer.h"
#include "common/widgets/window_run.h"
#include "common/widgets/loop_progress.h"
#include "platform/result_folder.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "二维稳态混合模式_河2";
const QString kResults = "河二模式计算结果";
const QString kFile = "河二模式计算结果.txt";

// Counts the events of one type that reach an object after it is made;
// filtering the application, those that reach `receiver`, before any
// filter installed earlier can take them.
class EventCount : public QObject {
public:
    EventCount(QObject* target, QEvent::Type type, QObject* receiver = nullptr)
        : type_(type), receiver_(receiver) {
        target->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == type_ && (!receiver_ || watched == receiver_)) ++count;
        return false;
    }

private:
    QEvent::Type type_;
    QObject* receiver_;
};

using test::PlatformClicks;

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

    void aPointThatCannotBeComputedIsNamedAndClearsTheResult() {
        test::expectBadEntriesNamed(w_, "Command1", "Text11", "32.3868",
                                    {{"Text9", "0", kGridPointRefused},
                                     {"Text4", "abc", "“横向混合系数My（M^2/S）”：不是有效的数值"},
                                     {"Text6", "", "“废水排放量Qp（m^3/s）”：未输入数值"},
                                     {"Text8", "1O", "“排放口离岸边距离a（m）”：不是有效的数值"},
                                     {"Text3", "0", "“平均水深H（M）”：须大于0"},
                                     {"Text7", "1e39", "“河流宽度B（m）”：数值超出可计算的范围"}});
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
        QCOMPARE(test::viewerText(viewer), QString::fromLatin1(expected).replace("\r\n", "\n").replace('\r', '\n'));
        QCOMPARE(bar()->loopMax(), 210.0f);
        QCOMPARE(bar()->loopValue(), 210.0f);
        viewer->close();
        QVERIFY(!QFile::exists(path()));
    }

    void aRunWhileTheResultsAreOpenShowsTheNewGrid() {
        setGrid("10", "0", "100", "10");
        test::click(w_, "Command2");
        QWidget* viewer = results();
        QVERIFY(!test::viewerText(viewer).contains("x=110;"));
        setGrid("110", "0", "100", "10");
        test::click(w_, "Command2");
        QCOMPARE(results(), viewer);
        QCOMPARE(test::viewerText(viewer), QString::fromLatin1(test::fileBytes(path())).replace("\r\n", "\n").replace('\r', '\n'));
        QVERIFY(test::viewerText(viewer).contains("x=110;"));
        viewer->close();
        QVERIFY(!QFile::exists(path()));
    }

    void theViewerDeletesOnlyTheFileItShows() {
        setGrid("10", "0", "100", "10");
        test::click(w_, "Command2");
        // A newer file that the open viewer has not read, as another run may leave it.
        QVERIFY(WriteWholeFile(path().toStdString(), "newer"));
        results()->close();
        QCOMPARE(test::fileBytes(path()), QByteArray("newer"));
    }

    // Links planted in the results folder: a file far beyond any run's is
    // named from its size, and nothing outside the folder is written or removed.
    void linksInTheResultsFolderLeadNowhereOutsideIt() {
        QTemporaryDir outside;
        const QString huge = outside.filePath("huge"), kept = outside.filePath("kept.txt");
        QVERIFY(QFile(huge).open(QIODevice::WriteOnly) && QFile::resize(huge, qint64{1} << 40));
        QVERIFY(QFile::link(huge, path()));
        QVERIFY(test::viewerText(test::openTool(kResults)).startsWith("无法读取计算结果文件（文件有1024GB，"));
        results()->close();
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not the program's") && file.flush());
        const auto mode = QFile::permissions(kept);
        QVERIFY(QFile::link(kept, path() + ".part"));
        setGrid("10", "0", "100", "10");
        test::click(w_, "Command2");
        QVERIFY(test::viewerText(results()).startsWith("X=\\c/Y=;"));
        results()->close();
        // The viewer's file is a link: it removes the link alone.
        QVERIFY(QFile::link(kept, path()));
        test::openTool(kResults)->close();
        QVERIFY(!QFileInfo(path()).isSymLink());
        QCOMPARE(test::fileBytes(kept), QByteArray("not the program's"));
        QCOMPARE(QFile::permissions(kept), mode);
        QCOMPARE(QFileInfo(huge).size(), qint64{1} << 40);
    }

    // Was a header-only file shown as the run's result, without a word.
    void aRangeBelowTheFirstRowIsRefused() {
        setGrid("5", "10", "100", "10");
        MessageRecorder messages;
        test::click(w_, "Command2");
        QCOMPARE(messages.messages(), QStringList{kEmptyGridMessage});
        QVERIFY(!QFile::exists(path()));
    }

    void gridsThatCannotRunAreRefusedBeforeAnyWork() {
        MessageRecorder messages;
        const QList<QStringList> grids = {{"3000", "100", "0", "10"},   {"3000", "100", "100", "0"},
                                          {"3000", "100", "abc", "10"}, {"1e9", "100", "1", "1"},
                                          {"3000", "1e5", "100", "1"},  {"3000", "", "100", "10"}};
        for (const QStringList& g : grids) {
            setGrid(g[0], g[1], g[2], g[3]);
            QSignalSpy rowsDone(bar(), &QProgressBar::valueChanged);
            test::click(w_, "Command2");
            QCOMPARE(rowsDone.count(), 0);  // refused from the ranges, no row computed
        }
        const QStringList m = messages.messages();
        QCOMPARE(m.size(), 6);
        QCOMPARE(m[0], "网格间距不能为0，否则计算无法结束，请检查输入！");
        QCOMPARE(m[1], m[0]);
        QVERIFY(m[2].contains("“计算点离排放口流线网格Xc（m）”：不是有效的数值"));
        QCOMPARE(m[3], "网格计算结果文件将超过64MB的上限，请加大网格间距或缩小计算范围！");
        QCOMPARE(m[4], "每行网格点将超过20000个的上限，请加大横向网格间距或缩小横向范围！");
        QVERIFY(m[5].contains("“计算点离排放口横向范围YL（m）”：未输入数值"));
        QVERIFY(!QFile::exists(path()));
        QVERIFY(!results());
        QCOMPARE(bar()->loopMax(), 100.0f);
    }

    // Counted at ten characters a cell the grid fits; its cells ("200000.xxxx")
    // do not. Was found out only after every cell was computed: three million
    // rows show their progress on the bar as they are done.
    void cellsWiderThanCountedAreRefusedBeforeTheWork() {
        test::setText(w_, "Text1", "200000");
        setGrid("3000000", "0", "1", "1");
        MessageRecorder messages;
        QSignalSpy rowsDone(bar(), &QProgressBar::valueChanged);
        test::click(w_, "Command2");
        QCOMPARE(rowsDone.count(), 0);
        QCOMPARE(messages.messages(), QStringList{"网格计算结果文件将超过64MB的上限，请加大网格间距或缩小计算范围！"});
        QVERIFY(!QFile::exists(path()));
    }

    void aRunCancelledHalfwayLeavesNoFileAndNoEarlierGrid() {
        setGrid("10", "0", "100", "10");
        test::click(w_, "Command2");
        QVERIFY(results());
        setGrid("2598", "2587", "1", "1");
        MessageRecorder messages;
        auto* button = test::child<QPushButton>(w_, "Command2");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), "取  消");
        QTRY_VERIFY_WITH_TIMEOUT(bar()->loopValue() >= 100, 60000);
        const float valueAtCancel = bar()->loopValue();
        QVERIFY(test::runOf(w_)->running());
        QSignalSpy finished(test::runOf(w_), &WindowRun::finished);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(finished.wait(60000));
        QCOMPARE(messages.messages(), QStringList{kRunCancelledMessage});
        QVERIFY(bar()->loopValue() < 2598);
        QVERIFY(bar()->loopValue() >= valueAtCancel);
        QVERIFY(!QFile::exists(path()));
        // The earlier grid is gone from its window too.
        QVERIFY(!test::viewerText(results()).contains("x=10;"));
        QCOMPARE(button->text(), "计  算  结  果");
        // A click just as the run ended was meant for "取  消": it starts nothing.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), "计  算  结  果");
        test::waitForRun(w_);
        QCOMPARE(messages.messages().size(), 1);
    }

    // The second press of a double-click reached the button as "取  消".
    void theSecondClickOfADoubleClickNeverCancelsARun() {
        setGrid("2598", "2587", "1", "1");
        MessageRecorder messages;
        auto* button = test::child<QPushButton>(w_, "Command2");
        PlatformClicks clicks(button);
        QSignalSpy finished(test::runOf(w_), &WindowRun::finished);
        clicks.click(PlatformClicks::kOnItsOwn);
        QCOMPARE(button->text(), "取  消");
        // While the run owns the window its lock takes the double-click before the button sees it.
        EventCount doubleClicks(qApp, QEvent::MouseButtonDblClick, w_->windowHandle());
        clicks.click(PlatformClicks::kSecondOfADoubleClick);
        QCOMPARE(doubleClicks.count, 1);
        QVERIFY(test::runOf(w_)->running());
        QCOMPARE(finished.count(), 0);
        // A click of its own cancels.
        clicks.click(PlatformClicks::kOnItsOwn);
        QVERIFY(finished.count() == 1 || finished.wait(60000));
        QCOMPARE(messages.messages(), QStringList{kRunCancelledMessage});
        QVERIFY(!QFile::exists(path()));
    }

    // Qt made a double-click of two clicks on the button of a run that had
    // ended, and the button took its second click for a new one.
    void theSecondClickOfADoubleClickNeverStartsARun() {
        setGrid("210", "20", "100", "10");
        auto* button = test::child<QPushButton>(w_, "Command2");
        PlatformClicks clicks(button);
        MessageRecorder messages;
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QSignalSpy finished(test::runOf(w_), &WindowRun::finished);
        auto click = [&](int delay) {
            clicks.click(delay);
            // The run (if one started) has ended and its button takes clicks again.
            test::waitForRun(w_);
        };

        click(PlatformClicks::kOnItsOwn);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(finished.count(), 1);
        EventCount doubleClicks(button, QEvent::MouseButtonDblClick);
        click(PlatformClicks::kSecondOfADoubleClick);
        QCOMPARE(doubleClicks.count, 1);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(clicked.count(), 1);
        click(PlatformClicks::kOnItsOwn);  // a click after the interval runs again
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(finished.count(), 2);
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(test::fileBytes(path()), test::fileBytes(KORRIMET_TEST_DATA "/river2_small_grid.txt"));
    }

    // Qt makes a double-click of the first two presses only: the third press
    // of a triple-click cancelled a long run, and started a second short one.
    void aTripleClickOnTheRunButtonIsOneRun() {
        auto* button = test::child<QPushButton>(w_, "Command2");
        PlatformClicks clicks(button);
        MessageRecorder messages;
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QSignalSpy finished(test::runOf(w_), &WindowRun::finished);

        setGrid("2598", "258", "1", "1");  // runs a while: every click lands while it runs
        clicks.click(PlatformClicks::kOnItsOwn);
        clicks.click(PlatformClicks::kSecondOfADoubleClick);
        clicks.click(PlatformClicks::kSecondOfADoubleClick);
        QVERIFY(test::runOf(w_)->running());
        test::waitForRun(w_);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(finished.count(), 1);
        QVERIFY(messages.messages().isEmpty());  // not cancelled

        setGrid("210", "20", "100", "10");  // ends before each next click
        for (int delay : {PlatformClicks::kOnItsOwn, PlatformClicks::kSecondOfADoubleClick,
                          PlatformClicks::kSecondOfADoubleClick}) {
            clicks.click(delay);
            test::waitForRun(w_);
        }
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(finished.count(), 2);
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(test::fileBytes(path()), test::fileBytes(KORRIMET_TEST_DATA "/river2_small_grid.txt"));
    }

    // The caption came back on the timer that keeps the button deaf a moment
    // after the run, which fired while the message was read, and was lost.
    void theCaptionIsBackAfterAMessageReadAtLeisure() {
        auto* button = test::child<QPushButton>(w_, "Command2");
        test::ReadingRecorder messages;
        setGrid("2598", "2587", "1", "1");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), "取  消");
        QTest::keyClick(w_, Qt::Key_Escape);
        test::waitForRun(w_);
        QCOMPARE(messages.messages(), QStringList{kRunCancelledMessage});
        QCOMPARE(button->text(), "计  算  结  果");

        const QString load = test::text(w_, "Text1");
        test::setText(w_, "Text1", "200000");
        setGrid("3000000", "0", "1", "1");
        messages.clear();
        test::click(w_, "Command2");
        QCOMPARE(messages.messages(), QStringList{"网格计算结果文件将超过64MB的上限，请加大网格间距或缩小计算范围！"});
        QCOMPARE(button->text(), "计  算  结  果");

        // And a later click runs.
        test::setText(w_, "Text1", load);
        setGrid("210", "20", "100", "10");
        messages.clear();
        test::click(w_, "Command2");
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(test::fileBytes(path()), test::fileBytes(KORRIMET_TEST_DATA "/river2_small_grid.txt"));
        QCOMPARE(button->text(), "计  算  结  果");
    }

    // The earlier run's file stayed: the run's own clean-up came only with its outcome.
    void closingTheWindowMidRunLeavesNoFileAndSaysNothing() {
        setGrid("10", "0", "100", "10");
        test::click(w_, "Command2");
        QWidget* viewer = results();
        QVERIFY(QFile::exists(path()));
        setGrid("2598", "2587", "1", "1");
        MessageRecorder messages;
        QTest::mouseClick(test::child<QPushButton>(w_, "Command2"), Qt::LeftButton);
        QPointer<WindowRun> run(test::runOf(w_));
        QVERIFY(run->running());
        QSignalSpy finished(run.data(), &WindowRun::finished);
        QPointer<QWidget> window(w_);
        w_->close();
        // The close ended the run there and then, its file with it.
        QVERIFY(!run->busy());
        QVERIFY(!QFile::exists(path()));
        QVERIFY(!test::viewerText(viewer).contains("x=10;"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 60000);
        // An outcome comes only through the run, gone with its window.
        QVERIFY(run.isNull());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(finished.count(), 0);
        QVERIFY(messages.messages().isEmpty());
    }

    // Windows still open when the program ends are never deleted: their runs went on.
    void quittingCancelsTheRunWithoutAWord() {
        setGrid("2598", "2587", "1", "1");
        MessageRecorder messages;
        auto* button = test::child<QPushButton>(w_, "Command2");
        QTest::mouseClick(button, Qt::LeftButton);
        WindowRun* run = test::runOf(w_);
        QVERIFY(run->running());
        QSignalSpy finished(run, &WindowRun::finished);
        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit"));
        QVERIFY(!run->busy());
        QCOMPARE(button->text(), "计  算  结  果");
        QVERIFY(!QFile::exists(path()));
        // Its outcome went with the watcher that would have brought it.
        QVERIFY(run->findChildren<QFutureWatcherBase*>().isEmpty());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(finished.count(), 0);
        QVERIFY(messages.messages().isEmpty());
    }

    void aRefusedRerunLeavesNoEarlierGrid() {
        setGrid("10", "0", "100", "10");
        test::click(w_, "Command2");
        QVERIFY(test::viewerText(results()).contains("x=10;"));
        MessageRecorder messages;
        setGrid("3000", "100", "0", "10");
        test::click(w_, "Command2");
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(!QFile::exists(path()));
        QVERIFY(!test::viewerText(results()).contains("x=10;"));
    }

    // The results folder is out of sight: the message says where.
    void aFolderInTheWayOfTheRunsFileIsNamedByItsPath() {
        const QString part = path() + ".part";
        QVERIFY(QDir().mkpath(part + "/inside"));
        setGrid("10", "0", "100", "10");
        MessageRecorder messages;
        test::click(w_, "Command2");
        QCOMPARE(messages.messages(), QStringList{"计算结果文件无法写入，本次计算没有结果：无法删除旧的临时文件 " + part +
                                                  "：这是一个文件夹，不是文件"});
        QVERIFY(QDir(part).removeRecursively());
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

    // The gaps between event turns are measured in bench/.
    void theWindowAnswersFromThePressUntilTheViewerShows() {
        setGrid("100000", "500", "100", "1");
        QList<float> seen;
        connect(bar(), &QProgressBar::valueChanged, this, [&] { seen << bar()->loopValue(); });
        // Posted before the press, this turn comes before the run's outcome can.
        bool turnedWhileRunning = false;
        QMetaObject::invokeMethod(
            this, [&] { turnedWhileRunning = test::runOf(w_)->running(); }, Qt::QueuedConnection);
        test::click(w_, "Command2");
        QVERIFY(turnedWhileRunning);
        QVERIFY(results());
        QCOMPARE(test::viewerText(results()).count('\n'), 1 + 1000 + 1);
        QVERIFY(seen.size() > 3);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QCOMPARE(seen.last(), 100000.0f);
    }

    void aDoubleClickOnTheRightHalfOfANumbersLastDigitTakesTheNumber() {
        setGrid("210", "20", "100", "10");
        test::click(w_, "Command2");
        auto* viewer = qobject_cast<ResultFileViewer*>(results());
        QVERIFY(viewer);
        LineView* view = viewer->view();
        // The right half of the last 5 of "x=10;35.7825;", column 11 of the second line, past the 3-pixel margin.
        const qreal column = QFontMetricsF(view->font()).horizontalAdvance(QString(64, QLatin1Char('0'))) / 64;
        const int line = view->fontMetrics().height() + 2;
        const QPoint point(static_cast<int>(std::lround(3 + 11.75 * column)), line + line / 2);
        QTest::mouseDClick(viewer->windowHandle(), Qt::LeftButton, {}, view->viewport()->mapTo(viewer, point));
        QCOMPARE(view->selectedText(), "35.7825");
    }

    // On the row the view's edge cuts: a 1 px jitter is no drag, and a double-click takes the word under its first press.
    // A drag scrolled by the wheel ends under the pointer.
    void aClickOnTheRowCutByTheViewsEdgeThatMovesAPixelSelectsNothingAndADoubleClickItsWordAndADragFollowsTheWheel() {
        setGrid("5000", "20", "10", "10");
        test::click(w_, "Command2");
        auto* viewer = qobject_cast<ResultFileViewer*>(results());
        QVERIFY(viewer);
        LineView* view = viewer->view();
        const int line = view->fontMetrics().height() + 2;
        // At the window's own size 28 rows show, and the top 6 pixels of the 29th.
        const int cut = view->viewport()->height() / line;
        QVERIFY(view->viewport()->height() % line >= 3);
        QCOMPARE(viewer->line(cut), "x=280;8.4594;8.6769;8.8677;");
        const qreal column = QFontMetricsF(view->font()).horizontalAdvance(QString(64, QLatin1Char('0'))) / 64;
        const QPoint point = view->viewport()->mapTo(viewer, QPoint(std::lround(3 + 8.5 * column), cut * line + 1));
        const PlatformClicks interval(view);  // a press 1 ms after QTest's 500 is a double-click's second
        for (const bool second : {false, true}) {  // a click, a double-click: the last press moves a pixel
            view->verticalScrollBar()->setValue(0);
            if (second) QTest::mouseClick(viewer->windowHandle(), Qt::LeftButton, {}, point, 2000);
            QTest::mousePress(viewer->windowHandle(), Qt::LeftButton, {}, point, second ? 1 : 2000);
            QTest::mouseMove(viewer->windowHandle(), point + QPoint(0, 1));
            QTest::mouseRelease(viewer->windowHandle(), Qt::LeftButton, {}, point + QPoint(0, 1));
            QCOMPARE(view->selectedText(), second ? "8.4594" : "");
        }
        QVERIFY(view->firstVisibleLine() > 0);

        // From line 2 to 5, a wheel notch down, a pixel on: lines 2 to 7 are copied.
        view->verticalScrollBar()->setValue(0);
        const QPoint two = view->viewport()->mapTo(viewer, QPoint(4, 2 * line + 2)), five = two + QPoint(0, 3 * line);
        QTest::mousePress(viewer->windowHandle(), Qt::LeftButton, {}, two, 2000);
        QTest::mouseMove(viewer->windowHandle(), five);
        QWheelEvent wheel(five, viewer->mapToGlobal(five), {}, {0, -120}, Qt::LeftButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewer->windowHandle(), &wheel);
        QTest::mouseMove(viewer->windowHandle(), five + QPoint(1, 0));
        QTest::mouseRelease(viewer->windowHandle(), Qt::LeftButton, {}, five + QPoint(1, 0));
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), test::viewerText(viewer).section('\n', 2, 7) + '\n');
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
