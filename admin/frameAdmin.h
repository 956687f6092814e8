#pragma once
// The administration screen: a tab strip with the user management page
// (frametabAdmin_0: user list, the selected user's data and events, the
// user buttons) and the settings page (frametabAdmin_1: the three
// directories). frametabAdmin_2 is a spare page, hidden. The page frames lie
// inside tabAdmin below its tabs; only the frame of the selected tab is shown.
#include <QGroupBox>
#include <cstdint>

class QComboBox;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class formUserSearch;

class frameAdmin : public QGroupBox
{
    Q_OBJECT
public:
    explicit frameAdmin(QWidget *parent = nullptr);
    ~frameAdmin() override;

    // Opens the user database for writing (a new objUser), lists every user
    // and shows the directories.
    void frameAdminInit();
    // Lists the users in the order of the user table, every one or only the
    // active ones; no item is selected afterwards.
    void listAdminUsers_Fill(bool activeOnly);
    // Shows objUser's current user (the fields are emptied when there is none)
    // with the user's events, newest first.
    void AdminUserDataDisplay();
    // Closes the user database of the screen and releases objUser.
    void AdminUserDbClose();
    // Selects the list item of the user with this UserID, or none.
    void listAdminUsers_Select(int32_t userId);

    void listAdminUsers_Click();
    void listAdminUsers_DblClick();
    void cmdUserAdd_Click();
    void cmdUserSearch_Click();
    void cmdUserEdit_Click();
    void cmdUserDel_Click();
    void cmdUserHistory_Click();
    void tabAdmin_TabClick(int index);
    void chkUserActive_Click(int index);
    void chkUserActive_DblClick(int index);
    // Double click on one of the six user boxes.
    void txtUser_DblClick(QLineEdit *box);

    // Directory choices of the settings tab.
    void cmdQuestionDBPathSelect_Click();
    void cmdUserDBPathSelect_Click();
    void userDbSettingShow();
    void cmdPicPathSelect_Click();

    // Opens the support page in the web browser.
    void txtVelkoSupportURL_Click();
    // Back to the login screen, whose list is read again; end of the program.
    void cmdAdminOK_Click();
    void cmdAdminQuit_Click();

    // The search dialog, created at its first use and kept for the run.
    formUserSearch *UserSearchDialog();

    QTabWidget *tabAdmin = nullptr;
    QFrame *frametabAdmin[3] = {};

    // User management page
    QListWidget *listAdminUsers = nullptr;
    QWidget *picboxUserShowTitle = nullptr;
    QGroupBox *frameUserShow = nullptr;
    QLabel *lblUserName = nullptr;
    QLineEdit *txtUserName = nullptr;
    QLabel *lblUserPassword = nullptr;
    QLineEdit *txtUserPassword = nullptr;
    QLabel *lblUserLanguageNr = nullptr;
    QLineEdit *txtUserLanguageNr = nullptr;
    QLabel *lblUserCategoryNr = nullptr;
    QLineEdit *txtUserCategoryNr = nullptr;
    QLabel *lblUserBookNr = nullptr;
    QLineEdit *txtUserBookNr = nullptr;
    QLabel *lblUserComment = nullptr;
    QLineEdit *txtUserComment = nullptr;
    QGroupBox *frameUserActive = nullptr;
    QRadioButton *chkUserActive[2] = {};   // 0 active, 1 deactivated
    QLabel *lblUserActivity = nullptr;
    QComboBox *cmbUserActivity = nullptr;
    QWidget *picboxUserAdminButtons = nullptr;
    QPushButton *cmdUserAdd = nullptr;
    QPushButton *cmdUserSearch = nullptr;
    QPushButton *cmdUserEdit = nullptr;
    QPushButton *cmdUserDel = nullptr;
    QPushButton *cmdUserHistory = nullptr;

    // Settings page
    QWidget *picboxPathSettingsTitle = nullptr;
    QGroupBox *framePathSettings = nullptr;
    QLabel *lblQuestionDBPath = nullptr;
    QLineEdit *txtQuestionDBPath = nullptr;
    QLabel *lblUserDBPath = nullptr;
    QLineEdit *txtUserDBPath = nullptr;
    QLabel *lblPicPath = nullptr;
    QLineEdit *txtPicPath = nullptr;
    QWidget *picboxPathSettingsButtons = nullptr;
    QPushButton *cmdQuestionDBPathSelect = nullptr;
    QPushButton *cmdUserDBPathSelect = nullptr;
    QPushButton *cmdPicPathSelect = nullptr;

    // Right-hand column
    QLabel *txtVelkoSupportURL = nullptr;
    QWidget *picboxAdminButtons = nullptr;
    QPushButton *cmdAdminOK = nullptr;
    QPushButton *cmdAdminQuit = nullptr;
    QPushButton *cmdLanguage = nullptr;   // cmdLanguage_3
    QFileDialog *dlgFileOpen = nullptr;

    // The tab whose page frame is shown.
    int16_t AdminTabIndex = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows the user edit dialog modally; it works on objUser's current user.
    void userEditShow();
    // Edit, delete and history need a displayed user that is selected.
    void userButtonsUpdate();
    // One directory choice: file dialog, check, INI value.
    bool pathSelect(QLineEdit *box, const QString &filter, const QString &key, const QString &dbFileName);

    formUserSearch *m_search = nullptr;
    bool m_listQuiet = false;   // selection changes made by the program itself
};
