#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QPushButton>
#include <QTest>
#include <QScopeGuard>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTextEdit>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "common/widgets/window_run.h"
#include "common/widgets/grid_run.h"
#include "common/widgets/loop_progress.h"
#include "common/widgets/report_box.h"
#include "platform/result_folder.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

const QString kNoPoints = QStringLiteral("尚未计算网格临界点坐标：请在烟团模式窗口中按“网格临界点坐标”计算。");
const QString kWindow = "风险评价之烟团模式";
const QString kHelp = "风险评价之烟团帮助";
const QString kGrid = "风险评价烟团之网格计算结果";
const QString kPoints = "风险评价烟团模式之临界点坐标";
const QString kCritical = "请输入临界浓度（mg/M^3)";

QString shown(const QByteArray& bytes) {
    return QString::fromLatin1(bytes).replace("\r\n", "\n").replace('\r', '\n');
}
QWidget* window(const QString& className) { return ToolRegistry::instance().window(className); }
QString boxText(const QString& className) { return test::viewerText(window(className)); }
QString named(const QString& label, const QString& reason) { return "“" + label + "”：" + reason; }
}  // namespace

class PuffWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;
    LoopProgress* bar() const { return test::child<LoopProgress>(w_, "ProgressBar1"); }
    static QString gridPath() { return resultFilePath("风险评价计算结果.txt"); }
    static QString pointsPath() { return resultFilePath("testfile.txt"); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        QFile::remove(gridPath());
        QFile::remove(pointsPath());
        w_ = test::openTool(kWindow);
    }
    void cleanup() { test::closeAllTools(); }

    void pointAtTheDefaults() {
        QCOMPARE(w_->windowTitle(), "风险评价之多烟团模式计算");
        QCOMPARE(test::child<QLabel>(w_, "Label12")->text(), "200,100,0");
        test::click(w_, "Command1");
        QCOMPARE(test::text(w_, "Text7"), "0.203904");
    }

    void anEntryThatCannotBeUsedIsNamedAndLeavesNoPoint() {
        test::expectBadEntriesNamed(w_, "Command1", "Text7", "0.203904",
                                    {{"Text1", "x", named("Q(事故期间烟团排放量:mg)", "不是有效的数值")},
                                     {"Text4", "0", named("σz(Z方向扩散系数)", "须大于0")},
                                     {"Text8", "x", named("X0(烟团中心坐标)", "不是有效的数值")},
                                     {"Text10", "abc", named("Z0(烟团中心坐标)", "不是有效的数值")},
                                     {"Text17", "", named("Y(下风向地面某点坐标Y)", "未输入数值")},
                                     {"Text18", "1e999", named("X(下风向地面某点坐标X)", "数值超出可计算的范围")}});
    }

    void sigmaXAndSigmaYFollowEachOther() {
        auto* sx = test::child<QLineEdit>(w_, "Text2");
        auto* sy = test::child<QLineEdit>(w_, "Text3");
        sx->setFocus();
        sx->selectAll();
        QTest::keyClicks(sx, "150");
        QCOMPARE(sy->text(), "150");
        // Typing inside the text keeps the caret where it is.
        sx->setCursorPosition(1);
        QTest::keyClicks(sx, "2");
        QCOMPARE(sx->text(), "1250");
        QCOMPARE(sx->cursorPosition(), 2);
        QCOMPARE(sy->text(), "1250");
        sy->setText("abc");
        QCOMPARE(sx->text(), "abc");
    }

    void thePointLabelFollowsTheBoxesAsTyped() {
        test::setText(w_, "Text17", "");
        QCOMPARE(test::child<QLabel>(w_, "Label12")->text(), "200,,0");
        test::setText(w_, "Text18", "1e3");
        QCOMPARE(test::child<QLabel>(w_, "Label12")->text(), "1e3,,0");
        auto* label = test::child<QLabel>(w_, "Label12");
        auto* close = test::child<QLabel>(w_, "Label13");
        QVERIFY(close->x() > label->x() + label->fontMetrics().horizontalAdvance("1e3,,0") - 2);
    }

    void editingAGridBoxResetsTheBarToTheXRange() {
        bar()->setVisible(false);
        bar()->setLoopValue(60);
        test::setText(w_, "Text11", "50");
        QVERIFY(!bar()->isHidden());
        QCOMPARE(bar()->loopMin(), 0.0f);
        QCOMPARE(bar()->loopMax(), 5000.0f);
        QCOMPARE(bar()->loopValue(), 0.0f);
        test::setText(w_, "Text13", "2500.9");
        QCOMPARE(bar()->loopMax(), 2500.0f);
    }

    void anXRangeWithoutAWholeNumberLeavesTheBarAlone() {
        test::setText(w_, "Text13", "1.5");
        QCOMPARE(bar()->loopMax(), 1.0f);
        bar()->setLoopValue(1);
        for (const char* text : {"", "abc", "0.9", "-20"}) {
            test::setText(w_, "Text13", text);
            test::setText(w_, "Text12", QString("7") + text);
            QCOMPARE(bar()->loopMax(), 1.0f);
            QCOMPARE(bar()->loopValue(), 1.0f);
        }
    }

    void gridRunWritesTheTableAndItsWindowDeletesIt() {
        test::click(w_, "Command2");
        const QByteArray bytes = test::fileBytes(gridPath());
        const QList<QByteArray> lines = bytes.split('\r');
        QCOMPARE(lines.size(), 14);  // header, 11 rows, the empty rest before the final line end
        QCOMPARE(lines[0], "X=\\c/Y=;y=0;y=100;y=200;y=300;y=400;y=500;y=600;y=700;y=800;y=900;y=1000;");
        QVERIFY(lines[1].startsWith("x=0;0.380943;0.336181;0.231053;"));
        QVERIFY(lines[1].endsWith(";1.5E-05;1E-06;"));
        QCOMPARE(lines[11], "x=5000;" + QByteArray("1E-08;").repeated(11));
        QVERIFY(bytes.endsWith("1E-08;\r\r\n"));
        QWidget* viewer = window(kGrid);
        QVERIFY(viewer);
        QCOMPARE(viewer->windowTitle(), "风险评价之烟团模式网格计算结果");
        QCOMPARE(boxText(kGrid), shown(bytes));
        QCOMPARE(test::child<QWidget>(viewer, "RichTextBox1")->toolTip(),
                 "此计算结果可以复制到WORD中,采用文字转换为表格的形式得到规范数据表!");
        QCOMPARE(bar()->loopMax(), 5000.0f);
        QCOMPARE(bar()->loopValue(), 5000.0f);
        viewer->close();
        QVERIFY(!QFile::exists(gridPath()));
    }

    void aRunWhileTheGridIsOpenShowsTheNewGrid() {
        test::click(w_, "Command2");
        const QByteArray before = test::fileBytes(gridPath());
        test::setText(w_, "Text13", "500");
        test::click(w_, "Command2");
        const QByteArray bytes = test::fileBytes(gridPath());
        QVERIFY(bytes != before);
        QVERIFY(bytes.contains("\rx=500;") && !bytes.contains("\rx=1000;"));
        QCOMPARE(boxText(kGrid), shown(bytes));
    }

    void gridsThatCannotRunAreRefused() {
        MessageRecorder messages;
        test::setText(w_, "Text12", "0.5");
        test::click(w_, "Command2");
        test::setText(w_, "Text12", "500");
        test::setText(w_, "Text14", "abc");
        test::click(w_, "Command2");
        QCOMPARE(messages.messages(), (QStringList{"网格间距不能为0，否则计算无法结束，请检查输入！",
                                                   "无法计算，请检查：\n" + named("横向范围（Y）", "不是有效的数值")}));
        QVERIFY(!QFile::exists(gridPath()));
        QVERIFY(!window(kGrid));
    }

    void aGridOfParametersThatCannotBeUsedDoesNotRun() {
        test::setText(w_, "Text4", "0");
        test::setText(w_, "Text13", "0");
        test::setText(w_, "Text14", "100");
        MessageRecorder messages;
        test::click(w_, "Command2");
        QVERIFY(!QFile::exists(gridPath()));
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n" + named("σz(Z方向扩散系数)", "须大于0")});
    }

    void criticalDistanceAtTheDefaults() {
        test::click(w_, "Command4");
        QCOMPARE(test::text(w_, "Text16"), "450.47");
        QCOMPARE(bar()->loopMax(), 100.0f);
        QCOMPARE(bar()->loopValue(), 100.0f);
    }

    void theDistanceSearchMovesTheBarAndTheWindowAnswers() {
        QList<float> seen;
        connect(bar(), &QProgressBar::valueChanged, this, [&] { seen << bar()->loopValue(); });
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&] { ++ticks; });
        tick.start(5);
        test::click(w_, "Command4");
        QVERIFY(ticks > 0);
        QCOMPARE(test::text(w_, "Text16"), "450.47");
        QVERIFY(seen.size() >= 2);
        QCOMPARE(seen.last(), 100.0f);
        QVERIFY(*std::max_element(seen.begin(), seen.end()) <= 100.0f);
    }

    void aCriticalConcentrationThatCannotBeOneIsRefused() {
        test::setText(w_, "Text16", "12");
        MessageRecorder messages;
        for (const char* text : {"", "abc", "0", "-0.03"}) {
            test::setText(w_, "Text15", text);
            test::click(w_, "Command4");
            test::click(w_, "Command5");
        }
        const QStringList reasons = {"未输入数值", "不是有效的数值", "须大于0", "须大于0"};
        QCOMPARE(messages.messages().size(), 8);
        for (int i = 0; i < 8; ++i) QCOMPARE(messages.messages()[i], "无法计算，请检查：\n" + named(kCritical, reasons[i / 2]));
        QCOMPARE(test::text(w_, "Text16"), "");
        QVERIFY(!QFile::exists(pointsPath()));
        QVERIFY(!window(kPoints));
    }

    void searchesThatFindNoCriticalPointSaySo() {
        MessageRecorder messages;
        test::setText(w_, "Text15", "1");  // above the puff centre's concentration
        test::setText(w_, "Text16", "12");
        test::click(w_, "Command4");
        QCOMPARE(test::text(w_, "Text16"), "");
        test::click(w_, "Command5");
        test::setText(w_, "Text15", "0.03");
        test::setText(w_, "Text2", "0");
        test::click(w_, "Command4");
        QCOMPARE(messages.messages().size(), 3);
        QVERIFY(messages.messages()[0].startsWith("下风向轴线上找不到浓度等于临界浓度的点"));
        QCOMPARE(messages.messages()[1], messages.messages()[0]);
        // σy follows σx.
        QCOMPARE(messages.messages()[2], "无法计算，请检查：\n" + named("σx(x方向扩散系数)", "须大于0") + "\n" +
                                             named("σy(Y方向扩散系数)", "须大于0"));
        QVERIFY(!window(kPoints));
    }

    void aWindowClosedWhileItsRefusalIsReadGoesOnceThePressHasEnded() {
        QSignalSpy gone(w_, &QObject::destroyed);
        test::setText(w_, "Text2", "12.5\n34\n5\t6");
        test::ReadingRecorder messages(100);
        QEventLoop program;  // the application's exec()
        QTimer::singleShot(0, &program, [&] {
            QTimer::singleShot(0, qApp, &QApplication::closeAllWindows);  // the session ends meanwhile
            test::click(w_, "Command4");
            QCOMPARE(messages.messages().size(), 1);
            QCOMPARE(gone.size(), 0);
        });
        connect(w_, &QObject::destroyed, &program, &QEventLoop::quit);
        QTimer::singleShot(30000, &program, &QEventLoop::quit);
        program.exec();
        QCOMPARE(gone.size(), 1);
    }

    void contourPointsAreWrittenShownAndKept() {
        test::click(w_, "Command5");
        const QByteArray bytes = test::fileBytes(pointsPath());
        QVERIFY(bytes.startsWith(" 0; 5; 10;"));
        QVERIFY(bytes.contains(" 450; 450.5; 445.5;"));
        QVERIFY(bytes.contains(" 20.5; 0;-66.7;"));
        QVERIFY(bytes.endsWith(";-450.5;\r\n"));
        QWidget* viewer = window(kPoints);
        QVERIFY(viewer);
        QCOMPARE(viewer->windowTitle(), "烟团模式之网格临界点坐标");
        QCOMPARE(boxText(kPoints), shown(bytes));
        QCOMPARE(bar()->loopMax(), 450.5f);
        QCOMPARE(bar()->loopValue(), 0.0f);
        // A new run while the window is open shows its own points.
        test::setText(w_, "Text15", "0.1");
        test::click(w_, "Command5");
        const QByteArray second = test::fileBytes(pointsPath());
        QVERIFY(second != bytes);
        QCOMPARE(boxText(kPoints), shown(second));
        viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QFile::exists(pointsPath()));
    }

    void aContourRunThatFailsOrIsCancelledLeavesNoEarlierPoints() {
        test::click(w_, "Command5");
        QVERIFY(QFile::exists(pointsPath()));
        MessageRecorder messages;
        test::setText(w_, "Text15", "1");  // above the puff centre's concentration
        test::click(w_, "Command5");
        QVERIFY(!QFile::exists(pointsPath()));
        QCOMPARE(boxText(kPoints), kNoPoints);  // the open window no longer shows them

        test::setText(w_, "Text15", "0.03");
        test::click(w_, "Command5");
        QVERIFY(QFile::exists(pointsPath()));
        messages.clear();
        QTimer::singleShot(0, this, [&] { QTest::keyClick(w_, Qt::Key_Escape); });
        test::click(w_, "Command5");
        QVERIFY(!QFile::exists(pointsPath()));
        QTimer::singleShot(0, this, [&] { QTest::keyClick(w_, Qt::Key_Escape); });
        test::click(w_, "Command4");
        QCOMPARE(test::text(w_, "Text16"), "");
        QCOMPARE(messages.messages(), QStringList(2, kRunCancelledMessage));
    }

    // Was: no contour, the crossing falling between two steps of L, or a
    // station without one written as a point 9999.9 m away.
    void aNearFieldContourListsItsPointsAndNamesStationsWithoutOne() {
        test::setText(w_, "Text2", "8");
        test::setText(w_, "Text4", "5");
        test::setText(w_, "Text8", "100");
        MessageRecorder messages;
        test::click(w_, "Command5");
        QCOMPARE(shown(test::fileBytes(pointsPath())), " 60.88;\n 0;\n");
        QCOMPARE(boxText(kPoints), shown(test::fileBytes(pointsPath())));
        QCOMPARE(messages.messages(), QStringList{"以下断面（X，米）上找不到临界浓度点，坐标中未列出：\n"
                                                  "Y正向一侧：0～60\nY负向一侧：55.88～0.8800011"});
    }

    // Was the words "RichTextBox1", a control's name.
    void thePointsWindowWithoutAFileSaysNoContourWasComputed() {
        test::openTool(kPoints);
        QCOMPARE(boxText(kPoints), kNoPoints);
    }

    void aGridRunCanBeCancelledAndLeavesNoEarlierGrid() {
        test::click(w_, "Command2");
        QVERIFY(QFile::exists(gridPath()));
        test::setText(w_, "Text12", "1");
        test::setText(w_, "Text11", "1");
        MessageRecorder messages;
        auto* button = test::child<QPushButton>(w_, "Command2");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), "取  消");
        QTest::mouseClick(button, Qt::LeftButton);
        test::waitForRun(w_);
        QCOMPARE(messages.messages(), QStringList{kRunCancelledMessage});
        QVERIFY(!QFile::exists(gridPath()));
        QVERIFY(!boxText(kGrid).contains("x=0;"));
        QCOMPARE(button->text(), "计     算 ");
    }

    // Qt paints group-box frames and scaled pixmaps with tasks on its global
    // pool: a run held there froze the painting of every window until it ended.
    void aRunLeavesQtsOwnThreadsToPainting() {
        QThreadPool* qtPool = QThreadPool::globalInstance();
        const int threads = qtPool->maxThreadCount();
        qtPool->setMaxThreadCount(1);  // as on a one-core machine
        const auto restore = qScopeGuard([&] { qtPool->setMaxThreadCount(threads); });
        test::setText(w_, "Text13", "2600");
        test::setText(w_, "Text12", "1");
        test::setText(w_, "Text14", "2400");
        test::setText(w_, "Text11", "1");
        MessageRecorder messages;
        QTest::mouseClick(test::child<QPushButton>(w_, "Command2"), Qt::LeftButton);
        WindowRun* run = test::runOf(w_);
        QVERIFY(run->running());
        QCOMPARE(qtPool->activeThreadCount(), 0);
        QFuture<int> task = QtConcurrent::run([] { return 1; });
        QTRY_VERIFY_WITH_TIMEOUT(task.isFinished(), 60000);
        QVERIFY(run->running());
        QVERIFY(!w_->grab().isNull());
        QWidget* grid = test::openTool("二维稳态混合模式_河2");
        QVERIFY(!grid->grab().isNull());
        QVERIFY(run->running());
        QTest::keyClick(w_, Qt::Key_Escape);
        test::waitForRun(w_);
        QCOMPARE(messages.messages(), QStringList{kRunCancelledMessage});
    }

    // Every button of the window was deaf for a moment after any run.
    void anotherButtonRunsRightAfterARun() {
        QSignalSpy finished(test::runOf(w_), &WindowRun::finished);
        QTest::mouseClick(test::child<QPushButton>(w_, "Command2"), Qt::LeftButton);
        QVERIFY(finished.wait(60000));
        QVERIFY(QFile::exists(gridPath()));
        QTest::mouseClick(test::child<QPushButton>(w_, "Command4"), Qt::LeftButton);
        test::waitForRun(w_);
        QCOMPARE(finished.count(), 2);
        QCOMPARE(test::text(w_, "Text16"), "450.47");
    }

    void helpShowsItsSixLines() {
        test::click(w_, "Command3");
        QWidget* help = ToolRegistry::instance().window(kHelp);
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), "风险评价之烟团计算帮助说明系统");
        const QString text = reportText(test::child<QTextEdit>(help, "RichTextBox1"));
        QCOMPARE(text.count('\n'), 5);
        QVERIFY(text.startsWith("说明：\n    1、风险评价导则上未给出Q的单位；"));
        QVERIFY(text.endsWith("如果进度条长时间没有反应，请退出！"));
        QVERIFY(text.contains("\n    3、σx在计算中，一般与σy取相等值；\n"));
    }
};

KORRIMET_UI_TEST_MAIN(PuffWindowTest)
#include "puff_window_uitest.moc"
