// Files, paths, the shell, printers, the results log and the machine texts.
#include "core/modMain.h"
#include "core/RuntimeError.h"
#include "core/Seams.h"
#include "core/Dialogs.h"
#include <QRegularExpression>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSet>
#include <QSysInfo>
#include <QTextCursor>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {
QString g_programDir;
QString g_programBase;
QSet<QString> g_ownTempFiles;
std::function<void(const QString &)> g_documentOpen;
std::function<QStringList()> g_printerNames;
QPointer<QPlainTextEdit> g_resultsLog;

QChar sep() { return QDir::separator(); }
} // namespace

QString ProgramDirectory()
{
    if (!g_programDir.isEmpty())
        return g_programDir;
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString ProgramBaseName()
{
    if (!g_programBase.isEmpty())
        return g_programBase;
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString ProgramFilePath()
{
    return ProgramDirectory() + sep() + ProgramBaseName();
}

void SetProgramLocation(const QString &directory, const QString &baseName)
{
    g_programDir = directory;
    g_programBase = baseName;
}

QString INIFileName()
{
    // The file chosen at start-up (command line, system or user file), or
    // the one beside the program.
    const QString chosen = IniFileInUse();
    if (!chosen.isEmpty())
        return chosen;
    return PathAddBackslash(ProgramDirectory()) + ProgramBaseName() + QStringLiteral(".ini");
}

QString TempDirectory()
{
    const QString temp = qEnvironmentVariable("TEMP");
    if (!temp.isEmpty())
        return PathAddBackslash(temp);
    return PathAddBackslash(QDir::toNativeSeparators(QDir::tempPath()));
}

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    QString dir, pattern;
    if (!PathSplit(path, dir, pattern) || pattern.isEmpty())
        return false;
    if (dir.isEmpty())
        dir = QStringLiteral(".");
    const bool wild = pattern.contains(QLatin1Char('*')) || pattern.contains(QLatin1Char('?'));
    if (!wild) {
        const QFileInfo fi(path);
        return fi.exists() && fi.isFile() && !fi.isHidden();
    }
    const QDir d(dir);
    return !d.entryList({pattern}, QDir::Files | QDir::NoDotAndDotDot).isEmpty();
}

int16_t FilesKill(const QString &pattern)
{
    QString dir, mask;
    if (!PathSplit(pattern, dir, mask) || mask.isEmpty())
        return 53;
    if (dir.isEmpty())
        dir = QStringLiteral(".");
    const QDir d(dir);
    // In the temporary directory only the scratch files of this program go.
    const bool inTemp = QFileInfo(dir).canonicalFilePath() == QFileInfo(TempDirectory()).canonicalFilePath();
    const QStringList names = d.entryList({mask}, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    int deleted = 0;
    for (const QString &name : names) {
        const QString full = QFileInfo(d.filePath(name)).absoluteFilePath();
        if (inTemp && !g_ownTempFiles.contains(full))
            continue;
        if (!QFile::remove(full))
            return 75;   // path/file access error
        g_ownTempFiles.remove(full);
        ++deleted;
    }
    return deleted > 0 ? 0 : 53;   // 53: file not found
}

QString TempFileCreate()
{
    const QString dir = TempDirectory();
    for (;;) {
        const QString name = dir + QStringLiteral("velko-%1.tmp")
                                       .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        QFile f(name);
        if (f.open(QIODevice::NewOnly)) {
            g_ownTempFiles.insert(QFileInfo(name).absoluteFilePath());
            return name;
        }
        if (!QFileInfo(dir).isDir())
            return QString();
    }
}

QString PathAddBackslash(const QString &path)
{
    if (path.endsWith(sep()))
        return path;
    return path + sep();
}

bool PathSplit(const QString &fullName, QString &directory, QString &fileName)
{
    if (fullName.isEmpty())
        return false;
    const int pos = fullName.lastIndexOf(sep());
    if (pos < 0) {
        directory.clear();
        fileName = fullName;
    } else {
        directory = fullName.left(pos + 1);
        fileName = fullName.mid(pos + 1);
    }
    return true;
}

QString TextTrimAtNul(const QString &text)
{
    const int pos = text.indexOf(QChar(0));
    return pos < 0 ? text : text.left(pos);
}

// Filters come as "Description|pattern|Description|pattern"; a description
// that already ends in its pattern in brackets is taken as it is.
static QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString bracketed = QStringLiteral("(%1)").arg(pattern);
        out << (parts[i].endsWith(bracketed) ? parts[i] : QStringLiteral("%1 %2").arg(parts[i], bracketed));
    }
    return out.isEmpty() ? filter : out.join(QStringLiteral(";;"));
}

bool FileOpenDialogShow(QFileDialog *dialog, const QString &filter, QString &fileName, QString &directory)
{
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilter(qtFilter(filter));
    dialog->setDirectory(directory);
    dialog->selectFile(fileName);
    if (Dialogs::ExecModal(dialog) != QDialog::Accepted)
        return false;
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty())
        return false;
    return PathSplit(QDir::toNativeSeparators(chosen.first()), directory, fileName);
}

void DocumentOpen(const QString &operation, const QString &file, const QString &parameters,
                  const QString &directory, int show)
{
    Q_UNUSED(operation)
    Q_UNUSED(parameters)
    Q_UNUSED(directory)
    Q_UNUSED(show)
    if (g_documentOpen) {
        g_documentOpen(file);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromUserInput(file));
}

void SetDocumentOpenHandler(std::function<void(const QString &)> handler) { g_documentOpen = std::move(handler); }

bool PrinterExists(const QString &name)
{
    const QStringList names = g_printerNames ? g_printerNames() : QPrinterInfo::availablePrinterNames();
    for (const QString &printer : names) {
        if (name == QLatin1String("*"))
            return true;
        if (printer.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void SetPrinterNamesOverride(std::function<QStringList()> names) { g_printerNames = std::move(names); }

void ResultsLogSetTarget(QPlainTextEdit *box) { g_resultsLog = box; }

void ResultsLogAppend(const QString &text)
{
    if (!g_resultsLog)
        return;
    QTextCursor c = g_resultsLog->textCursor();
    c.movePosition(QTextCursor::End);
    c.insertText(text);
    c.movePosition(QTextCursor::End);
    g_resultsLog->setTextCursor(c);
    g_resultsLog->ensureCursorVisible();
    Seams::DoEvents();
}

QString WindowsVersionGet()
{
    // major.minor.build of the running kernel, decimal.
    const QStringList parts = QSysInfo::kernelVersion().split(QRegularExpression(QStringLiteral("[^0-9]+")),
                                                                Qt::SkipEmptyParts);
    QStringList nums;
    for (int i = 0; i < 3; ++i)
        nums << (i < parts.size() ? QString::number(parts[i].toLongLong()) : QStringLiteral("0"));
    return nums.join(QLatin1Char('.'));
}

QString PCNameGet()
{
    const QString name = TextTrimAtNul(QSysInfo::machineHostName());
    return name.isEmpty() ? QStringLiteral("?") : name;
}

QString WindowsUserGet()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
#ifdef Q_OS_UNIX
    if (name.isEmpty())
        if (const passwd *entry = getpwuid(getuid()))
            name = QString::fromLocal8Bit(entry->pw_name);
#endif
    name = TextTrimAtNul(name);
    return name.isEmpty() ? QStringLiteral("?") : name;
}
