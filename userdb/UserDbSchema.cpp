#include "userdb/UserDbSchema.h"

#include "core/SqlSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStringList>

namespace UserDbSchema {
namespace {

const char *const TableStatements[] = {
    "CREATE TABLE \"User\" ("
    " UserID INTEGER PRIMARY KEY AUTOINCREMENT,"
    " UserName TEXT, Password TEXT,"
    " LanguageNr INTEGER, CategoryNr INTEGER, BookNr INTEGER,"
    " UserStatus INTEGER, UserComment TEXT)",
    "CREATE TABLE QuestionStat ("
    " StatId INTEGER PRIMARY KEY AUTOINCREMENT,"
    " UserID INTEGER, CategoryNr INTEGER, ProgramVersion TEXT,"
    " QuestionThemeNr INTEGER, QuestionNr INTEGER, QuestionDateTime TEXT,"
    " QuestionAnswer INTEGER, QuestionDuration INTEGER)",
    "CREATE TABLE QuestionnaireStat ("
    " StatId INTEGER PRIMARY KEY AUTOINCREMENT,"
    " UserID INTEGER, CategoryNr INTEGER, ProgramVersion TEXT,"
    " QuestionnaireThemeNr INTEGER, QuestionnaireNr INTEGER, QuestionnaireDateTime TEXT,"
    " QuestionnaireResultPercent REAL, QuestionnaireAnswers TEXT, QuestionnaireDuration INTEGER)",
    "CREATE TABLE Events ("
    " EventId INTEGER PRIMARY KEY AUTOINCREMENT,"
    " UserID INTEGER, EventCode INTEGER, EventDateTime TEXT,"
    " EventText1 TEXT, EventText2 TEXT, EventText3 TEXT,"
    " PCName TEXT, UserName TEXT, ProgramVersion TEXT, WindowsVersion TEXT)",
};

// The questionnaire index carries the result as its last column so that the
// best result and the attempt count come from the index alone.
const char *const IndexStatements[] = {
    "CREATE INDEX UserByName ON \"User\" (UserName)",
    "CREATE INDEX UserByPassword ON \"User\" (Password)",
    "CREATE INDEX QuestionnaireStatByQuestionnaire ON QuestionnaireStat"
    " (UserID, CategoryNr, QuestionnaireThemeNr, QuestionnaireNr, QuestionnaireResultPercent)",
    "CREATE INDEX QuestionnaireStatByDate ON QuestionnaireStat (UserID, CategoryNr, QuestionnaireDateTime)",
    "CREATE INDEX QuestionStatByDate ON QuestionStat (UserID, QuestionDateTime)",
    "CREATE INDEX EventsByDate ON Events (UserID, EventDateTime)",
};

bool RunAll(QSqlDatabase &db, const QStringList &statements, QString &error)
{
    QSqlQuery q(db);
    for (const QString &s : statements) {
        if (!q.exec(s)) {
            error = Sql::ErrorMessage(q.lastError());
            return false;
        }
    }
    return true;
}

QStringList ToList(const char *const *first, const char *const *last)
{
    QStringList list;
    for (auto p = first; p != last; ++p)
        list << QString::fromLatin1(*p);
    return list;
}

} // namespace

bool CreateTables(QSqlDatabase &db, bool withIndexes, QString &error)
{
    QStringList statements;
    // A rollback journal: the file may lie on a network share, where the
    // write-ahead log cannot work.
    if (!RunAll(db, {QStringLiteral("PRAGMA journal_mode=DELETE")}, error))
        return false;
    statements << QStringLiteral("BEGIN IMMEDIATE");
    statements << ToList(std::begin(TableStatements), std::end(TableStatements));
    if (withIndexes)
        statements << ToList(std::begin(IndexStatements), std::end(IndexStatements));
    statements << QStringLiteral("PRAGMA user_version = %1").arg(Version) << QStringLiteral("COMMIT");
    if (RunAll(db, statements, error))
        return true;
    QString ignored;
    RunAll(db, {QStringLiteral("ROLLBACK")}, ignored);
    return false;
}

bool CreateIndexes(QSqlDatabase &db, QString &error)
{
    return RunAll(db, ToList(std::begin(IndexStatements), std::end(IndexStatements)), error);
}

bool CreateFile(const QString &file, QString &error)
{
    if (QFileInfo::exists(file)) {
        error = QStringLiteral("The file already exists: ") + file;
        return false;
    }
    QSqlDatabase db = Sql::Open(file, false, BusyTimeoutMs);
    bool ok = db.isOpen();
    if (!ok)
        error = Sql::ErrorMessage(db.lastError());
    else
        ok = CreateTables(db, true, error);
    Sql::Close(db);
    if (!ok) {
        QFile::remove(file);
        if (error.isEmpty())
            error = QStringLiteral("The database could not be created: ") + file;
    }
    return ok;
}

bool Verify(QSqlDatabase &db, QString &missing)
{
    static const struct {
        const char *table;
        const char *columns;
    } expected[] = {
        {"User", "UserID UserName Password LanguageNr CategoryNr BookNr UserStatus UserComment"},
        {"QuestionStat", "StatId UserID CategoryNr ProgramVersion QuestionThemeNr QuestionNr QuestionDateTime "
                         "QuestionAnswer QuestionDuration"},
        {"QuestionnaireStat", "StatId UserID CategoryNr ProgramVersion QuestionnaireThemeNr QuestionnaireNr "
                              "QuestionnaireDateTime QuestionnaireResultPercent QuestionnaireAnswers "
                              "QuestionnaireDuration"},
        {"Events", "EventId UserID EventCode EventDateTime EventText1 EventText2 EventText3 PCName UserName "
                   "ProgramVersion WindowsVersion"},
    };
    for (const auto &t : expected) {
        const QStringList cols = QString::fromLatin1(t.columns).split(QLatin1Char(' '));
        if (!Sql::TableHasColumns(db, QString::fromLatin1(t.table), cols, missing))
            return false;
    }
    return true;
}

} // namespace UserDbSchema
