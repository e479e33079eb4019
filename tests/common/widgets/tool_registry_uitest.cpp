#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

struct CounterState {
    int loads = 0;
};

class CounterWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "测试窗口";
    static constexpr const char* kCaption = "测试窗口标题";
    using State = CounterState;
    explicit CounterWindow(State& s) : ToolWindow(kClassName, kCaption, 3000, 1500) {
        ++s.loads;
        form().textBox("Text1", 100, 100, 1200, 300, "默认");
    }
};

// Refuses to close while told to.
class StubbornWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "不肯关闭的窗口";
    static constexpr const char* kCaption = "不肯关闭的窗口";
    StubbornWindow() : ToolWindow(kClassName, kCaption, 3000, 1500) {}
    bool refuses = true;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (refuses) event->ignore();
    }
};

}  // namespace

KORRIMET_REGISTER_TOOL(CounterWindow);
KORRIMET_REGISTER_TOOL(StubbornWindow);

class ToolRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { test::closeAllTools(); }

    void opensOneInstanceByClassName() {
        QWidget* w = test::openTool("测试窗口");
        QCOMPARE(w->objectName(), "测试窗口");
        QCOMPARE(w->windowTitle(), "测试窗口标题");
        QVERIFY(w->isVisible());
        QVERIFY(w->parentWidget() == nullptr);
        QCOMPARE(w->size(), QSize(200, 100));
        QCOMPARE(test::openTool("测试窗口"), w);
    }

    void anOpenWindowIsRaisedNotReloaded() {
        auto& state = ToolRegistry::instance().state<CounterState>("测试窗口");
        QWidget* w = test::openTool("测试窗口");
        int loads = state.loads;
        test::setText(w, "Text1", "改过");
        w->showMinimized();
        QCOMPARE(test::openTool("测试窗口"), w);
        QCOMPARE(state.loads, loads);
        QCOMPARE(test::text(w, "Text1"), "改过");
        QVERIFY(!w->isMinimized());
    }

    void aClosedWindowLoadsAnewButKeepsItsState() {
        auto& state = ToolRegistry::instance().state<CounterState>("测试窗口");
        QPointer<QWidget> w = test::openTool("测试窗口");
        int loads = state.loads;
        test::setText(w, "Text1", "改过");
        test::closeAllTools();
        QVERIFY(w.isNull());
        QVERIFY(ToolRegistry::instance().window("测试窗口") == nullptr);
        QWidget* again = test::openTool("测试窗口");
        QCOMPARE(test::text(again, "Text1"), "默认");
        QCOMPARE(state.loads, loads + 1);
    }

    // A script or a quick menu path closes a window and opens it again before
    // the event loop turns: the window handed back was the closed one, and
    // went with the loop's turn.
    void aWindowClosedAndOpenedAgainAtOnceStaysOpen() {
        auto& state = ToolRegistry::instance().state<CounterState>("测试窗口");
        for (const QString name : {"测试窗口", "二维稳态混合模式_河2", "锅炉氮氧化物及其它污染物产排量", "河二模式计算结果"}) {
            QPointer<QWidget> closed = test::openTool(name);
            const int loads = state.loads;
            closed->close();
            QPointer<QWidget> again = test::openTool(name);
            QVERIFY2(again != closed, qPrintable(name));
            QTRY_VERIFY(closed.isNull());
            QVERIFY2(again && again->isVisible(), qPrintable(name));
            QCOMPARE(ToolRegistry::instance().window(name), again.data());
            QCOMPARE(ToolRegistry::instance().openWindows(), QList<QWidget*>{again.data()});
            if (name == "测试窗口") QCOMPARE(state.loads, loads + 1);  // built anew on the same state
            test::closeAllTools();
        }
    }

    // Only a close that is accepted ends a window's turn.
    void aWindowThatRefusesToCloseIsStillTheOneOpen() {
        auto* w = static_cast<StubbornWindow*>(test::openTool(StubbornWindow::kClassName));
        QVERIFY(!w->close());
        QCOMPARE(ToolRegistry::instance().window(StubbornWindow::kClassName), w);
        QCOMPARE(test::openTool(StubbornWindow::kClassName), w);
        w->refuses = false;
        QPointer<QWidget> closed(w);
        QVERIFY(w->close());
        QVERIFY(ToolRegistry::instance().window(StubbornWindow::kClassName) == nullptr);
        QTRY_VERIFY(closed.isNull());
    }

    // Anything may close a window while one of its handlers runs a nested
    // loop: the real message box (also a second one over it), the menu of a
    // result view. The handler goes on with the window, hidden, which goes
    // once the handler has returned. A box's own menu pops up without a loop
    // of its own and goes with the window.
    void aWindowClosedInsideANestedLoopGoesOnceTheHandlerHasReturned() {
        MessageService* trap = MessageService::install(nullptr);  // the real box
        auto enterOnTheBox = [] {
            if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Return);
        };
        auto rightPress = [](QWidget* on) {
            QTest::mousePress(on->window()->windowHandle(), Qt::RightButton, {}, on->mapTo(on->window(), QPoint(8, 8)));
        };
        QPointer<QWidget> early = test::openTool("测试窗口");  // made before the program's loop
        QEventLoop program;  // the application's exec()
        QTimer::singleShot(0, &program, [&] {
            for (const bool deeper : {false, true}) {
                QPointer<QWidget> w = early ? early.data() : test::openTool("测试窗口");
                QWidget* box = w->findChild<QWidget*>("Text1");
                QTimer::singleShot(0, [&] {
                    if (!deeper) {
                        w->close();
                        return;
                    }
                    QTimer::singleShot(0, w, &QWidget::close);
                    QTimer::singleShot(20, enterOnTheBox);
                    ShowMessage("第二条", box);
                    QVERIFY(w && !w->isVisible());
                });
                QTimer::singleShot(100, enterOnTheBox);
                ShowMessage("提示", w);
                QVERIFY2(w && !w->isVisible() && !ToolRegistry::instance().window("测试窗口"), deeper ? "deeper" : "");
                QTRY_VERIFY(w.isNull());
            }

            QPointer<QWidget> w = test::openTool("完全混合模式_河15");
            QWidget* view = test::child<QAbstractScrollArea>(w, "RichTextBox1")->viewport();
            QTimer::singleShot(0, w, &QWidget::close);
            QTimer::singleShot(20, [] {
                if (QWidget* menu = QApplication::activePopupWidget()) QTest::keyClick(menu, Qt::Key_Escape);
            });
            rightPress(view);
            QVERIFY(w && !w->isVisible());
            QTRY_VERIFY(w.isNull());

            w = test::openTool("测试窗口");
            rightPress(w->findChild<QWidget*>("Text1"));
            QPointer<QWidget> menu = QApplication::activePopupWidget();
            QVERIFY(menu);
            w->close();
            QTRY_VERIFY(w.isNull() && menu.isNull());
        });
        QTimer::singleShot(0, &program, &QEventLoop::quit);  // left once the cases have returned
        program.exec();
        MessageService::install(trap);
    }

    // Inside the program's loop a closed window goes at once, also after a window had events before it ran.
    void aWindowClosedInsideTheProgramsLoopGoesAtOnce() {
        test::openTool("测试窗口");
        QEventLoop program;  // the application's exec()
        QTimer::singleShot(0, [] {
            for (int round = 0; round < 3; ++round) {
                QPointer<QWidget> w = test::openTool("锅炉氮氧化物及其它污染物产排量");
                w->close();
                QTRY_VERIFY(w.isNull());
            }
        });
        QTimer::singleShot(0, &program, &QEventLoop::quit);  // left once the rounds have returned
        program.exec();
    }

    void placeholdersGiveWayToRealWindows() {
        auto& r = ToolRegistry::instance();
        r.add("测试窗口", "占位", [](ToolRegistry&) { return new ToolWindow("测试窗口", "占位", 1500, 1500); }, true);
        QCOMPARE(r.caption("测试窗口"), "测试窗口标题");
        QVERIFY(!r.isPlaceholder("测试窗口"));
        r.add("占位窗口", "占位", [](ToolRegistry&) { return new ToolWindow("占位窗口", "占位", 1500, 1500); }, true);
        QVERIFY(r.isPlaceholder("占位窗口"));
        QCOMPARE(test::openTool("占位窗口")->windowTitle(), "占位");
        QVERIFY(r.open("无此窗口") == nullptr);
    }

    void twipsBecomePixels() {
        QCOMPARE(twips(15), 1);
        QCOMPARE(twips(1440), 96);
        QCOMPARE(twips(11100), 740);
        QCOMPARE(twips(7), 0);
        QCOMPARE(twips(8), 1);
    }
};

KORRIMET_UI_TEST_MAIN(ToolRegistryTest)
#include "tool_registry_uitest.moc"
