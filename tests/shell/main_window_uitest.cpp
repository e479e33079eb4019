#include <QAction>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include "shell/lifecycle.h"
#include "shell/main_window.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

const QString kFlueGas = "燃料燃烧燃气产生量";

QAction* action(QWidget* w, const QString& name) {
    QAction* a = w->findChild<QAction*>(name);
    if (!a) qFatal("no item %s", qPrintable(name));
    return a;
}

// The enabled state of restore, move, size, minimize and maximize.
QList<bool> trayItems(MainWindow& w) {
    QList<bool> on;
    for (const char* name : {"mnuTrayRestore", "mnuTrayMove", "mnuTraySize", "mnuTrayMinimize", "mnuTrayMaximize"})
        on << action(&w, name)->isEnabled();
    return on;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    QList<QUrl> urls_;

public slots:
    void recordUrl(const QUrl& url) { urls_ << url; }

private slots:
    void initTestCase() {
        for (const char* scheme : {"http", "https", "mailto"}) QDesktopServices::setUrlHandler(scheme, this, "recordUrl");
    }
    void cleanupTestCase() {
        for (const char* scheme : {"http", "https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
    }
    void init() { APIStuff::setTrayAvailableForTesting(true); }
    void cleanup() {
        APIStuff::setTrayAvailableForTesting(std::nullopt);
        test::closeAllTools();
        urls_.clear();
    }

    void loadsWithItsTimerTrayIconAndTip() {
        MainWindow w;
        w.show();
        QCOMPARE(w.objectName(), "bKorrimet");
        QCOMPARE(w.windowTitle(), "Korrimet2011版");
        QCOMPARE(w.centralWidget()->size(), QSize(740, 385));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QTimer* timer = w.findChild<QTimer*>("Timer1");
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(w.LastState, short(0));
        QVERIFY(w.tray().isAdded());
        QCOMPARE(w.tray().tip(), "Korrimet，点击右键弹出菜单");
        const QList<QSize> sizes = w.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)));
    }

    void theBookPanelListsEightTitlesTopDown() {
        MainWindow w;
        QGroupBox* frame = w.findChild<QGroupBox*>("Frame1");
        QCOMPARE(frame->title(), "计算依据及参考书籍：");
        QList<QLabel*> labels = frame->findChildren<QLabel*>("Label1");
        std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
        QStringList titles;
        QList<int> indices;
        for (QLabel* l : labels) {
            titles << l->text();
            indices << l->property("index").toInt();
        }
        QCOMPARE(indices, QList<int>({8, 7, 6, 4, 2, 0, 1, 5}));
        QCOMPARE(titles, QStringList({"《八五环境统计手册》", "《工业污染物产生和排放系数手册》", "《环境保护计算手册》",
                                      "《环境影响评价上岗培训教材》", "《环境统计报表填报指南》", "《化工原理》",
                                      "《环境保护实用数据手册》", "《环境风险评价实用技术与方法》"}));
    }

    void contactLabelsOpenTheSiteAndNewMails() {
        MainWindow w;
        w.show();
        auto clickLabel = [&](const char* name) {
            urls_.clear();
            QLabel* l = w.findChild<QLabel*>(name);
            QTest::mouseClick(l, Qt::LeftButton);
            return urls_.value(0);
        };
        QLabel* web = w.findChild<QLabel*>("Label7");
        QCOMPARE(web->toolTip(), "点击即可访问！");
        QVERIFY(web->text().startsWith("     Orlenfeld："));
        const QUrl site = clickLabel("Label7");
        QVERIFY(web->text().endsWith(site.host()));
        QVERIFY(w.runOperation("主网站"));
        QCOMPARE(urls_.last(), site);

        // Each mail label writes to the address it shows, without the name in front.
        for (const char* name : {"Label4", "Label2"}) {
            QLabel* l = w.findChild<QLabel*>(name);
            QCOMPARE(l->toolTip(), "点击即可发送邮件！");
            const QUrl mail = clickLabel(name);
            QCOMPARE(mail.scheme(), "mailto");
            QVERIFY(!mail.path().contains(' ') && !mail.path().contains('<'));
            QVERIFY2(l->text().contains(mail.path()), name);
        }
        QVERIFY(w.findChild<QLabel*>("Label4")->text().startsWith("请与我们联系："));

        urls_.clear();
        for (const char* name : {"Label7", "Label4", "Label2"})
            for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton})
                QTest::mouseClick(w.findChild<QLabel*>(name), other);
        QVERIFY(urls_.isEmpty());
    }

    void trayItemsFollowTheWindowState() {
        MainWindow w;
        w.show();
        QCOMPARE(trayItems(w), QList<bool>({false, true, true, true, false}));
        w.setWindowState(Qt::WindowMaximized);
        QCOMPARE(trayItems(w), QList<bool>({true, false, false, true, false}));
        w.setWindowState(Qt::WindowMinimized);
        QCOMPARE(trayItems(w), QList<bool>({true, false, false, false, false}));
        QVERIFY(action(&w, "mnuTrayClose")->isEnabled());
        const QStringList captions{"恢复&R", "移动&M", "尺寸&S", "最小化&n", "最大化&x", "", "退出&Q"};
        QStringList shown;
        for (QAction* a : w.findChild<QMenu*>("mnuTray")->actions()) shown << a->text();
        QCOMPARE(shown, captions);
        QVERIFY(action(&w, "mnuTraySep")->isSeparator());
    }

    void lastStateRemembersTheStateBeforeMinimizing() {
        MainWindow w;
        w.show();
        w.setWindowState(Qt::WindowMaximized);
        QCOMPARE(w.LastState, short(2));
        w.setWindowState(Qt::WindowMinimized);
        QCOMPARE(w.LastState, short(2));
        w.Timer1_Timer();
        QVERIFY(!w.isVisible());
        w.tray().TrayWindowProc(QSystemTrayIcon::Trigger);
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowStateValue(), 2);

        w.setWindowState(Qt::WindowNoState);
        QCOMPARE(w.LastState, short(0));
        action(&w, "mnuTrayMinimize")->trigger();
        QCOMPARE(w.windowStateValue(), 1);
        w.Timer1_Timer();
        action(&w, "mnuTrayRestore")->trigger();
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowStateValue(), 0);
    }

    void aMinimizedWindowHidesIntoTheTrayWithinASecond() {
        MainWindow w;
        w.showMinimized();
        QCOMPARE(w.LastState, short(0));
        QVERIFY(w.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 1500);
        QVERIFY(w.isHiddenInTray());
    }

    void withoutATrayAMinimizedWindowStaysReachable() {
        APIStuff::setTrayAvailableForTesting(false);
        MainWindow w;
        w.showMinimized();
        w.Timer1_Timer();
        QVERIFY(w.isVisible());
        QVERIFY(!w.isHiddenInTray());
    }

    void onlyALeftClickOnAMinimizedWindowBringsItBack() {
        MainWindow visible;
        visible.show();
        visible.LastState = 2;  // a left click must not apply it to a window that is not minimized
        visible.tray().TrayWindowProc(QSystemTrayIcon::Trigger);
        QCOMPARE(visible.windowStateValue(), 0);

        MainWindow w;
        w.show();
        w.setWindowState(Qt::WindowMinimized);
        w.Timer1_Timer();
        for (auto reason : {QSystemTrayIcon::Context, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick}) {
            w.tray().TrayWindowProc(reason);
            QVERIFY(!w.isVisible());
        }
        w.tray().TrayWindowProc(QSystemTrayIcon::Trigger);
        QVERIFY(w.isVisible());
        QVERIFY(!w.isHiddenInTray());
        QCOMPARE(w.windowStateValue(), 0);
    }

    void closingTheMainWindowRemovesTheIconAndLeavesToolsOpen() {
        MainWindow w;
        w.show();
        action(&w, "燃料燃烧烟气量")->trigger();
        QPointer<QWidget> tool = ToolRegistry::instance().window(kFlueGas);
        QVERIFY(tool && tool->isVisible());
        action(&w, "mnuTrayClose")->trigger();
        QVERIFY(!w.isVisible());
        QVERIFY(!w.tray().isAdded());
        QVERIFY(!w.tray().isShown());
        QVERIFY(tool && tool->isVisible());
        w.tray().TrayWindowProc(QSystemTrayIcon::Trigger);  // the icon is gone: nothing comes back
        QVERIFY(!w.isVisible());
    }

    void choosingAnOpenToolRaisesItAndAClosedOneLoadsAnew() {
        MainWindow w;
        QAction* item = action(&w, "燃料燃烧烟气量");
        item->trigger();
        QWidget* first = ToolRegistry::instance().window(kFlueGas);
        const QString fresh = test::text(first, "Text1");
        test::setText(first, "Text1", "20934");
        item->trigger();
        QCOMPARE(ToolRegistry::instance().window(kFlueGas), first);
        QCOMPARE(test::text(first, "Text1"), "20934");

        test::closeAllTools();
        item->trigger();
        QWidget* again = ToolRegistry::instance().window(kFlueGas);
        QVERIFY(again);
        QCOMPARE(test::text(again, "Text1"), fresh);
    }

    void aWindowSharedByTwoOpenersIsOneWindow() {
        MainWindow w;
        QVERIFY(w.runOperation("帮助内容"));
        QWidget* help = ToolRegistry::instance().window("帮助内容");
        action(&w, "升级历史")->trigger();
        QCOMPARE(ToolRegistry::instance().window("帮助内容"), help);
        QCOMPARE(ToolRegistry::instance().openWindows().size(), 1);
    }

    // The quit rule: a counter stands in for the end of the program.
    void theProgramEndsWhenItsLastWindowCloses() {
        int quits = 0, decisions = 0;
        MainWindow w;
        // Each decision asks first about the tray.
        QuitRule rule([&] {
            ++decisions;
            return w.isHiddenInTray();
        }, [&] { ++quits; });
        w.show();
        action(&w, "燃料燃烧烟气量")->trigger();
        decisions = 0;
        w.close();
        QTRY_VERIFY(decisions > 0);
        QCOMPARE(quits, 0);  // the tool window keeps it running
        test::closeAllTools();
        QTRY_COMPARE(quits, 1);
    }

    void aMainWindowHiddenInTheTrayKeepsTheProgramRunning() {
        int quits = 0, decisions = 0;
        MainWindow w;
        QuitRule rule([&] {
            ++decisions;
            return w.isHiddenInTray();
        }, [&] { ++quits; });
        w.show();
        action(&w, "燃料燃烧烟气量")->trigger();
        w.setWindowState(Qt::WindowMinimized);
        w.Timer1_Timer();
        QVERIFY(w.isHiddenInTray());
        decisions = 0;
        test::closeAllTools();
        QTRY_VERIFY(decisions > 0);
        QCOMPARE(quits, 0);
        QVERIFY(rule.anyWindowOpen());
        action(&w, "mnuTrayClose")->trigger();  // exit from the tray menu
        QTRY_COMPARE(quits, 1);
    }
};

KORRIMET_UI_TEST_MAIN(MainWindowTest)
#include "main_window_uitest.moc"
