#pragma once
// Layout of the question-bank file: the six tables, their columns and the
// indexes behind every selection of clsQuestion. Shared by the access object
// (which checks a file before using it), DbCreate and the bank tool.
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

namespace QuestionBankSchema {

inline constexpr int Version = 1;   // PRAGMA user_version of a current bank

struct Table {
    QString name;
    QStringList columns;
};

// The six tables in their usual order, with their columns.
const QVector<Table> &Tables();

// CREATE statements for the tables and indexes.
QStringList CreateStatements();

// Checks that every table and column exists. Returns the list of what is
// missing ("table Book", "column(s) Answer of table Question"); empty when
// the file has everything. A file that is not an SQLite database at all gives
// one entry naming the engine's complaint.
QStringList Missing(QSqlDatabase &db);

} // namespace QuestionBankSchema
