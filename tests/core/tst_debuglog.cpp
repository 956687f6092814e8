// The diagnostic log: where it goes, the header block, separator lines and
// switching the outputs on and off.
#include "TestSupport.h"

#include <QtTest>

namespace {

QStringList logLines(const TestSupport::Sandbox &sb)
{
    QString text = sb.logText();
    if (text.endsWith(NewLine))
        text.chop(NewLine.size());
    return text.isEmpty() ? QStringList() : text.split(NewLine);
}

} // namespace

class TestDebugLog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Seams::SetClock({}); }
    void placeHeaderSeparatorsAndTargets();
};

void TestDebugLog::placeHeaderSeparatorsAndTargets()
{
    TestSupport::Sandbox sb;
    QCOMPARE(sb.logPath(), PathAddBackslash(sb.tempDir) + "velko.log");
    sb.writeIni("[Config]\nQDBVER=2024.1\nMAXQPT=4-3-2\nUSERDB_ENGINE=postgresql\nUSERDB_HOST=server.school\n"
                "USERDB_PORT=5433\nUSERDB_DATABASE=velko\nUSERDB_USER=kiosk\nUSERDB_PASSWORD=secret\n");
    const QDateTime start(QDate(2026, 3, 14), QTime(9, 26, 53));
    Seams::SetClock([start] { return start; });
    WindowsVersionText = "6.1.7601";
    PCNameText = "FAHRSCHULE-1";
    WindowsUserText = QString::fromUtf8("Jürg");

    sb.log->LogPrintHeader();

    const QLocale locale = QLocale::system();
    const QString sep = QDir::separator();
    const QStringList expected = {
        QString(80, '='),
        "Program Name & Ver. : " + ProgramVersionBuild(),
        "Program File & Path : " + sb.programDir + sep + "velko",
        "Program Date & Time : file not found ...",
        "Program Config Path : " + sb.programDir + sep + "velko.ini",
        "Velko.ini - QDBVER  : 2024.1",
        "Velko.ini - MAXQPT  : 4-3-2",
        "User Database       : PostgreSQL kiosk@server.school:5433/velko",
        "Start Date & Time   : " + locale.toString(start.date(), QLocale::ShortFormat) + " "
            + locale.toString(start.time(), QLocale::ShortFormat),
        "Windows Version     : 6.1.7601",
        "PC Name             : FAHRSCHULE-1",
        QString::fromUtf8("User Name           : Jürg"),
        QString(80, '='),
    };
    QCOMPARE(logLines(sb), expected);
    clsDebug &log = *sb.log;
    log.LogFileDel();
    QVERIFY(!QFile::exists(sb.logPath()));

    log.LogPrintSeparatorLine("-", 0);
    log.LogPrintSeparatorLine("-=", 5);
    log.LogPrint("before");
    log.LogDisable(log.LogTargetFile);
    log.LogPrint("while disabled");
    log.LogEnable(log.LogTargetFile);
    log.LogPrint("after");
    QCOMPARE(logLines(sb), QStringList({QString(80, '-'), "-----", "before", "after"}));

    // TEMP unset or empty: the log goes to the platform's temporary directory.
    const QByteArray oldTmpDir = qgetenv("TMPDIR");
    const bool hadTmpDir = qEnvironmentVariableIsSet("TMPDIR");
    auto restore = qScopeGuard([&] { hadTmpDir ? qputenv("TMPDIR", oldTmpDir) : qunsetenv("TMPDIR"); });
    for (const bool unset : {true, false}) {
        TestSupport::Sandbox sb;
        const QString platformTemp = sb.dir.path() + "/platform-temp";
        QVERIFY(QDir().mkpath(platformTemp));
        qputenv("TMPDIR", platformTemp.toUtf8());
        unset ? qunsetenv("TEMP") : qputenv("TEMP", QByteArray());
        clsDebug log;
        log.LogEnable(log.LogTargetFile);
        log.LogPrint("not lost");
        QCOMPARE(QString::fromUtf8(TestSupport::ReadFile(PathAddBackslash(platformTemp) + "velko.log")), "not lost" + NewLine);
    }
}

QTEST_MAIN(TestDebugLog)
#include "tst_debuglog.moc"
