// Second program on the same user database, as another workstation would be:
//   userdb_helper lock <file> <milliseconds>   holds the write lock, then lets go
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

void Say(const char *text, int n = -1)
{
    if (n >= 0)
        std::printf("%s %d\n", text, n);
    else
        std::printf("%s\n", text);
    std::fflush(stdout);
}

int Lock(const QString &file, int ms)
{
    QSqlDatabase db = Sql::Open(file, false, UserDbSchema::BusyTimeoutMs);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return 1;
    q.exec(QStringLiteral("INSERT INTO Events (UserID, EventCode) VALUES (0, 9999)"));
    Say("locked");
    QThread::msleep(ms);
    Say("releasing");
    const bool ok = q.exec(QStringLiteral("COMMIT"));
    q.finish();
    Sql::Close(db);
    return ok ? 0 : 1;
}

int Grade(const QString &file, const QString &userName, int ms)
{
    clsUser u;
    const QFileInfo info(file);
    u.setDbPath(info.absolutePath());
    u.setDbFileName(info.fileName());
    u.ProgramVersion = QStringLiteral("helper");
    u.setRSCursorType(QStringLiteral("2"));
    u.setRSLockType(QStringLiteral("2"));
    u.DbOpen();
    u.UserNameSeek(userName);
    if (u.UserID() == 0 || !u.GradingBegin())
        return 1;
    const QDateTime when = QDateTime(QDate(2026, 5, 4), QTime(10, 0, 0));
    u.QuestionnaireStatOpen();
    u.QuestionnaireStatAdd();
    u.QuestionnaireThemeNr = -1;
    u.QuestionnaireNr = 1;
    u.QuestionnaireDateTime = when;
    u.QuestionnaireResultPercent = 90;
    u.QuestionnaireStatUpdate();
    u.QuestionnaireStatClose();
    Say("questionnaire");
    u.QuestionStatOpen();
    for (int i = 1; i <= 40; ++i) {
        u.QuestionStatAdd();
        u.QuestionNr = 100 + i;
        u.QuestionDateTime = when;
        u.QuestionAnswer = true;
        u.QuestionStatUpdate();
        Say("row", i);
        QThread::msleep(ms);
    }
    u.QuestionStatClose();
    const bool ok = u.GradingCommit();
    Say("committed");
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 4 && a[1] == QLatin1String("lock"))
        return Lock(a[2], a[3].toInt());
    if (a.size() == 5 && a[1] == QLatin1String("grade"))
        return Grade(a[2], a[3], a[4].toInt());
    std::fprintf(stderr, "usage: userdb_helper lock <file> <ms> | grade <file> <user> <ms>\n");
    return 2;
}
