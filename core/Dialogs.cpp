#include "core/Dialogs.h"

#include <QDialog>
#include <QApplication>
#include <QQueue>
#include <cstdio>

namespace {
bool g_testMode = false;
QQueue<QMessageBox::StandardButton> g_answers;
std::function<int(QDialog *)> g_dialogHandler;
QList<Dialogs::MessageRecord> g_shown;
} // namespace

namespace Dialogs {

QMessageBox::StandardButton MsgBox(QMessageBox::Icon icon, const QString &title,
                                   const QString &text, QMessageBox::StandardButtons buttons)
{
    g_shown.append({icon, title, text});
    if (g_testMode) {
        if (!g_answers.isEmpty())
            return g_answers.dequeue();
        for (int b = QMessageBox::FirstButton; b <= QMessageBox::LastButton; b <<= 1)
            if (buttons & b)
                return static_cast<QMessageBox::StandardButton>(b);
        return QMessageBox::Ok;
    }
    // Command-line tools have no windows: the message goes to the error output.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(), text.toLocal8Bit().constData());
        return QMessageBox::Ok;
    }
    QMessageBox box(icon, title, text, buttons);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

int ExecModal(QDialog *dialog)
{
    if (g_testMode) {
        dialog->show();
        return g_dialogHandler ? g_dialogHandler(dialog) : QDialog::Accepted;
    }
    return dialog->exec();
}

void SetTestMode(bool on) { g_testMode = on; }
bool TestMode() { return g_testMode; }
void SetNextAnswer(QMessageBox::StandardButton answer) { g_answers.enqueue(answer); }
void SetDialogHandler(std::function<int(QDialog *)> handler) { g_dialogHandler = std::move(handler); }
const QList<MessageRecord> &Shown() { return g_shown; }
void ClearShown() { g_shown.clear(); }

} // namespace Dialogs
