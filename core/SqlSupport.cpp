#include "core/SqlSupport.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QSqlRecord>

namespace Sql {

namespace {

QString ConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("velko-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

QSqlDatabase Open(const QString &file, bool readOnly, int busyTimeoutMs)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName());
    db.setDatabaseName(file);
    QStringList options;
    options << QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
    if (readOnly)
        options << QStringLiteral("QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options.join(QLatin1Char(';')));
    db.open();
    return db;
}

QSqlDatabase OpenServer(const QString &host, int port, const QString &database, const QString &user,
                        int connectTimeoutS)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), ConnectionName());
    if (!db.isValid())
        return db;   // the driver is not installed: lastError() says so
    if (!host.isEmpty())
        db.setHostName(host);
    db.setPort(port);
    db.setDatabaseName(database);
    if (!user.isEmpty())
        db.setUserName(user);
    db.setConnectOptions(QStringLiteral("connect_timeout=%1;application_name=Velko").arg(connectTimeoutS));
    db.open();
    return db;
}

void Close(QSqlDatabase &db)
{
    const QString name = db.connectionName();
    if (db.isOpen())
        db.close();
    db = QSqlDatabase();
    if (!name.isEmpty())
        QSqlDatabase::removeDatabase(name);
}

int ErrorNumber(const QSqlError &error)
{
    bool ok = false;
    const int n = error.nativeErrorCode().toInt(&ok);
    return ok && n != 0 ? n : 3001;
}

QString ErrorMessage(const QSqlError &error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.driverText();
    if (text.isEmpty())
        text = error.text();
    return text;
}

bool IsBusy(const QSqlError &error)
{
    const int n = error.nativeErrorCode().toInt();
    // SQLITE_BUSY, SQLITE_LOCKED and their extended codes
    return (n & 0xff) == 5 || (n & 0xff) == 6
        || error.databaseText().contains(QLatin1String("locked"), Qt::CaseInsensitive);
}

bool Run(QSqlQuery &query, const QString &sql, std::initializer_list<QVariant> values)
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant &v : values)
        query.addBindValue(v);
    return query.exec();
}

int SchemaVersion(QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
        return q.value(0).toInt();
    return -1;
}

bool TableHasColumns(QSqlDatabase &db, const QString &table, const QStringList &columns, QString &missing)
{
    const QSqlRecord rec = db.record(table);
    if (rec.isEmpty()) {
        missing = QStringLiteral("table ") + table;
        return false;
    }
    QStringList absent;
    for (const QString &c : columns)
        if (rec.indexOf(c) < 0)
            absent << c;
    if (!absent.isEmpty()) {
        missing = QStringLiteral("column(s) %1 of table %2").arg(absent.join(QStringLiteral(", ")), table);
        return false;
    }
    return true;
}

QString DateTimeToText(const QDateTime &dt)
{
    return dt.isValid() ? dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("1899-12-30 00:00:00");
}

QDateTime DateTimeFromText(const QString &text)
{
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace Sql
