#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include "common/widgets/line_box.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTextBrowser;
class QTextEdit;

namespace korrimet {

// Positions and sizes come in twips: 15 twips a pixel.
constexpr int twips(int t) { return (t + (t >= 0 ? 7 : -7)) / 15; }
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

inline const QColor kDarkGreen(0, 128, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);

// The program's fonts (9-point 宋体 is also the font of every control without
// one of its own). Each list names the Windows face the windows were drawn
// for, then faces that draw every symbol the tools show (℃, ³, ≤, α) with
// lines as close as 宋体's: AR PL UMing, then Noto CJK, whose lines are
// taller. WenQuanYi Micro Hei, last, claims ℃ but draws nothing.
QFont songti(double points, bool bold = false);
// Column reports and tables typed as text: a Chinese character takes exactly
// two columns of a Latin one.
QFont fixedPitchFont(double points);
void setTextColor(QWidget* widget, const QColor& color);
void setBackground(QWidget* widget, const QColor& color);

inline const QString kListBlockMessage = QStringLiteral("“%1”：粘贴的内容不止一项，请只复制一项！");

// Creates named controls inside a window or a frame, placed by twips.
class FormBuilder {
public:
    explicit FormBuilder(QWidget* parent) : parent_(parent) {}

    QLabel* label(const QString& name, const QString& text, int l, int t, int w, int h);
    LineBox* textBox(const QString& name, int l, int t, int w, int h, const QString& text = {});
    // A multi-line text box, as the help and basis boxes beside the inputs.
    // Tab and Shift+Tab move on from it, from a rich-text box and from a
    // browser, as from every other control: they hold help, notes, reports
    // and pages, and no one types a tab into those.
    QPlainTextEdit* memo(const QString& name, int l, int t, int w, int h, const QString& text = {});
    QTextEdit* richText(const QString& name, int l, int t, int w, int h);
    // A read-only rich-text view whose links open nothing by themselves.
    QTextBrowser* browser(const QString& name, int l, int t, int w, int h);
    QPushButton* button(const QString& name, const QString& caption, int l, int t, int w, int h);
    // An editable drop-down combo, or a drop-down list the user only picks from.
    // An editable one refuses a paste or a drop of several cells, naming itself.
    QComboBox* combo(const QString& name, int l, int t, int w, int h, const QStringList& items = {},
                     bool editable = true);
    QGroupBox* frame(const QString& name, const QString& caption, int l, int t, int w, int h);
    QRadioButton* option(const QString& name, const QString& caption, int l, int t, int w, int h);
    QCheckBox* check(const QString& name, const QString& caption, int l, int t, int w, int h);

    template <class W>
    W* place(W* widget, const QString& name, int l, int t, int w, int h) {
        widget->setParent(parent_);
        widget->setObjectName(name);
        widget->setGeometry(twipsRect(l, t, w, h));
        return widget;
    }

private:
    QWidget* parent_;
};

// Twips place a frame's rows for a title as tall as its text; the style's
// title takes more. Moves the rows of each frame of `window` down below its
// title, as far as the room under its last row allows.
void fitRowsBelowFrameTitles(QWidget* window);

// A tool window: objectName is its class name, fixed client size in twips,
// modeless and without owner, deleted when closed (its state lives on in
// the registry). Ctrl+Tab and Ctrl+Shift+Tab move the focus on from any of
// its controls.
//
// A handler of the window may run a nested event loop (a message box's, a
// menu's, a drag's), where anything may close the window. Closed inside a
// loop nested in the program's own, the window hides at once but is deleted
// only once that loop and the handlers under it have returned, so they go on
// with a live window.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(const QString& className, const QString& caption, int clientWidthTwips, int clientHeightTwips);

    FormBuilder form() { return FormBuilder(this); }

    template <class W>
    W* control(const QString& name) const {
        return findChild<W*>(name);
    }

signals:
    // Every closeEvent override has accepted the close: the window is no
    // longer open, though it is deleted only later.
    void closeAccepted();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void deleteOutsideNestedLoops();

    bool framesFitted_ = false;
    int closedAtLevel_ = 0;  // the loop level a close waits to fall below; 0: none waits
};

}  // namespace korrimet
