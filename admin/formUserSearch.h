#pragma once
// The modal dialog that finds a user by name or by password and makes it the
// displayed, selected user of the administration screen. It is hidden, not
// destroyed, after use: the search field and text stay for the next search.
#include <QDialog>
#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class frameAdmin;

class formUserSearch : public QDialog
{
    Q_OBJECT
public:
    formUserSearch(frameAdmin *admin, QWidget *parent);

    // Captions in CurrentLanguageNr; refills the search fields and selects SearchBy.
    void FormTextUpdate();
    void txtUserSearchText_Change();
    void cmbUserSearchByWhat_Click(int index);
    // Seeks by the chosen field, shows the result on the administration
    // screen (nobody found: empty fields, no selection) and hides the dialog.
    void cmdUserEditOK_Click();
    void cmdUserEditCancel_Click();

    QGroupBox *frameUserEdit = nullptr;
    QLabel *lblUserSearchText = nullptr;
    QLineEdit *txtUserSearchText = nullptr;
    QLabel *lblUserSearchByWhat = nullptr;
    QComboBox *cmbUserSearchByWhat = nullptr;   // 0 name, 1 password
    QPushButton *cmdUserEditOK = nullptr;
    QPushButton *cmdUserEditCancel = nullptr;

    // The search field last chosen.
    uint8_t SearchBy = 0;

protected:
    void showEvent(QShowEvent *event) override;   // Form_Activate

private:
    frameAdmin *m_admin;
};
