#include "userdb/UserDbSchema.h"

#include "core/SqlSupport.h"
#include "userdb/UserDbDialect.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStringList>

namespace UserDbSchema {
namespace {

const char *const TableStatements[] = {
    "CREATE TABLE \"User\" ("
    " UserID @ID@,"
    " UserName TEXT, Password TEXT,"
    " LanguageNr INTEGER, CategoryNr INTEGER, BookNr INTEGER,"
    " UserStatus INTEGER, UserComment TEXT)",
    "CREATE TABLE QuestionStat ("
    " StatId @ID@,"
    " UserID INTEGER, CategoryNr INTEGER, ProgramVersion TEXT,"
    " QuestionThemeNr INTEGER, QuestionNr INTEGER, QuestionDateTime TEXT,"
    " QuestionAnswer INTEGER, QuestionDuration INTEGER)",
    "CREATE TABLE QuestionnaireStat ("
    " StatId @ID@,"
    " UserID INTEGER, CategoryNr INTEGER, ProgramVersion TEXT,"
    " QuestionnaireThemeNr INTEGER, QuestionnaireNr INTEGER, QuestionnaireDateTime TEXT,"
    " QuestionnaireResultPercent @REAL@, QuestionnaireAnswers TEXT, QuestionnaireDuration INTEGER)",
    "CREATE TABLE Events ("
    " EventId @ID@,"
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

bool CreateTables(QSqlDatabase &db, const UserDbDialect &dialect, bool withIndexes, QString &error)
{
    if (!RunAll(db, dialect.createPrologue(), error))
        return false;
    QStringList statements;
    statements << dialect.beginWrite();
    for (const char *t : TableStatements)
        statements << QString::fromLatin1(t)
                          .replace(QLatin1String("@ID@"), dialect.identityColumn())
                          .replace(QLatin1String("@REAL@"), dialect.realType());
    if (withIndexes)
        statements << ToList(std::begin(IndexStatements), std::end(IndexStatements));
    statements << dialect.schemaVersionWrite(Version) << QStringLiteral("COMMIT");
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

bool Create(const UserDbLocation &location, QString &error)
{
    const UserDbDialect dialect(location.engine);
    if (!location.isServer() && QFileInfo::exists(location.file())) {
        error = QStringLiteral("The file already exists: ") + location.file();
        return false;
    }
    QSqlDatabase db = UserDbDialect::Open(location, true);
    bool ok = db.isOpen();
    if (!ok) {
        error = Sql::ErrorMessage(db.lastError());
    } else if (location.isServer() && !dialect.hasNoTables(db)) {
        error = QStringLiteral("The database already holds user tables: ") + location.describe();
        ok = false;
    } else {
        ok = CreateTables(db, dialect, true, error);
    }
    Sql::Close(db);
    if (!ok && !location.isServer())
        QFile::remove(location.file());
    if (!ok && error.isEmpty())
        error = QStringLiteral("The database could not be created: ") + location.describe();
    return ok;
}

bool Verify(QSqlDatabase &db, const UserDbDialect &dialect, QString &missing)
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
        if (!Sql::TableHasColumns(db, dialect.catalogueName(db, QString::fromLatin1(t.table)), cols, missing))
            return false;
    }
    return true;
}

QString VersionProblem(QSqlDatabase &db, const UserDbDialect &dialect)
{
    const int version = dialect.schemaVersionRead(db);
    if (version < 0)
        return QStringLiteral("its schema version cannot be read");
    if (version > Version)
        return QStringLiteral("it was made by a newer program (schema version %1, this program knows %2)")
            .arg(version)
            .arg(Version);
    return QString();
}

} // namespace UserDbSchema
