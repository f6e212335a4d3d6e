// Where the program keeps its files: beside a portable copy, in the user's data folder when
// installed or when the executable's folder takes no files.

#include "app/platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

class ProgramFolderTest : public QObject
{
    Q_OBJECT

    QTemporaryDir root;
    QString at(const QString &relative) const { return root.filePath(relative); }

private slots:
    void aPortableCopyKeepsItsFilesBesideTheExecutable()
    {
        QVERIFY(QDir().mkpath(at("portable")));
        QCOMPARE(Platform::programFolder(at("portable"), at("data/Numlet")), at("portable/"));
        QCOMPARE(Platform::programFolder(at("portable/"), at("data/Numlet")), at("portable/"));
        // The probe leaves nothing behind, and the data folder is never made.
        QCOMPARE(
            QDir(at("portable")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
        QVERIFY(!QFileInfo::exists(at("data")));
    }

    void anInstalledProgramUsesTheUserDataFolder()
    {
        // Even when its folder is writable, as /usr/bin is for root.
        QVERIFY(QDir().mkpath(at("prefix/bin")));
        QVERIFY(QDir().mkpath(at("prefix/share/applications")));
        QFile entry(at("prefix/share/applications/cz.numlet.Numlet.desktop"));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.close();
        QCOMPARE(Platform::programFolder(at("prefix/bin"), at("home/.local/share/Numlet")),
                 at("home/.local/share/Numlet/"));
        QVERIFY(QFileInfo(at("home/.local/share/Numlet")).isDir());
        // Created once; the second start finds it.
        QCOMPARE(Platform::programFolder(at("prefix/bin"), at("home/.local/share/Numlet")),
                 at("home/.local/share/Numlet/"));
    }

    void aFolderThatTakesNoFilesUsesTheUserDataFolder()
    {
        QCOMPARE(Platform::programFolder(at("no such folder"), at("data2")), at("data2/"));
        QVERIFY(QFileInfo(at("data2")).isDir());
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QVERIFY(QDir().mkpath(at("readonly")));
        QVERIFY(QFile::setPermissions(at("readonly"), QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(Platform::programFolder(at("readonly"), at("data3")), at("data3/"));
        QFile::setPermissions(at("readonly"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
    }

    void withoutADataLocationTheExecutablesFolderStays()
    {
        QCOMPARE(Platform::programFolder(at("no such folder"), QString()), at("no such folder/"));
    }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "tst_programfolder.moc"
