#include "common/widgets/line_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "common/blanks.h"
#include "platform/message_service.h"

namespace korrimet {
namespace {

bool isEditingOrNavigation(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        break;
    }
    return e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Cut) ||
           e->matches(QKeySequence::SelectAll) || e->matches(QKeySequence::Undo) ||
           e->matches(QKeySequence::Redo);
}

bool arrivesByTheUser(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}

}  // namespace

QString pastedCell(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin].unicode())) ++begin;
    while (end > begin && IsBlank(text[end - 1].unicode())) --end;
    return text.mid(begin, end - begin);
}

bool holdsSeveralCells(const QString& inserted) {
    const QString cell = pastedCell(inserted);
    return std::any_of(cell.cbegin(), cell.cend(), [](QChar c) { return c == u'\t' || IsLineEnd(c.unicode()); });
}

LineBox::LineBox(QWidget* parent) : QLineEdit(parent) {
    // Counted, not compared: an edit that returns to the same text is an edit.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (delivering_) return;
        ++edits_;
        if (handling_ == 0) textChangedOutside();
    });
}

bool LineBox::event(QEvent* e) {
    const QPointer<LineBox> alive(this);  // an event may delete the box
    ++handling_;
    const bool handled = QLineEdit::event(e);
    if (alive) --handling_;
    return handled;
}

// Code, or a list picking an item by the wheel, its popup or its keys, has
// put a text in: the pinyin goes, and the input method is told, as the
// focus leaving tells it.
void LineBox::textChangedOutside() {
    if (!composition_ && !preeditShown_) return;
    composition_.reset();
    endPreedit();
    if (hasFocus()) QGuiApplication::inputMethod()->reset();
}

void LineBox::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        if (isReadOnly()) return QLineEdit::keyPressEvent(e);
        pasteFiltered();
        return e->accept();
    }
    if (rule_ && !isEditingOrNavigation(e) && !e->text().isEmpty()) {
        const QString why = refusalAtCaret(e->text());
        if (!why.isEmpty()) {
            e->accept();
            return refuse(why);
        }
    }
    QLineEdit::keyPressEvent(e);
}

// The box drops its selection when a composition begins; a commit is judged
// as typed keys are and enters as one undo step; a refused or abandoned
// composition gives back what it took, history and all.
void LineBox::inputMethodEvent(QInputMethodEvent* im) {
    if (delivering_) return QLineEdit::inputMethodEvent(im);
    if (isReadOnly()) {
        // It takes no commit, as it takes no key; a composition met as it
        // turned read-only gives back what it took.
        if (composition_ || preeditShown_) abandonComposition();
        return im->ignore();
    }
    // A composition whose end never reached the box (a run owned the
    // window) has nothing to give back once the box was edited since.
    if (composition_ && !compositionUntouched()) composition_.reset();
    const QString commit = im->commitString();
    if (commit.isEmpty() && im->preeditString().isEmpty()) {
        if (composition_ || preeditShown_) abandonComposition();
        else QLineEdit::inputMethodEvent(im);
        return;
    }
    if (commit.isEmpty()) {
        if (!composition_) {
            composition_ = Composition{text(), cursorPosition(), selectionStart(), int(selectedText().size()), false, 0};
            const QString before = text();
            deliver(im);
            composition_->tookText = text() != before;
            composition_->edits = edits_;
        } else {
            deliver(im);
        }
        return;
    }
    const QString why = refusalAtCaret(commit);
    if (!why.isEmpty()) {
        // The box still draws the pinyin the commit was to replace: end the
        // composition with nothing taken in, before the message shows it.
        abandonComposition();
        return refuse(why);
    }
    if (im->replacementLength() > 0) {  // the method rewrites text around the caret: its own step
        composition_.reset();
        return deliver(im);
    }
    // Taking the selection began the step the commit ends.
    const bool tookSelection = composition_ && composition_->selectionLength > 0;
    composition_.reset();
    commitAsOneStep(commit, !tookSelection);
    if (!im->preeditString().isEmpty()) {  // the next composition begins at once
        QInputMethodEvent next(im->preeditString(), im->attributes());
        inputMethodEvent(&next);
    }
}

void LineBox::deliver(QInputMethodEvent* im) {
    delivering_ = true;
    QLineEdit::inputMethodEvent(im);
    delivering_ = false;
    preeditShown_ = !im->preeditString().isEmpty();
}

void LineBox::endPreedit() {
    if (!preeditShown_) return;
    QInputMethodEvent ended;
    deliver(&ended);
}

// What a composition took comes back through the box's own undo, so the
// history stays as it was; after an edit made since it began, nothing comes back.
void LineBox::abandonComposition() {
    endPreedit();
    if (!composition_) return;
    const bool untouched = compositionUntouched();
    const Composition c = *std::exchange(composition_, std::nullopt);
    if (!untouched) return;
    if (c.tookText) undo();
    if (text() != c.before) return;
    if (c.selectionStart >= 0 && c.selectionLength > 0) {
        // The caret stays at the end it stood at.
        if (c.cursor == c.selectionStart)
            setSelection(c.selectionStart + c.selectionLength, -c.selectionLength);
        else
            setSelection(c.selectionStart, c.selectionLength);
    } else {
        setCursorPosition(c.cursor);
    }
}

void LineBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    // Only the user's own move into the box: not the window becoming active
    // again after a message box, nor a closing popup, which would let the
    // next key replace the whole value.
    if (!selectAllOnFocus_ || !arrivesByTheUser(e->reason())) return;
    selectAll();
    // Again after the click that brought the focus has placed the caret.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
}

void LineBox::focusOutEvent(QFocusEvent* e) {
    // An input method may never end a composition the focus left: the box
    // would keep its pinyin and a stale value to give back.
    abandonComposition();
    QLineEdit::focusOutEvent(e);
}

// The box's undo joins an insertion to the typing around it and starts a
// new step when the caret moves; taking a selection starts one too.
void LineBox::startUndoStep() {
    if (hasSelectedText()) return;
    const int at = cursorPosition();
    const int away = at > 0 ? at - 1 : at + 1;
    if (away > text().size()) return;  // an empty box: nothing to join
    const QSignalBlocker quiet(this);
    setCursorPosition(away);
    setCursorPosition(at);
}

void LineBox::insertAsOneStep(const QString& inserted, bool ownStep) {
    if (ownStep) startUndoStep();
    insert(inserted);
    startUndoStep();
}

// Through QLineEdit's own handling: a list completes the commit as it
// completes typed keys.
void LineBox::commitAsOneStep(const QString& commit, bool ownStep) {
    endPreedit();
    if (ownStep) startUndoStep();
    QInputMethodEvent committed;
    committed.setCommitString(commit);
    deliver(&committed);
    startUndoStep();
}

// A drop taken is an edit: a composition it meets ends with nothing given
// back, and the drop lands where it was dropped, judged on the text it lands
// in. A refused one gives back what the composition took, as a refused paste does.
void LineBox::dropEvent(QDropEvent* drop) {
    if (isReadOnly() || !drop->mimeData()->hasText()) return QLineEdit::dropEvent(drop);
    const QString dropped = pastedCell(drop->mimeData()->text());
    if (dropped.isEmpty()) return drop->ignore();
    const bool fromOutside = drop->source() != this;
    if (fromOutside) endPreedit();
    // A drop inserts at its point and replaces nothing, whatever is selected.
    const int at = cursorPositionAt(drop->position().toPoint());
    const QString why = rule_ ? rule_(text(), at, 0, dropped) : QString();
    if (!why.isEmpty()) {
        drop->ignore();
        if (fromOutside) abandonComposition();
        return refuse(why);
    }
    if (!fromOutside) return QLineEdit::dropEvent(drop);  // text moved inside the box
    composition_.reset();
    setCursorPosition(at);
    insertAsOneStep(dropped);
    drop->acceptProposedAction();
}

void LineBox::mouseReleaseEvent(QMouseEvent* e) {
    // The middle button pastes the selection of X11; the press has put the caret where it lands.
    if (e->button() != Qt::MiddleButton || isReadOnly() || !QGuiApplication::clipboard()->supportsSelection())
        return QLineEdit::mouseReleaseEvent(e);
    deselect();
    pasteFiltered(true);
    e->accept();
}

// The menu's 粘贴 is told by the slot it is wired to, not by its name: the
// actions of this Qt carry none, and their texts follow the translation.
// True when `action` was the paste, now cut from the box's own paste.
bool LineBox::unwiredPaste(QAction* action) {
    return disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
           disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
           (action->objectName() == QLatin1String("edit-paste") &&
            disconnect(action, &QAction::triggered, nullptr, nullptr));
}

// Popped up, as Qt's own menu is, the menu runs no loop of its own, and goes
// when it closes or with the box.
void LineBox::contextMenuEvent(QContextMenuEvent* e) {
    if (isReadOnly()) return QLineEdit::contextMenuEvent(e);
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions())
        if (unwiredPaste(action)) connect(action, &QAction::triggered, this, [this] { pasteFiltered(); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

void LineBox::pasteFiltered(bool selection) {
    abandonComposition();
    const QString pasted =
        pastedCell(QGuiApplication::clipboard()->text(selection ? QClipboard::Selection : QClipboard::Clipboard));
    if (pasted.isEmpty() && !hasSelectedText()) return;
    const QString why = refusalAtCaret(pasted);
    if (!why.isEmpty()) return refuse(why);
    insertAsOneStep(pasted);
}

// The verdict on `inserted` replacing the selection, or landing at the caret.
QString LineBox::refusalAtCaret(const QString& inserted) const {
    if (!rule_) return {};
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    return rule_(text(), start, int(selectedText().size()), inserted);
}

void LineBox::refuse(const QString& message) { ShowMessage(message, window()); }

}  // namespace korrimet
