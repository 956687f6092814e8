#include "training/frameResultsLog.h"

#include "core/ControlCreate.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "core/modMain.h"

#include <QPlainTextEdit>
#include <QPushButton>

frameResultsLog::frameResultsLog(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("frameResultsLog"));
    setTitle(QStringLiteral("Traitement des résultats"));
    setGeometry(4, 0, 785, 569);

    picboxResultsLog = ControlCreate<QWidget>(this, QStringLiteral("picboxResultsLog"), 8, 20, 769, 480);

    txtResultsLog = ControlCreate<QPlainTextEdit>(picboxResultsLog, QStringLiteral("txtResultsLog"), 0, 0, 769, 480);
    txtResultsLog->setReadOnly(true);

    cmdResultsLogAbort = ButtonCreate(this, QStringLiteral("cmdResultsLogAbort"), QStringLiteral("QUITTER VELKO"), 8,
                                      510, 160, 48);

    cmdResultsLogContinue = ButtonCreate(this, QStringLiteral("cmdResultsLogContinue"), QStringLiteral("CONTINUER"),
                                         617, 510, 160, 48);

    connect(cmdResultsLogAbort, &QPushButton::clicked, this, &frameResultsLog::cmdResultsLogAbort_Click);
    connect(cmdResultsLogContinue, &QPushButton::clicked, this, &frameResultsLog::cmdResultsLogContinue_Click);

    ResultsLogSetTarget(txtResultsLog);
}

void frameResultsLog::frameResultsLogInit()
{
    txtResultsLog->clear();
    cmdResultsLogAbort->setEnabled(false);
    cmdResultsLogContinue->setEnabled(false);
}

void frameResultsLog::cmdResultsLogContinue_Click()
{
    Frame_OnTop(this, false);
}

void frameResultsLog::cmdResultsLogAbort_Click()
{
    FilesKill(TempDirectory() + QStringLiteral("*.tmp"));
    Seams::ProgramEnd();
}
