// Path helpers, the wildcard file search and the removal of files.
#include "TestSupport.h"

#include <QtTest>

namespace {
const QString S = QString(QDir::separator());
void touch(const QString &path) { TestSupport::WriteFile(path, {}); }
} // namespace

class TestFileUtils : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pathHelpersFileSearchAndRemoval();
};

void TestFileUtils::pathHelpersFileSearchAndRemoval()
{
    QCOMPARE(PathAddBackslash(QString()), S);
    QCOMPARE(PathAddBackslash("pics"), "pics" + S);
    QCOMPARE(PathAddBackslash(S + "srv" + S), S + "srv" + S);
    QCOMPARE(TextTrimAtNul("PC-OFFICE"), QString("PC-OFFICE"));
    QCOMPARE(TextTrimAtNul(QString::fromLatin1("hans\0\0garbage", 13)), QString("hans"));
    QCOMPARE(TextTrimAtNul(QString::fromLatin1("\0abc", 4)), QString(""));

    // An empty path is refused and leaves the outputs as they were.
    const QString deep = S + "srv" + S + "velko" + S;
    const struct { QString full; bool ok; QString dir, file; } splits[] = {
        {deep + "Users.mdb", true, deep, "Users.mdb"}, {"Velko.mdb", true, "", "Velko.mdb"}, {deep, true, deep, ""},
        {"", false, "old dir", "old file"}};
    for (const auto &c : splits) {
        QString d = "old dir", f = "old file";
        QCOMPARE(PathSplit(c.full, d, f), c.ok);
        QCOMPARE(QStringList({d, f}), QStringList({c.dir, c.file}));
    }

    // The file search counts only visible files.
    TestSupport::Sandbox sb;
    const QString dir = PathAddBackslash(sb.dir.path() + S + "pics");
    QVERIFY(QDir().mkpath(dir + "album.jpg"));
    touch(dir + ".3000.jpg");
    touch(dir + "notes.txt");
    for (const QString &absent : QStringList{"*.jpg", "album.jpg", ".3000.jpg", "missing" + S + "*.jpg"})
        QVERIFY2(!FileExists(dir + absent), qPrintable(absent));
    QVERIFY(!FileExists(QString()));

    touch(dir + "0042.jpg");
    for (const QString &present : QStringList{"*.jpg", "00?2.jpg", "0042.jpg", "notes.txt"})
        QVERIFY2(FileExists(dir + present), qPrintable(present));
    QVERIFY(!FileExists(dir + "00?3.jpg"));

    // Outside TEMP every matching file goes, directories stay.
    QVERIFY(QDir().mkpath(dir + "sub.tmp"));
    touch(dir + "a.tmp");
    QCOMPARE(FilesKill(dir + "*.tmp"), int16_t(0));
    QVERIFY(!QFile::exists(dir + "a.tmp"));
    QVERIFY(QFile::exists(dir + "notes.txt"));
    QVERIFY(QFileInfo(dir + "sub.tmp").isDir());
    QCOMPARE(FilesKill(dir + "*.tmp"), int16_t(53));
    QCOMPARE(FilesKill(QString()), int16_t(53));

    // In TEMP only the scratch files of this run go.
    const QString temp = PathAddBackslash(sb.tempDir);
    QCOMPARE(TempDirectory(), temp);
    touch(temp + "other-program.tmp");
    touch(temp + "velko-00000000.tmp");
    const QString own1 = TempFileCreate(), own2 = TempFileCreate(), own3 = TempFileCreate();
    QVERIFY(own1 != own2);
    QVERIFY(own1.startsWith(temp) && own1.endsWith(".tmp") && QFile::exists(own1));
    QVERIFY(QFile::remove(own3));   // removed by other means: does not block the clean-up
    QCOMPARE(FilesKill(temp + "*.tmp"), int16_t(0));
    QVERIFY(!QFile::exists(own1));
    QVERIFY(!QFile::exists(own2));
    QVERIFY(QFile::exists(temp + "other-program.tmp"));
    QVERIFY(QFile::exists(temp + "velko-00000000.tmp"));
}

QTEST_MAIN(TestFileUtils)
#include "tst_fileutils.moc"
