// Twenty workstations grading into one user database at once: each of them
// a process of its own writing one grading after the other (a questionnaire
// row and 40 question rows, one transaction each). Reports the throughput
// (gradings per second over all workstations) and the slowest grading's
// wait (from the start of its transaction to the end of its commit), and
// checks that every grading was stored whole.
//
//   bench_concurrent_grading [--writers N] [--gradings N] [sqlite] [<postgresql://...>]
//
// Without an engine argument it runs on a SQLite file in a temporary
// directory. A postgresql:// address names an existing, empty database on a
// server (scripts/run-benchmarks-concurrency.sh starts one); its tables are
// made and filled by the run.
#include "tests/userdb/GradingWrite.h"
#include "core/SqlSupport.h"
#include "userdb/UserDbDialect.h"
#include "userdb/UserDbSchema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Child process: waits for "go" on its standard input, then grades.
int Writer(const QString &where, const QString &userName, int gradings)
{
    clsUser u;
    u.setLocation(UserDbLocation::FromText(where));
    u.setRSCursorType(QStringLiteral("2")), u.setRSLockType(QStringLiteral("2"));
    u.DbOpen();
    u.UserNameSeek(userName);
    if (u.UserID() == 0)
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    char go[8] = {};
    if (!std::fgets(go, sizeof go, stdin))
        return 1;
    qint64 slowest = 0;
    if (!UserDbTest::GradingsWrite(u, gradings, slowest))
        return 1;
    std::printf("slowest %lld\n", static_cast<long long>(slowest));
    return 0;
}

qint64 Count(const UserDbLocation &loc, const QString &table)
{
    QSqlDatabase db = UserDbDialect::Open(loc);
    qint64 n = -1;
    {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table) && q.next())
            n = q.value(0).toLongLong();
    }
    Sql::Close(db);
    return n;
}

int Run(const UserDbLocation &loc, int writers, int gradings)
{
    QString error;
    if (!UserDbSchema::Create(loc, error)) {
        std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(loc.describe()), qPrintable(error));
        return 1;
    }
    {
        clsUser admin;
        admin.setLocation(loc);
        admin.setRSCursorType(QStringLiteral("2")), admin.setRSLockType(QStringLiteral("2"));
        admin.DbOpen();
        for (int w = 0; w < writers; ++w) {
            admin.NewUser();
            admin.UserName = QStringLiteral("W%1").arg(w), admin.Password = QString::number(w);
            admin.UpdateUser();
        }
        admin.DbClose();
    }
    std::vector<std::unique_ptr<QProcess>> procs;
    for (int w = 0; w < writers; ++w) {
        procs.push_back(std::make_unique<QProcess>());
        procs.back()->start(QCoreApplication::applicationFilePath(),
                            {QStringLiteral("--writer"), loc.toText(), QStringLiteral("W%1").arg(w),
                             QString::number(gradings)});
    }
    for (auto &p : procs) {
        while (!p->canReadLine() && p->waitForReadyRead(30000)) {
        }
        if (p->readLine().trimmed() != "ready") {
            std::fprintf(stderr, "a workstation did not start\n");
            return 1;
        }
    }
    QElapsedTimer wall;
    wall.start();
    for (auto &p : procs)
        p->write("go\n");
    for (auto &p : procs)
        p->waitForBytesWritten(10000);
    qint64 slowest = 0;
    int failed = 0;
    for (auto &p : procs) {
        p->waitForFinished(-1);
        const QByteArray out = p->readAllStandardOutput().trimmed();
        if (p->exitCode() != 0 || !out.startsWith("slowest "))
            ++failed;
        else
            slowest = std::max(slowest, out.mid(8).toLongLong());
    }
    const double seconds = wall.elapsed() / 1000.0;
    const qint64 questionnaires = Count(loc, QStringLiteral("QuestionnaireStat"));
    const qint64 questions = Count(loc, QStringLiteral("QuestionStat"));
    const qint64 expected = qint64(writers) * gradings;
    std::printf("%-10s %d workstations x %d gradings: %.1f s, %.1f gradings/s, slowest grading %lld ms, "
                "%lld/%lld questionnaire rows, %lld/%lld question rows, %d workstation(s) failed\n",
                loc.isServer() ? "PostgreSQL" : "SQLite", writers, gradings, seconds, expected / seconds,
                static_cast<long long>(slowest), static_cast<long long>(questionnaires),
                static_cast<long long>(expected), static_cast<long long>(questions),
                static_cast<long long>(expected * 40), failed);
    return failed == 0 && questionnaires == expected && questions == expected * 40 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--writer") && args.size() == 4)
        return Writer(args[1], args[2], args[3].toInt());
    int writers = 20, gradings = 20;
    QStringList engines;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--writers") && i + 1 < args.size())
            writers = args[++i].toInt();
        else if (args[i] == QLatin1String("--gradings") && i + 1 < args.size())
            gradings = args[++i].toInt();
        else
            engines << args[i];
    }
    if (engines.isEmpty())
        engines << QStringLiteral("sqlite");
    int rc = 0;
    for (const QString &engine : engines) {
        QTemporaryDir dir;
        const UserDbLocation loc = engine == QLatin1String("sqlite")
                                       ? UserDbLocation::SQLiteFile(dir.path() + QStringLiteral("/users.sqlite"))
                                       : UserDbLocation::FromText(engine);
        if (!loc.problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(loc.problem));
            return 2;
        }
        rc |= Run(loc, writers, gradings);
    }
    return rc;
}
