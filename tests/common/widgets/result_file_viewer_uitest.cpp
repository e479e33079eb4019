#include <QDir>
#include <QFile>
#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>
#include <QScrollBar>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QTimer>

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

void writeFile(const QByteArray& bytes) {
    QFile f(resultFilePath(kFile));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

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
    if (!finished.wait(20000)) qFatal("the grid run did not end");
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

    void linesAreCopiedAsTheFileHoldsThem() {
        writeFile("a;1;\rb;22;\r\nc;333;\n");
        auto* viewer = static_cast<ResultFileViewer*>(test::openTool(TestViewer::kClassName));
        QCOMPARE(viewer->lineCount(), 3);
        auto* view = test::child<LineView>(viewer, "RichTextBox1");
        const int lineHeight = view->fontMetrics().height() + 2;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, lineHeight / 2));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 2 * lineHeight + 2));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "a;1;\nb;22;\nc;333;\n");
        QTest::keyClick(view, Qt::Key_Up);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "b;22;\n");
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
        auto slow = [](double, double, std::string& out) {
            QThread::usleep(100);
            out += "1";
            return true;
        };
        MessageRecorder messages;
        QVERIFY(startGridRun(*runOf(owner), nullptr, [] { return PlanGrid({10, 100000, 1}, {0, 0, 1}); }, slow, {}, kFile,
                             TestViewer::kClassName));
        QElapsedTimer closing;
        closing.start();
        owner->close();
        QTRY_VERIFY(alive.isNull());
        QVERIFY(closing.elapsed() < 1000);
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
        QVERIFY(messages.messages().isEmpty());
    }

    void theButtonCancelsAndAClickAsTheRunEndsStartsNothing() {
        QWidget owner;
        QPushButton button("计  算", &owner);
        owner.show();
        QSignalSpy clicked(&button, &QPushButton::clicked);
        WindowRun* run = runOf(&owner);
        auto slow = [](double, double, std::string& out) {
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
        QElapsedTimer sinceCancel;
        sinceCancel.start();
        QTest::mousePress(&button, Qt::LeftButton);
        QVERIFY(finished.wait(5000));
        QVERIFY(sinceCancel.elapsed() < 1000);
        QCOMPARE(messages.messages(), QStringList{kRunCancelledMessage});
        QCOMPARE(button.text(), "计  算");
        // The release of that press, and a whole click queued as the run ended.
        QTest::mouseRelease(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
        // A moment later the button is the user's again.
        QTRY_VERIFY(!run->busy());
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void aFreshViewerOfMillionsOfLinesAnswersKeysAtOnce() {
        QByteArray bytes;
        for (int i = 0; i < 2'000'000; ++i) bytes += "x=" + QByteArray::number(i) + ";1.2345;\r";
        writeFile(bytes);
        auto* viewer = static_cast<ResultFileViewer*>(test::openTool(TestViewer::kClassName));
        QTRY_VERIFY(!viewer->loading());
        QCOMPARE(viewer->lineCount(), 2'000'000);
        LineView* view = viewer->view();
        view->verticalScrollBar()->setValue(1'000'000);
        QElapsedTimer keys;
        keys.start();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        for (int i = 0; i < 10; ++i) QTest::keyClick(view, Qt::Key_PageDown);
        QTest::keyClick(view, Qt::Key_End, Qt::ShiftModifier);
        QVERIFY2(keys.elapsed() < 1000, qPrintable(QString::number(keys.elapsed())));
        QCOMPARE(view->selectionLast(), 1'999'999);
        QVERIFY(view->selectionFirst() > 1'000'000);
        QCOMPARE(viewer->line(view->selectionFirst()).left(2), "x=");
    }
};

KORRIMET_UI_TEST_MAIN(ResultFileViewerTest)
#include "result_file_viewer_uitest.moc"
