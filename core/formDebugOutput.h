#pragma once
// The runtime-error dialog: lists every report of the run, keeps them all on
// the clipboard, shows where the log file is and links to the support page.
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

inline const QString VelkoSupportURL = QStringLiteral("https://support.velko-trainer.ch/velko/support/");

class formDebugOutput : public QDialog
{
    Q_OBJECT
public:
    explicit formDebugOutput(QWidget *parent = nullptr);

    void AddReportLine(const QString &line);
    void FormTextUpdate();

    QListWidget *listDebugOutput;
    QLabel *lblDebugOutput[2];
    QLineEdit *txtDebugOutput;
    QPushButton *cmdDebugOutputQuit;
    QPushButton *cmdDebugOutputOK;
    QLabel *txtVelkoSupportURL;

    void Form_Activate();
    void cmdDebugOutputOK_Click();
    void cmdDebugOutputQuit_Click();
    void txtVelkoSupportURL_Click();

protected:
    void showEvent(QShowEvent *event) override;
};
