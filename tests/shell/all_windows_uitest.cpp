#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSet>
#include <QTabBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTest>

#include "common/widgets/live_recompute.h"
#include "common/widgets/model_input.h"
#include "common/widgets/press.h"
#include "shell/main_window.h"
#include "shell/menu_table.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

QString where(const QRect& r) {
    return QStringLiteral("(%1,%2 %3×%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The controls of each frame of `window` that reach into its title or over its
// border: hidden ones too, since a switch or a tab shows them.
QStringList rowsOutsideFrames(QWidget* window) {
    QStringList out;
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        const QRect inside = frame->contentsRect();
        for (QWidget* w : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->isWindow() && !inside.contains(w->geometry()))
                out << QStringLiteral("%1 %2/%3 %4 outside %5")
                           .arg(window->objectName(), frame->objectName(), w->objectName(), where(w->geometry()),
                                where(inside));
    }
    return out;
}

// Pairs of labels shown in one place at one time whose areas overlap.
QStringList overlappingLabels(QWidget* window) {
    QStringList out;
    QList<QWidget*> parents = window->findChildren<QWidget*>();
    parents << window;
    for (QWidget* parent : parents) {
        QList<QLabel*> shown;
        for (QLabel* l : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (l->isVisibleTo(window)) shown << l;
        for (int i = 0; i < shown.size(); ++i)
            for (int j = i + 1; j < shown.size(); ++j)
                if (shown[i]->geometry().intersects(shown[j]->geometry()))
                    out << QStringLiteral("%1 %2 %3 over %4 %5")
                               .arg(window->objectName(), shown[i]->objectName(), where(shown[i]->geometry()),
                                    shown[j]->objectName(), where(shown[j]->geometry()));
    }
    return out;
}

// The families a page names for its own text, where the window's should draw.
QStringList ownFamilies(const QTextDocument& document) {
    QStringList families;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        families += b.charFormat().fontFamilies().toStringList();
        for (auto it = b.begin(); !it.atEnd(); ++it)
            families += it.fragment().charFormat().fontFamilies().toStringList();
    }
    families.removeDuplicates();
    return families;
}

// Shown pages wider than their view, or, without a vertical scroll bar,
// taller: a part the user cannot see or has to scroll sideways to.
QStringList pagesCutOff(QWidget* window) {
    QStringList out;
    for (QTextEdit* edit : window->findChildren<QTextEdit*>()) {
        if (!edit->isVisible()) continue;
        const QTextDocument* page = edit->document();
        const QSize view = edit->viewport()->size();
        const bool tooTall = edit->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                             page->size().height() > view.height();
        if (page->idealWidth() > view.width() || tooTall)
            out << QStringLiteral("%1/%2: %3×%4 in %5×%6")
                       .arg(window->objectName(), edit->objectName())
                       .arg(page->idealWidth())
                       .arg(page->size().height())
                       .arg(view.width())
                       .arg(view.height());
    }
    return out;
}

QStringList pagesWithOwnFamilies(QWidget* window) {
    QStringList out;
    auto check = [&](QWidget* w, const QTextDocument& document) {
        if (const QStringList f = ownFamilies(document); !f.isEmpty())
            out << QStringLiteral("%1/%2: %3").arg(window->objectName(), w->objectName(), f.join(QLatin1Char(',')));
    };
    for (QTextEdit* edit : window->findChildren<QTextEdit*>()) check(edit, *edit->document());
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const Qt::TextFormat format = label->textFormat();
        if (format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
            QTextDocument document;
            document.setHtml(label->text());
            check(label, document);
        }
    }
    return out;
}

// What a control shows that a key could change.
QString shownText(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* e = qobject_cast<const QTextEdit*>(w)) return e->toPlainText();
    if (auto* e = qobject_cast<const QPlainTextEdit*>(w)) return e->toPlainText();
    if (auto* e = qobject_cast<const QComboBox*>(w)) return e->currentText();
    if (auto* e = qobject_cast<const QAbstractSpinBox*>(w)) return e->text();
    return {};
}

// A table that keeps Tab for moving between its cells, as a spreadsheet does.
bool isSpreadsheet(const QWidget* w) {
    auto* view = qobject_cast<const QAbstractItemView*>(w);
    return view && view->tabKeyNavigation();
}

// The name a failure gives a control: its objectName, or its class for one
// inside another control (a workbook's sheet tabs).
QString nameOf(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// The controls of `window` shown now that the keyboard reaches, where a key
// meant to move on stays or changes the control's text. Ctrl+Tab and
// Ctrl+Shift+Tab move on from every control; Tab and Shift+Tab from every
// one but a spreadsheet table. A control with no other to go to only keeps
// its text.
QStringList controlsKeepingTab(QWidget* window) {
    QList<QWidget*> reached;
    for (QWidget* c : window->findChildren<QWidget*>())
        if (c->isVisible() && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus) && !c->focusProxy()) reached << c;
    QStringList out;
    for (QWidget* c : reached) {
        QList<std::pair<Qt::KeyboardModifiers, QString>> keys = {
            {Qt::ControlModifier, QStringLiteral("Ctrl+Tab")},
            {Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("Ctrl+Shift+Tab")}};
        if (!isSpreadsheet(c))
            keys += {{Qt::NoModifier, QStringLiteral("Tab")}, {Qt::ShiftModifier, QStringLiteral("Shift+Tab")}};
        const QString control = window->objectName() + QLatin1Char('/') + nameOf(c);
        for (const auto& [modifiers, key] : keys) {
            c->setFocus(Qt::OtherFocusReason);
            if (QApplication::focusWidget() != c) {
                out << control + QStringLiteral(" takes no focus");
                break;
            }
            const QString before = shownText(c);
            QTest::keyClick(c, Qt::Key_Tab, modifiers);
            if (QApplication::focusWidget() == c && reached.size() > 1)
                out << QStringLiteral("%1 keeps %2").arg(control, key);
            else if (shownText(c) != before)
                out << QStringLiteral("%1 changes its text on %2").arg(control, key);
        }
    }
    return out;
}

}  // namespace

// Opens every registered window and closes it again. Built a second time
// with the address and undefined-behaviour sanitizers in CI.
class AllWindowsTest : public QObject {
    Q_OBJECT
    MainWindow* main_ = nullptr;
    int baseline_ = 0;

    static int widgetCount() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return int(QApplication::allWidgets().size());
    }

private slots:
    void initTestCase() {
        QApplication::setApplicationName("Korrimet");  // as the program names itself; the About caption shows it
        main_ = new MainWindow;  // registers every window the menu opens
        main_->show();
    }
    void cleanupTestCase() { delete main_; }

    void everyWindowTheMenuOpensIsRegistered() {
        for (const MenuRow& row : MenuTable())
            if (row.action == "tool") QVERIFY2(ToolRegistry::instance().contains(row.target), qPrintable(row.target));
    }

    void eachWindowOpensAndClosesWithoutLeaving() {
        MessageRecorder messages;  // a window may greet with a message; that is its own business
        ToolRegistry& registry = ToolRegistry::instance();
        const QStringList classes = registry.classNames();
        QVERIFY(classes.size() >= 123);
        baseline_ = widgetCount();
        QElapsedTimer clock;
        clock.start();
        for (const QString& cls : classes) {
            QPointer<QWidget> w = registry.open(cls);
            QVERIFY2(w, qPrintable(cls));
            QVERIFY(w->isVisible());
            QCOMPARE(w->objectName(), cls);
            QCOMPARE(w->windowTitle(), registry.caption(cls));
            test::closeAllTools();
            QVERIFY2(w.isNull(), qPrintable(cls + " was not deleted when closed"));
        }
        qInfo("opening and closing each of %lld windows once: %lld ms", qlonglong(classes.size()),
              qlonglong(clock.elapsed()));
        QCOMPARE(widgetCount(), baseline_);
    }

    // Emptying or spoiling an entry of a window that computes while the user
    // types may clear a result, but never without saying why in the window.
    void aLiveResultIsNeverClearedWithoutAReason() {
        MessageRecorder messages;
        ToolRegistry& registry = ToolRegistry::instance();
        QStringList silent;
        for (const QString& cls : registry.classNames()) {
            QWidget* w = registry.open(cls);
            auto shown = [w] {
                QHash<QWidget*, QString> texts;
                for (QLineEdit* b : w->findChildren<QLineEdit*>())
                    if (b->isVisible()) texts[b] = b->text();
                for (QTextEdit* b : w->findChildren<QTextEdit*>())
                    if (b->isVisible()) texts[b] = b->toPlainText();
                for (QPlainTextEdit* b : w->findChildren<QPlainTextEdit*>())
                    if (b->isVisible()) texts[b] = b->toPlainText();
                return texts;
            };
            for (QLineEdit* entry : w->findChildren<QLineEdit*>()) {
                if (!entry->isVisible() || entry->isReadOnly() || qobject_cast<QComboBox*>(entry->parentWidget()) ||
                    qobject_cast<QAbstractSpinBox*>(entry->parentWidget()))
                    continue;
                const QString kept = entry->text();
                const QString good = kept.trimmed().isEmpty() ? QStringLiteral("1") : kept;
                QSet<QWidget*> mirrors;  // entries that repeat this one, as σx and σy do
                for (const QString& bad : {QStringLiteral("abc"), QString()}) {
                    setTextAndNotify(entry, good);
                    const QHash<QWidget*, QString> before = shown();
                    entry->setText(bad);
                    const QHash<QWidget*, QString> after = shown();
                    for (auto it = before.cbegin(); it != before.cend(); ++it) {
                        QWidget* box = it.key();
                        if (after.value(box) == bad && !bad.isEmpty()) mirrors << box;
                        if (box == entry || mirrors.contains(box) || it.value().trimmed().isEmpty() ||
                            !after.contains(box) || !after[box].trimmed().isEmpty())
                            continue;
                        const bool saysWhy = Press::isMarked(box) && !box->toolTip().isEmpty();
                        if (!saysWhy)
                            silent << QStringLiteral("%1: %2 “%3” cleared %4").arg(cls, entry->objectName(), bad,
                                                                                 box->objectName());
                    }
                }
                entry->setText(kept);
            }
            test::closeAllTools();
        }
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join('\n')));
    }

    // Rows placed for a title as tall as its text must not be crossed by the
    // style's taller one, nor reach over the frame's border.
    // Labels shown together do not lie over each other either.
    void everyFramesRowsLieInsideItsFrame() {
        MessageRecorder messages;
        QStringList outside = rowsOutsideFrames(main_);
        QStringList overlapping;
        ToolRegistry& registry = ToolRegistry::instance();
        for (const QString& cls : registry.classNames()) {
            QWidget* w = registry.open(cls);
            outside += rowsOutsideFrames(w);
            overlapping += overlappingLabels(w);
            test::closeAllTools();
        }
        // One line each: a failure's own message is cut short.
        for (const QString& line : outside + overlapping) qWarning("%s", qPrintable(line));
        QVERIFY(outside.isEmpty());
        QVERIFY(overlapping.isEmpty());
    }

    // A list's refusal names the list as the user sees it, and no other list of its window so.
    void everyEditableListHasANameOfItsOwn() {
        MessageRecorder messages;
        QStringList unnamed;
        ToolRegistry& registry = ToolRegistry::instance();
        for (const QString& cls : registry.classNames()) {
            QWidget* w = registry.open(cls);
            QHash<QString, QString> named;  // name: the list it names
            for (QComboBox* list : w->findChildren<QComboBox*>()) {
                if (!list->isEditable()) continue;
                const QString name = inputName(list);
                if (name == list->objectName() || named.contains(name))
                    unnamed << QStringLiteral("%1 %2 “%3” %4").arg(cls, list->objectName(), name, named.value(name));
                named[name] = list->objectName();
            }
            test::closeAllTools();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n')));
    }

    // A stored page draws in its window's family, the program's; a family of
    // its own that the machine lacks falls back to some sans face.
    // In that family each shown page still fits the width of its view.
    void everyPageDrawsInItsWindowsFamily() {
        MessageRecorder messages;
        QStringList own, cut;
        ToolRegistry& registry = ToolRegistry::instance();
        for (const QString& cls : registry.classNames()) {
            QWidget* w = registry.open(cls);
            own += pagesWithOwnFamilies(w);
            cut += pagesCutOff(w);
            test::closeAllTools();
        }
        for (const QString& line : own + cut) qWarning("%s", qPrintable(line));
        QVERIFY(own.isEmpty());
        QVERIFY(cut.isEmpty());
    }

    // From every control the keyboard reaches, Tab and Shift+Tab go on to
    // another control and leave the text as it was: a help, note or report
    // box takes no tab character. A spreadsheet table keeps Tab for its cells;
    // Ctrl+Tab and Ctrl+Shift+Tab go on from it, as from every control.
    void tabGoesOnFromEveryControl() {
        MessageRecorder messages;  // leaving an entry may check it
        QStringList kept;
        ToolRegistry& registry = ToolRegistry::instance();
        for (const QString& cls : registry.classNames()) {
            QWidget* w = registry.open(cls);
            QVERIFY2(QTest::qWaitForWindowActive(w), qPrintable(cls));
            kept += controlsKeepingTab(w);
            // The controls behind each tab of a strip too.
            for (QTabBar* strip : w->findChildren<QTabBar*>()) {
                for (int i = 1; i < strip->count() && strip->isVisible(); ++i) {
                    strip->setCurrentIndex(i);
                    kept += controlsKeepingTab(w);
                }
            }
            test::closeAllTools();
        }
        kept.removeDuplicates();
        for (const QString& line : kept) qWarning("%s", qPrintable(line));
        const QString why = QStringLiteral("%1 keys did not move on; first: %2").arg(kept.size()).arg(kept.value(0));
        QVERIFY2(kept.isEmpty(), qPrintable(why));
    }

    void allWindowsOpenSideBySide() {
        ToolRegistry& registry = ToolRegistry::instance();
        const QStringList classes = registry.classNames();
        QElapsedTimer clock;
        clock.start();
        for (const QString& cls : classes) registry.open(cls);
        qInfo("opening all %lld windows: %lld ms", qlonglong(classes.size()), qlonglong(clock.elapsed()));
        QCOMPARE(registry.openWindows().size(), classes.size());
        QVERIFY(main_->isVisible());
        test::closeAllTools();
        QVERIFY(registry.openWindows().isEmpty());
        QCOMPARE(widgetCount(), baseline_);
    }
};

KORRIMET_UI_TEST_MAIN(AllWindowsTest)
#include "all_windows_uitest.moc"
