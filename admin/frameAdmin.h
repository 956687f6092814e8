#pragma once
// The administration screen: a tab strip with the user management page
// (frametabAdmin_0: user list, the selected user's data and events, the
// user buttons) and the settings page (frametabAdmin_1: the three
// directories). frametabAdmin_2 is a spare page, hidden. The page frames lie
// inside tabAdmin below its tabs; only the frame of the selected tab is shown.
#include <QGroupBox>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

class frameAdmin : public QGroupBox
{
    Q_OBJECT
public:
    explicit frameAdmin(QWidget *parent = nullptr);

    // Opens the support page in the web browser.
    void txtVelkoSupportURL_Click();
    // Back to the login screen, whose list is read again; end of the program.
    void cmdAdminOK_Click();
    void cmdAdminQuit_Click();

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
};
