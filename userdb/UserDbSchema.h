#pragma once
// Layout of the user database file: the four tables, their indexes and the
// schema version, plus the check that an opened file really is one.
#include <QSqlDatabase>
#include <QString>

namespace UserDbSchema {

inline constexpr int Version = 1;
// Writers wait this long for a lock held by another workstation before a
// statement fails as busy.
inline constexpr int BusyTimeoutMs = 5000;

// Creates the tables (and, unless told otherwise, the indexes) in an empty
// database and sets the schema version. Runs in one transaction.
bool CreateTables(QSqlDatabase &db, bool withIndexes, QString &error);
bool CreateIndexes(QSqlDatabase &db, QString &error);

// Creates a new user database file; refuses a file that already exists.
bool CreateFile(const QString &file, QString &error);

// True when every table and column the access object uses is present;
// otherwise describes what is missing.
bool Verify(QSqlDatabase &db, QString &missing);

} // namespace UserDbSchema
