#include "common/widgets/tool_window.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextEdit>
#include <QThread>
#include <algorithm>
#include <climits>

#include "common/widgets/line_box.h"
#include "common/widgets/model_input.h"

namespace korrimet {

namespace {

QFont fontOf(const QStringList& families, double points, bool bold = false) {
    QFont f(families.first());
    f.setFamilies(families);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Help, notes, reports and pages are read, not typed into: Tab and Shift+Tab
// move on from them as from any other control, and where no other control
// takes the focus they type no tab either.
template <class Box>
class ReadingBox : public Box {
public:
    ReadingBox() { this->setTabChangesFocus(true); }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) return event->ignore();
        Box::keyPressEvent(event);
    }
};

}  // namespace

QFont songti(double points, bool bold) {
    return fontOf({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
                   QStringLiteral("Noto Serif CJK SC"), QStringLiteral("WenQuanYi Micro Hei")},
                  points, bold);
}

QFont fixedPitchFont(double points) {
    QFont f = fontOf({QStringLiteral("新宋体"), QStringLiteral("NSimSun"), QStringLiteral("AR PL UMing CN"),
                      QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("WenQuanYi Micro Hei Mono")},
                     points);
    f.setStyleHint(QFont::Monospace);
    return f;
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::ButtonText, color);
    widget->setPalette(p);
}

void setBackground(QWidget* widget, const QColor& color) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Base, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QLabel* FormBuilder::label(const QString& name, const QString& text, int l, int t, int w, int h) {
    auto* label = place(new QLabel(text), name, l, t, w, h);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

LineBox* FormBuilder::textBox(const QString& name, int l, int t, int w, int h, const QString& text) {
    auto* box = place(new LineBox, name, l, t, w, h);
    box->setText(text);
    box->setCursorPosition(0);
    return box;
}

QPlainTextEdit* FormBuilder::memo(const QString& name, int l, int t, int w, int h, const QString& text) {
    auto* box = place(new ReadingBox<QPlainTextEdit>, name, l, t, w, h);
    box->setPlainText(text);
    return box;
}

QTextEdit* FormBuilder::richText(const QString& name, int l, int t, int w, int h) {
    auto* box = place(new ReadingBox<QTextEdit>, name, l, t, w, h);
    box->setAcceptRichText(false);
    return box;
}

QTextBrowser* FormBuilder::browser(const QString& name, int l, int t, int w, int h) {
    auto* view = place(new ReadingBox<QTextBrowser>, name, l, t, w, h);
    view->setOpenLinks(false);
    return view;
}

QPushButton* FormBuilder::button(const QString& name, const QString& caption, int l, int t, int w, int h) {
    auto* b = place(new QPushButton(caption), name, l, t, w, h);
    b->setAutoDefault(false);
    // A caption wider than its small button (the "......?" beside a box) is
    // set smaller rather than cut off inside the button's frame.
    const QString shown = QString(caption).remove(QLatin1Char('&'));
    const double room = b->width() - 6;
    QFont f = b->font();
    bool smaller = false;
    while (QFontMetricsF(f).horizontalAdvance(shown) > room && f.pointSizeF() > 6) {
        f.setPointSizeF(f.pointSizeF() - 0.5);
        smaller = true;
    }
    if (smaller) b->setFont(f);
    return b;
}

QComboBox* FormBuilder::combo(const QString& name, int l, int t, int w, int h, const QStringList& items,
                              bool editable) {
    auto* c = place(new QComboBox, name, l, t, w, h);
    if (editable) {
        // Its box is a single-line box like the others: the list hands it
        // keys, input-method and focus events directly.
        auto* box = new LineBox;
        c->setLineEdit(box);
        c->setInsertPolicy(QComboBox::NoInsert);
        // One line or one cell is one item; named as the run names the list.
        box->setInsertionRule([c](const QString&, int, int, const QString& inserted) {
            return holdsSeveralCells(inserted) ? kListBlockMessage.arg(inputName(c)) : QString();
        });
    }
    c->addItems(items);
    c->setCurrentIndex(-1);
    if (editable) c->clearEditText();
    return c;
}

QGroupBox* FormBuilder::frame(const QString& name, const QString& caption, int l, int t, int w, int h) {
    return place(new QGroupBox(caption), name, l, t, w, h);
}

QRadioButton* FormBuilder::option(const QString& name, const QString& caption, int l, int t, int w, int h) {
    return place(new QRadioButton(caption), name, l, t, w, h);
}

QCheckBox* FormBuilder::check(const QString& name, const QString& caption, int l, int t, int w, int h) {
    return place(new QCheckBox(caption), name, l, t, w, h);
}

void fitRowsBelowFrameTitles(QWidget* window) {
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        QList<QWidget*> rows;
        int top = INT_MAX, bottom = INT_MIN;
        for (QObject* o : frame->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow()) continue;
            rows << w;
            top = qMin(top, w->y());
            bottom = qMax(bottom, w->geometry().bottom());
        }
        if (rows.isEmpty()) continue;
        const QRect inside = frame->contentsRect();
        const int down = qMin(inside.top() - top, inside.bottom() - bottom);
        if (down <= 0) continue;
        for (QWidget* w : rows) w->move(w->x(), w->y() + down);
    }
}

ToolWindow::ToolWindow(const QString& className, const QString& caption, int clientWidthTwips,
                       int clientHeightTwips)
    : QWidget(nullptr, Qt::Window) {
    setObjectName(className);
    setWindowTitle(caption);
    setFixedSize(twips(clientWidthTwips), twips(clientHeightTwips));

    // Ctrl+Tab and Ctrl+Shift+Tab move on from every control, even from one
    // that keeps Tab for itself (a spreadsheet's cells), and type nothing.
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [this] { focusNextPrevChild(true); });
    auto* back = new QShortcut(this);
    back->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    connect(back, &QShortcut::activated, this, [this] { focusNextPrevChild(false); });
}

bool ToolWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // Every closeEvent override has had its say.
    if (event->type() == QEvent::Close && event->isAccepted()) {
        emit closeAccepted();
        deleteOutsideNestedLoops();
    }
    return handled;
}

// Posted from inside an event, as Qt's own deletion on close is, a deletion
// waits for the code that event runs into to return; but posted inside a
// nested loop (one that a handler of this window runs, or any other), Qt
// runs it in that loop, under the handler. So a close there waits for the
// level to fall below its own: the loop wakes at every level, and the first
// wake below posts the deletion. A program told to quit leaves its loops at
// once and says so after the last.
void ToolWindow::deleteOutsideNestedLoops() {
    const int level = QThread::currentThread()->loopLevel();
    if (level <= 1) {
        deleteLater();
        return;
    }
    if (closedAtLevel_ > 0) {
        closedAtLevel_ = std::min(closedAtLevel_, level);
        return;
    }
    closedAtLevel_ = level;
    auto deleteOnceBelow = [this] {
        if (closedAtLevel_ == 0 || QThread::currentThread()->loopLevel() >= closedAtLevel_) return;
        closedAtLevel_ = 0;
        deleteLater();
    };
    QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
    connect(loop, &QAbstractEventDispatcher::awake, this, deleteOnceBelow);
    connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, deleteOnceBelow);
    connect(qApp, &QCoreApplication::aboutToQuit, this, deleteOnceBelow);
}

void ToolWindow::showEvent(QShowEvent* event) {
    // Once, when fonts and styles have settled; hidden rows move with the rest.
    if (!framesFitted_) {
        framesFitted_ = true;
        fitRowsBelowFrameTitles(this);
    }
    QWidget::showEvent(event);
}

}  // namespace korrimet
