#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "common/widgets/numeric_box.h"
#include "common/widgets/tool_window.h"
#include "support/ui_support.h"

using namespace korrimet;

class NumericBoxTest : public QObject {
    Q_OBJECT

    QWidget* window_ = nullptr;
    LineBox* box_ = nullptr;
    QLineEdit* other_ = nullptr;

    void type(const QString& keys) { QTest::keyClicks(box_, keys); }

private slots:
    void init() {
        window_ = new QWidget;
        FormBuilder f(window_);
        box_ = f.textBox("box", 0, 0, 1500, 300);
        other_ = f.textBox("other", 0, 400, 1500, 300);
        attachNumericBox(box_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        box_->setFocus();
    }
    void cleanup() { delete window_; }

    void digitsAndOnePointPass() {
        MessageRecorder messages;
        type("12.5");
        QCOMPARE(box_->text(), "12.5");
        type(".");
        QCOMPARE(box_->text(), "12.5");
        QCOMPARE(messages.messages(), QStringList{kSecondPointMessage});
    }

    void pointInTheSelectionStillCounts() {
        MessageRecorder messages;
        box_->setText("1.5");
        other_->setFocus();
        box_->setFocus(Qt::TabFocusReason);
        QCOMPARE(box_->selectedText(), "1.5");
        type(".");
        QCOMPARE(box_->text(), "1.5");
        QCOMPARE(messages.messages(), QStringList{kSecondPointMessage});
        type("7");
        QCOMPARE(box_->text(), "7");
    }

    void pointPassesAnywhereInABoxWithoutOne() {
        for (int at : {0, 1, 2}) {
            box_->setText("15");
            box_->setCursorPosition(at);
            type(".");
            QCOMPARE(box_->text().count('.'), 1);
        }
    }

    void minusOnlyFirstAndOnce() {
        MessageRecorder messages;
        type("-");
        QCOMPARE(box_->text(), "-");
        box_->setText("12");
        box_->setCursorPosition(0);
        type("-");
        QCOMPARE(box_->text(), "-12");
        box_->setText("12");
        box_->setCursorPosition(1);
        type("-");
        QCOMPARE(box_->text(), "12");
        box_->setText("-12");
        box_->setCursorPosition(0);
        type("-");
        QCOMPARE(box_->text(), "-12");
        QCOMPARE(messages.messages(), QStringList({kNotNumericMessage, kNotNumericMessage}));
    }

    void otherCharactersAreRefusedOneMessageEach() {
        MessageRecorder messages;
        box_->setText("1");
        box_->setCursorPosition(1);
        type("e+ a");
        for (const QString& wide : {QStringLiteral("，"), QStringLiteral("１")})
            QTest::sendKeyEvent(QTest::Click, box_, Qt::Key_unknown, wide, Qt::NoModifier);
        QCOMPARE(box_->text(), "1");
        QCOMPARE(messages.messages().size(), 6);
        for (const QString& m : messages.messages()) QCOMPARE(m, kNotNumericMessage);
        QTest::keyClick(box_, Qt::Key_Return);
        QCOMPARE(messages.messages().size(), 7);
    }

    void editingKeysPassWithoutAMessage() {
        MessageRecorder messages;
        type("123");
        QTest::keyClick(box_, Qt::Key_Backspace);
        QCOMPARE(box_->text(), "12");
        QTest::keyClick(box_, Qt::Key_Home);
        QTest::keyClick(box_, Qt::Key_Delete);
        QCOMPARE(box_->text(), "2");
        QVERIFY(messages.messages().isEmpty());
    }

    void pasteFollowsTheSameRule() {
        MessageRecorder messages;
        box_->setText("1.5");
        box_->setCursorPosition(3);
        QGuiApplication::clipboard()->setText("abc");
        QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box_->text(), "1.5");
        QCOMPARE(messages.messages(), QStringList{kNotNumericMessage});
        QGuiApplication::clipboard()->setText(".2");
        QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box_->text(), "1.5");
        QCOMPARE(messages.messages().last(), kSecondPointMessage);
        QGuiApplication::clipboard()->setText("25");
        QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box_->text(), "1.525");
    }

    // After a refusal the message box closes and the window becomes active
    // again; that must not select the value, or the next key wipes it.
    void onlyAClickOrTabSelectsTheValue() {
        MessageRecorder messages;
        type("12.5");
        type(".");
        QCOMPARE(messages.messages(), QStringList{kSecondPointMessage});
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        QVERIFY(box_->hasFocus());
        type("3");
        QCOMPARE(box_->text(), "12.53");

        other_->setFocus();
        QTest::mouseClick(box_, Qt::LeftButton);
        QTRY_COMPARE(box_->selectedText(), "12.53");
        other_->setFocus();
        box_->setFocus(Qt::BacktabFocusReason);
        QTRY_COMPARE(box_->selectedText(), "12.53");
    }

    void refusalRuleOnWholeInsertions() {
        QCOMPARE(numericInsertRefusal("", 0, 0, "-12.5"), QString());
        QCOMPARE(numericInsertRefusal("", 0, 0, "1-2"), kNotNumericMessage);
        QCOMPARE(numericInsertRefusal("", 0, 0, "1.2.3"), kSecondPointMessage);
        QCOMPARE(numericInsertRefusal("1.5", 0, 3, "2"), QString());
        QCOMPARE(numericInsertRefusal("1.5", 0, 3, "."), kSecondPointMessage);
    }
};

KORRIMET_UI_TEST_MAIN(NumericBoxTest)
#include "numeric_box_uitest.moc"
