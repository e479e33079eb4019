#include <QDir>
#include <QFile>
#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QStandardPaths>
#include <QTest>

#include "common/widgets/grid_run.h"
#include "common/widgets/result_file_viewer.h"
#include "common/widgets/tool_registry.h"
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
        QCOMPARE(test::child<QListView>(w, "RichTextBox1")->toolTip(), "提示");
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
        QVERIFY(runGridFile(&owner, PlanGrid({10, 10, 1}, {0, 0, 1}), cellOk, {}, kFile, TestViewer::kClassName));
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
        auto* view = test::child<QListView>(viewer, "RichTextBox1");
        view->selectionModel()->select(view->model()->index(2, 0), QItemSelectionModel::Select);
        view->selectionModel()->select(view->model()->index(0, 0), QItemSelectionModel::Select);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "a;1;\nc;333;\n");
    }

    void refusedPlansChangeNothing() {
        writeFile("kept");
        QWidget owner;
        MessageRecorder messages;
        QVERIFY(!runGridFile(&owner, PlanGrid({10, 100, 0}, {0, 0, 1}), cellOk, {}, kFile, TestViewer::kClassName));
        QVERIFY(!runGridFile(&owner, PlanGrid({10, 100, 1}, {0, 100, 1}, {1000, 200}), cellOk, {}, kFile,
                             TestViewer::kClassName));
        // No row, or no column: was an empty grid shown as the run's result.
        QVERIFY(!runGridFile(&owner, PlanGrid({10, 5, 100}, {0, 10, 10}), cellOk, {}, kFile, TestViewer::kClassName));
        QVERIFY(!runGridFile(&owner, PlanGrid({10, 110, 100}, {0, -1, 10}), cellOk, {}, kFile,
                             TestViewer::kClassName));
        QCOMPARE(messages.messages().size(), 4);
        QCOMPARE(messages.messages()[0], "网格间距不能为0，否则计算无法结束，请检查输入！");
        QVERIFY(messages.messages()[1].startsWith("网格计算结果文件将超过"));
        QCOMPARE(messages.messages()[2], kEmptyGridMessage);
        QCOMPARE(messages.messages()[3], kEmptyGridMessage);
        QVERIFY(ToolRegistry::instance().window(TestViewer::kClassName) == nullptr);
        QFile f(resultFilePath(kFile));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("kept"));
    }

    void failedCellsAreNamedAfterTheRun() {
        QWidget owner;
        MessageRecorder messages;
        auto failsAtZero = [](double x, double, std::string& out) {
            out += "0";
            return x != 0;
        };
        QVERIFY(runGridFile(&owner, PlanGrid({10, -10, -10}, {0, 1, 1}), failsAtZero, {}, kFile,
                            TestViewer::kClassName));
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
        QVERIFY(!runGridFile(&owner, plan, wide, {}, kFile, TestViewer::kClassName));
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
        QVERIFY(!runGridFile(&owner, PlanGrid({10, 10, 1}, {0, 0, 1}), cellOk, {}, kFile, TestViewer::kClassName));
        QDir(resultFilePath(kFile) + ".part").removeRecursively();
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages()[0].startsWith("计算结果文件无法写入"));
        QVERIFY(!QFile::exists(resultFilePath(kFile)));  // never shown as the new result
        QVERIFY(ToolRegistry::instance().window(TestViewer::kClassName) == nullptr);
    }

    void theOwnerCannotBeClosedDuringARun() {
        QWidget owner;
        owner.show();
        bool closedDuringRun = true;
        auto tryClose = [&](double) { closedDuringRun = owner.close(); };
        QVERIFY(runGridFile(&owner, PlanGrid({10, 10, 1}, {0, 0, 1}), cellOk, tryClose, kFile,
                            TestViewer::kClassName));
        QVERIFY(!closedDuringRun);
        QVERIFY(owner.close());
    }
};

KORRIMET_UI_TEST_MAIN(ResultFileViewerTest)
#include "result_file_viewer_uitest.moc"
