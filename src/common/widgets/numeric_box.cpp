#include "common/widgets/numeric_box.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

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

// The one input policy of a single-line box. Every box takes a pasted or
// dropped text without the blanks, tabs and line ends around it: a cell
// copied from a spreadsheet is "2\r\n". A numeric box also judges every
// key, input-method commit, paste and drop by the numeric rule.
class LineBoxInput : public QObject {
public:
    explicit LineBoxInput(QLineEdit* box) : QObject(box), box_(box) {}

    void makeNumeric() { numeric_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // An editable list hands its keys to its box without the box's filters.
        if (watched != box_) return event->type() == QEvent::KeyPress && keyPress(static_cast<QKeyEvent*>(event));
        switch (event->type()) {
        case QEvent::KeyPress: return keyPress(static_cast<QKeyEvent*>(event));
        case QEvent::InputMethod: return numeric_ && inputMethod(static_cast<QInputMethodEvent*>(event));
        case QEvent::ContextMenu:
            return !box_->isReadOnly() && contextMenu(static_cast<QContextMenuEvent*>(event));
        case QEvent::Drop: return drop(static_cast<QDropEvent*>(event));
        case QEvent::MouseButtonRelease: {
            // The middle button pastes the selection of X11; the press has put the caret where it lands.
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::MiddleButton || box_->isReadOnly() ||
                !QGuiApplication::clipboard()->supportsSelection())
                return false;
            box_->deselect();
            pasteFiltered(QClipboard::Selection);
            return true;
        }
        default: return false;
        }
    }

private:
    bool keyPress(QKeyEvent* e) {
        if (e->matches(QKeySequence::Paste)) {
            if (box_->isReadOnly()) return false;
            pasteFiltered();
            return true;
        }
        if (!numeric_ || isEditingOrNavigation(e)) return false;
        const QString typed = e->text();
        if (typed.isEmpty()) return false;  // keys that type no character
        QString why = refusalAtCaret(typed);
        if (why.isEmpty()) return false;
        refuse(why);
        return true;
    }

    // What an input method commits is judged as typed keys are. The box
    // drops its selection when a composition begins; a refused or abandoned
    // composition gives the value back as it stood, selection and all.
    bool inputMethod(QInputMethodEvent* im) {
        if (!composing_ && !im->preeditString().isEmpty())
            before_ = {box_->text(), box_->cursorPosition(), box_->selectionStart(), box_->selectedText().size()};
        const bool wasComposing = composing_;
        composing_ = im->commitString().isEmpty() && !im->preeditString().isEmpty();
        if (im->commitString().isEmpty()) {
            if (!wasComposing || composing_) return false;
            // Abandoned: the box ends it (this filter lets the event pass then), and the value comes back.
            QCoreApplication::sendEvent(box_, im);
            restoreBeforeComposition();
            return true;
        }
        QString why = refusalAtCaret(im->commitString());
        if (why.isEmpty()) return false;
        // The box still draws the pinyin the commit was to replace: end the
        // composition with nothing committed, before the message shows it.
        QInputMethodEvent ended(QString(), im->attributes());
        QCoreApplication::sendEvent(box_, &ended);
        if (wasComposing) restoreBeforeComposition();
        refuse(why);
        return true;
    }

    void restoreBeforeComposition() {
        if (box_->text() != before_.text) box_->setText(before_.text);
        if (before_.selectionStart >= 0 && before_.selectionLength > 0) {
            // The caret stays at the end it stood at.
            const bool caretFirst = before_.cursor == before_.selectionStart;
            if (caretFirst)
                box_->setSelection(before_.selectionStart + before_.selectionLength, -before_.selectionLength);
            else
                box_->setSelection(before_.selectionStart, before_.selectionLength);
        } else {
            box_->setCursorPosition(before_.cursor);
        }
    }

    bool drop(QDropEvent* drop) {
        const QString raw = drop->mimeData()->text();
        const QString text = pastedText(raw);
        // A drop inserts at the drop point; judge it as a paste replacing nothing there.
        int at = box_->cursorPositionAt(drop->position().toPoint());
        QString why = numeric_ ? numericInsertRefusal(box_->text(), at, 0, text) : QString();
        if (why.isEmpty() && text == raw) return false;
        if (why.isEmpty()) {
            if (box_->isReadOnly()) return false;
            box_->deselect();
            box_->setCursorPosition(at);
            box_->insert(text);
            drop->acceptProposedAction();
            return true;
        }
        drop->ignore();
        refuse(why);
        return true;
    }

    // The menu's 粘贴 is told by the slot it is wired to, not by its name: the
    // actions of this Qt carry none, and their texts follow the translation.
    // True when `action` was the paste, now cut from the box's own paste.
    bool unwiredPaste(QAction* action) const {
        return disconnect(action, SIGNAL(triggered()), box_, SLOT(paste())) ||
               disconnect(action, &QAction::triggered, box_, &QLineEdit::paste) ||
               (action->objectName() == QLatin1String("edit-paste") &&
                disconnect(action, &QAction::triggered, nullptr, nullptr));
    }

    bool contextMenu(QContextMenuEvent* e) {
        QPointer<QMenu> menu = box_->createStandardContextMenu();
        for (QAction* action : menu->actions())
            if (unwiredPaste(action)) connect(action, &QAction::triggered, this, [this] { pasteFiltered(); });
        menu->exec(e->globalPos());
        delete menu;
        return true;
    }

    // Line ends or tabs inside stay, for the reading to refuse: a row or a
    // column of cells is no single value.
    static QString pastedText(const QString& text) { return text.trimmed(); }

    void pasteFiltered(QClipboard::Mode mode = QClipboard::Clipboard) {
        const QString text = pastedText(QGuiApplication::clipboard()->text(mode));
        if (text.isEmpty() && !box_->hasSelectedText()) return;
        QString why = numeric_ ? refusalAtCaret(text) : QString();
        if (!why.isEmpty()) {
            refuse(why);
            return;
        }
        box_->insert(text);
    }

    int selectionStart() const { return box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition(); }
    // The verdict on `text` replacing the selection, or landing at the caret.
    QString refusalAtCaret(const QString& text) const {
        return numericInsertRefusal(box_->text(), selectionStart(), box_->selectedText().size(), text);
    }

    void refuse(const QString& message) { ShowMessage(message, box_->window()); }

    struct Before {
        QString text;
        int cursor = 0;
        int selectionStart = -1;
        qsizetype selectionLength = 0;
    };

    QLineEdit* box_;
    bool numeric_ = false;
    bool composing_ = false;
    Before before_;
};

LineBoxInput* lineBoxInput(QLineEdit* box) {
    for (QObject* child : box->children())
        if (auto* input = dynamic_cast<LineBoxInput*>(child)) return input;
    auto* input = new LineBoxInput(box);
    box->installEventFilter(input);
    return input;
}

bool arrivesByTheUser(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}

class SelectAllOnFocus : public QObject {
public:
    explicit SelectAllOnFocus(QLineEdit* box) : QObject(box), box_(box) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Only the user's own move into the box: not the window becoming active
        // again after a message box, nor a closing popup, which would let the
        // next key replace the whole value.
        if (event->type() == QEvent::FocusIn && arrivesByTheUser(static_cast<QFocusEvent*>(event)->reason())) {
            // After the box's own focus handling, which may move the caret.
            QTimer::singleShot(0, box_, [box = box_] {
                if (box->hasFocus()) box->selectAll();
            });
            box_->selectAll();
        }
        return false;
    }

private:
    QLineEdit* box_;
};

}  // namespace

QString numericInsertRefusal(const QString& text, int selStart, int selLength, const QString& typed) {
    // Each character is judged against the box as it would stand when typed.
    QString current = text;
    int caret = selStart;
    int selection = selLength;
    for (QChar c : typed) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        } else if (c == QLatin1Char('.')) {
            if (current.contains(QLatin1Char('.'))) return kSecondPointMessage;
        } else if (c == QLatin1Char('-')) {
            if (caret != 0 || current.contains(QLatin1Char('-'))) return kNotNumericMessage;
        } else {
            return kNotNumericMessage;
        }
        current.replace(caret, selection, c);
        ++caret;
        selection = 0;
    }
    return {};
}

void attachLineBoxInput(QLineEdit* box) { lineBoxInput(box); }

void attachLineBoxInput(QComboBox* list) {
    if (list->lineEdit()) list->installEventFilter(lineBoxInput(list->lineEdit()));
}

void attachNumericKeyFilter(QLineEdit* box) {
    lineBoxInput(box)->makeNumeric();
    box->setAttribute(Qt::WA_InputMethodEnabled, true);
}

void attachSelectAllOnFocus(QLineEdit* box) { box->installEventFilter(new SelectAllOnFocus(box)); }

}  // namespace korrimet
