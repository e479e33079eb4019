#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSet>
#include <QTextEdit>

#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "shell/main_window.h"
#include "shell/menu_table.h"
#include "support/ui_support.h"

using namespace korrimet;

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
