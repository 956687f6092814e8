// The progress report tool run in-process on the demo bank and a user
// database made here (with "--engine postgresql" copied onto the test
// server); the PDF is read back with pdftotext.
#include "userdb/UserDbFixture.h"
#include "tools/velko-report/ReportTool.h"
#include "userdb/UserDbCopy.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

using UserDbTest::ToolRun;

QString PdfText(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// The question count of every result page, in page order.
QList<int> ResultCounts(const QString &text)
{
    QList<int> counts;
    static const QRegularExpression line(QStringLiteral("Anzahl Fragen :\\s+(\\d+)"));
    for (auto it = line.globalMatch(text); it.hasNext();)
        counts << it.next().captured(1).toInt();
    return counts;
}

// Demo bank; users: "Eva Leer" (C, French) without any record; "Anna
// Keller" (C, German) with an examination by a program too old to reopen on
// 28 February, lesson 1 (10 questions) on 1 March and theme 4 questionnaire 1
// (7 questions) on 5 March.
struct Databases {
    TestSupport::Sandbox sb;
    QString dir = sb.dir.path() + QStringLiteral("/");
    QString pdf = dir + QStringLiteral("report.pdf");
    std::unique_ptr<UserDbTest::ServerDatabase> server;

    Databases()
    {
        clsUser u;
        u.setDbPath(dir), u.setDbFileName(QStringLiteral("Users.sqlite"));
        UserDbTest::UserDbOpen(u);
        UserDbTest::UserAdd(u, QStringLiteral("Eva Leer"), QStringLiteral("2222"), 0, 1, 1);
        UserDbTest::UserAdd(u, QStringLiteral("Anna Keller"), QStringLiteral("4711"));
        const auto add = [&u](const char *version, int16_t theme, int day, const char *answers) {
            u.ProgramVersion = QString::fromLatin1(version);
            UserDbTest::QuestionnaireAdd(u, theme, 1, theme == 0 ? 90 : 60,
                                         QDateTime(QDate(2026, day > 20 ? 2 : 3, day), QTime(9, 0)), answers);
        };
        add("Velko 1.3.15", -1, 28, "");
        add("Velko 2.0.0", 0, 1, "bbbbbbbbba");
        add("Velko 2.0.0", 4, 5, "abcab");
        u.DbClose();
        UserDbLocation users = UserDbLocation::SQLiteFile(dir + QStringLiteral("Users.sqlite"));
        UserDbLocation missing = UserDbLocation::SQLiteFile(dir + QStringLiteral("Missing.sqlite"));
        if (UserDbTest::OnServer()) {
            server = std::make_unique<UserDbTest::ServerDatabase>();
            QStringList report;
            QString error;
            QVERIFY2(UserDbCopy(users, server->location, false, report, error), qPrintable(error));
            users = missing = server->location;
            missing.database = QStringLiteral("velko_absent");
        }
        iniWrite(QStringLiteral("velko.ini"), users);
        iniWrite(QStringLiteral("missing.ini"), missing);
    }
    void iniWrite(const QString &name, const UserDbLocation &users) const
    {
        TestSupport::WriteFile(dir + name, (QStringLiteral("[Config]\nDB_PATH=%1/\nDB_NAME=Velko.sqlite\n")
                                                .arg(QStringLiteral(VELKO_DEMO_DIR))
                                            + UserDbTest::IniLines(users))
                                               .toUtf8());
    }
    ToolRun run(const QStringList &args, const QString &ini = QStringLiteral("velko.ini"), QString output = {}) const
    {
        const QStringList all = QStringList{"--ini", dir + ini, "--output", output.isEmpty() ? pdf : output} + args;
        return UserDbTest::RunTool([&](QTextStream &out, QTextStream &err) { return ReportToolRun(all, out, err); });
    }
};

} // namespace

class TestVelkoReport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resultsChosenByDateAndCount_data();
    void resultsChosenByDateAndCount();
    void userWithoutRecords();
    void failures_data();
    void failures();
};

void TestVelkoReport::resultsChosenByDateAndCount_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QList<int>>("counts");   // question counts of the result pages
    QTest::addColumn<QString>("skipped");
    const QString exam = QStringLiteral("skipped 1 questionnaire that cannot be reopened\n");
    QTest::newRow("all") << QStringList{} << QList<int>{10, 7} << exam;
    QTest::newRow("last 1") << QStringList{"--last", "1"} << QList<int>{7} << QString();
    QTest::newRow("from") << QStringList{"--from", "2026-03-05"} << QList<int>{7} << QString();
    QTest::newRow("to") << QStringList{"--to", "2026-03-04"} << QList<int>{10} << exam;
    QTest::newRow("one day") << QStringList{"--from", "2026-03-01", "--to", "2026-03-01"} << QList<int>{10}
                             << QString();
    QTest::newRow("to, last 1") << QStringList{"--to", "2026-03-04", "--last", "1"} << QList<int>{10} << QString();
}

void TestVelkoReport::resultsChosenByDateAndCount()
{
    QFETCH(QStringList, args);
    QFETCH(QList<int>, counts);
    QFETCH(QString, skipped);
    Databases db;
    const ToolRun r = db.run(QStringList{"--user", "Anna Keller"} + args);
    QVERIFY2(r.code == 0 && r.err.isEmpty(), qPrintable(r.err));
    QCOMPARE(r.out, skipped + QStringLiteral("written: %1 (%2 questionnaires)\n").arg(db.pdf).arg(counts.size()));
    const QString text = PdfText(db.pdf);
    QCOMPARE(ResultCounts(text), counts);
    // Each result on a page of its own, from the head on.
    for (const QString &page : text.split('\f'))
        if (page.contains("Anzahl Fragen"))
            QVERIFY(page.trimmed().startsWith(ProgramVersionText) && page.count("Anzahl Fragen") == 1);
    // The lesson and theme statistics and each result start with the head.
    QCOMPARE(text.count("Anna Keller"), 2 + counts.size());
    QVERIFY(text.contains("Fragebögen") && text.contains("Thema : Bremsen und Anhalteweg"));
    QVERIFY(text.contains(QRegularExpression("\\n\\s+1\\s+1 mal gemacht, bestes Resultat: 90%")));
}

void TestVelkoReport::userWithoutRecords()
{
    Databases db;
    const ToolRun r = db.run({"--user-id", "1"});   // Eva Leer, French
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("written: %1 (0 questionnaires)\n").arg(db.pdf));
    const QString text = PdfText(db.pdf);
    QCOMPARE(text.count("Eva Leer"), 2);
    QVERIFY(text.contains("Questionnaires par Thèmes") && text.contains("Freins et distance d'arrêt"));
    QVERIFY(!text.contains("Nombre de questions"));
}

void TestVelkoReport::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QStringList anna = {"--user", "Anna Keller"};
    QTest::newRow("unknown user") << QStringList{"--user", "Nobody"} << "velko.ini" << "" << 1
                                  << "error: no user named 'Nobody' in";
    QTest::newRow("unknown id") << QStringList{"--user-id", "9"} << "velko.ini" << "" << 1
                                << "error: no user with UserID 9 in";
    QTest::newRow("no user database") << anna << "missing.ini" << "" << 1
                                      << (UserDbTest::OnServer() ? "error: the user database 'PostgreSQL "
                                                                 : "error: user database not found:");
    QTest::newRow("no settings") << anna << "none.ini" << "" << 1 << "error: settings file not found:";
    QTest::newRow("no directory") << anna << "velko.ini" << "/no/such/dir/r.pdf" << 1
                                  << "error: the directory '/no/such/dir' does not exist\n";
    QTest::newRow("bad option") << anna + QStringList{"--colour", "red"} << "velko.ini" << "" << 2
                                << "error: unknown argument '--colour'\nusage:";
    QTest::newRow("bad date") << anna + QStringList{"--from", "2026-02-30"} << "velko.ini" << "" << 2
                              << "error: --from needs a date YYYY-MM-DD";
    QTest::newRow("bad count") << anna + QStringList{"--last", "0"} << "velko.ini" << "" << 2
                               << "error: --last needs a number from 1 up";
}

void TestVelkoReport::failures()
{
    QFETCH(QStringList, args);
    QFETCH(QString, ini);
    QFETCH(QString, output);
    QFETCH(int, code);
    QFETCH(QString, message);
    Databases db;
    const ToolRun r = db.run(args, ini, output);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.startsWith(message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty() && !QFile::exists(db.pdf));
    QVERIFY(Dialogs::Shown().isEmpty());
}

USERDB_TEST_MAIN(TestVelkoReport)
#include "tst_velko_report.moc"
