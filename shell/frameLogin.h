#pragma once
// The login screen: the list of active users, a password box with a digit
// keypad, and the OK button. Picking a name switches the whole interface to
// that user's language at once.
#include <QGroupBox>
#include <cstdint>

class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

class frameLogin : public QGroupBox
{
    Q_OBJECT
public:
    explicit frameLogin(QWidget *parent = nullptr);

    // Creates a new objUser, opens the user database, fills the list.
    void frameLoginInit();
    // Closes the user database of the screen and releases objUser.
    void frameLoginClose();
    // Fills the list in the order of the user table; activeOnly leaves out
    // every user whose UserStatus is not 0.
    void listLoginUsers_Fill(bool activeOnly);

    void listLoginUsers_Click();
    // Applies the selected user's language and book; toPassword moves the
    // focus on to the password box.
    void listLoginUsers_Select(bool toPassword);
    void listLoginUsers_DblClick();
    void cmdLoginNumber_Click(int index);
    void cmdLoginDel_Click();
    void cmdLoginOK_Click();

    QListWidget *listLoginUsers = nullptr;
    QWidget *picboxLoginPasswordTitle = nullptr;
    QGroupBox *frameLoginPassword = nullptr;
    QWidget *picboxLoginPassword = nullptr;
    QLineEdit *txtLoginPassword = nullptr;
    QPushButton *cmdLoginNumber[10] = {};
    QPushButton *cmdLoginDel = nullptr;
    QPushButton *cmdLoginOK = nullptr;
    QWidget *picboxLoginButtons = nullptr;
    QPushButton *cmdLanguage = nullptr;   // element 0 of the language buttons

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formTextUpdate();
    bool m_filling = false;
};
