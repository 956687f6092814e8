#include "training/frameResultsLog.h"

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

    picboxResultsLog = new QWidget(this);
    picboxResultsLog->setObjectName(QStringLiteral("picboxResultsLog"));
    picboxResultsLog->setGeometry(8, 20, 769, 480);

    txtResultsLog = new QPlainTextEdit(picboxResultsLog);
    txtResultsLog->setObjectName(QStringLiteral("txtResultsLog"));
    txtResultsLog->setGeometry(0, 0, 769, 480);
    txtResultsLog->setReadOnly(true);

    cmdResultsLogAbort = new QPushButton(QStringLiteral("QUITTER VELKO"), this);
    cmdResultsLogAbort->setObjectName(QStringLiteral("cmdResultsLogAbort"));
    cmdResultsLogAbort->setGeometry(8, 510, 160, 48);

    cmdResultsLogContinue = new QPushButton(QStringLiteral("CONTINUER"), this);
    cmdResultsLogContinue->setObjectName(QStringLiteral("cmdResultsLogContinue"));
    cmdResultsLogContinue->setGeometry(617, 510, 160, 48);

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
