#include "print/PrintJob.h"

#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/Seams.h"
#include "core/clsDebug.h"
#include "core/modMain.h"
#include "print/PrinterGridDevice.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const char *KindName(PrintKind kind)
{
    switch (kind) {
    case PrintKind::Result: return "result";
    case PrintKind::ThemesStats: return "theme-statistics";
    case PrintKind::LessonStats: return "lesson-statistics";
    case PrintKind::QuestionStats: return "question-statistics";
    case PrintKind::Report: return "report";
    }
    return "print";
}

void LogLine(const QString &text)
{
    if (objDebug)
        objDebug->LogPrint(text);
}

// Title and text start of the failure message, in the current language.
QString FailureTitle()
{
    static const char *const titles[] = {"Drucken", "Impression", "Stampa"};
    return QString::fromUtf8(titles[CurrentLanguageNr >= 0 && CurrentLanguageNr <= 2 ? CurrentLanguageNr : 0]);
}

QString FailureText()
{
    static const char *const texts[] = {"Der Ausdruck konnte nicht erstellt werden :",
                                        "L'impression n'a pas pu être faite :",
                                        "La stampa non ha potuto essere eseguita :"};
    return QString::fromUtf8(texts[CurrentLanguageNr >= 0 && CurrentLanguageNr <= 2 ? CurrentLanguageNr : 0]);
}

} // namespace

QString PrintPdfDirectory()
{
    const QString ini = INIFileName();
    if (!FileExists(ini))
        return QString();
    const QString value = GetINIvalue(ini, QStringLiteral("Config"), QStringLiteral("PRINT_PDF_DIR")).trimmed();
    return value == QLatin1String("NotFound") ? QString() : value;
}

bool PrintAvailable()
{
    return !PrintPdfDirectory().isEmpty() || PrinterExists(QStringLiteral("*"));
}

QString PrintPdfFileName(const QString &directory, const QString &userName, PrintKind kind, const QDateTime &when)
{
    static const QRegularExpression unsafe(QStringLiteral("[^\\w.-]+"), QRegularExpression::UseUnicodePropertiesOption);
    QString user = userName.trimmed();
    user.replace(unsafe, QStringLiteral("_"));
    if (user.isEmpty() || user.startsWith(QLatin1Char('.')))
        user.prepend(QStringLiteral("user"));
    return PathAddBackslash(directory) + user + QLatin1Char('_') + QLatin1String(KindName(kind)) + QLatin1Char('_')
           + when.toString(QStringLiteral("yyyy-MM-dd_HHmmss")) + QStringLiteral(".pdf");
}

PrintOutcome PrintRun(PrintKind kind, const QString &userName, const std::function<void()> &layout)
{
    PrintOutcome outcome;
    const QString directory = PrintPdfDirectory();
    std::unique_ptr<PrinterGridDevice> device;
    if (!directory.isEmpty()) {
        if (!QDir().mkpath(directory)) {
            outcome.error = directory;
            LogLine(QStringLiteral("Print : PDF directory not usable : ") + directory);
            return outcome;
        }
        outcome.pdfFile = PrintPdfFileName(directory, userName, kind, Seams::Now());
        // A second print within the same second does not replace the first.
        const QString stem = outcome.pdfFile.chopped(4);
        for (int n = 2; QFileInfo::exists(outcome.pdfFile); ++n)
            outcome.pdfFile = stem + QStringLiteral("-%1.pdf").arg(n);
        device = PrinterGridDevice::ForPdf(outcome.pdfFile);
    } else if (PrinterExists(QStringLiteral("*"))) {
        device = PrinterGridDevice::ForDefaultPrinter();
    } else {
        return outcome;
    }

    PrinterDeviceSet(device.get());
    layout();
    PrinterDeviceSet(nullptr);
    // The layout ends the job itself; a device that was never ended (an
    // empty layout) is ended here.
    outcome.done = device->Finished() ? device->Succeeded() : device->DocEnd();
    if (!outcome.done) {
        outcome.error = outcome.pdfFile.isEmpty() ? QStringLiteral("printer") : outcome.pdfFile;
        LogLine(QStringLiteral("Print : failed : ") + outcome.error);
    } else if (!outcome.pdfFile.isEmpty()) {
        LogLine(QStringLiteral("Print : PDF written : ") + outcome.pdfFile);
    } else {
        LogLine(QStringLiteral("Print : sent to the printer"));
    }
    return outcome;
}

void PrintRunShown(PrintKind kind, const QString &userName, const std::function<void()> &layout)
{
    const PrintOutcome outcome = PrintRun(kind, userName, layout);
    if (!outcome.done && !outcome.error.isEmpty())
        Dialogs::MsgBox(QMessageBox::Warning, FailureTitle(), FailureText() + NewLine + outcome.error);
}
