#pragma once
#include <QLineEdit>
#include <QString>
#include <functional>
#include <optional>

namespace korrimet {

// A box's verdict on putting `inserted` into `text` in place of the selection
// [selStart, selStart + selLength): an empty string when it passes, the
// refusal message otherwise.
using InsertionRule =
    std::function<QString(const QString& text, int selStart, int selLength, const QString& inserted)>;

// What a paste or a drop puts into a single-line box: the text without the
// blanks around it (IsBlank). Line ends or tabs inside stay, for the reading
// to refuse: a row or a column of cells is no single value.
QString pastedCell(const QString& text);
// Whether `inserted` holds a line end (IsLineEnd: U+2028 as much as a line
// feed) or a tab once trimmed: a row or a column of cells. A lone line end
// is the Enter key.
bool holdsSeveralCells(const QString& inserted);

// Every single-line box, an editable list's box and a table's cell editor:
// a pasted or dropped text (keys, middle button, the context menu's 粘贴)
// arrives without the blanks, tabs and line ends around it, so a cell copied
// from a spreadsheet arrives as its value. One Ctrl+Z takes back one paste,
// drop or input-method commit. A composition given up, or left when the
// focus leaves, gives back what it took from the box, unless the box was
// edited since it began. The rule lives here, in the box's own handlers,
// because a list hands its box input-method and focus events past any
// filter. A commit goes through QLineEdit's own input-method handling, so
// that a list's inline completion completes it as it completes typed keys.
// A change of the text from outside (code, the wheel or the popup of a
// list) while a composition is open ends the composition: its pinyin goes,
// and what it took is superseded by the new text.
//
// Qt behaviours this box relies on that Qt does not document (checked on
// Qt 6.4; look here first after an upgrade):
// - moving the caret starts a new undo step (startUndoStep);
// - the first input-method event of a composition over a selection removes
//   it as one undo step, which one undo() gives back (abandonComposition);
// - the standard context menu's 粘贴 is connected to the slot paste(), or
//   is named "edit-paste" (unwiredPaste);
// - QLineEdit::inputMethodEvent completes a commit inline, as the key
//   handling completes a typed key; insert() and setText() complete nothing;
// - a composition's pinyin stays drawn after setText() until an
//   input-method event ends it (endPreedit).
class LineBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LineBox(QWidget* parent = nullptr);

    // Judges every character typed (editing and navigation keys aside),
    // committed by an input method, pasted or dropped; a refused one changes
    // nothing and shows its message.
    void setInsertionRule(InsertionRule rule) { rule_ = std::move(rule); }
    // Selects the whole text when the user clicks or tabs into the box.
    void setSelectAllOnFocus(bool on) { selectAllOnFocus_ = on; }

    // Ends a composition with nothing taken in, as the focus leaving does.
    void abandonComposition();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // What a composition took from the box as it began.
    struct Composition {
        QString before;
        int cursor = 0;
        int selectionStart = -1;
        int selectionLength = 0;
        bool tookText = false;  // whether taking the selection changed the text
        unsigned edits = 0;     // the box's edit count once it had taken the selection
    };

    void deliver(QInputMethodEvent* event);
    void endPreedit();
    void startUndoStep();
    void insertAsOneStep(const QString& text, bool ownStep = true);
    void commitAsOneStep(const QString& commit, bool ownStep);
    void textChangedOutside();
    void pasteFiltered(bool selection = false);
    bool unwiredPaste(QAction* action);
    QString refusalAtCaret(const QString& text) const;
    void refuse(const QString& message);
    // Whether the composition still stands as it began: no edit since.
    bool compositionUntouched() const { return composition_ && composition_->edits == edits_; }

    InsertionRule rule_;
    std::optional<Composition> composition_;
    unsigned edits_ = 0;  // every change of the text but the box's own composing
    bool preeditShown_ = false;
    bool delivering_ = false;
    int handling_ = 0;  // depth of the box's own events
    bool selectAllOnFocus_ = false;
};

}  // namespace korrimet
