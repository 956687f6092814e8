#pragma once
// Every message box and modal dialog of the program goes through here, so that
// tests can answer them without a nested event loop.
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;

namespace Dialogs {

struct MessageRecord {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

// Shows a message box and returns the button pressed.
QMessageBox::StandardButton MsgBox(QMessageBox::Icon icon, const QString &title,
                                   const QString &text,
                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// Runs a modal dialog and returns its result code.
int ExecModal(QDialog *dialog);

// --- test support -----------------------------------------------------------
// With test mode on, message boxes are recorded and answered with the queued
// answers (or the first button offered), and modal dialogs are handed to the
// dialog handler instead of being run.
void SetTestMode(bool on);
bool TestMode();
void SetNextAnswer(QMessageBox::StandardButton answer);
void SetDialogHandler(std::function<int(QDialog *)> handler);
const QList<MessageRecord> &Shown();
void ClearShown();

} // namespace Dialogs
