#pragma once
// Layout of the user database: the four tables, their indexes and the
// schema version, plus the check that an opened database really is one.
#include "core/UserDbLocation.h"

#include <QSqlDatabase>
#include <QString>

class UserDbDialect;

namespace UserDbSchema {

inline constexpr int Version = 1;

// The schema's tables and their keys, in the order they are created.
struct Table {
    const char *name;
    const char *key;
};
inline constexpr Table Tables[] = {
    {"User", "UserID"}, {"QuestionStat", "StatId"}, {"QuestionnaireStat", "StatId"}, {"Events", "EventId"}};
// Writers wait this long for a lock held by another workstation before a
// statement fails as busy.
inline constexpr int BusyTimeoutMs = 5000;

// Creates the tables (and, unless told otherwise, the indexes) in an empty
// database and sets the schema version. Runs in one transaction.
bool CreateTables(QSqlDatabase &db, const UserDbDialect &dialect, bool withIndexes, QString &error);
bool CreateIndexes(QSqlDatabase &db, QString &error);

// Creates a new user database: a new SQLite file (an existing file is
// refused), or the schema in an existing, empty server database (one that
// already holds any of the tables is refused).
bool Create(const UserDbLocation &location, QString &error);

// True when every table and column the access object uses is present;
// otherwise describes what is missing.
bool Verify(QSqlDatabase &db, const UserDbDialect &dialect, QString &missing);

// Empty when the stored schema version can be used by this program;
// otherwise why not.
QString VersionProblem(QSqlDatabase &db, const UserDbDialect &dialect);

} // namespace UserDbSchema
