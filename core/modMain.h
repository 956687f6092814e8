#pragma once
// Shared routines of the program: the INI file, files and paths, the shell,
// printers, the results log and the machine texts.
#include <QString>
#include <QStringList>
#include <functional>

class QFileDialog;
class QPlainTextEdit;

// Line break of text files, the clipboard and multi-line captions.
#ifdef Q_OS_WIN
inline const QString NewLine = QStringLiteral("\r\n");
#else
inline const QString NewLine = QStringLiteral("\n");
#endif

// --- program location -------------------------------------------------------
QString ProgramDirectory();          // directory of the executable, no separator at the end
QString ProgramBaseName();           // file name of the executable without extension
QString ProgramFilePath();           // full path of the executable
void SetProgramLocation(const QString &directory, const QString &baseName);   // tests
QString INIFileName();               // the file chosen at start-up, else PathAddBackslash(ProgramDirectory()) + base + ".ini"
QString IniFileInUse();              // the file chosen at start-up ("" when none was chosen)
QString TempDirectory();             // TEMP, or the platform's temporary directory; ends with a separator

// --- INI file ----------------------------------------------------------------
QString GetINIvalue(const QString &file, const QString &section, const QString &key);
void SetINIvalue(const QString &file, const QString &section, const QString &key, const QString &value);

// --- files and paths ------------------------------------------------------------
bool FileExists(const QString &path);
int16_t FilesKill(const QString &pattern);
QString PathAddBackslash(const QString &path);
bool PathSplit(const QString &fullName, QString &directory, QString &fileName);
QString TextTrimAtNul(const QString &text);
// A scratch file of this program in the temporary directory ("velko-XXXX.tmp");
// only such files are removed by the "*.tmp" clean-up of the temporary directory.
QString TempFileCreate();

// --- dialogs, shell and printers ---------------------------------------------
bool FileOpenDialogShow(QFileDialog *dialog, const QString &filter, QString &fileName, QString &directory);
void DocumentOpen(const QString &operation, const QString &file, const QString &parameters,
                  const QString &directory, int show);
void SetDocumentOpenHandler(std::function<void(const QString &)> handler);   // tests
bool PrinterExists(const QString &name);
void SetPrinterNamesOverride(std::function<QStringList()> names);          // tests

// --- results log ---------------------------------------------------------------
void ResultsLogSetTarget(QPlainTextEdit *box);
void ResultsLogAppend(const QString &text);

// --- machine texts ---------------------------------------------------------------
QString WindowsVersionGet();
QString PCNameGet();
QString WindowsUserGet();
