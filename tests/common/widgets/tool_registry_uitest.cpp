#include <QLineEdit>
#include <QPointer>
#include <QTest>

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

}  // namespace

KORRIMET_REGISTER_TOOL(CounterWindow);

class ToolRegistryTest : public QObject {
    Q_OBJECT
private slots:
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

    void placeholdersGiveWayToRealWindows() {
        auto& r = ToolRegistry::instance();
        r.add("测试窗口", "占位", [](ToolRegistry&) { return new QWidget; }, true);
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
