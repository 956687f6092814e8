#pragma once
// Where a print goes: the default printer, or, when the INI file names a
// PDF directory (key PRINT_PDF_DIR of [Config]), a PDF file there.
#include <QDateTime>
#include <QString>
#include <functional>

enum class PrintKind { Result, ThemesStats, LessonStats, QuestionStats, Report };

// The PDF directory of the INI file in use, "" when none is configured.
QString PrintPdfDirectory();
// True when a print can be made: a PDF directory is configured or a
// printer is installed.
bool PrintAvailable();
// "<user>_<kind>_<yyyy-MM-dd_HHmmss>.pdf" in the directory; characters that
// do not belong in a file name are replaced by "_".
QString PrintPdfFileName(const QString &directory, const QString &userName, PrintKind kind,
                         const QDateTime &when);

struct PrintOutcome {
    bool done = false;
    QString pdfFile;   // the file written, "" for a printer
    QString error;     // why nothing was printed
};

// Runs one print: sets the device up, calls the layout, which makes the
// grid printing calls from PrinterOrientationSet to PrinterDocEnd, and
// writes the log line. Without a PDF directory and without a printer
// nothing happens and nothing is reported.
PrintOutcome PrintRun(PrintKind kind, const QString &userName, const std::function<void()> &layout);

// PrintRun for a screen: a failure is shown in a message box in the
// current language.
void PrintRunShown(PrintKind kind, const QString &userName, const std::function<void()> &layout);
