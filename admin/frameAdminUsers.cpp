// The user management tab of the administration screen: the list of all
// users, the data and events of the selected one, and the user actions.
#include "admin/AdminRules.h"
#include "admin/formUserEdit.h"
#include "admin/formUserSearch.h"
#include "admin/frameAdmin.h"

#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/LocalisedTexts.h"
#include "core/Notice.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "questionbank/clsQuestion.h"
#include "userdb/clsUser.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <std::size_t N>
QString NameOf(const std::array<QString, N> &names, int index)
{
    return index >= 0 && index < static_cast<int>(N) ? names[static_cast<std::size_t>(index)] : QString();
}

bool UserDisplayed() { return objUser && !objUser->UserName.isEmpty(); }

} // namespace

void frameAdmin::frameAdminInit()
{
    delete objUser;
    objUser = new clsUser;
    objUser->ProgramVersion = ProgramVersionText;
    objUser->WindowsVersion = WindowsVersionText;
    objUser->PCName = PCNameText;
    objUser->setRSCursorType(QStringLiteral("2"));
    objUser->setRSLockType(QStringLiteral("2"));
    objUser->DbOpen();
    if (objUser && objUser->IsOpen())
        listAdminUsers_Fill(false);
    else
        listAdminUsers->clear();

    for (QLineEdit *box : {txtUserName, txtUserPassword, txtUserLanguageNr, txtUserCategoryNr, txtUserBookNr,
                           txtUserComment})
        box->clear();
    cmbUserActivity->clear();
    for (QRadioButton *option : chkUserActive) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }

    txtQuestionDBPath->setText(objQuestion ? objQuestion->DbPath() : QString());
    userDbSettingShow();
    txtPicPath->setText(PicturePath);
    userButtonsUpdate();
}

void frameAdmin::listAdminUsers_Fill(bool activeOnly)
{
    m_listQuiet = true;
    listAdminUsers->clear();
    if (objUser) {
        objUser->FirstUser();
        int32_t previousId = -1;
        while (objUser->UserID() != 0 && objUser->UserID() != previousId) {
            previousId = objUser->UserID();
            if (!objUser->UserName.isEmpty() && !(activeOnly && objUser->UserStatus != 0)) {
                auto *item = new QListWidgetItem(objUser->UserName, listAdminUsers);
                item->setData(Qt::UserRole, objUser->UserID());
            }
            objUser->NextUser();
        }
    }
    listAdminUsers->setCurrentRow(-1);
    m_listQuiet = false;
    userButtonsUpdate();
}

void frameAdmin::listAdminUsers_Select(int32_t userId)
{
    m_listQuiet = true;
    int row = -1;
    for (int i = 0; userId != 0 && i < listAdminUsers->count(); ++i)
        if (listAdminUsers->item(i)->data(Qt::UserRole).toInt() == userId) {
            row = i;
            break;
        }
    listAdminUsers->setCurrentRow(row);
    if (row >= 0)
        listAdminUsers->scrollToItem(listAdminUsers->item(row));
    m_listQuiet = false;
    userButtonsUpdate();
}

void frameAdmin::userButtonsUpdate()
{
    const bool selected = listAdminUsers->currentItem() && listAdminUsers->currentItem()->isSelected();
    const bool user = selected && UserDisplayed();
    cmdUserEdit->setEnabled(user);
    cmdUserDel->setEnabled(user);
    // The history exists for candidates only, and only where it is built.
    cmdUserHistory->setEnabled(user && !objUser->IsAdmin() && bool(MainProcs::frameHistoryInit));
}

void frameAdmin::AdminUserDataDisplay()
{
    QLineEdit *const boxes[] = {txtUserName,       txtUserPassword, txtUserLanguageNr,
                                txtUserCategoryNr, txtUserBookNr,   txtUserComment};
    cmbUserActivity->clear();
    if (!UserDisplayed()) {
        for (QLineEdit *box : boxes) {
            box->clear();
            box->setToolTip(QString());
        }
        for (QRadioButton *option : chkUserActive) {
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
        userButtonsUpdate();
        return;
    }
    clsUser &u = *objUser;
    txtUserName->setText(u.UserName);
    txtUserPassword->setText(u.Password);
    txtUserComment->setText(u.UserComment);
    txtUserLanguageNr->setText(NameOf(LanguageNames, u.LanguageNr));
    txtUserCategoryNr->setText(NameOf(CategoryNames, u.CategoryNr));
    for (QLineEdit *box : boxes)
        box->setCursorPosition(0);

    CurrentCategoryNr = u.CategoryNr;
    CurrentBookNr = u.BookNr;
    if (objQuestion) {
        objQuestion->BookNrSeek();
        CurrentBookNr = objQuestion->BookNr;
        txtUserBookNr->setText(objQuestion->BookTitle);
        txtUserBookNr->setCursorPosition(0);
    } else {
        txtUserBookNr->clear();
    }

    // A text wider than its box can be read in full from the tool tip (the
    // password is told to its user, not shown around).
    for (QLineEdit *box : boxes)
        box->setToolTip(box == txtUserPassword ? QString() : box->text());

    chkUserActive[u.UserStatus != 0 ? 1 : 0]->setChecked(true);

    // The user's events, newest first.
    u.setRSCursorType(QStringLiteral("3"));
    u.setRSLockType(QStringLiteral("1"));
    u.EventsUserOpen();
    u.EventsFirst();
    int32_t previousId = -1;
    while (u.EventId() != 0 && u.EventId() != previousId) {
        previousId = u.EventId();
        cmbUserActivity->addItem(UserActivityLine(u.EventDateTime, u.EventText1));
        u.EventsNext();
    }
    u.EventsClose();
    if (cmbUserActivity->count() > 0)
        cmbUserActivity->setCurrentIndex(0);
    userButtonsUpdate();
}

void frameAdmin::listAdminUsers_Click()
{
    QListWidgetItem *item = listAdminUsers->currentItem();
    if (!objUser)
        return;
    objUser->UserNameSeek(item && item->isSelected() ? item->text() : QString());
    AdminUserDataDisplay();
}

void frameAdmin::listAdminUsers_DblClick() { cmdUserEdit_Click(); }

void frameAdmin::userEditShow()
{
    formUserEdit dialog(this, window());
    dialog.Form_Load();
    Dialogs::ExecModal(&dialog);
}

void frameAdmin::cmdUserAdd_Click()
{
    if (!objUser)
        return;
    listAdminUsers_Select(0);
    objUser->UserNameSeek(QString());
    AdminUserDataDisplay();
    userEditShow();
}

void frameAdmin::cmdUserEdit_Click()
{
    QListWidgetItem *item = listAdminUsers->currentItem();
    if (item && item->isSelected() && UserDisplayed())
        userEditShow();
}

void frameAdmin::txtUser_DblClick(QLineEdit *box)
{
    // The name, password and comment open the dialog for a displayed user;
    // language, category and book when they show something.
    const bool byName = box == txtUserName || box == txtUserPassword || box == txtUserComment;
    if (byName ? !txtUserName->text().isEmpty() : !box->text().isEmpty())
        if (UserDisplayed())
            userEditShow();
}

void frameAdmin::cmdUserSearch_Click()
{
    formUserSearch *dialog = UserSearchDialog();
    dialog->FormTextUpdate();
    Dialogs::ExecModal(dialog);
}

formUserSearch *frameAdmin::UserSearchDialog()
{
    if (!m_search)
        m_search = new formUserSearch(this, window());
    return m_search;
}

void frameAdmin::cmdUserDel_Click()
{
    QListWidgetItem *item = listAdminUsers->currentItem();
    if (!item || !item->isSelected() || !UserDisplayed())
        return;
    if (objUser->IsAdmin()) {
        Seams::Beep();
        NoticeShow(this, NoticeAdminNotDeletable);
        return;
    }
    if (Dialogs::MsgBox(QMessageBox::Warning, UserDeleteTitle, UserDeleteQuestion(objUser->UserName),
                        QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return;
    EventLogUserDB(2002, QStringLiteral("User Deleted"), QString(), QString());
    objUser->DelUser();
    if (MainProcs::listLoginUsers_Fill)
        MainProcs::listLoginUsers_Fill(true);
    listAdminUsers_Fill(false);
    AdminUserDataDisplay();
}

void frameAdmin::cmdUserHistory_Click()
{
    QListWidgetItem *item = listAdminUsers->currentItem();
    if (!item || !item->isSelected() || !UserDisplayed() || objUser->IsAdmin() || !MainProcs::frameHistoryInit)
        return;
    MainProcs::Call(MainProcs::frameHistoryInit);
    Frame_OnTop(Screen::History, true);
    MainProcs::Call(MainProcs::framePracticeInit);
    MainProcs::Call(MainProcs::frameThemesInit);
}

void frameAdmin::chkUserActive_Click(int index)
{
    // The options only show the stored status; it is changed in the dialog.
    if (UserDisplayed()) {
        chkUserActive[objUser->UserStatus != 0 ? 1 : 0]->setChecked(true);
    } else {
        chkUserActive[index]->setAutoExclusive(false);
        chkUserActive[index]->setChecked(false);
        chkUserActive[index]->setAutoExclusive(true);
    }
}

void frameAdmin::chkUserActive_DblClick(int index)
{
    chkUserActive_Click(index);
    if (!txtUserName->text().isEmpty() && UserDisplayed())
        userEditShow();
}
