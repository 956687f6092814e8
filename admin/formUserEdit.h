#pragma once
// The modal dialog that creates a user or modifies the user shown on the
// administration screen. It works on objUser's current user: a user without
// a name means a new one.
#include <QDialog>
#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class frameAdmin;

class formUserEdit : public QDialog
{
    Q_OBJECT
public:
    formUserEdit(frameAdmin *admin, QWidget *parent);

    // Fills the captions and lists and shows the current user; OK stays
    // disabled until something is typed or a list or option gets the focus.
    void Form_Load();
    // Captions and lists in CurrentLanguageNr (0..2; others leave them).
    void FormTextUpdate();
    // Checks the name and password, stores the user, journals the change and
    // refreshes the user lists when needed.
    void cmdUserEditOK_Click();
    void cmdUserEditCancel_Click();

    QGroupBox *frameUserEdit = nullptr;
    QLabel *lblUserName = nullptr;
    QLineEdit *txtUserName = nullptr;
    QLabel *lblUserPassword = nullptr;
    QLineEdit *txtUserPassword = nullptr;
    QLabel *lblUserLanguageNr = nullptr;
    QComboBox *cmbUserLanguageNr = nullptr;
    QLabel *lblUserCategoryNr = nullptr;
    QComboBox *cmbUserCategoryNr = nullptr;
    QLabel *lblUserBookNr = nullptr;
    QComboBox *cmbUserBookNr = nullptr;
    QGroupBox *frameUserActive = nullptr;
    QRadioButton *chkUserActive[2] = {};   // 0 active, 1 deactivated
    QLabel *lblUserComment = nullptr;
    QLineEdit *txtUserComment = nullptr;
    QPushButton *cmdUserEditOK = nullptr;
    QPushButton *cmdUserEditCancel = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void okEnable();

    frameAdmin *m_admin;
};
