#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "common/widgets/line_box.h"
#include "common/widgets/numeric_box.h"
#include "common/widgets/tool_window.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
enum Kind { Numeric, Plain, List };                   // a numeric box, a plain one, an editable list's box
enum Way { CtrlV, ShiftInsert, Menu, Drop, Commit };  // how a text is put into a box
enum End { GivenUp, Refused, FocusLeft };            // how a composition ends with nothing taken in
const char* const kKinds[] = {"numeric box", "plain box", "list"};
}  // namespace

class LineBoxTest : public QObject {
    Q_OBJECT

    QWidget* window_ = nullptr;
    LineBox* box_ = nullptr;
    QLineEdit* other_ = nullptr;
    QComboBox* list_ = nullptr;

    void type(const QString& keys) { QTest::keyClicks(box_, keys); }

    // Where keys and input-method events go: a list takes them for its box.
    QWidget* keysOf(int kind) const { return kind == List ? static_cast<QWidget*>(list_) : boxOf(kind); }
    QLineEdit* boxOf(int kind) const { return kind == Numeric ? box_ : kind == Plain ? other_ : list_->lineEdit(); }

    // Right click, then 粘贴 in the menu the box shows; false when there was no such item.
    bool pasteFromTheMenu(const QString& clipboard, QLineEdit* box = nullptr) {
        if (!box) box = box_;
        QGuiApplication::clipboard()->setText(clipboard);
        const QPoint at(2, box->height() / 2);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
        QApplication::sendEvent(box, &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return false;
        bool found = false;
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QStringLiteral("粘贴")) && action->isEnabled()) {
                found = true;
                action->trigger();
            }
        menu->close();
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
    static void dropAtTheEnd(QLineEdit* box, const QString& text) {
        drop(box, text, QPoint(box->width() - 4, box->height() / 2));
    }

    static void compose(QWidget* to, const QString& preedit, const QString& commit = {}) {
        QInputMethodEvent e(preedit, {});
        e.setCommitString(commit);
        QApplication::sendEvent(to, &e);
    }

    static void undo(QWidget* to) { QTest::keyClick(to, Qt::Key_Z, Qt::ControlModifier); }

private slots:
    void init() {
        window_ = new QWidget;
        FormBuilder f(window_);
        box_ = f.textBox("box", 0, 0, 1500, 300);
        other_ = f.textBox("other", 0, 400, 1500, 300);
        list_ = f.combo("list", 0, 800, 1500, 300, {"拱顶罐", "浮顶油罐"});
        attachNumericBox(box_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        box_->setFocus();
    }
    void cleanup() { delete window_; }

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
        auto commit = [this](const QString& text) { compose(box_, {}, text); };
        commit("12");
        QCOMPARE(box_->text(), "12");
        commit(".5");
        QCOMPARE(box_->text(), "12.5");
        QVERIFY(messages.messages().isEmpty());
        commit("１");  // a full-width digit, as a Chinese input method may give it
        commit(".");
        QCOMPARE(box_->text(), "12.5");
        QCOMPARE(messages.messages(), QStringList({kNotNumericMessage, kSecondPointMessage}));
        // A read-only box takes none, as it takes no key.
        box_->setReadOnly(true);
        commit("7");
        QCOMPARE(box_->text(), "12.5");
    }

    // Typing "zhong" and committing 中 left "zhong" drawn before every digit typed after.
    void aRefusedCommitLeavesNoPinyinOnShow() {
        type("12");
        other_->setFocus();  // no caret to blink in the pictures
        const QImage untouched = box_->grab().toImage();

        MessageRecorder messages;
        box_->setFocus();
        box_->clear();
        compose(box_, "zhong");
        compose(box_, {}, "中");
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
            LineBoxTest::compose(box_, preedit, commit);
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
    void aPlainBoxTakesACopiedCellAsItsValue_data() {
        QTest::addColumn<int>("kind");
        for (int kind : {Plain, List}) QTest::newRow(kKinds[kind]) << kind;
    }
    void aPlainBoxTakesACopiedCellAsItsValue() {
        QFETCH(int, kind);
        QWidget* keys = keysOf(kind);
        QLineEdit* box = boxOf(kind);
        const QStringList cells{"2\r\n", "2\n", "2\t", " 2 \r\n", "\t2", "\v2\f", "\u20292\u0085\u2028"};
        for (const QString& cell : cells) {
            box->clear();
            keys->setFocus();
            QGuiApplication::clipboard()->setText(cell);
            QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text(), "2");
        }
        box->setText("1");
        box->selectAll();
        MessageRecorder messages;  // a list names itself refusing a block; a plain box leaves it to the reading
        QGuiApplication::clipboard()->setText("2\t3\r\n");
        QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
        dropAtTheEnd(box, "4\n5");
        QCOMPARE(box->text(), kind == List ? "1" : "2\t34\n5");
        QCOMPARE(messages.messages(), kind == List ? QStringList(2, kListBlockMessage.arg("list")) : QStringList());
        undo(keys);
        undo(keys);
        QCOMPARE(box->text(), "1");
        for (const QChar join : QStringLiteral("\v\f\u0085\u2028\u2029")) {  // every other line end Unicode defines
            box->selectAll();
            QGuiApplication::clipboard()->setText(QString("北京") + join + "天津");
            QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text(), kind == List ? "1" : QString("北京") + join + "天津");
        }
        QCOMPARE(messages.messages().size(), kind == List ? 7 : 0);
        box->clear();
        QVERIFY(pasteFromTheMenu("abc\r\n", box));  // the menu's 粘贴 too
        QCOMPARE(box->text(), "abc");
        box->setReadOnly(true);
        QGuiApplication::clipboard()->setText("9");
        QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), "abc");
    }

    // Type "5", End, type "1", then put "2" in: one Ctrl+Z takes back the 2
    // alone, and the typing after it is a step of its own. Over a selection,
    // Ctrl+Z gives the selection back.
    void onePasteDropOrCommitIsOneUndoStep_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("way");
        const char* const names[] = {"Ctrl+V", "Shift+Insert", "the menu", "a drop", "a commit"};
        for (int kind : {Numeric, Plain, List})
            for (int way = CtrlV; way <= Commit; ++way) QTest::addRow("%s, %s", names[way], kKinds[kind]) << kind << way;
    }
    void onePasteDropOrCommitIsOneUndoStep() {
        QFETCH(int, kind);
        QFETCH(int, way);
        QWidget* keys = keysOf(kind);
        QLineEdit* box = boxOf(kind);
        auto put = [&](const QString& text) {
            QGuiApplication::clipboard()->setText(text + "\r\n");
            switch (way) {
            case CtrlV: QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier); break;
            case ShiftInsert: QTest::keyClick(keys, Qt::Key_Insert, Qt::ShiftModifier); break;
            case Menu: QVERIFY(pasteFromTheMenu(text, box)); break;
            case Drop: dropAtTheEnd(box, text); break;
            case Commit:
                compose(keys, "er");
                compose(keys, {}, text);
                break;
            }
        };
        keys->setFocus();
        QTest::keyClicks(keys, "5");
        QTest::keyClick(keys, Qt::Key_End);
        QTest::keyClicks(keys, "1");
        put("2");
        QCOMPARE(box->text(), "512");
        QTest::keyClicks(keys, "3");
        undo(keys);
        QCOMPARE(box->text(), "512");
        undo(keys);
        QCOMPARE(box->text(), "51");
        if (way == Drop) return;  // a drop lands at its point, whatever is selected
        box->selectAll();
        put("7");
        QCOMPARE(box->text(), "7");
        undo(keys);
        QCOMPARE(box->text(), "51");
        QCOMPARE(box->selectedText(), "51");
    }

    // "12.5" typed over with 7, which is selected and composed over; the
    // composition ends with nothing taken in. 7 comes back, Ctrl+Z still goes
    // back to 12.5, and the next composition gives back the value of its time.
    void aCompositionThatTakesNothingInKeepsTheHistory_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("messages");
        for (int kind : {Numeric, List}) {
            QTest::addRow("given up, %s", kKinds[kind]) << kind << int(GivenUp) << 0;
            QTest::addRow("the focus left with Tab, %s", kKinds[kind]) << kind << int(FocusLeft) << 0;
        }
        QTest::newRow("中 committed and refused") << int(Numeric) << int(Refused) << 1;
    }
    void aCompositionThatTakesNothingInKeepsTheHistory() {
        QFETCH(int, kind);
        QFETCH(int, end);
        QFETCH(int, messages);
        MessageRecorder recorder;
        QWidget* keys = keysOf(kind);
        QLineEdit* box_ = boxOf(kind);
        keys->setFocus();
        box_->setText("12.5");
        box_->selectAll();
        QTest::keyClicks(keys, "7");
        box_->selectAll();
        compose(keys, "zhong");
        QCOMPARE(box_->text(), "");
        if (end == GivenUp) compose(keys, {});
        if (end == Refused) compose(keys, {}, "中");
        if (end == FocusLeft) QTest::keyClick(keys, Qt::Key_Tab);
        QCOMPARE(box_->text(), "7");
        keys->setFocus();
        undo(keys);
        QCOMPARE(box_->text(), "12.5");
        box_->end(false);
        QTest::keyClicks(keys, "3");
        compose(keys, "zhong");
        compose(keys, {});
        QCOMPARE(box_->text(), "12.53");
        QCOMPARE(recorder.messages().size(), messages);
    }

    // "200" with "00" selected is composed over, and the composition's end
    // never reaches the box (a run owned the window); the user edits on back
    // to "2". Any edit means a later composition given up gives back nothing
    // of the first.
    void anEditMadeSinceACompositionBeganIsNeverTakenBack_data() {
        QTest::addColumn<QString>("edit");
        QTest::newRow("a key, then Backspace") << "7\b";
        QTest::newRow("the same text typed over it") << "*2";
    }
    void anEditMadeSinceACompositionBeganIsNeverTakenBack() {
        QFETCH(QString, edit);
        box_->setText("200");
        box_->setSelection(1, 2);
        compose(box_, "ni");
        for (QChar c : edit) {
            if (c == '\b') QTest::keyClick(box_, Qt::Key_Backspace);
            else if (c == '*') box_->selectAll();
            else type(c);
        }
        QCOMPARE(box_->text(), "2");
        compose(box_, "zhong");
        compose(box_, {});
        QCOMPARE(box_->text(), "2");
    }

    // A drop ends a composition with nothing given back, lands where it was
    // dropped and is judged on the text it lands in; a refused one leaves
    // the box as a refused paste does.
    void aDropLandsInTheTextAComposition_data() {
        QTest::addColumn<bool>("composing");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<QString>("landed");
        QTest::addColumn<QString>("message");
        QTest::newRow("composing over 600 of 2600") << true << "2600" << "5" << "25" << "";
        QTest::newRow("composing over .5 of 2.5") << true << "2.5" << ".3" << "2.3" << "";
        QTest::newRow(".5 of 2.5 selected") << false << "2.5" << ".3" << "2.5" << kSecondPointMessage;
        QTest::newRow("composing over 600 of 2600, refused") << true << "2600" << "abc" << "2600" << kNotNumericMessage;
    }
    void aDropLandsInTheTextAComposition() {
        QFETCH(bool, composing);
        QFETCH(QString, text);
        QFETCH(QString, dropped);
        QFETCH(QString, landed);
        QFETCH(QString, message);
        MessageRecorder messages;
        box_->setText(text);
        box_->setSelection(1, text.size() - 1);
        if (composing) compose(box_, "ni");
        dropAtTheEnd(box_, dropped);
        QCOMPARE(box_->text(), landed);
        QCOMPARE(messages.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        compose(box_, "zhong");
        compose(box_, {});
        QCOMPARE(box_->text(), landed);
    }

    // A list completes a commit as it completes the same keys typed.
    void aListCompletesACommitAsTypedKeys() {
        list_->addItem("hw01");
        list_->setFocus();  // the list completes only with the focus
        for (const QString keys : {"浮", "HW0"})
            for (bool typed : {true, false}) {
                list_->clearEditText();
                for (QChar key : typed ? keys : QString()) QTest::sendKeyEvent(QTest::Click, list_, Qt::Key_unknown, key, {});
                if (!typed) compose(list_, {}, keys);
                QCOMPARE(list_->currentText() + '|' + list_->lineEdit()->selectedText(), keys == "浮" ? "浮顶油罐|顶油罐" : "HW01|1");
            }
    }

    // With 拱顶罐 selected, a composition takes it; whatever then puts an
    // item or a text in from outside ends the composition and its pinyin.
    void anOutsideChangeEndsAComposition() {
        QLineEdit* box = list_->lineEdit();
        QWheelEvent down({4, 4}, list_->mapToGlobal(QPointF(4, 4)), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QAbstractItemView* popup = list_->view();
        const std::function<void()> changes[] = {[&] { QApplication::sendEvent(list_, &down); },
                                                 [&] {
                                                     list_->showPopup();
                                                     const QPoint second = popup->visualRect(list_->model()->index(1, 0)).center();
                                                     QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, second);
                                                 },
                                                 [&] { list_->setCurrentIndex(1); }, [&] { box->setText("浮顶油罐"); }};
        list_->setFocus();
        for (const auto& change : changes) {
            list_->setCurrentIndex(0);
            box->selectAll();
            compose(list_, "fu");
            change();
            const QVariant caret = box->inputMethodQuery(Qt::ImCursorRectangle);  // after the pinyin, were it drawn
            compose(list_, {});
            QCOMPARE(box->text(), "浮顶油罐");
            QCOMPARE(box->inputMethodQuery(Qt::ImCursorRectangle), caret);
        }
    }

    void eachBoxFiltersOnlyItself() {
        QTest::keyClicks(other_, "abc");
        QCOMPARE(other_->text(), "abc");
    }
};

KORRIMET_UI_TEST_MAIN(LineBoxTest)
#include "line_box_uitest.moc"
