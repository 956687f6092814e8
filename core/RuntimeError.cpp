#include "core/RuntimeError.h"

#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/clsDebug.h"
#include "core/formDebugOutput.h"
#include "core/modMain.h"

#include <QApplication>
#include <QPointer>
#include <cstdio>

namespace {
QStringList g_lines;
QPointer<formDebugOutput> g_dialog;
} // namespace

void RuntimeErrorReport(const QString &moduleName, const QString &procedureName,
                        int32_t errorNumber, const QString &errorMessage)
{
    const QString line = QStringLiteral("Error ") + QString::number(errorNumber) + QStringLiteral(" : ")
                         + errorMessage + QStringLiteral(" (") + moduleName + QStringLiteral(" -> ")
                         + procedureName + QStringLiteral(")");
    const QString block = QStringLiteral("Runtime Error !") + NewLine
                          + QStringLiteral("  Module Name   :") + moduleName + NewLine
                          + QStringLiteral("  Function Name :") + procedureName + NewLine
                          + QStringLiteral("  Error Number  : ") + QString::number(errorNumber) + NewLine
                          + QStringLiteral("  Error Message :") + errorMessage;
    g_lines.append(line);
    if (objDebug)
        objDebug->LogPrint(block);

    // Command-line tools have no windows: the report goes to the error output.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return;
    }
    if (!g_dialog)
        g_dialog = new formDebugOutput;
    g_dialog->AddReportLine(line);
    g_dialog->FormTextUpdate();
    Dialogs::ExecModal(g_dialog);
    if (Dialogs::TestMode())
        g_dialog->hide();
}

const QStringList &RuntimeErrorLines() { return g_lines; }
void RuntimeErrorLinesClear() { g_lines.clear(); }
formDebugOutput *RuntimeErrorDialog() { return g_dialog; }
