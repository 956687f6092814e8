#pragma once
// Database engine support shared by the two access objects: SQLite (and for
// the user database PostgreSQL) through Qt SQL, one named connection per
// object, every statement prepared with bound values, failures turned into
// (number, message) for the error report.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>

namespace Sql {

// Opens the SQLite file under a connection name of its own. readOnly opens
// the file so that nothing can change it. busyTimeoutMs makes a writer wait
// for a lock held by another program instead of failing at once.
QSqlDatabase Open(const QString &file, bool readOnly, int busyTimeoutMs);
// Opens a connection to a PostgreSQL server. An empty host or user leaves
// them to libpq (its environment and defaults); the password comes from
// libpq's password or service file. Waits at most connectTimeoutS seconds.
QSqlDatabase OpenServer(const QString &host, int port, const QString &database, const QString &user,
                        int connectTimeoutS);
void Close(QSqlDatabase &db);   // closes and removes the named connection

int ErrorNumber(const QSqlError &error);      // engine's own code, or 3001 when it has none
QString ErrorMessage(const QSqlError &error);
bool IsBusy(const QSqlError &error);          // locked by another connection

// Prepares and runs one statement with the values bound in order.
// Returns false on failure; the query keeps the error.
bool Run(QSqlQuery &query, const QString &sql, std::initializer_list<QVariant> values = {});

int SchemaVersion(QSqlDatabase &db);          // PRAGMA user_version
bool TableHasColumns(QSqlDatabase &db, const QString &table, const QStringList &columns, QString &missing);

// Date-times are stored as text that sorts and compares to the second.
QString DateTimeToText(const QDateTime &dt);
QDateTime DateTimeFromText(const QString &text);

} // namespace Sql
