// Second program on the same user database, as another workstation would be.
// <database> is a file or a postgresql:// address. Progress goes to standard
// output, one line per step.
//   lock <database> <ms> [exclusive]  holds the statistics' write lock (exclusive:
//                                     readers of the users kept out too) for ms
//   grade <database> <user> <ms>      one 40-question grading, pausing after each row
//   grades <database> <user> <n>      n gradings, then "done <slowest ms>"
#include "GradingWrite.h"
#include "core/SqlSupport.h"
#include "userdb/UserDbDialect.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QThread>
#include <cstdio>

namespace {

void Say(const QString &text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

int Lock(const UserDbLocation &where, int ms, bool exclusive)
{
    const UserDbDialect dialect(where.engine);
    QSqlDatabase db = UserDbDialect::Open(where);
    bool ok;
    {
        QSqlQuery q(db);
        if (dialect.isServer()) {
            // Writers of the statistics wait; with exclusive, readers of the users too.
            if (!q.exec("BEGIN") || !q.exec("LOCK TABLE QuestionnaireStat, QuestionStat IN EXCLUSIVE MODE")
                || (exclusive && !q.exec("LOCK TABLE \"User\" IN ACCESS EXCLUSIVE MODE")))
                return 1;
        } else if (!q.exec(exclusive ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE")) {
            return 1;
        }
        q.exec("INSERT INTO Events (UserID, EventCode) VALUES (0, 9999)");
        Say("locked");
        QThread::msleep(ms);
        ok = q.exec("COMMIT");
    }
    Sql::Close(db);
    return ok ? 0 : 1;
}

// "grade": one grading, n ms after each row; "grades": n gradings.
int Grade(const UserDbLocation &where, const QString &userName, bool many, int n)
{
    clsUser u;
    u.setLocation(where);
    u.setRSCursorType("2"), u.setRSLockType("2");
    u.DbOpen();
    u.UserNameSeek(userName);
    if (u.UserID() == 0)
        return 1;
    qint64 slowest = 0;
    if (many && !UserDbTest::GradingsWrite(u, n, slowest))
        return 1;
    if (many) {
        Say(QString("done %1").arg(slowest));
        return 0;
    }
    const bool ok = UserDbTest::GradingWrite(u, QDateTime(QDate(2026, 5, 4), QTime(10, 0, 0)), 100, [n](int row) {
        Say(QString("row %1").arg(row));
        QThread::msleep(n);
    });
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 3)
        return 2;
    const UserDbLocation where = UserDbLocation::FromText(a[2]);
    if ((a.size() == 4 || (a.size() == 5 && a[4] == "exclusive")) && a[1] == "lock")
        return Lock(where, a[3].toInt(), a.size() == 5);
    if (a.size() == 5 && (a[1] == "grade" || a[1] == "grades"))
        return Grade(where, a[3], a[1] == "grades", a[4].toInt());
    return 2;
}
