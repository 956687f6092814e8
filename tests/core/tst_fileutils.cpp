// Path helpers, the file search with wildcards and the removal of files,
// including the clean-up of the temporary directory.
#include "TestSupport.h"

#include <QtTest>

namespace {

const QString S = QString(QDir::separator());

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write("x");
}

} // namespace

class TestFileUtils : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pathAddBackslash();
    void pathSplit_data();
    void pathSplit();
    void pathSplitEmptyLeavesOutputs();
    void textTrimAtNul_data();
    void textTrimAtNul();
    void fileExistsCountsOnlyVisibleFiles();
    void filesKillOutsideTemp();
    void filesKillInTempOnlyOwnFiles();
};

void TestFileUtils::pathAddBackslash()
{
    QCOMPARE(PathAddBackslash(QString()), S);
    QCOMPARE(PathAddBackslash(S + "srv" + S + "velko"), S + "srv" + S + "velko" + S);
    QCOMPARE(PathAddBackslash(S + "srv" + S + "velko" + S), S + "srv" + S + "velko" + S);
    QCOMPARE(PathAddBackslash(S), S);
    QCOMPARE(PathAddBackslash("pics"), "pics" + S);
}

void TestFileUtils::pathSplit_data()
{
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("file");
    QTest::newRow("several levels") << S + "srv" + S + "velko" + S + "db" + S + "Users.mdb"
                                    << S + "srv" + S + "velko" + S + "db" + S << "Users.mdb";
    QTest::newRow("one level") << "data" + S + "Velko.mdb" << "data" + S << "Velko.mdb";
    QTest::newRow("bare name") << "Velko.mdb" << "" << "Velko.mdb";
    QTest::newRow("directory only") << S + "pics" + S << S + "pics" + S << "";
}

void TestFileUtils::pathSplit()
{
    QFETCH(QString, full);
    QFETCH(QString, dir);
    QFETCH(QString, file);
    QString d = "old dir", f = "old file";
    QVERIFY(PathSplit(full, d, f));
    QCOMPARE(d, dir);
    QCOMPARE(f, file);
    QCOMPARE(d + f, full);
}

void TestFileUtils::pathSplitEmptyLeavesOutputs()
{
    QString d = "keep" + S, f = "keep.mdb";
    QVERIFY(!PathSplit(QString(), d, f));
    QCOMPARE(d, "keep" + S);
    QCOMPARE(f, QString("keep.mdb"));
}

void TestFileUtils::textTrimAtNul_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no nul") << QString("PC-OFFICE") << QString("PC-OFFICE");
    QTest::newRow("buffer tail") << QString::fromLatin1("hans\0\0\0garbage", 14) << QString("hans");
    QTest::newRow("leading nul") << QString::fromLatin1("\0abc", 4) << QString("");
    QTest::newRow("empty") << QString() << QString("");
}

void TestFileUtils::textTrimAtNul()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TextTrimAtNul(text), expected);
}

void TestFileUtils::fileExistsCountsOnlyVisibleFiles()
{
    TestSupport::Sandbox sb;
    const QString pics = sb.dir.path() + S + "pics";
    QVERIFY(QDir().mkpath(pics));
    const QString dir = PathAddBackslash(pics);

    // Neither a directory nor a hidden file is a picture.
    QVERIFY(QDir().mkpath(dir + "album.jpg"));
    touch(dir + ".3000.jpg");
    touch(dir + "notes.txt");
    QVERIFY(!FileExists(dir + "*.jpg"));
    QVERIFY(!FileExists(dir + "album.jpg"));
    QVERIFY(!FileExists(dir + ".3000.jpg"));
    QVERIFY(!FileExists(dir + "3000.jpg"));
    QVERIFY(!FileExists(dir + "missing" + S + "*.jpg"));
    QVERIFY(!FileExists(QString()));

    touch(dir + "0042.jpg");
    QVERIFY(FileExists(dir + "*.jpg"));
    QVERIFY(FileExists(dir + "00?2.jpg"));
    QVERIFY(!FileExists(dir + "00?3.jpg"));
    QVERIFY(FileExists(dir + "0042.jpg"));
    QVERIFY(FileExists(dir + "notes.txt"));
    QVERIFY(!FileExists(dir + "*.bmp"));
}

void TestFileUtils::filesKillOutsideTemp()
{
    TestSupport::Sandbox sb;
    const QString dir = PathAddBackslash(sb.dir.path() + S + "work");
    QVERIFY(QDir().mkpath(dir));
    touch(dir + "a.tmp");
    touch(dir + "b.tmp");
    touch(dir + "keep.txt");
    QVERIFY(QDir().mkpath(dir + "sub.tmp"));

    QCOMPARE(FilesKill(dir + "*.tmp"), int16_t(0));
    QVERIFY(!QFile::exists(dir + "a.tmp"));
    QVERIFY(!QFile::exists(dir + "b.tmp"));
    QVERIFY(QFile::exists(dir + "keep.txt"));
    QVERIFY(QFileInfo(dir + "sub.tmp").isDir());

    // Nothing left to match: "file not found".
    QCOMPARE(FilesKill(dir + "*.tmp"), int16_t(53));
    QCOMPARE(FilesKill(dir + "nothing" + S + "*.tmp"), int16_t(53));
    QCOMPARE(FilesKill(QString()), int16_t(53));
    QVERIFY(QFile::exists(dir + "keep.txt"));
}

void TestFileUtils::filesKillInTempOnlyOwnFiles()
{
    TestSupport::Sandbox sb;
    const QString temp = PathAddBackslash(sb.tempDir);
    QCOMPARE(TempDirectory(), temp);

    touch(temp + "other-program.tmp");
    touch(temp + "velko-00000000.tmp");   // looks like ours, but this run did not create it
    const QString own1 = TempFileCreate();
    const QString own2 = TempFileCreate();
    QVERIFY(own1 != own2);
    for (const QString &own : {own1, own2}) {
        QVERIFY(QFile::exists(own));
        QVERIFY(own.startsWith(temp));
        QVERIFY(own.endsWith(".tmp"));
    }

    QCOMPARE(FilesKill(TempDirectory() + "*.tmp"), int16_t(0));
    QVERIFY(!QFile::exists(own1));
    QVERIFY(!QFile::exists(own2));
    QVERIFY(QFile::exists(temp + "other-program.tmp"));
    QVERIFY(QFile::exists(temp + "velko-00000000.tmp"));

    // Only foreign files remain: nothing of ours to remove.
    QCOMPARE(FilesKill(TempDirectory() + "*.tmp"), int16_t(53));
    QVERIFY(QFile::exists(temp + "other-program.tmp"));

    // A scratch file that was removed by other means does not block the next clean-up.
    const QString own3 = TempFileCreate();
    const QString own4 = TempFileCreate();
    QVERIFY(QFile::remove(own3));
    QCOMPARE(FilesKill(TempDirectory() + "*.tmp"), int16_t(0));
    QVERIFY(!QFile::exists(own4));
}

QTEST_MAIN(TestFileUtils)
#include "tst_fileutils.moc"
