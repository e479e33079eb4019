#include <QLineEdit>
#include <QTest>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "燃料燃烧SO2计算";
}

// The window's two amounts outlive it, so the cases run in order, from a
// window instance that has never computed.
class AnnualSulphurWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QString compute(const QString& coal, const QString& sulphur, const QString& efficiency) {
        test::setText(w_, "Text1", coal);
        test::setText(w_, "Text2", sulphur);
        test::setText(w_, "Text3", efficiency);
        test::click(w_, "Command2");
        return test::text(w_, "Text6");
    }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void opensWithEmptyBoxesAndABlankResult() {
        QCOMPARE(w_->windowTitle(), "燃料燃烧SO2计算");
        QCOMPARE(test::text(w_, "Text1"), "");
        QCOMPARE(test::text(w_, "Text6"), " ");
        auto* coal = test::child<QLineEdit>(w_, "Text1");
        QCOMPARE(w_->focusWidget(), coal);
        QTest::keyClick(coal, Qt::Key_Tab);
        QCOMPARE(w_->focusWidget(), test::child<QLineEdit>(w_, "Text3"));
        QTest::keyClick(w_->focusWidget(), Qt::Key_Tab);
        QCOMPARE(w_->focusWidget(), test::child<QLineEdit>(w_, "Text2"));
    }

    void theEfficiencyScalesTheEmission() {
        QCOMPARE(compute("1000", "1", "0"), "16");
        QCOMPARE(compute("1000", "1", "80"), "3.2");
        QCOMPARE(compute("1000", "1", "100"), "0");
        QCOMPARE(compute("25000", "0.7", "15"), "238");
    }

    // The two amounts outlive the window; a failed press shows none of them.
    void aBadEntryAfterAGoodPressLeavesNoOldResult() {
        MessageRecorder messages;
        QCOMPARE(compute("2000", "1", "50"), "16");
        QCOMPARE(compute("2000", "1", ""), "");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“脱硫设施处理效率（%）”：未输入数值"});
        messages.clear();
        QCOMPARE(compute("1e30", "1e30", "0"), "");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“煤的硫含量（%）”：须在0～100之间"});
        messages.clear();
        QCOMPARE(compute("1e40", "1", "0"), "");  // 1.6e41 kg is beyond a Single
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n数值超出可计算的范围"});
        messages.clear();
        QCOMPARE(compute("-5", "1", "110"), "");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“年耗煤量（T）”：不能为负数\n"
                                                  "“脱硫设施处理效率（%）”：须在0～100之间"});

        QCOMPARE(compute("2000", "1", "50"), "16");
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QCOMPARE(test::text(w_, "Text6"), " ");
        messages.clear();
        test::click(w_, "Command2");
        QCOMPARE(test::text(w_, "Text6"), "");
        QCOMPARE(messages.messages().size(), 1);
    }

    void inputBoxesTakeOnlyNumbersAndSelectAllOnFocus() {
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_));
        MessageRecorder messages;
        auto* sulphur = test::child<QLineEdit>(w_, "Text2");
        sulphur->setFocus();
        QTest::keyClicks(sulphur, "1.5.a");
        QCOMPARE(sulphur->text(), "1.5");
        QCOMPARE(messages.messages(),
                 QStringList({"数据输入错误,请检查输入", "数据输入错误,请检查是否在数值输入状态"}));
        test::child<QLineEdit>(w_, "Text1")->setFocus();
        sulphur->setFocus(Qt::TabFocusReason);
        QCOMPARE(sulphur->selectedText(), "1.5");
    }
};

KORRIMET_UI_TEST_MAIN(AnnualSulphurWindowTest)
#include "annual_sulphur_window_uitest.moc"
