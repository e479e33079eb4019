#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPointer>
#include <QScrollBar>
#include <QSemaphore>
#include <QThreadPool>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <atomic>
#include <functional>
#include <memory>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "common/widgets/grid_run.h"
#include "common/widgets/result_file_viewer.h"
#include "common/widgets/run_pool.h"
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

// While it lives, this thread reads files as a user without the right to
// override their permissions (root has it): a file without read permission
// cannot be opened. False when the right cannot be laid down.
class NoPermissionOverride {
public:
    NoPermissionOverride() {
#ifdef Q_OS_LINUX
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        active_ = ::syscall(SYS_capset, &header_, lowered) == 0;
#endif
    }
    ~NoPermissionOverride() {
#ifdef Q_OS_LINUX
        if (active_) ::syscall(SYS_capset, &header_, saved_);
#endif
    }
    explicit operator bool() const { return active_; }

private:
    bool active_ = false;
#ifdef Q_OS_LINUX
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
#endif
};

// Sets or lifts the immutable flag, which stops removal by root too; false
// when it cannot (no right to it, or a file system without it).
bool setImmutable(const QString& path, bool on) {
#ifdef Q_OS_LINUX
    int flags = 0;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0) ::close(fd);
    return done;
#else
    Q_UNUSED(path);
    Q_UNUSED(on);
    return false;
#endif
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

    // The window stayed blank, as for a missing file; a pipe would have kept
    // it waiting for a writer. Nothing it could not open is its to remove.
    void aFileThatCannotBeReadIsNamedAndLeftInPlace() {
        const QString path = resultFilePath(kFile);
        const QString named = "：\n" + QDir::toNativeSeparators(path);
        const struct {
            const char* what;
            std::function<bool()> make;
            QString says;
        } cases[] = {
            {"folder", [&] { return QDir().mkdir(path); }, "无法读取计算结果文件（这是一个文件夹，不是文件）"},
#ifdef Q_OS_UNIX
            {"pipe", [&] { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; },
             "无法读取计算结果文件（这不是普通文件）"},
#endif
            {"no read permission",
             [&] {
                 writeFile("x=10;1;\r");
                 return QFile::setPermissions(path, QFile::WriteOwner);
             },
             "无法读取计算结果文件（没有访问权限）"},
        };
        for (const auto& c : cases) {
            QVERIFY2(c.make(), c.what);
            {
                NoPermissionOverride asAUser;
                if (!asAUser && c.says.contains("权限")) QSKIP("cannot read as a user without override rights");
                QWidget* w = test::openTool(TestViewer::kClassName);
                QCOMPARE(test::viewerText(w), c.says + named);
                w->close();
            }
            QVERIFY2(QFileInfo::exists(path), c.what);
            QVERIFY(QDir(path).exists() ? QDir().rmdir(path) : QFile::remove(path));
        }
    }

    // The lines read before the file was cut short showed as the whole result.
    void aFileCutShortWhileItIsReadIsNamed() {
        writeFile(QByteArray("x=1;2;\r").repeated(300'000));  // 2 MB: read on a worker
        // Every thread of the pool waits until the file has been cut short.
        const int threads = RunPool().maxThreadCount();
        struct Gate {
            QSemaphore waiting, go;
        };
        auto gate = std::make_shared<Gate>();
        for (int i = 0; i < threads; ++i)
            RunPool().start([gate] {
                gate->waiting.release();
                gate->go.acquire();
            });
        gate->waiting.acquire(threads);
        auto* viewer = static_cast<ResultFileViewer*>(test::openTool(TestViewer::kClassName));
        QVERIFY(viewer->loading());
        QVERIFY(QFile::resize(resultFilePath(kFile), 7000));
        gate->go.release(threads);
        QTRY_VERIFY_WITH_TIMEOUT(!viewer->loading(), 60000);
        QCOMPARE(viewer->text(), "计算结果文件在读取时被截短（不完整的结果不予显示，请重新计算）：\n" +
                                     QDir::toNativeSeparators(resultFilePath(kFile)));
        viewer->close();  // the file it read is its own
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
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
        // A cell that throws fails the run as a whole: no file, and the window is told.
        auto throws = [](double, double, std::string&) -> bool { throw std::bad_alloc(); };
        QVERIFY(!runGrid(&owner, PlanGrid({10, 20, 1}, {0, 0, 1}), throws));
        QCOMPARE(messages.messages().last(), kRunFailedMessage + "内存不足，请缩小计算范围或关闭其他程序后重试。");
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
        QVERIFY(QDir().mkpath(resultFilePath(kFile) + ".part/inside"));
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

    // The earlier file was shown again, as if the run had left it.
    void anEarlierFileThatCannotBeRemovedIsNotShown() {
        writeFile("an earlier run");
        QWidget* viewer = test::openTool(TestViewer::kClassName);
        if (!setImmutable(resultFilePath(kFile), true)) QSKIP("no immutable flag here");
        auto lift = qScopeGuard([] { setImmutable(resultFilePath(kFile), false); });
        QWidget owner;
        MessageRecorder messages;
        runGrid(&owner, PlanGrid({10, 100, 0}, {0, 0, 1}), cellOk);  // refused
        QVERIFY(test::viewerText(viewer).isEmpty());
        runGrid(&owner, PlanGrid({10, 10, 1}, {0, 0, 1}), cellOk);  // cannot replace the file
        QVERIFY(messages.messages().last().contains("无法替换计算结果文件"));
        viewer->close();
        QVERIFY(test::viewerText(test::openTool(TestViewer::kClassName)).isEmpty());
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
