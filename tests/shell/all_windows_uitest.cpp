#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>

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
