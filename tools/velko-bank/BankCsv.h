#pragma once
// Reader of the bank's CSV sources: UTF-8, comma separated, fields quoted
// with double quotes ("" inside a quoted field is one quote), header row
// first. Blank lines are skipped.
#include <QString>
#include <QStringList>
#include <QVector>

namespace BankCsv {

struct Record {
    int line = 0;          // line on which the record starts (1-based)
    QStringList fields;
};

// Reads a file and checks its header against the expected column names and
// every record's field count. Problems are appended to errors as
// "<file name> line N: ..."; the records that were read whole are returned.
QVector<Record> ReadFile(const QString &path, const QStringList &header, QStringList &errors);

// Splits CSV text into records. On a quote left open the error text is set
// and the records before it are returned.
QVector<Record> Parse(const QString &text, QString &error);

} // namespace BankCsv
