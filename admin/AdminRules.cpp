#include "admin/AdminRules.h"

#include "core/LocalisedTexts.h"

#include <QLocale>

UserEditCheck UserEditValidate(const QString &name, const QString &password, int32_t nameOwnerId,
                               int32_t editedUserId)
{
    if (name.isEmpty())
        return UserEditCheck::NameEmpty;
    // Sign-in finds a user by name: a second user with the same name could
    // never sign in.
    if (nameOwnerId != 0 && nameOwnerId != editedUserId)
        return UserEditCheck::NameTaken;
    if (password.isEmpty())
        return UserEditCheck::PasswordEmpty;
    for (const QChar c : password)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return UserEditCheck::PasswordNotDigits;
    if (password.size() > PasswordLengthMax)
        return UserEditCheck::PasswordTooLong;
    return UserEditCheck::Ok;
}

bool UserEditCheckIsName(UserEditCheck check)
{
    return check == UserEditCheck::NameEmpty || check == UserEditCheck::NameTaken;
}

bool UserListsNeedRefresh(const QString &storedName, const QString &newName, int32_t storedStatus,
                          bool deactivatedChosen)
{
    return storedName != newName || (storedStatus != 0) != deactivatedChosen;
}

QString UserDeleteQuestion(const QString &userName)
{
    return UserDeleteTextStart + userName + UserDeleteTextEnd;
}

QString UserActivityLine(const QDateTime &when, const QString &text)
{
    const QLocale locale = QLocale::system();
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ')
           + when.time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" : ") + text;
}

QString DatabaseFileFilter(const QString &fileName)
{
    return QStringLiteral("DB File (") + fileName + QStringLiteral(")|") + fileName;
}

QString PictureFileFilter(const QString &programName)
{
    return programName + QStringLiteral(" Pictures (*.jpg)|*.jpg");
}
