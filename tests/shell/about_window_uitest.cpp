#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

#include "platform/desktop_programs.h"
#include "shell/about_window.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kAbout = "frmAbout";
const QString kUnavailable = "此时系统信息不可用";
}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir bin_;
    QByteArray savedPath_;
    QPointer<QWidget> w_;

    QString label(const QString& name) const { return test::child<QLabel>(w_, name)->text(); }

    // A stand-in system-information program that notes each start in a log.
    QString installSysInfo(const QString& firstLine = "#!/bin/sh") {
        const QString log = bin_.filePath("started.log");
        QFile f(bin_.filePath(DesktopProgramCandidates("MSINFO32.EXE").first()));
        if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write the stand-in program");
        f.write((firstLine + "\necho started >> '" + log + "'\n").toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        return log;
    }
    static int starts(const QString& log) {
        QFile f(log);
        return f.open(QIODevice::ReadOnly) ? int(f.readAll().count('\n')) : 0;
    }

private slots:
    void initTestCase() {
        QApplication::setApplicationName("Korrimet");
        QApplication::setApplicationVersion("2011.11.0.4");
        // No real program may start from this test.
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", bin_.path().toLocal8Bit());
    }
    void cleanupTestCase() { qputenv("PATH", savedPath_); }
    void init() { w_ = test::openTool(kAbout); }
    void cleanup() {
        test::closeAllTools();
        for (const QString& f : QDir(bin_.path()).entryList(QDir::Files)) QFile::remove(bin_.filePath(f));
        QApplication::setApplicationVersion("2011.11.0.4");
    }

    void loadShowsTheTitleAndVersionOfTheApplication() {
        QCOMPARE(w_->windowTitle(), "关于 Korrimet");
        QCOMPARE(label("lblTitle"), "Korrimet");
        QCOMPARE(label("lblVersion"), "版本 2011.11.4");
        QCOMPARE(label("lblDisclaimer"),
                 "本程序引用《八五环境统计手册》、《环境保护计算手册》、《工业污染物产生和排放系数手册》、"
                 "《环境影响评价培训教材》《环境风险评价实用技术与方法》等书中的资料和公式，表示感谢！");
        QCOMPARE(w_->width(), 384);
        // The disclaimer's lines all fit, clear of the bottom edge.
        auto* disclaimer = test::child<QLabel>(w_, "lblDisclaimer");
        QVERIFY(disclaimer->heightForWidth(disclaimer->width()) <= disclaimer->height());
        QVERIFY(disclaimer->geometry().bottom() <= w_->height() - 6);
        QVERIFY(!test::child<QLabel>(w_, "picIcon")->pixmap().isNull());
        QVERIFY(test::child<QPushButton>(w_, "cmdOK")->isDefault());
        QCOMPARE(test::child<QPushButton>(w_, "cmdSysInfo")->text(), "系统信息(&S)...");
    }

    void theVersionIsReadAtEachLoad() {
        QCOMPARE(AboutWindow::VersionText("2011.11.0.4"), "版本 2011.11.4");
        QCOMPARE(AboutWindow::VersionText("1.02.9.007"), "版本 1.2.7");
        QCOMPARE(AboutWindow::VersionText("5"), "版本 5.0.0");
        QApplication::setApplicationVersion("3.5.9.1");
        QCOMPARE(label("lblVersion"), "版本 2011.11.4");  // an open window keeps its text
        test::closeAllTools();
        w_ = test::openTool(kAbout);
        QCOMPARE(label("lblVersion"), "版本 3.5.1");
    }

    void okEscapeAndEnterCloseAndTheNextOpeningLoadsAnew() {
        test::click(w_, "cmdOK");
        QTRY_VERIFY(w_.isNull());
        w_ = test::openTool(kAbout);
        QTest::keyClick(test::child<QPushButton>(w_, "cmdSysInfo"), Qt::Key_Escape);
        QTRY_VERIFY(w_.isNull());
        w_ = test::openTool(kAbout);
        QCOMPARE(label("lblVersion"), "版本 2011.11.4");
        QTest::keyClick(test::child<QPushButton>(w_, "cmdOK"), Qt::Key_Return);
        QTRY_VERIFY(w_.isNull());
    }

    void enterOnTheFocusedSysInfoButtonPressesItInstead() {
        const QString log = installSysInfo();
        QTest::keyClick(test::child<QPushButton>(w_, "cmdSysInfo"), Qt::Key_Return);
        QTRY_COMPARE(starts(log), 1);
        QVERIFY(w_ && w_->isVisible());
    }

    void altSPressesTheSysInfoButton() {
        const QString log = installSysInfo();
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_));
        QTest::keyClick(w_, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(starts(log), 1);
    }

    void aFoundProgramStartsEachTimeAndTheWindowStays() {
        const QString log = installSysInfo();
        MessageRecorder messages;
        test::click(w_, "cmdSysInfo");
        QTRY_COMPARE(starts(log), 1);
        test::click(w_, "cmdSysInfo");
        QTRY_COMPARE(starts(log), 2);
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(w_ && w_->isVisible());
    }

    void noProgramOrOneThatCannotStartGivesTheOneMessage() {
        MessageRecorder messages;
        test::click(w_, "cmdSysInfo");
        QCOMPARE(messages.messages(), QStringList{kUnavailable});
        QVERIFY(w_ && w_->isVisible());

        messages.clear();
        // Found, but it cannot start: the message says the start failed, so nothing runs.
        installSysInfo("#!/no/such/interpreter");
        QVERIFY(!FindDesktopProgram("MSINFO32.EXE").isEmpty());
        test::click(w_, "cmdSysInfo");
        QCOMPARE(messages.messages(), QStringList{kUnavailable});
    }
};

KORRIMET_UI_TEST_MAIN(AboutWindowTest)
#include "about_window_uitest.moc"
