#include "questionbank/QuestionBankSchema.h"
#include "core/SqlSupport.h"

#include <QSqlQuery>

namespace QuestionBankSchema {

const QVector<Table> &Tables()
{
    static const QVector<Table> tables = {
        {QStringLiteral("Question"),
         {QStringLiteral("CategoryNr"), QStringLiteral("QuestionNr"), QStringLiteral("PictureNr"),
          QStringLiteral("ThemeNr"), QStringLiteral("Answer")}},
        {QStringLiteral("QuestionText"),
         {QStringLiteral("CategoryNr"), QStringLiteral("QuestionNr"), QStringLiteral("LanguageNr"),
          QStringLiteral("QuestionText"), QStringLiteral("AnsweraText"), QStringLiteral("AnswerbText"),
          QStringLiteral("AnswercText")}},
        {QStringLiteral("Theme"),
         {QStringLiteral("CategoryNr"), QStringLiteral("ThemeNr"), QStringLiteral("LanguageNr"),
          QStringLiteral("Name")}},
        {QStringLiteral("Questionnaire"),
         {QStringLiteral("CategoryNr"), QStringLiteral("ThemeNr"), QStringLiteral("QuestionnaireNr"),
          QStringLiteral("Questions")}},
        {QStringLiteral("Book"),
         {QStringLiteral("CategoryNr"), QStringLiteral("BookNr"), QStringLiteral("BookTitle"),
          QStringLiteral("BookPictureNr")}},
        {QStringLiteral("BookPage"),
         {QStringLiteral("CategoryNr"), QStringLiteral("BookNr"), QStringLiteral("QuestionNr"),
          QStringLiteral("BookPageNr")}},
    };
    return tables;
}

QStringList CreateStatements()
{
    return {
        QStringLiteral("CREATE TABLE \"Question\" (CategoryNr INTEGER, QuestionNr INTEGER, "
                       "PictureNr INTEGER, ThemeNr INTEGER, Answer TEXT)"),
        QStringLiteral("CREATE TABLE \"QuestionText\" (CategoryNr INTEGER, QuestionNr INTEGER, "
                       "LanguageNr INTEGER, QuestionText TEXT, AnsweraText TEXT, AnswerbText TEXT, "
                       "AnswercText TEXT)"),
        QStringLiteral("CREATE TABLE \"Theme\" (CategoryNr INTEGER, ThemeNr INTEGER, LanguageNr INTEGER, "
                       "Name TEXT)"),
        QStringLiteral("CREATE TABLE \"Questionnaire\" (CategoryNr INTEGER, ThemeNr INTEGER, "
                       "QuestionnaireNr INTEGER, Questions TEXT)"),
        QStringLiteral("CREATE TABLE \"Book\" (CategoryNr INTEGER, BookNr INTEGER, BookTitle TEXT, "
                       "BookPictureNr TEXT)"),
        QStringLiteral("CREATE TABLE \"BookPage\" (CategoryNr INTEGER, BookNr INTEGER, QuestionNr INTEGER, "
                       "BookPageNr TEXT)"),
        QStringLiteral("CREATE INDEX \"QuestionByCategory\" ON \"Question\" (CategoryNr, QuestionNr)"),
        QStringLiteral("CREATE INDEX \"QuestionByNr\" ON \"Question\" (QuestionNr)"),
        QStringLiteral("CREATE INDEX \"QuestionTextByLanguage\" ON \"QuestionText\" "
                       "(CategoryNr, LanguageNr, QuestionNr)"),
        QStringLiteral("CREATE INDEX \"ThemeByNr\" ON \"Theme\" (ThemeNr)"),
        QStringLiteral("CREATE INDEX \"QuestionnaireByTheme\" ON \"Questionnaire\" (ThemeNr, QuestionnaireNr)"),
        QStringLiteral("CREATE INDEX \"BookByCategory\" ON \"Book\" (CategoryNr, BookNr)"),
        QStringLiteral("CREATE INDEX \"BookPageByBook\" ON \"BookPage\" (CategoryNr, BookNr, QuestionNr)"),
        QStringLiteral("PRAGMA user_version = %1").arg(Version),
    };
}

QStringList Missing(QSqlDatabase &db)
{
    if (!db.isOpen())
        return {Sql::ErrorMessage(db.lastError())};
    // SQLite opens any file lazily; the first read tells whether it is a database.
    QSqlQuery probe(db);
    if (!Sql::Run(probe, QStringLiteral("SELECT COUNT(*) FROM sqlite_master")))
        return {Sql::ErrorMessage(probe.lastError())};
    QStringList missing;
    for (const Table &t : Tables()) {
        QString what;
        if (!Sql::TableHasColumns(db, t.name, t.columns, what))
            missing << what;
    }
    return missing;
}

} // namespace QuestionBankSchema
