#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/desktop_programs.h"
#include "support/ui_support.h"

using namespace korrimet;

class DesktopProgramsTest : public QObject {
    Q_OBJECT
    QTemporaryDir bin_;
    QByteArray savedPath_;

    void install(const QString& name, const QString& body = "exit 0") {
        QFile f(bin_.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(("#!/bin/sh\n" + body + "\n").toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }

private slots:
    void initTestCase() {
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", bin_.path().toLocal8Bit());
    }
    void cleanupTestCase() { qputenv("PATH", savedPath_); }
    void cleanup() {
        for (const QString& f : QDir(bin_.path()).entryList(QDir::Files)) QFile::remove(bin_.filePath(f));
    }

    void eachNameHasStandInsOfItsKind() {
        QVERIFY(DesktopProgramCandidates("NOTEPAD.EXE").contains("gedit"));
        QVERIFY(DesktopProgramCandidates("calc.exe").contains("gnome-calculator"));
        QVERIFY(DesktopProgramCandidates("mspaint.exe").contains("kolourpaint"));
        QCOMPARE(DesktopProgramCandidates("Notepad.exe"), DesktopProgramCandidates("NOTEPAD.EXE"));
        QVERIFY(DesktopProgramCandidates("winword.exe").isEmpty());
    }

    void theFirstInstalledStandInInListOrderIsChosen() {
        const QStringList editors = DesktopProgramCandidates("NOTEPAD.EXE");
        install(editors[3]);
        install(editors[1]);
        QCOMPARE(FindDesktopProgram("NOTEPAD.EXE"), bin_.filePath(editors[1]));
        QVERIFY(FindDesktopProgram("calc.exe").isEmpty());
    }

    void aMissingProgramIsReportedInsteadOfIgnored() {
        MessageRecorder messages;
        QVERIFY(!StartDesktopProgram("calc.exe"));
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages()[0].contains("计算器"));
        QVERIFY(messages.messages()[0].contains(DesktopProgramCandidates("calc.exe").first()));
        messages.clear();
        QVERIFY(!StartDesktopProgram("winword.exe"));
        QCOMPARE(messages.messages().size(), 1);
    }

    void aCallerMayGiveItsOwnMessageForEveryFailure() {
        MessageRecorder messages;
        QVERIFY(!StartDesktopProgram("MSINFO32.EXE", nullptr, "不可用"));  // none installed
        const QString name = DesktopProgramCandidates("msinfo32.exe").first();
        install(name);
        QFile f(bin_.filePath(name));  // found, but its interpreter is missing: it cannot start
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/no/such/interpreter\n");
        f.close();
        QVERIFY(!StartDesktopProgram("MSINFO32.EXE", nullptr, "不可用"));
        QCOMPARE(messages.messages(), QStringList({"不可用", "不可用"}));
    }

    void aFoundProgramStartsDetached() {
        const QString marker = bin_.filePath("ran");
        install(DesktopProgramCandidates("mspaint.exe").last(), ": > '" + marker + "'");
        MessageRecorder messages;
        QVERIFY(StartDesktopProgram("mspaint.exe"));
        QTRY_VERIFY(QFile::exists(marker));
        QVERIFY(messages.messages().isEmpty());
    }
};

KORRIMET_UI_TEST_MAIN(DesktopProgramsTest)
#include "desktop_programs_uitest.moc"
