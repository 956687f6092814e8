#include "admin/formUserSearch.h"

#include "admin/DialogCaptions.h"
#include "admin/frameAdmin.h"
#include "core/AppState.h"
#include "core/ControlCreate.h"
#include "userdb/clsUser.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const DialogCaption kCaptions[] = {
    {"", {"Benützer Suchen :", "Recherche d'un utilisateur :", "Ricerca di un utente :"}},
    {"lblUserSearchText", {"Suchen nach :", "Rechercher :", "Trova :"}},
    {"lblUserSearchByWhat", {"Suchen in :", "Dans :", "Cerca in :"}},
    {"cmdUserEditCancel", {"ABBRECHEN", "ANNULER", "CANCELLARE"}},
    {"cmdUserEditOK", {"OK", "OK", "OK"}},
};

const char *const kSearchFields[2][3] = {
    {"Name", "Nom", "Cognome"},
    {"Passwort", "Mot de Passe", "Parola d'accesso"},
};

} // namespace

formUserSearch::formUserSearch(frameAdmin *admin, QWidget *parent)
    : QDialog(parent), m_admin(admin)
{
    setObjectName(QStringLiteral("formUserSearch"));
    setWindowTitle(QStringLiteral("Search"));
    setFixedSize(440, 152);

    frameUserEdit = ControlCreate<QGroupBox>(this, QStringLiteral("frameUserEdit"), 8, 6, 424, 94);
    lblUserSearchText = LabelCreate(frameUserEdit, QStringLiteral("lblUserSearchText"), QString(), 12, 20, 140, 26);
    txtUserSearchText = ControlCreate<QLineEdit>(frameUserEdit, QStringLiteral("txtUserSearchText"), 156, 20, 256, 26);
    lblUserSearchByWhat = LabelCreate(frameUserEdit, QStringLiteral("lblUserSearchByWhat"), QString(), 12, 56, 140,
                                      26);
    cmbUserSearchByWhat = ControlCreate<QComboBox>(frameUserEdit, QStringLiteral("cmbUserSearchByWhat"), 156, 56,
                                                   256, 26);
    cmdUserEditCancel = ButtonCreate(this, QStringLiteral("cmdUserEditCancel"), QString(), 156, 108, 136, 36);
    cmdUserEditOK = ButtonCreate(this, QStringLiteral("cmdUserEditOK"), QStringLiteral("OK"), 296, 108, 136, 36);
    cmdUserEditOK->setDefault(true);
    lblUserSearchText->setBuddy(txtUserSearchText);
    lblUserSearchByWhat->setBuddy(cmbUserSearchByWhat);

    connect(txtUserSearchText, &QLineEdit::textChanged, this, &formUserSearch::txtUserSearchText_Change);
    connect(cmbUserSearchByWhat, &QComboBox::activated, this, &formUserSearch::cmbUserSearchByWhat_Click);
    connect(cmdUserEditOK, &QPushButton::clicked, this, &formUserSearch::cmdUserEditOK_Click);
    connect(cmdUserEditCancel, &QPushButton::clicked, this, &formUserSearch::cmdUserEditCancel_Click);

    // Form_Load
    txtUserSearchText->clear();
    SearchBy = 0;
    txtUserSearchText_Change();
}

void formUserSearch::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    txtUserSearchText->setFocus(Qt::OtherFocusReason);
}

void formUserSearch::FormTextUpdate()
{
    const int language = CurrentLanguageNr;
    if (language < 0 || language > 2)
        return;
    DialogCaptionsApply(this, kCaptions, language);
    const QSignalBlocker quiet(cmbUserSearchByWhat);
    cmbUserSearchByWhat->clear();
    for (const auto &field : kSearchFields)
        cmbUserSearchByWhat->addItem(QString::fromUtf8(field[language]));
    cmbUserSearchByWhat->setCurrentIndex(SearchBy < cmbUserSearchByWhat->count() ? SearchBy : 0);
}

void formUserSearch::txtUserSearchText_Change()
{
    cmdUserEditOK->setEnabled(!txtUserSearchText->text().isEmpty());
}

void formUserSearch::cmbUserSearchByWhat_Click(int index)
{
    if (index >= 0)
        SearchBy = static_cast<uint8_t>(index);
}

void formUserSearch::cmdUserEditOK_Click()
{
    const QString text = txtUserSearchText->text();
    if (text.isEmpty() || !objUser)
        return;
    if (cmbUserSearchByWhat->currentIndex() == 1)
        objUser->PasswordSeek(text);
    else
        objUser->UserNameSeek(text);
    m_admin->AdminUserDataDisplay();
    m_admin->listAdminUsers_Select(objUser->UserName.isEmpty() ? 0 : objUser->UserID());
    accept();
}

void formUserSearch::cmdUserEditCancel_Click() { reject(); }
