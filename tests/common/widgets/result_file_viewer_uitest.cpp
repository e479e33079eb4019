#include <QDir>
#include <QFile>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPointer>
#include <QScrollBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <atomic>
#include <memory>

#include "common/widgets/grid_run.h"
#include "common/widgets/result_file_viewer.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/window_run.h"
#include "platform/result_folder.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

const QString kFile = QStringLiteral("查看器测试.txt");

class TestViewer : public ResultFileViewer {
public:
    static constexpr const char* kClassName = "测试结果窗口";
    static constexpr const char* kCaption = "测试结果";
    TestViewer() : ResultFileViewer(kClassName, kCaption, kFile, "提示") {}
};
KORRIMET_REGISTER_TOOL(TestViewer);

void writeFile(const QByteArray& bytes) { test::writeResultFile(kFile, bytes); }

bool cellOk(double, double, std::string& out) {
    out += "1";
    return true;
}

WindowRun* runOf(QWidget* owner) {
    auto* run = owner->findChild<WindowRun*>();
    return run ? run : new WindowRun(owner);
}

// Runs a grid as a window does and waits for its outcome; true when it
// started and left its file.
bool runGrid(QWidget* owner, const GridPlan& plan, const GridCell& cell, QAbstractButton* button = nullptr) {
    WindowRun* run = runOf(owner);
    test::waitForRun(owner);
    QSignalSpy finished(run, &WindowRun::finished);
    if (!startGridRun(*run, button, [plan] { return plan; }, cell, {}, kFile, TestViewer::kClassName)) return false;
    if (!finished.wait(60000)) qFatal("the grid run did not end");
    return QFile::exists(resultFilePath(kFile));
}

}  // namespace

class ResultFileViewerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QFile::remove(resultFilePath(kFile)); }
    void cleanup() {
        test::closeAllTools();
        QFile::remove(resultFilePath(kFile));
    }

    void showsTheFileLineByLineAndDeletesItOnClose() {
        writeFile("X=\\c/Y=;y=0;\rx=10;.1;\r\r\n");
        QWidget* w = test::openTool(TestViewer::kClassName);
        QCOMPARE(test::viewerText(w), "X=\\c/Y=;y=0;\nx=10;.1;\n\n");
        QCOMPARE(test::child<LineView>(w, "RichTextBox1")->toolTip(), "提示");
        QVERIFY(QFile::exists(resultFilePath(kFile)));
        w->close();
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
    }

    void aMissingFileLeavesTheBoxEmptyAndClosesQuietly() {
        QWidget* w = test::openTool(TestViewer::kClassName);
        QVERIFY(test::viewerText(w).isEmpty());
        w->close();
    }

    void aViewerThatKeepsItsFile() {
        writeFile("points");
        {
            ResultFileViewer keeper("保留", "保留", kFile, {}, false);
            keeper.close();
        }
        QVERIFY(QFile::exists(resultFilePath(kFile)));
    }

    // A file over a megabyte that no run handed over (an earlier session's) is
    // read on a worker: closed or quit meanwhile, the window left it on disk.
    void aViewerRemovesItsFileWhetherOrNotItHasReadIt() {
        const QByteArray big = QByteArray("x=1;2;\r").repeated(5'000'000);  // 35 MB
        auto open = [] { return static_cast<ResultFileViewer*>(test::openTool(TestViewer::kClassName)); };
        writeFile(big);
        ResultFileViewer* viewer = open();
        QVERIFY(viewer->loading());
        QPointer<QWidget> alive(viewer);
        viewer->close();
        QVERIFY(!viewer->loading());
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive.isNull());

        writeFile(big);
        viewer = open();
        QVERIFY(viewer->loading());
        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit"));
        QVERIFY(!viewer->loading());
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
        viewer->close();

        // Not a newer file put in its place meanwhile.
        writeFile(big);
        viewer = open();
        QVERIFY(viewer->loading());
        QVERIFY(WriteWholeFile(resultFilePath(kFile).toStdString(), "newer"));
        viewer->close();
        QCOMPARE(test::fileBytes(resultFilePath(kFile)), QByteArray("newer"));

        // Read to its end, a megabyte at a time.
        writeFile(big);
        viewer = open();
        QTRY_VERIFY_WITH_TIMEOUT(!viewer->loading(), 60000);
        QCOMPARE(viewer->lineCount(), 5'000'000);
        QCOMPARE(viewer->line(4'999'999), "x=1;2;");
        viewer->close();
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
    }

    void aGridRunShowsItsFileInTheOpenViewer() {
        writeFile("an earlier run");
        QWidget* viewer = test::openTool(TestViewer::kClassName);
        QCOMPARE(test::viewerText(viewer), "an earlier run");
        QWidget owner;
        QVERIFY(runGrid(&owner, PlanGrid({10, 10, 1}, {0, 0, 1}), cellOk));
        QFile f(resultFilePath(kFile));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("X=\\c/Y=;y=0;\rx=10;1;\r\r\n"));
        QCOMPARE(ToolRegistry::instance().window(TestViewer::kClassName), viewer);
        QCOMPARE(test::viewerText(viewer), "X=\\c/Y=;y=0;\nx=10;1;\n\n");
    }

    // Each refusal also removes the earlier run's file: no viewer shows it as this run's.
    void refusedPlansAreSaidBeforeAnyWork() {
        writeFile("kept");
        QWidget owner;
        MessageRecorder messages;
        QVERIFY(!runGrid(&owner, PlanGrid({10, 100, 0}, {0, 0, 1}), cellOk));
        QVERIFY(!runGrid(&owner, PlanGrid({10, 100, 1}, {0, 100, 1}, {1000, 200}), cellOk));
        // No row, or no column: was an empty grid shown as the run's result.
        QVERIFY(!runGrid(&owner, PlanGrid({10, 5, 100}, {0, 10, 10}), cellOk));
        QVERIFY(!runGrid(&owner, PlanGrid({10, 110, 100}, {0, -1, 10}), cellOk));
        QCOMPARE(messages.messages().size(), 4);
        QCOMPARE(messages.messages()[0], "网格间距不能为0，否则计算无法结束，请检查输入！");
        QVERIFY(messages.messages()[1].startsWith("网格计算结果文件将超过"));
        QCOMPARE(messages.messages()[2], kEmptyGridMessage);
        QCOMPARE(messages.messages()[3], kEmptyGridMessage);
        QVERIFY(ToolRegistry::instance().window(TestViewer::kClassName) == nullptr);
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
    }

    void failedCellsAreNamedAfterTheRun() {
        QWidget owner;
        MessageRecorder messages;
        auto failsAtZero = [](double x, double, std::string& out) {
            out += "0";
            return x != 0;
        };
        QVERIFY(runGrid(&owner, PlanGrid({10, -10, -10}, {0, 1, 1}), failsAtZero));
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages()[0].contains("2个网格点"));
        QVERIFY(messages.messages()[0].contains("x=0，y=0"));
        QVERIFY(ToolRegistry::instance().window(TestViewer::kClassName) != nullptr);
    }

    void cellsLongerThanCountedStopTheRunAtTheLimit() {
        QWidget owner;
        MessageRecorder messages;
        auto wide = [](double, double, std::string& out) {
            out += std::string(100, '9');
            return true;
        };
        const GridPlan plan = PlanGrid({10, 19, 1}, {0, 9, 1}, {2000, 100});
        QCOMPARE(plan.status, GridPlan::Status::Ready);  // counted at ten characters a cell
        QVERIFY(!runGrid(&owner, plan, wide));
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages()[0].startsWith("网格计算结果文件将超过"));
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
    }

    void aFileThatCannotBeWrittenIsReportedAndNoViewerOpens() {
        // A directory in the way of the file: the write fails.
        QVERIFY(QDir().mkpath(resultFilePath(kFile) + ".part"));
        writeFile("an earlier run");
        QWidget owner;
        MessageRecorder messages;
        QVERIFY(!runGrid(&owner, PlanGrid({10, 10, 1}, {0, 0, 1}), cellOk));
        QDir(resultFilePath(kFile) + ".part").removeRecursively();
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages()[0].startsWith("计算结果文件无法写入"));
        QVERIFY(!QFile::exists(resultFilePath(kFile)));  // never shown as the new result
        QVERIFY(ToolRegistry::instance().window(TestViewer::kClassName) == nullptr);
    }

    void aCancelledRunLeavesNoEarlierGridOnShow() {
        writeFile("an earlier run");
        QWidget* viewer = test::openTool(TestViewer::kClassName);
        QWidget owner;
        MessageRecorder messages;
        auto slow = [](double, double, std::string& out) {
            QThread::usleep(200);
            out += "1";
            return true;
        };
        QTimer::singleShot(50, &owner, [&] { runOf(&owner)->cancel(); });
        QVERIFY(!runGrid(&owner, PlanGrid({10, 10000, 10}, {0, 0, 1}), slow));
        QCOMPARE(messages.messages().last(), kRunCancelledMessage);
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
        QVERIFY(!test::viewerText(viewer).contains("earlier"));
    }

    void closingTheOwnerCancelsItsRunAndLeavesNoFile() {
        auto* owner = new QWidget;
        owner->setAttribute(Qt::WA_DeleteOnClose);
        owner->show();
        QPointer<QWidget> alive(owner);
        std::atomic<int> cells{0};
        auto token = std::make_shared<int>();
        const std::weak_ptr<int> cellHeld = token;  // while a copy of the cell is held
        GridCell slow = [&cells, token](double, double, std::string& out) {
            ++cells;
            QThread::usleep(100);
            out += "1";
            return true;
        };
        token.reset();
        MessageRecorder messages;
        QVERIFY(startGridRun(*runOf(owner), nullptr, [] { return PlanGrid({10, 100000, 1}, {0, 0, 1}); }, slow, {}, kFile,
                             TestViewer::kClassName));
        slow = nullptr;  // the run holds the only copies
        QTRY_VERIFY_WITH_TIMEOUT(cells > 0, 60000);
        owner->close();
        QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 60000);
        // Its cells stopped with the window, and nothing is left to compute one.
        const int computed = cells;
        QVERIFY(computed < 100000);
        QTRY_VERIFY_WITH_TIMEOUT(cellHeld.expired(), 60000);
        QCOMPARE(cells.load(), computed);
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
        QVERIFY(messages.messages().isEmpty());
    }

    void theButtonCancelsAndAClickAsTheRunEndsStartsNothing() {
        QWidget owner;
        QPushButton button("计  算", &owner);
        owner.show();
        QSignalSpy clicked(&button, &QPushButton::clicked);
        WindowRun* run = runOf(&owner);
        std::atomic<int> cells{0};
        auto slow = [&cells](double, double, std::string& out) {
            ++cells;
            QThread::usleep(200);
            out += "1";
            return true;
        };
        MessageRecorder messages;
        QSignalSpy finished(run, &WindowRun::finished);
        QVERIFY(startGridRun(*run, &button, [] { return PlanGrid({10, 100000, 1}, {0, 0, 1}); }, slow, {}, kFile,
                             TestViewer::kClassName));
        QCOMPARE(button.text(), "取  消");
        QVERIFY(!startGridRun(*run, &button, [] { return PlanGrid({10, 10, 1}, {0, 0, 1}); }, cellOk, {}, kFile,
                              TestViewer::kClassName));  // one run owns the window
        QTest::mousePress(&button, Qt::LeftButton);
        QVERIFY(finished.wait(60000));
        QVERIFY(cells < 100000);  // stopped by the cancel, not at the end
        QCOMPARE(messages.messages(), QStringList{kRunCancelledMessage});
        QCOMPARE(button.text(), "计  算");
        // The release of that press, and a whole click queued as the run ended.
        QTest::mouseRelease(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
        // A moment later the button is the user's again.
        QTRY_VERIFY_WITH_TIMEOUT(!run->holding(), 60000);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    // The wheel reached the entries during a run; a view may still scroll.
    void aRunLocksTheEntriesAgainstEveryInputButLetsAViewScroll() {
        QWidget owner;
        auto* choice = new QComboBox(&owner);
        choice->addItems({"a", "b", "c"});
        auto* view = new QPlainTextEdit(&owner);
        view->setReadOnly(true);
        view->setPlainText(QString("line\n").repeated(500));
        view->setGeometry(0, 40, 200, 100);
        owner.resize(220, 160);
        owner.show();
        auto wheel = [](QWidget* target, int delta) {
            const QPoint at = target->rect().center();
            QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &e);
        };
        auto slow = [](double, double, std::string& out) {
            QThread::usleep(200);
            out += "1";
            return true;
        };
        WindowRun* run = runOf(&owner);
        QVERIFY(startGridRun(*run, nullptr, [] { return PlanGrid({10, 100000, 1}, {0, 0, 1}); }, slow, {}, kFile,
                             TestViewer::kClassName));
        wheel(choice, -120);
        QTest::keyClick(choice, Qt::Key_Down);
        QTest::mouseClick(choice, Qt::LeftButton);
        QCOMPARE(choice->currentIndex(), 0);
        wheel(view->viewport(), -120);
        QVERIFY(view->verticalScrollBar()->value() > 0);
        QVERIFY(run->running());
        MessageRecorder messages;
        run->cancel();
        test::waitForRun(&owner);
        wheel(choice, -120);
        QCOMPARE(choice->currentIndex(), 1);
    }
};

KORRIMET_UI_TEST_MAIN(ResultFileViewerTest)
#include "result_file_viewer_uitest.moc"
