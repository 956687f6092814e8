#include "shell/formFirstStart.h"

#include "core/Seams.h"
#include "shell/FirstStart.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
// German, French, Italian.
const char *const kTitle[3] = {"Velko - erster Start", "Velko - premier démarrage", "Velko - primo avvio"};
const char *const kIntro[3] = {
    "Velko wird zum ersten Mal gestartet. Legen Sie das Passwort des Administrators (_Vestr) fest: "
    "nur Ziffern.",
    "Velko démarre pour la première fois. Choisissez le mot de passe de l'administrateur (_Vestr) : "
    "des chiffres uniquement.",
    "Velko viene avviato per la prima volta. Scelga la password dell'amministratore (_Vestr): "
    "solo cifre."};
const char *const kPassword[3] = {"Passwort :", "Mot de passe :", "Password :"};
const char *const kAgain[3] = {"Wiederholen :", "Répéter :", "Ripetere :"};
const char *const kProblem[3] = {"Die beiden Passwörter müssen gleich sein und nur aus Ziffern bestehen !",
                                 "Les deux mots de passe doivent être identiques et ne contenir que des chiffres !",
                                 "Le due password devono essere uguali e contenere solo cifre !"};
const char *const kCancel[3] = {"Abbrechen", "Annuler", "Annullare"};
} // namespace

formFirstStart::formFirstStart(int16_t languageNr, QWidget *parent)
    : QDialog(parent), m_languageNr(languageNr >= 0 && languageNr <= 2 ? languageNr : 0)
{
    const int l = m_languageNr;
    setObjectName(QStringLiteral("formFirstStart"));
    setWindowTitle(QString::fromUtf8(kTitle[l]));
    setModal(true);

    auto *intro = new QLabel(QString::fromUtf8(kIntro[l]), this);
    intro->setObjectName(QStringLiteral("lblIntro"));
    intro->setWordWrap(true);
    const auto *digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,254}")), this);
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPasswordAgain = new QLineEdit(this);
    txtPasswordAgain->setObjectName(QStringLiteral("txtPasswordAgain"));
    for (QLineEdit *t : {txtPassword, txtPasswordAgain}) {
        t->setEchoMode(QLineEdit::Password);
        t->setValidator(digits);
    }
    auto *form = new QFormLayout;
    form->addRow(QString::fromUtf8(kPassword[l]), txtPassword);
    form->addRow(QString::fromUtf8(kAgain[l]), txtPasswordAgain);
    txtPassword->setAccessibleName(QString::fromUtf8(kPassword[l]));
    txtPasswordAgain->setAccessibleName(QString::fromUtf8(kAgain[l]));

    lblProblem = new QLabel(QString::fromUtf8(kProblem[l]), this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);
    lblProblem->setStyleSheet(QStringLiteral("QLabel { color: rgb(192, 0, 0); font-weight: bold; }"));
    lblProblem->setVisible(false);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QString::fromUtf8(kCancel[l]), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &formFirstStart::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(lblProblem);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

QString formFirstStart::Password() const { return txtPassword->text(); }

void formFirstStart::cmdOK_Click()
{
    if (!AdminPasswordAcceptable(txtPassword->text(), txtPasswordAgain->text())) {
        Seams::Beep();
        lblProblem->setVisible(true);
        txtPasswordAgain->clear();
        txtPassword->setFocus();
        txtPassword->selectAll();
        return;
    }
    accept();
}
