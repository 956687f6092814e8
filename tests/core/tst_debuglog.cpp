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

// Restores an environment variable when the test ends, also on failure.
class EnvRestore
{
public:
    explicit EnvRestore(const char *name) : m_name(name), m_set(qEnvironmentVariableIsSet(name)),
                                            m_value(qgetenv(name)) {}
    ~EnvRestore()
    {
        if (m_set)
            qputenv(m_name, m_value);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_set;
    QByteArray m_value;
};

QStringList g_debugMessages;
void collectDebug(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtDebugMsg)
        g_debugMessages << text;
}

} // namespace

class TestDebugLog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void creationDefaults();
    void headerBlock();
    void headerWithProgramFileAndMissingIni();
    void separatorLines();
    void disableStopsAndEnableResumesAppending();
    void debuggerOutputIsIndependentOfFile();
    void logFileDel();
    void missingTempUsesPlatformTempDirectory_data();
    void missingTempUsesPlatformTempDirectory();
};

void TestDebugLog::cleanup()
{
    Seams::SetClock({});
    qInstallMessageHandler(nullptr);
}

void TestDebugLog::creationDefaults()
{
    TestSupport::Sandbox sb;
    clsDebug log;
    QCOMPARE(log.LogTargetList, uint8_t(1));
    QCOMPARE(log.LogTargetDebugger, uint8_t(2));
    QCOMPARE(log.LogTargetFile, uint8_t(4));
    QCOMPARE(log.LogState(), uint8_t(0));
    QCOMPARE(log.LogFilePath(), PathAddBackslash(sb.tempDir));
    QCOMPARE(log.LogFileName(), QString("velko.log"));

    // Nothing is written before the output is switched on.
    log.setLogFileName("fresh.log");
    log.LogPrint("too early");
    QVERIFY(!QFile::exists(sb.tempDir + "/fresh.log"));

    log.setLogFilePath(sb.dir.path());
    QCOMPARE(log.LogFilePath(), PathAddBackslash(sb.dir.path()));
    log.setLogFilePath(PathAddBackslash(sb.tempDir));
    QCOMPARE(log.LogFilePath(), PathAddBackslash(sb.tempDir));

    log.LogEnable(log.LogTargetFile | log.LogTargetList);
    QCOMPARE(log.LogState(), uint8_t(5));
    log.LogPrint("first");
    log.LogPrint(QString::fromUtf8("Benützer gelöscht"));
    QFile f(sb.tempDir + "/fresh.log");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()),
             "first" + NewLine + QString::fromUtf8("Benützer gelöscht") + NewLine);
}

void TestDebugLog::headerBlock()
{
    TestSupport::Sandbox sb;
    sb.writeIni("[Config]\nQDBVER=2024.1\nMAXQPT=4-3-2\n");
    const QDateTime start(QDate(2026, 3, 14), QTime(9, 26, 53));
    Seams::SetClock([start] { return start; });
    WindowsVersionText = "6.1.7601";
    PCNameText = "FAHRSCHULE-1";
    WindowsUserText = "instruktor";

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
        "Start Date & Time   : " + locale.toString(start.date(), QLocale::ShortFormat) + " "
            + locale.toString(start.time(), QLocale::ShortFormat),
        "Windows Version     : 6.1.7601",
        "PC Name             : FAHRSCHULE-1",
        "User Name           : instruktor",
        QString(80, '='),
    };
    const QStringList lines = logLines(sb);
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(lines[i], expected[i]);
    QVERIFY(ProgramVersionBuild().startsWith("Velko "));

    // Every start adds one more block; nothing is truncated.
    sb.log->LogPrintHeader();
    QCOMPARE(logLines(sb).size(), 2 * expected.size());
}

void TestDebugLog::headerWithProgramFileAndMissingIni()
{
    TestSupport::Sandbox sb;
    const QString programFile = sb.programDir + QDir::separator() + "velko";
    {
        QFile f(programFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("binary");
    }
    const QDateTime built(QDate(2025, 11, 2), QTime(17, 45, 0));
    {
        QFile f(programFile);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(built, QFileDevice::FileModificationTime));
    }

    sb.log->LogPrintHeader();

    const QStringList lines = logLines(sb);
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines[3], "Program Date & Time : " + QLocale::system().toString(built, QLocale::ShortFormat));
    QCOMPARE(lines[5], QString("Velko.ini - QDBVER  : NotFound"));
    QCOMPARE(lines[6], QString("Velko.ini - MAXQPT  : NotFound"));
    QCOMPARE(lines[8], QString("Windows Version     : "));
    QCOMPARE(lines[9], QString("PC Name             : ?"));

    // A key present in another section is still missing from "Config".
    sb.writeIni("[Other]\nQDBVER=9\n[Config]\nMAXQPT=\n");
    sb.log->LogFileDel();
    sb.log->LogPrintHeader();
    const QStringList again = logLines(sb);
    QCOMPARE(again.size(), 12);
    QCOMPARE(again[5], QString("Velko.ini - QDBVER  : NotFound"));
    QCOMPARE(again[6], QString("Velko.ini - MAXQPT  : "));
}

void TestDebugLog::separatorLines()
{
    TestSupport::Sandbox sb;
    sb.log->LogPrintSeparatorLine("-", 0);
    sb.log->LogPrintSeparatorLine("*", -7);
    sb.log->LogPrintSeparatorLine("-=", 5);
    sb.log->LogPrintSeparatorLine("#", 1);
    sb.log->LogPrintSeparatorLine("+", 120);
    QCOMPARE(logLines(sb), QStringList({QString(80, '-'), QString(80, '*'), QString("-----"),
                                        QString("#"), QString(120, '+')}));
}

void TestDebugLog::disableStopsAndEnableResumesAppending()
{
    TestSupport::Sandbox sb;
    clsDebug &log = *sb.log;
    log.LogPrint("before");
    log.LogDisable(log.LogTargetFile);
    QCOMPARE(log.LogState(), uint8_t(1));
    log.LogPrint("while disabled");
    QCOMPARE(logLines(sb), QStringList({"before"}));

    // Disabling a target that is off changes nothing.
    log.LogDisable(log.LogTargetDebugger);
    QCOMPARE(log.LogState(), uint8_t(1));

    log.LogEnable(log.LogTargetFile);
    QCOMPARE(log.LogState(), uint8_t(5));
    log.LogPrint("after");
    QCOMPARE(logLines(sb), QStringList({"before", "after"}));

    log.LogDisable(log.LogTargetFile | log.LogTargetList);
    QCOMPARE(log.LogState(), uint8_t(0));
    log.LogPrint("silent");
    log.LogPrintHeader();
    QCOMPARE(logLines(sb), QStringList({"before", "after"}));
}

void TestDebugLog::debuggerOutputIsIndependentOfFile()
{
    TestSupport::Sandbox sb;
    g_debugMessages.clear();
    qInstallMessageHandler(collectDebug);
    clsDebug &log = *sb.log;
    log.LogPrint("file only");
    log.LogEnable(log.LogTargetDebugger);
    log.LogPrint("both");
    log.LogDisable(log.LogTargetFile);
    log.LogPrint("debugger only");
    qInstallMessageHandler(nullptr);
    QCOMPARE(g_debugMessages, QStringList({"both", "debugger only"}));
    QCOMPARE(logLines(sb), QStringList({"file only", "both"}));
}

void TestDebugLog::logFileDel()
{
    TestSupport::Sandbox sb;
    sb.log->LogPrint("old run");
    QVERIFY(QFile::exists(sb.logPath()));
    sb.log->LogFileDel();
    QVERIFY(!QFile::exists(sb.logPath()));
    sb.log->LogFileDel();   // nothing to delete: no error
    sb.log->LogPrint("new run");
    QCOMPARE(logLines(sb), QStringList({"new run"}));
}

void TestDebugLog::missingTempUsesPlatformTempDirectory_data()
{
    QTest::addColumn<bool>("unset");
    QTest::newRow("TEMP unset") << true;
    QTest::newRow("TEMP empty") << false;
}

void TestDebugLog::missingTempUsesPlatformTempDirectory()
{
    QFETCH(bool, unset);
    TestSupport::Sandbox sb;
    EnvRestore temp("TEMP");
    EnvRestore tmpdir("TMPDIR");
    // Point the platform's temporary directory into the sandbox.
    const QString platformTemp = sb.dir.path() + "/platform-temp";
    QVERIFY(QDir().mkpath(platformTemp));
    qputenv("TMPDIR", platformTemp.toUtf8());
    if (unset)
        qunsetenv("TEMP");
    else
        qputenv("TEMP", QByteArray());

    clsDebug log;
    QCOMPARE(log.LogFilePath(), PathAddBackslash(QDir::toNativeSeparators(QDir::tempPath())));
    QCOMPARE(QFileInfo(log.LogFilePath()).canonicalFilePath(), QFileInfo(platformTemp).canonicalFilePath());
    QVERIFY(log.LogFilePath() != QString(QDir::separator()));
    log.LogEnable(log.LogTargetFile);
    log.LogPrint("not lost");
    QFile f(PathAddBackslash(platformTemp) + "velko.log");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), "not lost" + NewLine);
}

QTEST_MAIN(TestDebugLog)
#include "tst_debuglog.moc"
