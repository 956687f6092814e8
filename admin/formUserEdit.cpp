#include "admin/formUserEdit.h"

#include "admin/DialogCaptions.h"
#include "admin/AdminRules.h"
#include "admin/PasswordCopyBlock.h"
#include "admin/frameAdmin.h"
#include "core/AppState.h"
#include "core/ControlCreate.h"
#include "core/LocalisedTexts.h"
#include "core/Notice.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "questionbank/clsQuestion.h"
#include "userdb/clsUser.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const DialogCaption kCaptions[] = {
    {"", {"Benützer Daten :", "Données de l'utilisateur :", "Dati dell'utente :"}},
    {"lblUserName", {"Name :", "Nom :", "Cognome :"}},
    {"lblUserPassword", {"Passwort :", "Mot de Passe :", "Parola d'accesso :"}},
    {"lblUserLanguageNr", {"Sprache :", "Langue :", "Lingua :"}},
    {"lblUserCategoryNr", {"Kategorie :", "Catégorie :", "Categoria :"}},
    {"lblUserBookNr", {"Buch :", "Livre :", "Libro :"}},
    {"frameUserActive", {"Benützer :", "Utilisateur :", "Utente :"}},
    {"chkUserActive_0", {"Aktiv", "Actif", "Attivo"}},
    {"chkUserActive_1", {"Deaktiviert", "Désactivé", "Disattivato"}},
    {"lblUserComment", {"Bemerkung :", "Commentaire :", "Commento :"}},
    {"cmdUserEditCancel", {"ABBRECHEN", "ANNULER", "CANCELLARE"}},
    {"cmdUserEditOK", {"OK", "OK", "OK"}},
};

// Design geometry in pixels.
constexpr int kLabelX = 12, kLabelW = 140, kBoxX = 156, kBoxW = 256, kRowH = 26, kRow0 = 24, kRowStep = 34;

void SetComboIndex(QComboBox *box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

} // namespace

formUserEdit::formUserEdit(frameAdmin *admin, QWidget *parent)
    : QDialog(parent), m_admin(admin)
{
    setObjectName(QStringLiteral("formUserEdit"));
    setWindowTitle(QStringLiteral("User"));
    setFixedSize(440, 356);

    frameUserEdit = ControlCreate<QGroupBox>(this, QStringLiteral("frameUserEdit"), 8, 6, 424, 298);
    auto label = [&](const char *name, int row) {
        return LabelCreate(frameUserEdit, QLatin1String(name), QString(), kLabelX, kRow0 + row * kRowStep, kLabelW,
                           kRowH);
    };
    auto place = [&](QWidget *w, const char *name, int row) {
        w->setObjectName(QLatin1String(name));
        w->setGeometry(kBoxX, kRow0 + row * kRowStep, kBoxW, kRowH);
    };
    lblUserName = label("lblUserName", 0);
    txtUserName = new QLineEdit(frameUserEdit);
    place(txtUserName, "txtUserName", 0);
    lblUserPassword = label("lblUserPassword", 1);
    txtUserPassword = new QLineEdit(frameUserEdit);
    place(txtUserPassword, "txtUserPassword", 1);
    PasswordCopyBlock::Install(txtUserPassword);
    lblUserLanguageNr = label("lblUserLanguageNr", 2);
    cmbUserLanguageNr = new QComboBox(frameUserEdit);
    place(cmbUserLanguageNr, "cmbUserLanguageNr", 2);
    lblUserCategoryNr = label("lblUserCategoryNr", 3);
    cmbUserCategoryNr = new QComboBox(frameUserEdit);
    place(cmbUserCategoryNr, "cmbUserCategoryNr", 3);
    lblUserBookNr = label("lblUserBookNr", 4);
    cmbUserBookNr = new QComboBox(frameUserEdit);
    place(cmbUserBookNr, "cmbUserBookNr", 4);

    frameUserActive = ControlCreate<QGroupBox>(frameUserEdit, QStringLiteral("frameUserActive"), kLabelX,
                                               kRow0 + 5 * kRowStep, 400, 58);
    for (int i = 0; i < 2; ++i) {
        chkUserActive[i] = ControlCreate<QRadioButton>(frameUserActive, QStringLiteral("chkUserActive_%1").arg(i),
                                                       12 + i * 190, 24, 180, 26);
        chkUserActive[i]->installEventFilter(this);
        connect(chkUserActive[i], &QRadioButton::clicked, this, &formUserEdit::okEnable);
    }
    lblUserComment = label("lblUserComment", 7);
    txtUserComment = new QLineEdit(frameUserEdit);
    place(txtUserComment, "txtUserComment", 7);

    cmdUserEditCancel = ButtonCreate(this, QStringLiteral("cmdUserEditCancel"), QString(), 156, 312, 136, 36);
    cmdUserEditOK = ButtonCreate(this, QStringLiteral("cmdUserEditOK"), QStringLiteral("OK"), 296, 312, 136, 36);
    cmdUserEditOK->setDefault(true);
    // Each field is named by its label.
    lblUserName->setBuddy(txtUserName);
    lblUserPassword->setBuddy(txtUserPassword);
    lblUserLanguageNr->setBuddy(cmbUserLanguageNr);
    lblUserCategoryNr->setBuddy(cmbUserCategoryNr);
    lblUserBookNr->setBuddy(cmbUserBookNr);
    lblUserComment->setBuddy(txtUserComment);

    for (QLineEdit *box : {txtUserName, txtUserPassword, txtUserComment})
        connect(box, &QLineEdit::textEdited, this, &formUserEdit::okEnable);
    for (QComboBox *box : {cmbUserLanguageNr, cmbUserCategoryNr, cmbUserBookNr})
        box->installEventFilter(this);
    connect(cmdUserEditOK, &QPushButton::clicked, this, &formUserEdit::cmdUserEditOK_Click);
    connect(cmdUserEditCancel, &QPushButton::clicked, this, &formUserEdit::cmdUserEditCancel_Click);
}

bool formUserEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        okEnable();
    return QDialog::eventFilter(watched, event);
}

void formUserEdit::okEnable() { cmdUserEditOK->setEnabled(true); }

void formUserEdit::FormTextUpdate()
{
    const int language = CurrentLanguageNr;
    if (language < 0 || language > 2)
        return;
    DialogCaptionsApply(this, kCaptions, language);

    cmbUserLanguageNr->clear();
    for (const QString &name : LanguageNames)
        cmbUserLanguageNr->addItem(name);
    cmbUserCategoryNr->clear();
    for (const QString &name : CategoryNames)
        cmbUserCategoryNr->addItem(name);
    // The books of the category current when the list is filled.
    cmbUserBookNr->clear();
    const int16_t bookNr = CurrentBookNr;
    for (int16_t b = 0; b <= CurrentBookNrMax && objQuestion; ++b) {
        CurrentBookNr = b;
        objQuestion->BookNrSeek();
        cmbUserBookNr->addItem(objQuestion->BookTitle);
    }
    CurrentBookNr = bookNr;
}

void formUserEdit::Form_Load()
{
    if (objQuestion) {
        objQuestion->BookNrGetMax();
        CurrentBookNrMax = objQuestion->BookNrMax();
    }
    FormTextUpdate();
    if (!objUser)
        return;
    const clsUser &u = *objUser;
    txtUserName->setText(u.UserName);
    if (u.IsAdmin()) {
        // The administrator can be neither renamed nor deactivated.
        txtUserName->setReadOnly(true);
        frameUserActive->setEnabled(false);
    }
    txtUserPassword->setText(u.Password);
    // A new user starts in the interface language; a stored user keeps its own.
    SetComboIndex(cmbUserLanguageNr, u.UserName.isEmpty() ? CurrentLanguageNr : u.LanguageNr);
    SetComboIndex(cmbUserCategoryNr, CurrentCategoryNr);
    SetComboIndex(cmbUserBookNr, CurrentBookNr);
    cmdUserEditOK->setEnabled(false);
    chkUserActive[u.UserStatus != 0 ? 1 : 0]->setChecked(true);
    txtUserComment->setText(u.UserComment);
    txtUserName->setFocus(Qt::OtherFocusReason);
}

void formUserEdit::cmdUserEditOK_Click()
{
    if (!objUser)
        return;
    clsUser &u = *objUser;
    const QString name = txtUserName->text();
    const QString password = txtUserPassword->text();
    const bool isNew = u.UserName.isEmpty();
    const UserEditCheck check
        = UserEditValidate(name, password, name.isEmpty() ? 0 : u.UserNameIdGet(name), isNew ? 0 : u.UserID());
    if (check != UserEditCheck::Ok) {
        QLineEdit *box = UserEditCheckIsName(check) ? txtUserName : txtUserPassword;
        box->setFocus(Qt::OtherFocusReason);
        Seams::Beep();
        NoticeShow(this, check == UserEditCheck::NameEmpty   ? NoticeUserNameMissing
                         : check == UserEditCheck::NameTaken ? NoticeUserNameTaken
                                                             : NoticePasswordDigits);
        return;
    }

    if (isNew)
        u.NewUser();
    const int32_t code = isNew ? 2000 : 2001;
    const bool deactivated = chkUserActive[1]->isChecked();
    const bool refresh = UserListsNeedRefresh(u.UserName, name, u.UserStatus, deactivated);

    u.UserName = name;
    u.Password = password;
    // A list without a choice (a stored value outside the list) keeps the value.
    if (cmbUserLanguageNr->currentIndex() >= 0)
        u.LanguageNr = static_cast<int16_t>(cmbUserLanguageNr->currentIndex());
    if (cmbUserCategoryNr->currentIndex() >= 0)
        u.CategoryNr = static_cast<int16_t>(cmbUserCategoryNr->currentIndex());
    if (cmbUserBookNr->currentIndex() >= 0)
        u.BookNr = static_cast<int16_t>(cmbUserBookNr->currentIndex());
    u.UserStatus = deactivated ? 1 : 0;
    u.UserComment = txtUserComment->text();
    u.UpdateUser();
    EventLogUserDB(code, isNew ? QStringLiteral("User Created") : QStringLiteral("User Modified"), QString(),
                   QString());

    if (u.IsAdmin()) {
        // The interface follows the administrator's language at once.
        CurrentLanguageNr = u.LanguageNr;
        MainProcs::Call(MainProcs::FormTextUpdate);
    }
    if (refresh) {
        if (MainProcs::listLoginUsers_Fill)
            MainProcs::listLoginUsers_Fill(true);
        m_admin->listAdminUsers_Fill(false);
        u.UserNameSeek(name);
        m_admin->listAdminUsers_Select(u.UserID());
    }
    m_admin->AdminUserDataDisplay();
    accept();
}

void formUserEdit::cmdUserEditCancel_Click() { reject(); }
