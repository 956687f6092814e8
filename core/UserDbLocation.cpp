#include "core/UserDbLocation.h"

#include "core/modMain.h"

#include <QFileInfo>
#include <QUrl>
#include <QUrlQuery>

namespace {

QString IniValue(const QString &ini, const char *key)
{
    const QString v = GetINIvalue(ini, QStringLiteral("Config"), QString::fromLatin1(key)).trimmed();
    return v == QLatin1String("NotFound") ? QString() : v;
}

bool IsServerScheme(const QString &scheme)
{
    return scheme == QLatin1String("postgresql") || scheme == QLatin1String("postgres");
}

} // namespace

UserDbLocation UserDbLocation::FromIni(const QString &iniFile)
{
    UserDbLocation loc;
    QString path = GetINIvalue(iniFile, QStringLiteral("Config"), QStringLiteral("USERDB_PATH"));
    if (path == QLatin1String("NotFound"))
        path = ProgramDirectory();
    loc.path = PathAddBackslash(path);
    loc.fileName = GetINIvalue(iniFile, QStringLiteral("Config"), QStringLiteral("USERDB_NAME"));
    if (loc.fileName == QLatin1String("NotFound"))
        loc.fileName = QStringLiteral("Users.mdb");

    const QString engine = IniValue(iniFile, "USERDB_ENGINE").toLower();
    if (engine.isEmpty() || engine == QLatin1String("sqlite"))
        return loc;
    if (!IsServerScheme(engine)) {
        loc.problem = QStringLiteral("USERDB_ENGINE=") + engine
                      + QStringLiteral(" is not known (use sqlite or postgresql)");
        return loc;
    }
    loc.engine = Engine::PostgreSQL;
    loc.host = IniValue(iniFile, "USERDB_HOST");
    loc.database = IniValue(iniFile, "USERDB_DATABASE");
    loc.user = IniValue(iniFile, "USERDB_USER");
    const QString port = IniValue(iniFile, "USERDB_PORT");
    if (!port.isEmpty()) {
        bool ok = false;
        loc.port = port.toInt(&ok);
        if (!ok || loc.port < 1 || loc.port > 65535)
            loc.problem = QStringLiteral("USERDB_PORT=") + port + QStringLiteral(" is not a port number");
    }
    if (loc.database.isEmpty() && loc.problem.isEmpty())
        loc.problem = QStringLiteral("USERDB_ENGINE=postgresql needs USERDB_DATABASE");
    return loc;
}

UserDbLocation UserDbLocation::SQLiteFile(const QString &file)
{
    UserDbLocation loc;
    const QFileInfo info(file);
    loc.path = PathAddBackslash(info.absolutePath());
    loc.fileName = info.fileName();
    return loc;
}

UserDbLocation UserDbLocation::FromText(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || !IsServerScheme(url.scheme()))
        return SQLiteFile(text);
    UserDbLocation loc;
    loc.engine = Engine::PostgreSQL;
    loc.host = url.host(QUrl::FullyDecoded);
    loc.port = url.port(5432);
    loc.user = url.userName(QUrl::FullyDecoded);
    loc.database = url.path(QUrl::FullyDecoded).mid(1);
    // libpq's own form for a socket directory or other parameters:
    // postgresql:///school?host=/run/postgresql&port=5433&user=velko
    const QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("host")))
        loc.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (query.hasQueryItem(QStringLiteral("user")))
        loc.user = query.queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded);
    if (query.hasQueryItem(QStringLiteral("port")))
        loc.port = query.queryItemValue(QStringLiteral("port")).toInt();
    if (!url.password().isEmpty())
        loc.problem = QStringLiteral("a password does not belong in the address: put it in ~/.pgpass");
    else if (loc.database.isEmpty())
        loc.problem = QStringLiteral("the address names no database: ") + text;
    return loc;
}

QString UserDbLocation::serverText() const
{
    return (host.isEmpty() ? QStringLiteral("localhost") : host) + QLatin1Char(':') + QString::number(port)
           + QLatin1Char('/') + database;
}

QString UserDbLocation::describe() const
{
    if (!isServer())
        return QStringLiteral("SQLite ") + file();
    return QStringLiteral("PostgreSQL ") + (user.isEmpty() ? QString() : user + QLatin1Char('@')) + serverText();
}

QString UserDbLocation::toText() const
{
    if (!isServer())
        return file();
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setPath(QLatin1Char('/') + database);
    if (host.startsWith(QLatin1Char('/'))) {
        // A socket directory cannot stand where the host name does.
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("host"), QString::fromLatin1(QUrl::toPercentEncoding(host)));
        query.addQueryItem(QStringLiteral("port"), QString::number(port));
        if (!user.isEmpty())
            query.addQueryItem(QStringLiteral("user"), QString::fromLatin1(QUrl::toPercentEncoding(user)));
        url.setQuery(query);
        url.setHost(QString());
        return QStringLiteral("postgresql://") + url.toString(QUrl::RemoveScheme);
    }
    if (!user.isEmpty())
        url.setUserName(user);
    url.setHost(host);
    url.setPort(port);
    return url.toString();
}
