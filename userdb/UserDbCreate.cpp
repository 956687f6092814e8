#include "userdb/UserDbCreate.h"

#include "core/RuntimeError.h"
#include "userdb/clsUser.h"

#include <QFile>
#include <QFileInfo>

bool UserDbCreateWithAdmin(const QString &file, const QString &password, int16_t languageNr, QString &error)
{
    const QFileInfo info(file);
    if (info.exists()) {
        error = QStringLiteral("'") + file + QStringLiteral("' already exists; it is not overwritten");
        return false;
    }
    clsUser user;
    user.setDbPath(info.absolutePath());
    user.setDbFileName(info.fileName());
    if (!user.DbCreate(error))
        return false;
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
        error = QStringLiteral("the administrator could not be written to '") + file + QStringLiteral("'");
        QFile::remove(file);
    }
    return ok;
}
