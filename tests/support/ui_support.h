#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "common/widgets/result_file_viewer.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/window_run.h"
#include "platform/message_service.h"
#include "shell/lifecycle.h"

namespace korrimet::test {

// Fails the run loudly on a message box that no MessageRecorder expected.
void installUnexpectedMessageTrap();

// Opens a tool window through the registry, as the menu does.
QWidget* openTool(const QString& className);
// Closes every open tool window and lets the deletions happen.
void closeAllTools();

template <class T>
T* child(QWidget* window, const QString& name) {
    T* w = window->findChild<T*>(name);
    if (!w) qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return w;
}

inline QString text(QWidget* window, const QString& name) { return child<QLineEdit>(window, name)->text(); }
inline void setText(QWidget* window, const QString& name, const QString& value) {
    child<QLineEdit>(window, name)->setText(value);
}
// Clicks a button; one that starts a long run of its window is waited for
// until the run's outcome is shown and the button takes clicks again.
void click(QWidget* window, const QString& name);
// Waits until the window's long run (if one owns it) has shown its outcome
// and the button that started it takes clicks again.
void waitForRun(QWidget* window);
// The window's long run; fails the test when the window has none.
WindowRun* runOf(QWidget* window);

// Clicks on a button as the window system delivers them: press, release,
// and for a second press within the double-click interval a double-click
// event after it. QTest puts 500 ms of its own after each release: presses
// 350 ms apart come 851 ms apart on the events' clock, inside the
// double-click interval set here.
class PlatformClicks {
public:
    static constexpr int kSecondOfADoubleClick = 350;
    static constexpr int kOnItsOwn = 1200;

    explicit PlatformClicks(QWidget* button);
    ~PlatformClicks();

    // A press and its release, `delay` ms after the last release.
    void click(int delay);
    // Two clicks at once, `delay` ms after the last release.
    void doubleClick(int delay);

private:
    QWindow* window_;
    QPoint at_;
    int interval_;
};

// Records each message and, as a user reading the box does, keeps the
// window's thread in an event loop of its own for a while: timers and
// posted events fire meanwhile.
class ReadingRecorder : public MessageRecorder {
public:
    explicit ReadingRecorder(int readMs = 600) : readMs_(readMs) {}
    void show(const QString& text, QWidget* parent) override;

private:
    int readMs_;
};

// The text a result window shows, every line end as a line feed.
inline QString viewerText(QWidget* viewer) {
    auto* v = qobject_cast<ResultFileViewer*>(viewer);
    if (!v) qFatal("%s is no result window", viewer ? qPrintable(viewer->objectName()) : "nothing");
    return v->text();
}
// A file's whole content; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
// Puts `bytes` in the private result folder as the result file `fileName`,
// as a run would leave it.
void writeResultFile(const QString& fileName, const QByteArray& bytes);

// Types over the whole text of a box, one key at a time, as the user does.
void retype(QWidget* window, const QString& box, const QString& text);
// A mouse click into a box.
void clickBox(QWidget* window, const QString& box);
// Marks the boxes, so a recomputation shows where it happened.
void markTexts(QWidget* window, const QStringList& boxes, const QString& mark = QStringLiteral("x"));
QStringList texts(QWidget* window, const QStringList& boxes);

// A bad entry after a good press: for each case {box, bad text, a part of
// the one message}, a press of `button` first shows `good` in `result`, then
// with the bad text names it in one message and leaves `result` empty. The
// box gets its text back after each case.
void expectBadEntriesNamed(QWidget* window, const QString& button, const QString& result, const QString& good,
                           const QList<QStringList>& cases);

inline void setComboText(QWidget* window, const QString& name, const QString& value) {
    child<QComboBox>(window, name)->setCurrentText(value);
}

// Before the application is made: the offscreen platform, with the screens
// `screens` describes (its configuration's JSON) and Qt's scaling off, so
// that each reports its own resolution; without, its one screen at 96 dpi.
void useOffscreenPlatform(const QByteArray& screens);
// Once it is made: the program's fonts and texts and the message trap.
void setUpTestApplication(bool at96Dpi);

}  // namespace korrimet::test

// QTEST_MAIN on the offscreen platform (of the screens `screens` describes),
// with the program's fonts and texts and the message trap in place.
#define KORRIMET_UI_TEST_MAIN_ON(TestClass, screens)                   \
    int main(int argc, char** argv) {                                  \
        const QByteArray described{screens};                           \
        ::korrimet::test::useOffscreenPlatform(described);             \
        QApplication app(argc, argv);                                  \
        ::korrimet::test::setUpTestApplication(described.isEmpty());   \
        TestClass tc;                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                     \
        return QTest::qExec(&tc, argc, argv);                          \
    }
#define KORRIMET_UI_TEST_MAIN(TestClass) KORRIMET_UI_TEST_MAIN_ON(TestClass, QByteArray())
