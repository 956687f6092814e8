#include "tools/velko-bank/BankCsv.h"

#include <QFile>
#include <QFileInfo>

namespace BankCsv {

QVector<Record> Parse(const QString &text, QString &error)
{
    QVector<Record> records;
    Record rec;
    QString field;
    bool inQuotes = false;
    bool fieldWasQuoted = false;
    int line = 1;
    int quoteLine = 0;
    rec.line = 1;

    auto endField = [&] {
        rec.fields << field;
        field.clear();
        fieldWasQuoted = false;
    };
    auto endRecord = [&](int nextLine) {
        endField();
        const bool blank = rec.fields.size() == 1 && rec.fields.first().isEmpty();
        if (!blank)
            records << rec;
        rec = Record();
        rec.line = nextLine;
    };

    const int n = text.size();
    int i = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    for (; i < n; ++i) {
        const QChar ch = text.at(i);
        if (inQuotes) {
            if (ch == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (ch == QLatin1Char('\n'))
                    ++line;
                field += ch;
            }
            continue;
        }
        if (ch == QLatin1Char('"')) {
            if (!field.isEmpty() || fieldWasQuoted) {
                error = QStringLiteral("line %1: quote inside an unquoted field").arg(line);
                return records;
            }
            inQuotes = true;
            fieldWasQuoted = true;
            quoteLine = line;
        } else if (ch == QLatin1Char(',')) {
            endField();
        } else if (ch == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) {
            continue;   // the line feed ends the record
        } else if (ch == QLatin1Char('\n')) {
            ++line;
            endRecord(line);
        } else {
            if (fieldWasQuoted) {
                error = QStringLiteral("line %1: text after the closing quote of a field").arg(line);
                if (quoteLine != line)
                    error += QStringLiteral(" (the quoted field opened on line %1)").arg(quoteLine);
                return records;
            }
            field += ch;
        }
    }
    if (inQuotes) {
        error = QStringLiteral("line %1: quoted field is not terminated").arg(quoteLine);
        return records;
    }
    if (!field.isEmpty() || fieldWasQuoted || !rec.fields.isEmpty())
        endRecord(line);
    return records;
}

QVector<Record> ReadFile(const QString &path, const QStringList &header, QStringList &errors)
{
    const QString name = QFileInfo(path).fileName();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        errors << QStringLiteral("%1: cannot be read (%2)").arg(name, f.errorString());
        return {};
    }
    QString parseError;
    QVector<Record> all = Parse(QString::fromUtf8(f.readAll()), parseError);
    if (!parseError.isEmpty()) {
        errors << QStringLiteral("%1 %2").arg(name, parseError);
        return {};
    }
    if (all.isEmpty()) {
        errors << QStringLiteral("%1: the header row \"%2\" is missing").arg(name, header.join(QLatin1Char(',')));
        return {};
    }
    QStringList got;
    for (const QString &h : all.first().fields)
        got << h.trimmed();
    if (got != header) {
        errors << QStringLiteral("%1 line %2: header must be \"%3\", found \"%4\"")
                      .arg(name)
                      .arg(all.first().line)
                      .arg(header.join(QLatin1Char(',')), got.join(QLatin1Char(',')));
        return {};
    }
    QVector<Record> records;
    for (int i = 1; i < all.size(); ++i) {
        const Record &r = all.at(i);
        if (r.fields.size() != header.size()) {
            errors << QStringLiteral("%1 line %2: %3 fields, expected %4 (%5)")
                          .arg(name)
                          .arg(r.line)
                          .arg(r.fields.size())
                          .arg(header.size())
                          .arg(header.join(QLatin1Char(',')));
            continue;
        }
        records << r;
    }
    return records;
}

} // namespace BankCsv
