#include "TestSupport.h"

#include <QtTest>

class TestIni : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void missingFileSectionAndKey();
    void emptyAndLongValues();
    void writeKeepsEverythingElse();
    void writeCreatesFileAndSection();
};

void TestIni::missingFileSectionAndKey()
{
    TestSupport::Sandbox sb;
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", "DB_PATH"), QString("NotFound"));
    sb.writeIni("[Other]\nDB_PATH=/x\n[Config]\nQDBVER=7\n");
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", "DB_PATH"), QString("NotFound"));
    QCOMPARE(GetINIvalue(sb.iniPath(), "Nowhere", "QDBVER"), QString("NotFound"));
    QCOMPARE(GetINIvalue(sb.iniPath(), "config", "qdbver"), QString("7"));
}

void TestIni::emptyAndLongValues()
{
    TestSupport::Sandbox sb;
    const QString longValue(300, QLatin1Char('x'));
    sb.writeIni("[Config]\r\nPIC_PATH=\r\nLONG=" + longValue + "\r\nWIN = C:\\Velko\\Bilder\\ \r\n");
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", "PIC_PATH"), QString(""));
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", "LONG"), QString(254, QLatin1Char('x')));
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", "WIN"), QString("C:\\Velko\\Bilder\\"));
    QCOMPARE(PathAddBackslash(GetINIvalue(sb.iniPath(), "Config", "PIC_PATH")), QString(QDir::separator()));
}

void TestIni::writeKeepsEverythingElse()
{
    TestSupport::Sandbox sb;
    sb.writeIni("; school settings\n[Config]\nDB_PATH=/old/\n; pictures below\nPIC_PATH=/pics/\n\n[Printer]\nName=Front desk\n");
    SetINIvalue(sb.iniPath(), "CONFIG", "db_path", "/srv/velko/");
    SetINIvalue(sb.iniPath(), "Config", "USERDB_PATH", "/srv/users/");
    SetINIvalue(sb.iniPath(), "Printer", "Copies", "2");
    QFile f(sb.iniPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()),
             QString("; school settings\n[Config]\ndb_path=/srv/velko/\n; pictures below\nPIC_PATH=/pics/\n"
                     "USERDB_PATH=/srv/users/\n\n[Printer]\nName=Front desk\nCopies=2\n"));
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", "DB_PATH"), QString("/srv/velko/"));
}

void TestIni::writeCreatesFileAndSection()
{
    TestSupport::Sandbox sb;
    QVERIFY(!QFile::exists(sb.iniPath()));
    SetINIvalue(sb.iniPath(), "Config", "PIC_PATH", "/a\\b");
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", "PIC_PATH"), QString("/a\\b"));
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", "DB_NAME"), QString("NotFound"));
}

QTEST_MAIN(TestIni)
#include "tst_ini.moc"
