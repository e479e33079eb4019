#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
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
        auto* box = test::child<QPlainTextEdit>(w, "RichTextBox1");
        QCOMPARE(box->toPlainText(), "X=\\c/Y=;y=0;\nx=10;.1;\n\n");
        QCOMPARE(box->toolTip(), "提示");
        QVERIFY(QFile::exists(resultFilePath(kFile)));
        w->close();
        QVERIFY(!QFile::exists(resultFilePath(kFile)));
    }

    void aMissingFileLeavesTheBoxEmptyAndClosesQuietly() {
        QWidget* w = test::openTool(TestViewer::kClassName);
        QVERIFY(test::child<QPlainTextEdit>(w, "RichTextBox1")->toPlainText().isEmpty());
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

    void aGridRunWritesTheFileAndOpensTheViewer() {
        writeFile("an earlier run");
        QWidget* viewer = test::openTool(TestViewer::kClassName);
        QCOMPARE(test::child<QPlainTextEdit>(viewer, "RichTextBox1")->toPlainText(), "an earlier run");
        QWidget owner;
        QVERIFY(runGridFile(&owner, PlanGrid({10, 10, 1}, {0, 0, 1}), cellOk, {}, kFile, TestViewer::kClassName));
        QFile f(resultFilePath(kFile));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("X=\\c/Y=;y=0;\rx=10;1;\r\r\n"));
        // An open viewer is only brought forward: it keeps the earlier text.
        QCOMPARE(ToolRegistry::instance().window(TestViewer::kClassName), viewer);
        QCOMPARE(test::child<QPlainTextEdit>(viewer, "RichTextBox1")->toPlainText(), "an earlier run");
    }

    void refusedPlansChangeNothing() {
        writeFile("kept");
        QWidget owner;
        MessageRecorder messages;
        QVERIFY(!runGridFile(&owner, PlanGrid({10, 100, 0}, {0, 0, 1}), cellOk, {}, kFile, TestViewer::kClassName));
        QVERIFY(!runGridFile(&owner, PlanGrid({10, 100, 1}, {0, 100, 1}, 100), cellOk, {}, kFile,
                             TestViewer::kClassName));
        QCOMPARE(messages.messages(), (QStringList{gridRefusalMessage(GridPlan::Status::EndlessX),
                                                   gridRefusalMessage(GridPlan::Status::TooLarge)}));
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
