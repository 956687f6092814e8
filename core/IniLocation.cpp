#include "core/IniLocation.h"

#include "core/modMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString g_systemIni = QStringLiteral("/etc/velko/velko.ini");
QString g_iniInUse;

bool IsFile(const QString &path) { return !path.isEmpty() && QFileInfo(path).isFile(); }
} // namespace

QString SystemIniFile() { return g_systemIni; }
void SetSystemIniFile(const QString &file) { g_systemIni = file; }

QString UserIniFile()
{
    return PathAddBackslash(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        + QStringLiteral("velko.ini");
}

QString UserDataDirectory()
{
    return PathAddBackslash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString BundledDataDirectory()
{
    const QString dir = QDir::cleanPath(ProgramDirectory() + QStringLiteral("/../share/velko"));
    return IsFile(dir + QStringLiteral("/Velko.sqlite")) ? PathAddBackslash(dir) : QString();
}

IniChoice IniFileChoose(const QString &commandLineFile)
{
    if (!commandLineFile.isEmpty())
        return {QFileInfo(commandLineFile).absoluteFilePath(), IniSource::CommandLine};
    const QString beside = PathAddBackslash(ProgramDirectory()) + ProgramBaseName() + QStringLiteral(".ini");
    if (IsFile(beside))
        return {beside, IniSource::BesideProgram};
    if (IsFile(SystemIniFile()))
        return {SystemIniFile(), IniSource::System};
    const QString user = UserIniFile();
    if (IsFile(user))
        return {user, IniSource::User};
    if (!BundledDataDirectory().isEmpty())
        return {user, IniSource::FirstStart};
    return {beside, IniSource::None};
}

void IniFileUse(const QString &file) { g_iniInUse = file; }

bool IniFileWritable(const QString &file)
{
    const QFileInfo info(file);
    if (info.exists())
        return info.isFile() && info.isWritable();
    const QFileInfo dir(info.absolutePath());
    return dir.isDir() && dir.isWritable();
}

QString IniFileInUse() { return g_iniInUse; }

bool FirstStartIniWrite(const QString &file, const QString &bundledDir, const QString &userDataDir, QString &error)
{
    if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !QDir().mkpath(userDataDir)) {
        error = QStringLiteral("cannot create the directories of ") + file;
        return false;
    }
    const QString templateIni = bundledDir + QStringLiteral("velko.ini");
    QString text = QStringLiteral("[Config]\n");
    text += QStringLiteral("DB_PATH=") + bundledDir + QLatin1Char('\n');
    text += QStringLiteral("DB_NAME=Velko.sqlite\n");
    text += QStringLiteral("USERDB_PATH=") + userDataDir + QLatin1Char('\n');
    text += QStringLiteral("USERDB_NAME=Users.sqlite\n");
    text += QStringLiteral("PIC_PATH=") + bundledDir + QStringLiteral("pictures") + QDir::separator() + QLatin1Char('\n');
    for (const char *key : {"QDBVER", "MAXQPT"}) {
        const QString value = GetINIvalue(templateIni, QStringLiteral("Config"), QString::fromLatin1(key));
        if (value != QLatin1String("NotFound"))
            text += QString::fromLatin1(key) + QLatin1Char('=') + value + QLatin1Char('\n');
    }
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly) || f.write(text.toUtf8()) < 0) {
        error = QStringLiteral("cannot write ") + file + QStringLiteral(": ") + f.errorString();
        return false;
    }
    return true;
}
