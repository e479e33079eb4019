#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include "common/widgets/line_box_input.h"
#include "common/widgets/numeric_box.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
enum Way { CtrlV, ShiftInsert, Menu, Drop, Commit };  // how a text is put into a box
enum End { GivenUp, Refused, FocusLeft };            // how a composition ends with nothing taken in
}  // namespace

class NumericBoxTest : public QObject {
    Q_OBJECT

    QWidget* window_ = nullptr;
    QLineEdit* box_ = nullptr;
    QLineEdit* other_ = nullptr;

    void type(const QString& keys) { QTest::keyClicks(box_, keys); }

    // Right click, then 粘贴 in the menu the box shows; false when there was no such item.
    bool pasteFromTheMenu(const QString& clipboard, QLineEdit* box = nullptr) {
        if (!box) box = box_;
        QGuiApplication::clipboard()->setText(clipboard);
        bool found = false;
        QTimer::singleShot(0, this, [&found] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* action : menu->actions())
                if (action->text().startsWith(QStringLiteral("粘贴")) && action->isEnabled()) {
                    found = true;
                    action->trigger();
                }
            menu->close();
        });
        const QPoint at(2, box->height() / 2);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
        QApplication::sendEvent(box, &click);
        return found;
    }

    static void drop(QLineEdit* box, const QString& text, QPoint at) {
        QMimeData cell;
        cell.setText(text);
        QDragEnterEvent enter(at, Qt::CopyAction, &cell, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(at, Qt::CopyAction, &cell, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
    }

    static void compose(QLineEdit* box, const QString& preedit, const QString& commit = {}) {
        QInputMethodEvent e(preedit, {});
        e.setCommitString(commit);
        QApplication::sendEvent(box, &e);
    }

    static void undo(QLineEdit* box) { QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier); }

private slots:
    void init() {
        window_ = new QWidget;
        box_ = new QLineEdit(window_);
        other_ = new QLineEdit(window_);
        attachNumericBox(box_);
        attachLineBoxInput(other_);
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

    void aCellPastedFromASpreadsheetLosesItsBlanksAndLineBreaks() {
        MessageRecorder messages;
        QGuiApplication::clipboard()->setText("12.5\r\n");
        QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box_->text(), "12.5");
        QGuiApplication::clipboard()->setText(" 3 ");
        QTest::keyClick(box_, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box_->text(), "12.53");
        QGuiApplication::clipboard()->setText("1 2");  // a blank inside is still no number
        QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box_->text(), "12.53");
        QCOMPARE(messages.messages(), QStringList{kNotNumericMessage});

        // A dropped cell is trimmed the same way and lands where it is dropped.
        drop(box_, "\t7\n", QPoint(1, box_->height() / 2));
        QCOMPARE(box_->text(), "712.53");
        QCOMPARE(messages.messages().size(), 1);
    }

    void theContextMenusPasteIsFilteredLikeTheKeys() {
        MessageRecorder messages;
        QVERIFY(pasteFromTheMenu(" 12.5\n"));
        QCOMPARE(box_->text(), "12.5");
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(pasteFromTheMenu("abc"));
        QCOMPARE(box_->text(), "12.5");
        QCOMPARE(messages.messages(), QStringList{kNotNumericMessage});
        box_->selectAll();
        QVERIFY(pasteFromTheMenu("\t-3\r\n"));
        QCOMPARE(box_->text(), "-3");
        QVERIFY(pasteFromTheMenu("."));
        QVERIFY(pasteFromTheMenu("."));
        QCOMPARE(box_->text(), "-3.");
        QCOMPARE(messages.messages(), QStringList({kNotNumericMessage, kSecondPointMessage}));
    }

    void anInputMethodCommitsWhatTheKeysMayType() {
        MessageRecorder messages;
        auto commit = [this](const QString& text) {
            QInputMethodEvent e;
            e.setCommitString(text);
            QApplication::sendEvent(box_, &e);
        };
        commit("12");
        QCOMPARE(box_->text(), "12");
        commit(".5");
        QCOMPARE(box_->text(), "12.5");
        QVERIFY(messages.messages().isEmpty());
        commit("１");  // a full-width digit, as a Chinese input method may give it
        commit(".");
        QCOMPARE(box_->text(), "12.5");
        QCOMPARE(messages.messages(), QStringList({kNotNumericMessage, kSecondPointMessage}));
    }

    // Typing "zhong" and committing 中 left "zhong" drawn before every digit typed after.
    void aRefusedCommitLeavesNoPinyinOnShow() {
        type("12");
        other_->setFocus();  // no caret to blink in the pictures
        const QImage untouched = box_->grab().toImage();

        MessageRecorder messages;
        box_->setFocus();
        box_->clear();
        QInputMethodEvent pinyin(QStringLiteral("zhong"), {});
        QApplication::sendEvent(box_, &pinyin);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("中"));
        QApplication::sendEvent(box_, &commit);
        QCOMPARE(messages.messages(), QStringList{kNotNumericMessage});
        type("12");
        QCOMPARE(box_->text(), "12");
        other_->setFocus();
        QCOMPARE(box_->grab().toImage(), untouched);
    }

    // A pinyin composition wipes the selected value at once; its refused
    // commit, or the composition given up, puts value and selection back.
    void aRefusedCompositionKeepsTheSelectedValue() {
        MessageRecorder messages;
        auto compose = [this](const QString& preedit, const QString& commit = {}) {
            NumericBoxTest::compose(box_, preedit, commit);
        };
        box_->setText("12.5");
        other_->setFocus();
        box_->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(box_->selectedText(), "12.5");
        compose("zhong");
        QCOMPARE(box_->text(), "");
        compose({}, "中");
        QCOMPARE(box_->text(), "12.5");
        QCOMPARE(box_->selectedText(), "12.5");
        QCOMPARE(messages.messages(), QStringList{kNotNumericMessage});

        // Part of the value selected, the caret at the selection's start.
        box_->setSelection(4, -2);
        compose("z");
        compose("zh");
        compose({});
        QCOMPARE(box_->text(), "12.5");
        QCOMPARE(box_->selectedText(), ".5");
        QCOMPARE(box_->cursorPosition(), 2);
        QCOMPARE(messages.messages().size(), 1);

        // Digits committed through the input method replace the selection as typed ones do.
        box_->selectAll();
        compose("3");
        compose({}, "3");
        QCOMPARE(box_->text(), "3");
        type("4");
        QCOMPARE(box_->text(), "34");
        QCOMPARE(messages.messages().size(), 1);
    }

    // A copied spreadsheet cell is "2\r\n": every single-line box takes it as
    // its value; a row of cells keeps its tab, for the reading to refuse.
    void aPlainBoxTakesACopiedCellAsItsValue() {
        const QStringList cells{"2\r\n", "2\n", "2\t", " 2 \r\n", "\t2"};
        for (const QString& cell : cells) {
            other_->clear();
            other_->setFocus();
            QGuiApplication::clipboard()->setText(cell);
            QTest::keyClick(other_, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(other_->text(), "2");
        }
        other_->setText("1");
        other_->selectAll();
        QGuiApplication::clipboard()->setText("2\t3\r\n");
        QTest::keyClick(other_, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(other_->text(), "2\t3");
        QTest::keyClick(other_, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(other_->text(), "1");
        other_->clear();
        QVERIFY(pasteFromTheMenu("abc\r\n", other_));  // the menu's 粘贴 too
        QCOMPARE(other_->text(), "abc");
        other_->setReadOnly(true);
        QGuiApplication::clipboard()->setText("9");
        QTest::keyClick(other_, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(other_->text(), "abc");
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

    // Type "5", End, type "1", then put "2" in: one Ctrl+Z takes back the 2
    // alone, and the typing after it is a step of its own. Over a selection,
    // Ctrl+Z gives the selection back.
    void onePasteDropOrCommitIsOneUndoStep_data() {
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<int>("way");
        const char* const names[] = {"Ctrl+V", "Shift+Insert", "the menu", "a drop", "a commit"};
        for (bool numeric : {true, false})
            for (int way = CtrlV; way <= Commit; ++way)
                QTest::addRow("%s, %s box", names[way], numeric ? "numeric" : "plain") << numeric << way;
    }
    void onePasteDropOrCommitIsOneUndoStep() {
        QFETCH(bool, numeric);
        QFETCH(int, way);
        QLineEdit* box = numeric ? box_ : other_;
        auto put = [&](const QString& text) {
            QGuiApplication::clipboard()->setText(text + "\r\n");
            switch (way) {
            case CtrlV: QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); break;
            case ShiftInsert: QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier); break;
            case Menu: QVERIFY(pasteFromTheMenu(text, box)); break;
            case Drop: drop(box, text, QPoint(box->width() - 4, box->height() / 2)); break;
            case Commit:
                compose(box, "er");
                compose(box, {}, text);
                break;
            }
        };
        box->setFocus();
        QTest::keyClicks(box, "5");
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, "1");
        put("2");
        QCOMPARE(box->text(), "512");
        QTest::keyClicks(box, "3");
        undo(box);
        QCOMPARE(box->text(), "512");
        undo(box);
        QCOMPARE(box->text(), "51");
        if (way == Drop) return;  // a drop lands at its point, whatever is selected
        box->selectAll();
        put("7");
        QCOMPARE(box->text(), "7");
        undo(box);
        QCOMPARE(box->text(), "51");
        QCOMPARE(box->selectedText(), "51");
    }

    // "12.5" typed over with 7, which is selected and composed over; the
    // composition ends with nothing taken in. 7 comes back, Ctrl+Z still goes
    // back to 12.5, and the next composition gives back the value of its time.
    void aCompositionThatTakesNothingInKeepsTheHistory_data() {
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("messages");
        QTest::newRow("given up") << int(GivenUp) << 0;
        QTest::newRow("中 committed and refused") << int(Refused) << 1;
        QTest::newRow("the focus left with Tab") << int(FocusLeft) << 0;
    }
    void aCompositionThatTakesNothingInKeepsTheHistory() {
        QFETCH(int, end);
        QFETCH(int, messages);
        MessageRecorder recorder;
        box_->setText("12.5");
        box_->selectAll();
        type("7");
        box_->selectAll();
        compose(box_, "zhong");
        QCOMPARE(box_->text(), "");
        if (end == GivenUp) compose(box_, {});
        if (end == Refused) compose(box_, {}, "中");
        if (end == FocusLeft) QTest::keyClick(box_, Qt::Key_Tab);
        QCOMPARE(box_->text(), "7");
        box_->setFocus();
        undo(box_);
        QCOMPARE(box_->text(), "12.5");
        box_->end(false);
        type("3");
        compose(box_, "zhong");
        compose(box_, {});
        QCOMPARE(box_->text(), "12.53");
        QCOMPARE(recorder.messages().size(), messages);
    }

    // The end of a composition never reached the box, and the user typed since.
    void anEditMadeSinceACompositionBeganIsNeverTakenBack() {
        box_->setText("200");
        compose(box_, "ni");
        type("7");
        QCOMPARE(box_->text(), "2007");
        compose(box_, "zhong");
        compose(box_, {});
        QCOMPARE(box_->text(), "2007");
    }

    void eachBoxFiltersOnlyItself() {
        QTest::keyClicks(other_, "abc");
        QCOMPARE(other_->text(), "abc");
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
