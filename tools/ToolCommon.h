#pragma once
// What the command-line tools share: their exit codes and the --version
// answer.
#include <QString>
#include <QTextStream>

namespace Tool {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

inline bool IsVersionOption(const QString &arg)
{
    return arg == QLatin1String("--version") || arg == QLatin1String("-v");
}

// "<tool> <major>.<minor>.<patch>" and a line end.
inline int VersionPrint(QTextStream &out, const char *tool)
{
    out << tool << ' ' << VELKO_VERSION_MAJOR << '.' << VELKO_VERSION_MINOR << '.' << VELKO_VERSION_PATCH << '\n';
    return ExitOk;
}

} // namespace Tool
