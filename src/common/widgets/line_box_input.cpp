#include "common/widgets/line_box_input.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <optional>
#include <utility>

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

// The one input policy of a single-line box: pastes, drops and input-method
// compositions, and, where the box has a rule, every character typed.
class LineBoxInput : public QObject {
public:
    explicit LineBoxInput(QLineEdit* box) : QObject(box), box_(box) {}

    void setRule(InsertionRule rule) { rule_ = std::move(rule); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // An editable list hands its keys to its box without the box's filters.
        if (watched != box_) return event->type() == QEvent::KeyPress && keyPress(static_cast<QKeyEvent*>(event));
        switch (event->type()) {
        case QEvent::KeyPress: return keyPress(static_cast<QKeyEvent*>(event));
        case QEvent::InputMethod: return !box_->isReadOnly() && inputMethod(static_cast<QInputMethodEvent*>(event));
        case QEvent::FocusOut:
            // An input method may never end a composition the focus left:
            // the box would keep its pinyin and a stale value to give back.
            endComposition();
            return false;
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
        if (!rule_ || isEditingOrNavigation(e)) return false;
        const QString typed = e->text();
        if (typed.isEmpty()) return false;  // keys that type no character
        const QString why = refusalAtCaret(typed);
        if (why.isEmpty()) return false;
        refuse(why);
        return true;
    }

    // The box drops its selection when a composition begins; a commit is
    // judged as typed keys are and enters as one undo step; a refused or
    // abandoned composition gives back what it took, history and all.
    bool inputMethod(QInputMethodEvent* im) {
        if (delivering_) return false;
        // A composition whose end never reached the box (a run owned the
        // window) has nothing to give back once the box was edited since.
        if (composition_ && box_->text() != composition_->during) composition_.reset();
        const QString commit = im->commitString();
        if (commit.isEmpty() && im->preeditString().isEmpty()) {
            if (!composition_ && !preeditShown_) return false;
            endComposition();
            return true;
        }
        if (commit.isEmpty()) {
            if (!composition_)
                composition_ = Composition{box_->text(), box_->cursorPosition(), box_->selectionStart(),
                                           int(box_->selectedText().size()), {}};
            deliver(im);
            composition_->during = box_->text();
            return true;
        }
        const QString why = refusalAtCaret(commit);
        if (!why.isEmpty()) {
            // The box still draws the pinyin the commit was to replace: end
            // the composition with nothing taken in, before the message shows it.
            endComposition();
            refuse(why);
            return true;
        }
        if (im->replacementLength() > 0) {  // the method rewrites text around the caret: its own step
            composition_.reset();
            deliver(im);
            return true;
        }
        // Taking the selection began the step the commit ends.
        const bool tookSelection = composition_ && composition_->selectionLength > 0;
        composition_.reset();
        endPreedit();
        insertAsOneStep(commit, !tookSelection);
        if (!im->preeditString().isEmpty()) {  // the next composition begins at once
            QInputMethodEvent next(im->preeditString(), im->attributes());
            QCoreApplication::sendEvent(box_, &next);
        }
        return true;
    }

    void deliver(QInputMethodEvent* im) {
        delivering_ = true;
        QCoreApplication::sendEvent(box_, im);
        delivering_ = false;
        preeditShown_ = !im->preeditString().isEmpty();
    }

    void endPreedit() {
        if (!preeditShown_) return;
        QInputMethodEvent ended;
        deliver(&ended);
    }

    // Ends a composition with nothing taken in. What it took comes back
    // through the box's own undo, so the history stays as it was; after an
    // edit made since it began, nothing comes back.
    void endComposition() {
        endPreedit();
        if (!composition_) return;
        const Composition c = *std::exchange(composition_, std::nullopt);
        if (box_->text() != c.during) return;
        if (c.during != c.before) box_->undo();
        if (box_->text() != c.before) return;
        if (c.selectionStart >= 0 && c.selectionLength > 0) {
            // The caret stays at the end it stood at.
            if (c.cursor == c.selectionStart)
                box_->setSelection(c.selectionStart + c.selectionLength, -c.selectionLength);
            else
                box_->setSelection(c.selectionStart, c.selectionLength);
        } else {
            box_->setCursorPosition(c.cursor);
        }
    }

    // The box's undo joins an insertion to the typing around it and starts a
    // new step when the caret moves; taking a selection starts one too.
    void startUndoStep() {
        if (box_->hasSelectedText()) return;
        const int at = box_->cursorPosition();
        const int away = at > 0 ? at - 1 : at + 1;
        if (away > box_->text().size()) return;  // an empty box: nothing to join
        const QSignalBlocker quiet(box_);
        box_->setCursorPosition(away);
        box_->setCursorPosition(at);
    }

    void insertAsOneStep(const QString& text, bool ownStep = true) {
        if (ownStep) startUndoStep();
        box_->insert(text);
        startUndoStep();
    }

    bool drop(QDropEvent* drop) {
        if (box_->isReadOnly() || !drop->mimeData()->hasText()) return false;
        const QString text = pastedCell(drop->mimeData()->text());
        if (text.isEmpty()) {
            drop->ignore();
            return true;
        }
        // A drop inserts at the drop point; judge it as a paste replacing nothing there.
        const int at = box_->cursorPositionAt(drop->position().toPoint());
        const QString why = rule_ ? rule_(box_->text(), at, 0, text) : QString();
        if (!why.isEmpty()) {
            drop->ignore();
            refuse(why);
            return true;
        }
        if (drop->source() == box_) return false;  // text moved inside the box
        endComposition();
        box_->setCursorPosition(at);
        insertAsOneStep(text);
        drop->acceptProposedAction();
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

    void pasteFiltered(QClipboard::Mode mode = QClipboard::Clipboard) {
        endComposition();
        const QString text = pastedCell(QGuiApplication::clipboard()->text(mode));
        if (text.isEmpty() && !box_->hasSelectedText()) return;
        const QString why = refusalAtCaret(text);
        if (!why.isEmpty()) {
            refuse(why);
            return;
        }
        insertAsOneStep(text);
    }

    // The verdict on `text` replacing the selection, or landing at the caret.
    QString refusalAtCaret(const QString& text) const {
        if (!rule_) return {};
        const int start = box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition();
        return rule_(box_->text(), start, int(box_->selectedText().size()), text);
    }

    void refuse(const QString& message) { ShowMessage(message, box_->window()); }

    // What a composition took from the box as it began.
    struct Composition {
        QString before;
        int cursor = 0;
        int selectionStart = -1;
        int selectionLength = 0;
        QString during;  // the text once the composition had taken the selection
    };

    QLineEdit* box_;
    InsertionRule rule_;
    std::optional<Composition> composition_;
    bool preeditShown_ = false;
    bool delivering_ = false;
};

LineBoxInput* lineBoxInput(QLineEdit* box) {
    for (QObject* child : box->children())
        if (auto* input = dynamic_cast<LineBoxInput*>(child)) return input;
    auto* input = new LineBoxInput(box);
    box->installEventFilter(input);
    return input;
}

// A table's cells as single-line boxes, and the paste onto a selected cell.
class CellInput : public QStyledItemDelegate {
public:
    explicit CellInput(QAbstractItemView* table) : QStyledItemDelegate(table), table_(table) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* box = qobject_cast<QLineEdit*>(editor)) attachLineBoxInput(box);
        return editor;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != table_) {
            // The cell takes the editor's text as the focus leaves, before the
            // editor's own filters see it go: a composition ends first.
            if (event->type() == QEvent::FocusOut) {
                QInputMethodEvent ended;
                QCoreApplication::sendEvent(watched, &ended);
            }
            return QStyledItemDelegate::eventFilter(watched, event);
        }
        return event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
               pasteIntoCurrentCell();
    }

private:
    // A cell takes a paste as it takes typing: only an input cell, only while the table is edited.
    bool pasteIntoCurrentCell() {
        const QModelIndex at = table_->currentIndex();
        if (table_->editTriggers() == QAbstractItemView::NoEditTriggers || !at.isValid() ||
            !(at.flags() & Qt::ItemIsEditable))
            return false;
        const QString raw = QGuiApplication::clipboard()->text();
        if (raw.isEmpty()) return true;
        const QString text = pastedCell(raw);
        if (text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
            ShowMessage(kCellBlockMessage, table_->window());
        else
            table_->model()->setData(at, text, Qt::EditRole);
        return true;
    }

    QAbstractItemView* table_;
};

}  // namespace

void attachLineBoxInput(QLineEdit* box) { lineBoxInput(box); }

void attachLineBoxInput(QComboBox* list) {
    if (list->lineEdit()) list->installEventFilter(lineBoxInput(list->lineEdit()));
}

void setInsertionRule(QLineEdit* box, InsertionRule rule) { lineBoxInput(box)->setRule(std::move(rule)); }

void attachCellInput(QAbstractItemView* table) {
    auto* cells = new CellInput(table);
    table->setItemDelegate(cells);
    table->installEventFilter(cells);
}

}  // namespace korrimet
