#include "userdb/UserDbCreate.h"

#include "core/RuntimeError.h"
#include "core/SqlSupport.h"
#include "userdb/UserDbDialect.h"
#include "userdb/UserDbSchema.h"
#include "userdb/clsUser.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

bool UserDbCreateWithAdmin(const UserDbLocation &location, const QString &password, int16_t languageNr,
                           QString &error)
{
    if (!location.problem.isEmpty()) {
        error = location.problem;
        return false;
    }
    const QString where = location.isServer() ? location.describe() : location.file();
    if (!location.isServer() && QFileInfo::exists(location.file())) {
        error = QStringLiteral("'") + where + QStringLiteral("' already exists; it is not overwritten");
        return false;
    }
    // The schema is made in a transaction of its own; the administrator is
    // written through the access object like every other user, so a failure
    // after the schema is undone by removing what was made.
    if (!UserDbSchema::Create(location, error))
        return false;
    clsUser user;
    user.setLocation(location);
    user.setRSCursorType(QStringLiteral("2"));
    user.setRSLockType(QStringLiteral("2"));
    user.DbOpen();
    const qsizetype errorsBefore = RuntimeErrorLines().size();
    bool ok = user.IsOpen();
    if (ok) {
        user.NewUser();
        user.UserName = QStringLiteral("_Vestr");
        user.Password = password;
        user.LanguageNr = languageNr;
        user.CategoryNr = 0;
        user.BookNr = 1;
        user.UserStatus = 0;
        user.UpdateUser();
        ok = RuntimeErrorLines().size() == errorsBefore && user.UserID() != 0;
    }
    user.DbClose();
    if (!ok) {
        error = QStringLiteral("the administrator could not be written to '") + where + QStringLiteral("'");
        UserDbRemoveCreated(location);
    }
    return ok;
}

bool UserDbCreateWithAdmin(const QString &file, const QString &password, int16_t languageNr, QString &error)
{
    return UserDbCreateWithAdmin(UserDbLocation::SQLiteFile(file), password, languageNr, error);
}

void UserDbRemoveCreated(const UserDbLocation &location)
{
    if (!location.isServer()) {
        QFile::remove(location.file());
        return;
    }
    // One statement: the tables go together or not at all.
    QSqlDatabase db = UserDbDialect::Open(location);
    if (db.isOpen())
        QSqlQuery(db).exec(UserDbDialect(location.engine).dropSchema());
    Sql::Close(db);
}
