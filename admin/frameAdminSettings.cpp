// The settings tab of the administration screen: the directories of the
// question bank, of the user database and of the pictures.
#include "admin/AdminRules.h"
#include "admin/frameAdmin.h"

#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/IniLocation.h"
#include "core/Seams.h"
#include "core/LocalisedTexts.h"
#include "core/modMain.h"
#include "questionbank/clsQuestion.h"
#include "userdb/clsUser.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

bool frameAdmin::pathSelect(QLineEdit *box, const QString &filter, const QString &key, const QString &dbFileName)
{
    if (!dlgFileOpen) {
        dlgFileOpen = new QFileDialog(this);
        dlgFileOpen->setObjectName(QStringLiteral("dlgFileOpen"));
    }
    QString fileName;
    QString directory = box->text();
    if (!FileOpenDialogShow(dlgFileOpen, filter, fileName, directory))
        return false;   // cancelled: nothing changes
    directory = PathAddBackslash(directory);
    // Only the directory is kept, the file name stays as configured: a
    // directory without that file would leave every workstation unable to
    // start, so it is kept only when the administrator confirms it.
    if (!dbFileName.isEmpty() && !FileExists(directory + dbFileName)
        && Dialogs::MsgBox(QMessageBox::Warning, RestartWarningTitle,
                           DirectoryFileMissingStart + directory + dbFileName + DirectoryFileMissingEnd,
                           QMessageBox::Ok | QMessageBox::Cancel)
               != QMessageBox::Ok)
        return false;
    // The settings go back to the file they came from; when that one cannot
    // be written (a system-wide file), nothing changes and the reason is shown.
    const QString ini = INIFileName();
    if (!IniFileWritable(ini)) {
        Seams::Beep();
        Dialogs::MsgBox(QMessageBox::Warning, RestartWarningTitle,
                        SettingsReadOnlyStart + ini + SettingsReadOnlyEnd);
        return false;
    }
    box->setText(directory);
    SetINIvalue(ini, QStringLiteral("Config"), key, directory);
    return true;
}

void frameAdmin::cmdQuestionDBPathSelect_Click()
{
    const QString name = objQuestion ? objQuestion->DbFileName() : QString();
    if (pathSelect(txtQuestionDBPath, DatabaseFileFilter(name), QStringLiteral("DB_PATH"), name))
        Dialogs::MsgBox(QMessageBox::Critical, RestartWarningTitle, RestartWarningText);
}

void frameAdmin::cmdUserDBPathSelect_Click()
{
    const QString name = objUser ? objUser->DbFileName() : QString();
    if (pathSelect(txtUserDBPath, DatabaseFileFilter(name), QStringLiteral("USERDB_PATH"), name))
        Dialogs::MsgBox(QMessageBox::Critical, RestartWarningTitle, RestartWarningText);
}

// The directory of the user database file can be chosen here; a database
// server is set in the INI file of every workstation, so it is only shown.
void frameAdmin::userDbSettingShow()
{
    const bool server = objUser && objUser->Location().isServer();
    txtUserDBPath->setText(!objUser ? QString()
                           : server ? QStringLiteral("PostgreSQL ") + objUser->Location().serverText()
                                    : objUser->DbPath());
    cmdUserDBPathSelect->setEnabled(!server);
    const QString why = server ? UserDbServerNoteText : QString();
    txtUserDBPath->setToolTip(why);
    cmdUserDBPathSelect->setToolTip(why);
}

void frameAdmin::cmdPicPathSelect_Click()
{
    if (pathSelect(txtPicPath, PictureFileFilter(ProgramBaseName()), QStringLiteral("PIC_PATH"), QString()))
        PicturePath = txtPicPath->text();
}
