#include "core/formDebugOutput.h"

#include "core/AppState.h"
#include "core/clsDebug.h"
#include "core/modMain.h"
#include "core/Seams.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct DebugOutputCaptions {
    const char *caption;
    const char *label0;
    const char *label1;
    const char *quit[2];
};

// Captions of the dialog by language: German, French, Italian.
const DebugOutputCaptions kCaptions[3] = {
    {" - Laufzeit Fehler :",
     "Alle Fehlermeldungen werden automatisch im Windows Clipboard kopiert !",
     "Sie werden auch im folgenden Protokolldatei ausgegeben :",
     {"PROGRAMM", "VERLASSEN"}},
    {" - Erreur d'exécution :",
     "Tous les messages d'erreur sont automatiquement copiés dans le Clipboard !",
     "Ils sont également protocolés dans le fichier :",
     {"QUITTER LE", "PROGRAMME"}},
    {" - Errore runtime :",
     "Tutti gli errori sono copiati automaticamente nel clipboard di Windows !",
     "Sono anche scritti al seguente logfile :",
     {"USCIRE DAL", "PROGRAMMA"}},
};
} // namespace

formDebugOutput::formDebugOutput(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("formDebugOutput"));
    setWindowTitle(QStringLiteral("Velko Errors ..."));
    setModal(true);
    resize(620, 380);

    auto *frameDebugOutput = new QGroupBox(this);
    frameDebugOutput->setObjectName(QStringLiteral("frameDebugOutput"));
    listDebugOutput = new QListWidget(frameDebugOutput);
    listDebugOutput->setObjectName(QStringLiteral("listDebugOutput"));
    for (int i = 0; i < 2; ++i) {
        lblDebugOutput[i] = new QLabel(frameDebugOutput);
        lblDebugOutput[i]->setObjectName(QStringLiteral("lblDebugOutput_%1").arg(i));
        lblDebugOutput[i]->setWordWrap(true);
    }
    txtDebugOutput = new QLineEdit(QStringLiteral("Path to Velko.log"), frameDebugOutput);
    txtDebugOutput->setObjectName(QStringLiteral("txtDebugOutput"));
    txtDebugOutput->setReadOnly(true);
    txtVelkoSupportURL = new QLabel(frameDebugOutput);
    txtVelkoSupportURL->setObjectName(QStringLiteral("txtVelkoSupportURL"));
    txtVelkoSupportURL->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(VelkoSupportURL));
    txtVelkoSupportURL->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(txtVelkoSupportURL, &QLabel::linkActivated, this, [this] { txtVelkoSupportURL_Click(); });

    cmdDebugOutputQuit = new QPushButton(QStringLiteral("QUITTER LE PROGRAMME"), this);
    cmdDebugOutputQuit->setObjectName(QStringLiteral("cmdDebugOutputQuit"));
    cmdDebugOutputOK = new QPushButton(QStringLiteral("OK"), this);
    cmdDebugOutputOK->setObjectName(QStringLiteral("cmdDebugOutputOK"));
    cmdDebugOutputOK->setDefault(true);
    connect(cmdDebugOutputOK, &QPushButton::clicked, this, [this] { cmdDebugOutputOK_Click(); });
    connect(cmdDebugOutputQuit, &QPushButton::clicked, this, [this] { cmdDebugOutputQuit_Click(); });

    auto *inner = new QVBoxLayout(frameDebugOutput);
    inner->addWidget(listDebugOutput, 1);
    inner->addWidget(lblDebugOutput[0]);
    inner->addWidget(lblDebugOutput[1]);
    inner->addWidget(txtDebugOutput);
    inner->addWidget(txtVelkoSupportURL);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdDebugOutputQuit);
    buttons->addStretch(1);
    buttons->addWidget(cmdDebugOutputOK);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(frameDebugOutput, 1);
    outer->addLayout(buttons);
}

void formDebugOutput::AddReportLine(const QString &line)
{
    listDebugOutput->addItem(line);
    listDebugOutput->setCurrentRow(listDebugOutput->count() - 1);
}

void formDebugOutput::FormTextUpdate()
{
    if (CurrentLanguageNr >= 0 && CurrentLanguageNr <= 2) {
        const DebugOutputCaptions &c = kCaptions[CurrentLanguageNr];
        setWindowTitle(ProgramVersionText + QString::fromUtf8(c.caption));
        lblDebugOutput[0]->setText(QString::fromUtf8(c.label0));
        lblDebugOutput[1]->setText(QString::fromUtf8(c.label1));
        cmdDebugOutputQuit->setText(QString::fromUtf8(c.quit[0]) + NewLine + QString::fromUtf8(c.quit[1]));
        cmdDebugOutputOK->setText(QStringLiteral("OK"));
    }
    if (objDebug)
        txtDebugOutput->setText(objDebug->LogFilePath() + objDebug->LogFileName());
}

void formDebugOutput::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void formDebugOutput::Form_Activate()
{
    QString all;
    for (int i = 0; i < listDebugOutput->count(); ++i) {
        listDebugOutput->setCurrentRow(i);
        all += listDebugOutput->item(i)->text() + NewLine;
    }
    if (QClipboard *clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
        clipboard->setText(all);
    }
}

void formDebugOutput::cmdDebugOutputOK_Click()
{
    hide();
    done(QDialog::Accepted);
}

void formDebugOutput::cmdDebugOutputQuit_Click()
{
    FilesKill(TempDirectory() + QStringLiteral("*.tmp"));
    Seams::ProgramEnd(0);
}

void formDebugOutput::txtVelkoSupportURL_Click()
{
    DocumentOpen(QStringLiteral("Open"), VelkoSupportURL, QString(), QString(), 1);
}
