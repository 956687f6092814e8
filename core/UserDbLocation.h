#pragma once
// Where the user database lives: a SQLite file (USERDB_PATH + USERDB_NAME)
// or a database on a PostgreSQL server, chosen by USERDB_ENGINE in the INI
// file. The server's password is never configured here: libpq reads it from
// ~/.pgpass, PGPASSFILE or a service file.
#include <QString>

struct UserDbLocation {
    enum class Engine { SQLite, PostgreSQL };

    Engine engine = Engine::SQLite;
    // SQLite: the directory (with its separator) and the file name.
    QString path;
    QString fileName;
    // PostgreSQL: host name, address or Unix socket directory; port;
    // database; role. An empty host or user leaves the choice to libpq.
    QString host;
    int port = 5432;
    QString database;
    QString user;
    // Set when the INI file names an engine or a port that cannot be used.
    QString problem;

    bool isServer() const { return engine == Engine::PostgreSQL; }
    QString file() const { return path + fileName; }
    // "SQLite <file>" or "PostgreSQL <user>@<host>:<port>/<database>": no password, ever.
    QString describe() const;
    // The server as the administration shows it: "<host>:<port>/<database>".
    QString serverText() const;
    // A form the command-line tools accept back: the file, or a postgresql:// address.
    QString toText() const;

    // The settings of the INI file; without USERDB_ENGINE the SQLite file.
    static UserDbLocation FromIni(const QString &iniFile);
    // A command-line argument: a postgresql:// (or postgres://) address,
    // e.g. postgresql://velko@server:5432/school or
    // postgresql:///school?host=/run/postgresql, else a file path.
    static UserDbLocation FromText(const QString &text);
    static UserDbLocation SQLiteFile(const QString &file);
};
