// Second program on the same user database, as another workstation would be:
//   userdb_helper lock <file> <milliseconds>   holds the write lock, then lets go
//   userdb_helper lock <file> <ms> exclusive   the same with the exclusive lock,
//                                              which keeps readers out too
//   userdb_helper grade <file> <user> <ms>     writes one 40-question grading,
//                                              pausing after each question row
// Progress goes to standard output, one line per step.
#include "core/SqlSupport.h"
#include "userdb/UserDbSchema.h"
#include "userdb/clsUser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>
#include <QThread>
#include <cstdio>

namespace {

void Say(const QString &text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

int Lock(const QString &file, int ms, bool exclusive)
{
    QSqlDatabase db = Sql::Open(file, false, UserDbSchema::BusyTimeoutMs);
    bool ok;
    {
        QSqlQuery q(db);
        if (!q.exec(exclusive ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE"))
            return 1;
        q.exec("INSERT INTO Events (UserID, EventCode) VALUES (0, 9999)");
        Say("locked");
        QThread::msleep(ms);
        ok = q.exec("COMMIT");
    }
    Sql::Close(db);
    return ok ? 0 : 1;
}

int Grade(const QString &file, const QString &userName, int ms)
{
    clsUser u;
    u.setDbPath(QFileInfo(file).absolutePath()), u.setDbFileName(QFileInfo(file).fileName());
    u.setRSCursorType("2"), u.setRSLockType("2");
    u.DbOpen();
    u.UserNameSeek(userName);
    if (u.UserID() == 0 || !u.GradingBegin())
        return 1;
    const QDateTime when(QDate(2026, 5, 4), QTime(10, 0, 0));
    u.QuestionnaireStatOpen();
    u.QuestionnaireStatAdd();
    u.QuestionnaireNr = 1, u.QuestionnaireDateTime = when;
    u.QuestionnaireStatUpdate();
    u.QuestionnaireStatClose();
    u.QuestionStatOpen();
    for (int i = 1; i <= 40; ++i) {
        u.QuestionStatAdd();
        u.QuestionNr = 100 + i, u.QuestionDateTime = when;
        u.QuestionStatUpdate();
        Say(QString("row %1").arg(i));
        QThread::msleep(ms);
    }
    u.QuestionStatClose();
    return u.GradingCommit() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if ((a.size() == 4 || (a.size() == 5 && a[4] == "exclusive")) && a[1] == "lock")
        return Lock(a[2], a[3].toInt(), a.size() == 5);
    if (a.size() == 5 && a[1] == "grade")
        return Grade(a[2], a[3], a[4].toInt());
    return 2;
}
