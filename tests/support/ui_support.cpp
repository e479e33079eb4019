#include "support/ui_support.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/result_folder.h"

namespace korrimet::test {
namespace {

class UnexpectedMessageTrap : public MessageService {
public:
    void show(const QString& text, QWidget*) override {
        qFatal("unexpected message box: %s", qPrintable(text));
    }
};

}  // namespace

void installUnexpectedMessageTrap() {
    static UnexpectedMessageTrap trap;
    MessageService::install(&trap);
}

void useOffscreenPlatform(const QByteArray& screens) {
    if (screens.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return;
    }
    static QTemporaryDir dir;  // the platform reads it as the application is made
    QFile config(dir.filePath(QStringLiteral("screens.json")));
    if (!config.open(QIODevice::WriteOnly) || config.write(screens) != screens.size())
        qFatal("the screens were not written");
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toLocal8Bit());
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

void setUpTestApplication(bool at96Dpi) {
    // Qt::AA_Use96Dpi would report every screen at 96 dpi.
    if (at96Dpi) QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    SetUpApplication();
    installUnexpectedMessageTrap();
}

QWidget* openTool(const QString& className) {
    QWidget* w = ToolRegistry::instance().open(className);
    if (!w) qFatal("no tool window %s", qPrintable(className));
    return w;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeResultFile(const QString& fileName, const QByteArray& bytes) {
    QFile f(resultFilePath(fileName));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write the result file %s", qPrintable(fileName));
}

void retype(QWidget* window, const QString& box, const QString& text) {
    auto* edit = child<QLineEdit>(window, box);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void waitForRun(QWidget* window) {
    for (WindowRun* run : window->findChildren<WindowRun*>()) {
        if (run->running()) {
            QSignalSpy finished(run, &WindowRun::finished);
            if (!finished.wait(60000)) qFatal("a run of %s did not end", qPrintable(window->objectName()));
        }
        if (!QTest::qWaitFor([run] { return !run->holding(); }, 60000)) qFatal("a button stayed deaf");
    }
}

WindowRun* runOf(QWidget* window) {
    auto* run = window->findChild<WindowRun*>();
    if (!run) qFatal("%s has no long run", qPrintable(window->objectName()));
    return run;
}

PlatformClicks::PlatformClicks(QWidget* button)
    : window_(button->window()->windowHandle()),
      at_(button->mapTo(button->window(), button->rect().center())),
      interval_(QGuiApplication::styleHints()->mouseDoubleClickInterval()) {
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(1000);
}

PlatformClicks::~PlatformClicks() { QGuiApplication::styleHints()->setMouseDoubleClickInterval(interval_); }

void PlatformClicks::click(int delay) {
    QTest::mousePress(window_, Qt::LeftButton, {}, at_, delay);
    QTest::mouseRelease(window_, Qt::LeftButton, {}, at_);
}

void PlatformClicks::doubleClick(int delay) { QTest::mouseDClick(window_, Qt::LeftButton, {}, at_, delay); }

void ReadingRecorder::show(const QString& text, QWidget* parent) {
    MessageRecorder::show(text, parent);
    QEventLoop reading;
    QTimer::singleShot(readMs_, &reading, &QEventLoop::quit);
    reading.exec();
}

void click(QWidget* window, const QString& name) {
    waitForRun(window);
    QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
    waitForRun(window);
}

void clickBox(QWidget* window, const QString& box) {
    QTest::mouseClick(child<QLineEdit>(window, box), Qt::LeftButton);
}

void markTexts(QWidget* window, const QStringList& boxes, const QString& mark) {
    for (const QString& b : boxes) setText(window, b, mark);
}

QStringList texts(QWidget* window, const QStringList& boxes) {
    QStringList out;
    for (const QString& b : boxes) out << text(window, b);
    return out;
}

void expectBadEntriesNamed(QWidget* window, const QString& button, const QString& result, const QString& good,
                           const QList<QStringList>& cases) {
    MessageRecorder messages;
    for (const QStringList& c : cases) {
        const QString kept = text(window, c[0]);
        click(window, button);
        QCOMPARE(text(window, result), good);
        setText(window, c[0], c[1]);
        messages.clear();
        click(window, button);
        QVERIFY2(text(window, result).isEmpty(), qPrintable(c[0]));
        QVERIFY2(messages.messages().size() == 1 && messages.messages()[0].contains(c[2]),
                 qPrintable(c[0] + ": " + messages.messages().join(" | ")));
        setText(window, c[0], kept);
    }
}

void closeAllTools() {
    for (QWidget* w : ToolRegistry::instance().openWindows()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace korrimet::test
