#pragma once
// Everything in which the user database's SQL differs between its two
// engines, SQLite and PostgreSQL: how a connection is opened, the identity
// and floating-point column types, how a writing transaction starts, where
// the schema version is kept, the statements that only one engine knows,
// and which errors are worth waiting for. The rest of the user-database
// code speaks the SQL both understand (the table "User" is always quoted,
// new keys come back through RETURNING, booleans are stored as integers).
#include "core/UserDbLocation.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

class UserDbDialect
{
public:
    using Engine = UserDbLocation::Engine;

    explicit UserDbDialect(Engine engine = Engine::SQLite) : m_engine(engine) {}
    Engine engine() const { return m_engine; }
    bool isServer() const { return m_engine == Engine::PostgreSQL; }

    // Opens a connection of its own to the location. SQLite: the file must
    // exist unless create is set. The connection may come back closed:
    // lastError() then says why.
    static QSqlDatabase Open(const UserDbLocation &location, bool create = false);

    // --- schema --------------------------------------------------------------------------
    QString identityColumn() const;   // an integer key numbered by the engine
    QString realType() const;         // a double-precision number
    QStringList createPrologue() const;   // before the tables are made, outside the transaction
    QStringList schemaVersionWrite(int version) const;
    // The stored schema version; 0 when none was stored; -1 when it cannot be read.
    int schemaVersionRead(QSqlDatabase &db) const;
    // The name under which the catalogue knows a table of the schema.
    QString catalogueName(QSqlDatabase &db, const QString &table) const;
    // True when the database holds none of the schema's tables.
    bool hasNoTables(QSqlDatabase &db) const;

    // --- statements ------------------------------------------------------------------------
    QString beginWrite() const;          // starts a transaction that writes
    // Starts a transaction that reads every table as of one moment: on
    // SQLite its shared lock keeps writers out until it ends; the server
    // needs a snapshot that lasts the whole transaction.
    QString beginConsistentRead() const;
    // Drops every table of the schema in one statement.
    QString dropSchema() const;
    QString catalogueProbe() const;      // fails on a file that is no database
    QStringList sessionSetup() const;    // after the connection is checked
    // Per question of the current user and category: number, last date-time
    // followed by the ten-digit key of the last row, its theme, its answer,
    // the number of answers and of right answers; by question number.
    QString questionSummary() const;
    // Sets the numbering of a table's identity column past its largest key
    // (after rows were copied in with their keys); empty where not needed.
    QString identityRestart(const QString &table, const QString &keyColumn) const;

    // --- errors ----------------------------------------------------------------------------
    // Held up by another connection's lock: worth waiting for and trying again.
    bool isBusy(const QSqlError &error) const;
    // The server connection is gone; it can be opened again.
    bool isConnectionLost(const QSqlError &error) const;
    // Whether a failed statement inside a transaction may be tried again:
    // PostgreSQL aborts the whole transaction at the first failure.
    bool retriesInsideTransaction() const { return !isServer(); }

private:
    Engine m_engine;
};
