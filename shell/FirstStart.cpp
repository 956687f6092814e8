#include "shell/FirstStart.h"

#include "core/Dialogs.h"
#include "core/modMain.h"
#include "shell/formFirstStart.h"
#include "userdb/UserDbCreate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

bool AdminPasswordAcceptable(const QString &first, const QString &second)
{
    if (first.isEmpty() || first.size() > 254 || first != second)
        return false;
    for (const QChar c : first)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

int16_t SystemLanguageNr()
{
    switch (QLocale::system().language()) {
    case QLocale::French: return 1;
    case QLocale::Italian: return 2;
    default: return 0;
    }
}

namespace {

QString UserDbFileOf(const QString &ini)
{
    QString path = GetINIvalue(ini, QStringLiteral("Config"), QStringLiteral("USERDB_PATH"));
    QString name = GetINIvalue(ini, QStringLiteral("Config"), QStringLiteral("USERDB_NAME"));
    if (path == QLatin1String("NotFound"))
        path = ProgramDirectory();
    if (name == QLatin1String("NotFound"))
        name = QStringLiteral("Users.mdb");
    return PathAddBackslash(path) + name;
}

bool PasswordAsk(QTextStream *in, QString &password, QString &message)
{
    if (in) {
        password = in->readLine().trimmed();
        if (!AdminPasswordAcceptable(password, password)) {
            message = QStringLiteral("the administrator password read from standard input must consist of 1 to 254 "
                                     "digits");
            return false;
        }
        return true;
    }
    formFirstStart dialog(SystemLanguageNr());
    if (Dialogs::ExecModal(&dialog) != QDialog::Accepted) {
        message = QStringLiteral("no administrator password was given; nothing was set up");
        return false;
    }
    password = dialog.Password();
    return AdminPasswordAcceptable(password, password);
}

} // namespace

StartSettings StartSettingsPrepare(const QString &commandLineIni, QTextStream *passwordIn, QString &message)
{
    const IniChoice choice = IniFileChoose(commandLineIni);
    IniFileUse(choice.file);
    if (choice.source != IniSource::FirstStart && choice.source != IniSource::User)
        return StartSettings::Ready;

    const QString userDb = choice.source == IniSource::User ? UserDbFileOf(choice.file)
                                                            : UserDataDirectory() + QStringLiteral("Users.sqlite");
    // A user's own settings that name a database elsewhere are left as they are.
    const bool ownDatabase = QFileInfo(userDb).absolutePath() == QFileInfo(UserDataDirectory() + QStringLiteral("x")).absolutePath();
    const bool createDb = ownDatabase && !QFileInfo::exists(userDb);
    if (choice.source == IniSource::User && !createDb)
        return StartSettings::Ready;

    QString password;
    if (createDb && !PasswordAsk(passwordIn, password, message))
        return StartSettings::Cancelled;

    if (choice.source == IniSource::FirstStart
        && !FirstStartIniWrite(choice.file, BundledDataDirectory(), UserDataDirectory(), message))
        return StartSettings::Failed;
    if (createDb && !UserDbCreateWithAdmin(userDb, password, SystemLanguageNr(), message)) {
        if (choice.source == IniSource::FirstStart)
            QFile::remove(choice.file);   // the next start asks again
        return StartSettings::Failed;
    }
    return StartSettings::Ready;
}
