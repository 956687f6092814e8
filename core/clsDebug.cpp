#include "core/clsDebug.h"

#include "core/UserDbLocation.h"

#include "core/AppState.h"
#include "core/Seams.h"
#include "core/modMain.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QtGlobal>

clsDebug::clsDebug()
{
    // An unset TEMP would put the log in the root directory; the platform's
    // temporary directory stands in for it.
    setLogFilePath(TempDirectory());
    setLogFileName(ProgramBaseName() + QStringLiteral(".log"));
}

void clsDebug::setLogFilePath(const QString &path)
{
    m_path = PathAddBackslash(path);
}

void clsDebug::LogPrint(const QString &text)
{
    if ((m_state & LogTargetFile) && !m_path.isEmpty() && !m_name.isEmpty()) {
        QFile f(m_path + m_name);
        if (f.open(QIODevice::WriteOnly | QIODevice::Append)) {
            f.write((text + NewLine).toUtf8());
            f.close();
        }
    }
    if (m_state & LogTargetDebugger)
        qDebug().noquote() << text;
}

void clsDebug::LogPrintSeparatorLine(const QString &character, int16_t length)
{
    const int n = length < 1 ? 80 : length;
    const QChar c = character.isEmpty() ? QLatin1Char(' ') : character.at(0);
    LogPrint(QString(n, c));
}

void clsDebug::LogPrintHeader()
{
    const QLocale locale = QLocale::system();
    const QString programFile = ProgramFilePath();
    const QString ini = INIFileName();
    QString programDate = QStringLiteral("file not found ...");
    if (FileExists(programFile))
        programDate = locale.toString(QFileInfo(programFile).lastModified(), QLocale::ShortFormat);
    const QDateTime now = Seams::Now();

    LogPrintSeparatorLine(QStringLiteral("="), 0);
    LogPrint(QStringLiteral("Program Name & Ver. : ") + ProgramVersionText);
    LogPrint(QStringLiteral("Program File & Path : ") + programFile);
    LogPrint(QStringLiteral("Program Date & Time : ") + programDate);
    LogPrint(QStringLiteral("Program Config Path : ") + ini);
    LogPrint(QStringLiteral("Velko.ini - QDBVER  : ") + GetINIvalue(ini, QStringLiteral("Config"), QStringLiteral("QDBVER")));
    LogPrint(QStringLiteral("Velko.ini - MAXQPT  : ") + GetINIvalue(ini, QStringLiteral("Config"), QStringLiteral("MAXQPT")));
    // Which user database every workstation writes to; never a password.
    LogPrint(QStringLiteral("User Database       : ") + UserDbLocation::FromIni(ini).describe());
    LogPrint(QStringLiteral("Start Date & Time   : ") + locale.toString(now.date(), QLocale::ShortFormat)
             + QLatin1Char(' ') + locale.toString(now.time(), QLocale::ShortFormat));
    LogPrint(QStringLiteral("Windows Version     : ") + WindowsVersionText);
    LogPrint(QStringLiteral("PC Name             : ") + PCNameText);
    LogPrint(QStringLiteral("User Name           : ") + WindowsUserText);
    LogPrintSeparatorLine(QStringLiteral("="), 0);
}

void clsDebug::LogFileDel()
{
    if (FileExists(m_path + m_name))
        QFile::remove(m_path + m_name);
}

void clsDebug::LogEnable(uint8_t flags) { m_state = m_state | flags; }
void clsDebug::LogDisable(uint8_t flags) { m_state = m_state & static_cast<uint8_t>(~flags); }
