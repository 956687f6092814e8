#include "TestSupport.h"

#include <QtTest>

class TestIni : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readRules_data();
    void readRules();
    void writeChangesOneLineOnly();
};

// What a read of [Config] finds; "NotFound" for a missing file (empty here),
// section or key.
void TestIni::readRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QByteArray bom("\xEF\xBB\xBF");
    QTest::newRow("no file") << QByteArray() << "DB_PATH" << "NotFound";
    QTest::newRow("no key") << QByteArray("[Other]\nDB_PATH=/x\n[Config]\nQDBVER=7\n") << "DB_PATH" << "NotFound";
    QTest::newRow("no section") << QByteArray("[Other]\nQDBVER=7\n") << "QDBVER" << "NotFound";
    QTest::newRow("other case") << QByteArray("[CONFIG]\nQDBVER=7\n") << "qdbver" << "7";
    QTest::newRow("empty value") << QByteArray("[Config]\r\nPIC_PATH=\r\nX=1\r\n") << "PIC_PATH" << "";
    QTest::newRow("long value") << "[Config]\r\nLONG=" + QByteArray(300, 'x') + "\r\n" << "LONG" << QString(254, 'x');
    QTest::newRow("blanks around") << QByteArray("[Config]\r\nWIN = C:\\Velko\\ \r\n") << "WIN" << "C:\\Velko\\";
    QTest::newRow("byte-order mark") << bom + "[Config]\r\nDB_PATH=/bom/\r\n" << "DB_PATH" << "/bom/";
    QTest::newRow("first of two keys, other case")
        << QByteArray("[Config]\ndb_path = /a\nDB_PATH=/b\n") << "DB_PATH" << "/a";
    QTest::newRow("key of a second section ignored")
        << QByteArray("[Config]\nQDBVER=7\n[Other]\nX=1\n[config]\nPIC_PATH=/late/\n") << "PIC_PATH" << "NotFound";
    QTest::newRow("key of the first of two sections")
        << QByteArray("[Config]\nDB_PATH=/first\n[Config]\nDB_PATH=/second\n") << "DB_PATH" << "/first";
    QTest::newRow("double quotes") << QByteArray("[Config]\nDB_PATH=\"C:\\Velko\\\"\n") << "DB_PATH"
                                   << "C:\\Velko\\";
    QTest::newRow("single quotes") << QByteArray("[Config]\nDB_PATH='/srv/velko/'\n") << "DB_PATH" << "/srv/velko/";
    QTest::newRow("blanks inside quotes kept") << QByteArray("[Config]\nDB_NAME =  \" a b \"  \n") << "DB_NAME"
                                               << " a b ";
    QTest::newRow("one pair only") << QByteArray("[Config]\nQDBVER=\"\"7\"\"\n") << "QDBVER" << "\"7\"";
    QTest::newRow("empty quotes") << QByteArray("[Config]\nQDBVER=\"\"\n") << "QDBVER" << "";
    QTest::newRow("unmatched quotes kept") << QByteArray("[Config]\nQDBVER=\"7'\n") << "QDBVER" << "\"7'";
    QTest::newRow("lone quote kept") << QByteArray("[Config]\nQDBVER=\"\n") << "QDBVER" << "\"";
    QTest::newRow("inner quotes kept") << QByteArray("[Config]\nQDBVER=a \"b\" c\n") << "QDBVER" << "a \"b\" c";
}

void TestIni::readRules()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TestSupport::Sandbox sb;
    if (!file.isEmpty())
        TestSupport::WriteFile(sb.iniPath(), file);
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", key), expected);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

// A write changes the line that a read takes and nothing else; a missing key goes at the end of its
// section, a missing section or file is made; a line break is refused.
void TestIni::writeChangesOneLineOnly()
{
    TestSupport::Sandbox sb;
    SetINIvalue(sb.iniPath(), "Config", "PIC_PATH", "/a\\b");
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", "PIC_PATH"), QString("/a\\b"));
    sb.writeIni("; school settings\n[Config]\nDB_PATH=/old/\n; pictures below\nPIC_PATH=/pics/\n\n[Printer]\nName=Front desk\n");
    SetINIvalue(sb.iniPath(), "CONFIG", "db_path", "/srv/velko/");
    SetINIvalue(sb.iniPath(), "Config", "USERDB_PATH", "/srv/users/");
    SetINIvalue(sb.iniPath(), "Printer", "Copies", "2");
    QCOMPARE(QString::fromUtf8(TestSupport::ReadFile(sb.iniPath())),
             QString("; school settings\n[Config]\ndb_path=/srv/velko/\n; pictures below\nPIC_PATH=/pics/\n"
                     "USERDB_PATH=/srv/users/\n\n[Printer]\nName=Front desk\nCopies=2\n"));

    TestSupport::WriteFile(sb.iniPath(), "\xEF\xBB\xBF[Config]\r\nDB_PATH=/a\r\nDB_PATH=/b\r\n[Config]\r\nPIC_PATH=/late/\r\n");
    SetINIvalue(sb.iniPath(), "Config", "DB_PATH", "/c");
    SetINIvalue(sb.iniPath(), "Config", "PIC_PATH", "/pics/");
    QCOMPARE(TestSupport::ReadFile(sb.iniPath()), QByteArray("\xEF\xBB\xBF[Config]\r\nDB_PATH=/c\r\nDB_PATH=/b\r\nPIC_PATH=/pics/\r\n"
                                     "[Config]\r\nPIC_PATH=/late/\r\n"));
    QVERIFY(RuntimeErrorLines().isEmpty());

    // A line break would end the written line early and let the rest stand as a
    // line of its own; such a write is refused and reported, the file untouched.
    const struct { const char *key, *value, *part; } cases[] = {{"DB_PATH", "/srv/\nPIC_PATH=/evil/", "value"},
                                                                {"DB_PATH", "/srv/\rPIC_PATH=/evil/", "value"},
                                                                {"PIC_PATH=/evil/\nDB_PATH", "/srv/", "key name"}};
    const QByteArray before("[Config]\nDB_PATH=/old/\nPIC_PATH=/pics/\n");
    for (const auto &c : cases) {
        RuntimeErrorLinesClear();
        sb.writeIni(QString::fromUtf8(before));
        SetINIvalue(sb.iniPath(), "Config", c.key, c.value);
        QCOMPARE(TestSupport::ReadFile(sb.iniPath()), before);
        QCOMPARE(RuntimeErrorLines().size(), 1);
        const QString line = RuntimeErrorLines().first();
        QVERIFY2(line.startsWith("Error 5 : ") && line.endsWith("(modMain -> SetINIvalue)")
                     && line.contains(QString("the %1 for key").arg(c.part)) && line.contains("contains a line break"),
                 qPrintable(line));
        QFile::remove(sb.iniPath());   // nor is a missing file created
        SetINIvalue(sb.iniPath(), "Config", c.key, c.value);
        QVERIFY(!QFile::exists(sb.iniPath()));
        QCOMPARE(RuntimeErrorLines().size(), 2);
    }
}

QTEST_MAIN(TestIni)
#include "tst_ini.moc"
