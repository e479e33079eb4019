#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include "common/widgets/loop_progress.h"
#include "platform/result_folder.h"
#include "common/widgets/grid_model_form.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kRiver4 = "稳态累积流量模式_河4";
const QString kRiver8 = "稳态混合衰减累积流量模式_河8";

QByteArray fileBytes(const QString& name) { return test::fileBytes(resultFilePath(name)); }
}  // namespace

class CumulativeFlowWindowTest : public QObject {
    Q_OBJECT

    LoopProgress* bar(QWidget* w) const { return test::child<LoopProgress>(w, "ProgressBar1"); }
    void setGrid(QWidget* w, const QString& xl, const QString& yl) {
        test::setText(w, "Text12", xl);
        test::setText(w, "Text13", yl);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        QFile::remove(resultFilePath("河四模式计算结果.txt"));
        QFile::remove(resultFilePath("河八模式计算结果.txt"));
        QFile::remove(resultFilePath("河二模式计算结果.txt"));
    }
    void cleanup() { test::closeAllTools(); }

    void inputsStandInFourLinesOfTwo() {
        QWidget* w = test::openTool(kRiver4);
        QCOMPARE(w->windowTitle(), kRiver4);
        QVERIFY(!w->findChild<QLineEdit*>("Text4"));
        auto top = [&](const char* name) { return test::child<QLineEdit>(w, name)->geometry().top(); };
        auto left = [&](const char* name) { return test::child<QLineEdit>(w, name)->geometry().left(); };
        QCOMPARE(top("Text1"), top("Text2"));
        QCOMPARE(top("Text7"), top("Text16"));
        QVERIFY(left("Text1") < left("Text2"));
        QCOMPARE(test::text(w, "Text6"), "5.0");
        QWidget* w8 = test::openTool(kRiver8);
        QCOMPARE(test::child<QLabel>(w8, "Label4")->text(), "综合降解系数K1（1/d）：");
        QVERIFY(test::child<QLineEdit>(w8, "Text4")->geometry().top() > test::child<QLineEdit>(w8, "Text7")->geometry().top());
        QVERIFY(test::child<QPushButton>(w8, "Command1")->toolTip().startsWith(" 用于非持久性污染物"));
    }

    void pointsAtTheDefaults() {
        QWidget* w = test::openTool(kRiver4);
        test::click(w, "Command1");
        QCOMPARE(test::text(w, "Text11"), "32.3868");
        test::setText(w, "Text8", "10");
        test::click(w, "Command1");
        QCOMPARE(test::text(w, "Text11"), "23.4971");
        QWidget* w8 = test::openTool(kRiver8);
        test::click(w8, "Command1");
        QCOMPARE(test::text(w8, "Text11"), "32.3681");
    }

    void inputsThatAreNoNumberAreNamedAndNothingRuns() {
        const QString depth = "“河流水深H（m）”：未输入数值";
        const QString decay = "“综合降解系数K1（1/d）”：不是有效的数值";
        const QString lateral = "“计算点离排放口横向距离Y（m）”：不是有效的数值";
        QWidget* w = test::openTool(kRiver8);
        test::click(w, "Command1");
        test::setText(w, "Text2", "");
        test::setText(w, "Text4", "x");
        MessageRecorder messages;
        test::click(w, "Command1");
        test::click(w, "Command2");
        QCOMPARE(messages.messages().size(), 2);
        for (const QString& m : messages.messages()) QVERIFY(m.contains(depth) && m.contains(decay));
        QCOMPARE(test::text(w, "Text11"), "");
        QVERIFY(fileBytes("河八模式计算结果.txt").isEmpty());
        QVERIFY(!ToolRegistry::instance().window("河八模式计算结果"));

        messages.clear();
        test::setText(w, "Text2", "0.5");
        test::setText(w, "Text4", "1");
        test::click(w, "Command1");
        QCOMPARE(test::text(w, "Text11"), "32.3681");
        test::setText(w, "Text10", "y");
        test::click(w, "Command1");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n" + lateral});
        QCOMPARE(test::text(w, "Text11"), "");
    }

    void aPointThatCannotBeComputedIsRefusedOnAndOffTheBank() {
        QWidget* w = test::openTool(kRiver4);
        MessageRecorder messages;
        for (const char* a : {"10", "0"}) {
            test::setText(w, "Text8", a);
            test::setText(w, "Text9", "10");
            test::click(w, "Command1");
            QVERIFY(!test::text(w, "Text11").isEmpty());
            test::setText(w, "Text9", "0");
            test::click(w, "Command1");
            QCOMPARE(test::text(w, "Text11"), "");
        }
        QCOMPARE(messages.messages(), QStringList(2, "无法计算，请检查：\n" + kGridPointRefused));
    }

    void typingTheOutletDistanceResetsTheBar() {
        QWidget* w = test::openTool(kRiver4);
        setGrid(w, "210", "0");
        test::click(w, "Command2");
        QCOMPARE(bar(w)->loopMax(), 210.0f);
        test::setText(w, "Text1", "12");
        QCOMPARE(bar(w)->loopValue(), 210.0f);
        test::setText(w, "Text8", "5");
        QCOMPARE(bar(w)->loopMax(), 100.0f);
        QCOMPARE(bar(w)->loopValue(), 0.0f);
        QVERIFY(bar(w)->isVisible());
    }

    void theHelpButtonDoesNothing() {
        QWidget* w = test::openTool(kRiver4);
        const int open = ToolRegistry::instance().openWindows().size();
        test::click(w, "Command3");
        QCOMPARE(ToolRegistry::instance().openWindows().size(), open);
    }

    void gridFilesUseTheShortMask() {
        QWidget* w = test::openTool(kRiver4);
        setGrid(w, "10", "10");
        test::click(w, "Command2");
        QCOMPARE(fileBytes("河四模式计算结果.txt"), QByteArray("X=\\c/Y=;y=0;y=10;\rx=10;35.7825;32.3868;\r\r\n"));
        QWidget* viewer = ToolRegistry::instance().window("河四模式计算结果");
        QVERIFY(viewer);
        QCOMPARE(viewer->windowTitle(), "河四计算结果");
        viewer->close();
        QVERIFY(fileBytes("河四模式计算结果.txt").isEmpty());

        QWidget* w8 = test::openTool(kRiver8);
        setGrid(w8, "10", "0");
        test::setText(w8, "Text7", "0");
        test::setText(w8, "Text3", "12");
        test::setText(w8, "Text4", "0");
        test::click(w8, "Command2");
        QCOMPARE(fileBytes("河八模式计算结果.txt"), QByteArray("X=\\c/Y=;y=0;\rx=10;12.;\r\r\n"));
        QCOMPARE(ToolRegistry::instance().window("河八模式计算结果")->windowTitle(), "河八模式计算结果");
    }

    // A click on river 2's run button, and a moment later a double-click on
    // river 4's, which stands at the same point of the screen: Qt paired the
    // first press on river 4 with the click on river 2, its double-click
    // event started the run, and the second press cancelled it.
    void aDoubleClickPairedWithAClickElsewhereIsOneRun() {
        QWidget* river2 = test::openTool("二维稳态混合模式_河2");
        test::setText(river2, "Text12", "210");
        QWidget* w = test::openTool(kRiver4);
        setGrid(w, "2598", "258");  // runs a while: the second press lands while it runs
        test::setText(w, "Text14", "1");
        test::setText(w, "Text15", "1");
        auto* first = test::child<QPushButton>(river2, "Command2");
        auto* button = test::child<QPushButton>(w, "Command2");
        w->move(w->pos() + first->mapToGlobal(QPoint()) - button->mapToGlobal(QPoint()));
        QCOMPARE(button->mapToGlobal(QPoint()), first->mapToGlobal(QPoint()));
        test::PlatformClicks clicksThere(first), clicks(button);
        MessageRecorder messages;
        QSignalSpy clicked(button, &QAbstractButton::clicked);

        clicksThere.click(test::PlatformClicks::kOnItsOwn);
        test::waitForRun(river2);
        clicks.doubleClick(300);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(test::runOf(w)->running());
        test::waitForRun(w);
        QVERIFY(messages.messages().isEmpty());  // not cancelled
        QVERIFY(!fileBytes("河四模式计算结果.txt").isEmpty());
    }

    void closingTheWindowWhileItsFileIsWrittenLeavesNoFile() {
        // The largest grid of one column: 3 million rows, some 60 MB of text.
        MessageRecorder messages;
        QWidget* w = test::openTool(kRiver4);
        setGrid(w, "3000000", "0");
        test::setText(w, "Text14", "1");
        const QString path = resultFilePath("河四模式计算结果.txt");
        // The file is being written while its ".part" is there: watched at
        // every turn, as it lasts a few tens of milliseconds. A turn that
        // came too late to see it lets the run end: then it runs again.
        bool writing = false;
        for (int attempt = 0; attempt < 5 && !writing; ++attempt) {
            test::waitForRun(w);
            test::child<QPushButton>(w, "Command2")->click();
            WindowRun* run = test::runOf(w);
            while (run->running() && !(writing = QFile::exists(path + ".part"))) QCoreApplication::processEvents();
        }
        QVERIFY(writing);
        QPointer<QWidget> window(w);
        w->close();
        QTRY_VERIFY_WITH_TIMEOUT(!window, 60000);
        QVERIFY(!QFile::exists(path));
        QVERIFY(!QFile::exists(path + ".part"));
        QVERIFY(messages.messages().isEmpty());
    }
};

KORRIMET_UI_TEST_MAIN(CumulativeFlowWindowTest)
#include "cumulative_flow_window_uitest.moc"
