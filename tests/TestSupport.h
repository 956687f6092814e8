#pragma once
// Common set-up of the tests: a private program directory and TEMP, message
// boxes and dialogs answered without a nested event loop, a process end that
// is only recorded, waits that do not sleep.
#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/RuntimeError.h"
#include "core/Seams.h"
#include "core/clsDebug.h"
#include "core/modMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>

namespace TestSupport {

// The bytes of a file, empty when it cannot be read.
inline QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size())
        qWarning("cannot write %s", qPrintable(path));
}

// A message box shown, as "<icon>|<title>|<text>" (icon Information,
// Warning, Critical or Question).
inline QString Message(int i)
{
    const char *const icons[] = {"NoIcon", "Information", "Warning", "Critical", "Question"};
    const Dialogs::MessageRecord &m = Dialogs::Shown().at(i);
    return QLatin1String(icons[qBound(0, int(m.icon), 4)]) + QLatin1Char('|') + m.title + QLatin1Char('|') + m.text;
}

// One sandbox per test function: program directory <root>/prog with base
// name "velko", TEMP at <root>/temp, a fresh log object.
class Sandbox
{
public:
    Sandbox()
    {
        QDir().mkpath(programDir);
        QDir().mkpath(tempDir);
        qputenv("TEMP", tempDir.toUtf8());
        SetProgramLocation(programDir, QStringLiteral("velko"));
        AppStateReset();
        ProgramVersionText = ProgramVersionBuild();
        Dialogs::SetTestMode(true);
        Dialogs::ClearShown();
        Dialogs::SetDialogHandler({});
        Seams::SetProgramEndHandler([](int) {});
        Seams::ResetProgramEndRequests();
        Seams::SetWaitOneSecond([] {});
        Seams::ResetBeepCount();
        RuntimeErrorLinesClear();
        log = std::make_unique<clsDebug>();
        log->LogEnable(log->LogTargetFile | log->LogTargetList);
        objDebug = log.get();
    }
    ~Sandbox() { objDebug = nullptr; }

    QString iniPath() const { return INIFileName(); }
    QString logPath() const { return log->LogFilePath() + log->LogFileName(); }
    QString logText() const { return QString::fromUtf8(ReadFile(logPath())); }
    void writeIni(const QString &text) const { WriteFile(iniPath(), text.toUtf8()); }

    QTemporaryDir dir;
    QString programDir = dir.path() + QStringLiteral("/prog");
    QString tempDir = dir.path() + QStringLiteral("/temp");
    std::unique_ptr<clsDebug> log;
};

} // namespace TestSupport
