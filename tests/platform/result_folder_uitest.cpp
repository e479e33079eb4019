#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

#include "platform/result_folder.h"
#include "support/ui_support.h"

using namespace korrimet;

class ResultFolderTest : public QObject {
    Q_OBJECT

    QString expected() const {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("results");
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QDir(expected()).removeRecursively(); }
    void cleanup() {
        QFile::remove(expected());
        QDir(expected()).removeRecursively();
    }

    void isCreatedForItsOwnerOnly() {
        QString error;
        const QString folder = resultFolder(&error);
        QCOMPARE(folder, expected());
        QVERIFY(error.isEmpty());
        QFileInfo info(folder);
        QVERIFY(info.isDir());
        QCOMPARE(int(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                           QFile::ReadOther | QFile::WriteOther | QFile::ExeOther)),
                 0);
        QCOMPARE(resultFilePath("河二模式计算结果.txt"), QDir(folder).filePath("河二模式计算结果.txt"));
    }

    void anOpenedUpFolderIsMadePrivateAgain() {
        QVERIFY(QDir().mkpath(expected()));
        QFile::setPermissions(expected(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                              QFile::ExeOther);
        QVERIFY(!resultFolder().isEmpty());
        QVERIFY(!(QFileInfo(expected()).permissions() & QFile::ReadOther));
    }

    void aLinkInItsPlaceIsRefused() {
        QVERIFY(QDir().mkpath(QFileInfo(expected()).path()));
        QVERIFY(QFile::link(QDir::tempPath(), expected()));
        QString error;
        QVERIFY(resultFolder(&error).isEmpty());
        QVERIFY(!error.isEmpty());
        QVERIFY(resultFilePath("a.txt").isEmpty());
    }
};

KORRIMET_UI_TEST_MAIN(ResultFolderTest)
#include "result_folder_uitest.moc"
