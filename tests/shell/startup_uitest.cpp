#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include "common/widgets/tool_window.h"
#include "platform/single_instance.h"
#include "shell/lifecycle.h"
#include "shell/main_window.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

// A sanitized program started beside other tests may take many seconds to come up.
constexpr int kStartMs = 120000;

qint64 lockOwner(const QString& lockFile) {
    QFile f(lockFile);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    return f.readLine().trimmed().toLongLong();
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    // First, so that nothing else has run in this process yet: the main
    // window comes up without building any tool window. How long it takes
    // is measured in bench/.
    void theMainWindowShowsWithoutBuildingAToolWindow() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w, kStartMs));
        QVERIFY(ToolRegistry::instance().openWindows().isEmpty());
    }

    void aSecondStartShowsTheMessageAndEnds() {
        QTemporaryDir dir;
        SingleInstance running(dir.filePath("korrimet.lock"));
        MessageRecorder messages;
        QVERIFY(ClaimSingleInstance(running));
        QVERIFY(messages.messages().isEmpty());
        SingleInstance second(dir.filePath("korrimet.lock"));
        QVERIFY(!ClaimSingleInstance(second));
        QCOMPARE(messages.messages(), QStringList{"程序已经运行,不能再次装载，请注意托盘区图标！"});
    }

    void aLockThatCannotBeMadeIsNamedAndTheProgramStillStarts() {
        QTemporaryDir dir;
        QFile plainFile(dir.filePath("file"));
        QVERIFY(plainFile.open(QIODevice::WriteOnly));
        for (const QString& folder : {dir.filePath("missing"), plainFile.fileName()}) {
            SingleInstance lock(folder + "/korrimet.lock");
            MessageRecorder messages;
            QVERIFY(ClaimSingleInstance(lock));
            QVERIFY(!lock.held());
            QCOMPARE(messages.messages(), QStringList{lockUnavailableMessage(folder)});
            QVERIFY(messages.messages().first().contains(folder));
        }
    }

    // Fonts that claim a glyph and draw nothing leave "ΔT[  ]" where "ΔT[℃]" stands.
    void theProgramFontsDrawEverySymbolOfTheTexts() {
        const QList<QPair<QString, QFont>> fonts{{"controls", QApplication::font()},
                                                 {"宋体", songti(9)},
                                                 {"宋体 bold", songti(12, true)},
                                                 {"fixed pitch", fixedPitchFont(9)}};
        for (const auto& [name, font] : fonts) {
            for (const QString symbol : {"℃", "Δ", "T", "³", "²", "·", "≤", "α", "吨"}) {
                QImage image(48, 48, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.drawText(image.rect(), Qt::AlignCenter, symbol);
                painter.end();
                int ink = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) ink += image.pixel(x, y) != qRgb(255, 255, 255);
                QVERIFY2(ink > 0, qPrintable(name + ": " + symbol));
            }
        }
    }

    void qtsOwnTextsAreChinese() {
        // The test's start-up has done what the program's does.
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm"))
            QSKIP("Qt's Chinese translations are not installed");
        QLineEdit box("1");
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList items;
        for (QAction* a : menu->actions()) items << a->text();
        QVERIFY2(items.join(' ').contains("复制") && items.join(' ').contains("粘贴"), qPrintable(items.join(' ')));
        QMessageBox message(QMessageBox::NoIcon, "Korrimet", "x", QMessageBox::Ok);
        QCOMPARE(message.button(QMessageBox::Ok)->text(), "确定");
    }

    // The real program: killed hard, it must not keep the next copy from starting.
    void theProgramStartsAgainAfterACrash() {
        const QString program = QCoreApplication::applicationDirPath() + "/../korrimet";
        if (!QFile::exists(program)) QSKIP("the program is not built next to the tests");
        QTemporaryDir runtime;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        const QString lock = runtime.filePath("korrimet.lock");

        QProcess first, second;
        for (QProcess* p : {&first, &second}) {
            p->setProcessEnvironment(env);
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        }
        first.start(program, {});
        QVERIFY(first.waitForStarted(kStartMs));
        QTRY_COMPARE_WITH_TIMEOUT(lockOwner(lock), first.processId(), kStartMs);
        first.kill();
        QVERIFY(first.waitForFinished(kStartMs));
        QVERIFY(QFile::exists(lock));

        second.start(program, {});
        QVERIFY(second.waitForStarted(kStartMs));
        QTRY_COMPARE_WITH_TIMEOUT(lockOwner(lock), second.processId(), kStartMs);
        QCOMPARE(second.state(), QProcess::Running);
        second.kill();
        second.waitForFinished(kStartMs);
    }
};

KORRIMET_UI_TEST_MAIN(StartupTest)
#include "startup_uitest.moc"
