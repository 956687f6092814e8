#include "admin/frameAdmin.h"

#include "admin/PasswordCopyBlock.h"
#include "userdb/clsUser.h"
#include "core/ControlCreate.h"
#include "core/Keyboard.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "core/formDebugOutput.h"
#include "core/modMain.h"

#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

// The address may break after each '/' and '.' in a narrow column.
QString BreakableAddress(const QString &address)
{
    QString out;
    for (const QChar c : address) {
        out += c;
        if (c == QLatin1Char('/') || c == QLatin1Char('.'))
            out += QChar(0x200B);
    }
    return out;
}

} // namespace

frameAdmin::frameAdmin(QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("frameAdmin"));
    setTitle(QStringLiteral("Administration"));
    setGeometry(4, 0, 785, 569);

    // Tab strip; the page frames lie over its page area.
    tabAdmin = ControlCreate<QTabWidget>(this, QStringLiteral("tabAdmin"), 12, 28, 620, 530);
    tabAdmin->addTab(new QWidget, QStringLiteral("Users"));
    tabAdmin->addTab(new QWidget, QStringLiteral("Settings"));
    for (int i = 0; i < 3; ++i) {
        frametabAdmin[i] = ControlCreate<QFrame>(tabAdmin, QStringLiteral("frametabAdmin_%1").arg(i), 2, 30, 616, 498);
        frametabAdmin[i]->setVisible(i == 0);
    }

    // --- user management page ---
    QFrame *users = frametabAdmin[0];
    listAdminUsers = ControlCreate<QListWidget>(users, QStringLiteral("listAdminUsers"), 8, 8, 170, 482);

    picboxUserShowTitle = ControlCreate<QWidget>(users, QStringLiteral("picboxUserShowTitle"), 184, 4, 262, 490);
    frameUserShow = ControlCreate<QGroupBox>(picboxUserShowTitle, QStringLiteral("frameUserShow"), 0, 0, 262, 490);
    frameUserShow->setTitle(QStringLiteral("User"));
    const int labelX = 8, labelW = 112, boxX = 122, boxW = 132, rowH = 26, row0 = 26, rowStep = 34;
    auto row = [&](int k, const QString &label, const QString &caption, const QString &box, QLabel *&lbl,
                   QLineEdit *&txt) {
        lbl = LabelCreate(frameUserShow, label, caption, labelX, row0 + k * rowStep, labelW, rowH);
        txt = DisplayBoxCreate(frameUserShow, box, boxX, row0 + k * rowStep, boxW, rowH);
        lbl->setBuddy(txt);   // the label names the box
    };
    row(0, QStringLiteral("lblUserName"), QStringLiteral("Name"), QStringLiteral("txtUserName"), lblUserName, txtUserName);
    row(1, QStringLiteral("lblUserPassword"), QStringLiteral("Password"), QStringLiteral("txtUserPassword"), lblUserPassword, txtUserPassword);
    row(2, QStringLiteral("lblUserLanguageNr"), QStringLiteral("Language"), QStringLiteral("txtUserLanguageNr"), lblUserLanguageNr,
        txtUserLanguageNr);
    row(3, QStringLiteral("lblUserCategoryNr"), QStringLiteral("Category"), QStringLiteral("txtUserCategoryNr"), lblUserCategoryNr,
        txtUserCategoryNr);
    row(4, QStringLiteral("lblUserBookNr"), QStringLiteral("Book"), QStringLiteral("txtUserBookNr"), lblUserBookNr, txtUserBookNr);
    row(5, QStringLiteral("lblUserComment"), QStringLiteral("Comment"), QStringLiteral("txtUserComment"), lblUserComment, txtUserComment);

    frameUserActive = ControlCreate<QGroupBox>(frameUserShow, QStringLiteral("frameUserActive"), 8, 232, 246, 56);
    frameUserActive->setTitle(QStringLiteral("Status"));
    chkUserActive[0] = ControlCreate<QRadioButton>(frameUserActive, QStringLiteral("chkUserActive_0"), 10, 24, 110, 24);
    chkUserActive[0]->setText(QStringLiteral("Active"));
    chkUserActive[1] = ControlCreate<QRadioButton>(frameUserActive, QStringLiteral("chkUserActive_1"), 124, 24, 116,
                                                   24);
    chkUserActive[1]->setText(QStringLiteral("Deactivated"));

    lblUserActivity = LabelCreate(frameUserShow, QStringLiteral("lblUserActivity"), QStringLiteral("Activity"), 8,
                                  298, 246, 20);
    cmbUserActivity = ControlCreate<QComboBox>(frameUserShow, QStringLiteral("cmbUserActivity"), 8, 320, 246, 26);
    lblUserActivity->setBuddy(cmbUserActivity);

    picboxUserAdminButtons = ControlCreate<QWidget>(users, QStringLiteral("picboxUserAdminButtons"), 452, 4, 160, 490);
    const char *userButtons[5][2] = {{"cmdUserAdd", "Add"},
                                     {"cmdUserSearch", "Search"},
                                     {"cmdUserEdit", "Edit"},
                                     {"cmdUserDel", "Delete"},
                                     {"cmdUserHistory", "History"}};
    QPushButton **userButtonMembers[5] = {&cmdUserAdd, &cmdUserSearch, &cmdUserEdit, &cmdUserDel, &cmdUserHistory};
    for (int i = 0; i < 5; ++i)
        *userButtonMembers[i] = ButtonCreate(picboxUserAdminButtons, QLatin1String(userButtons[i][0]),
                                             QLatin1String(userButtons[i][1]), 4, 4 + i * 66, 152, 60);

    // --- settings page ---
    picboxPathSettingsTitle = ControlCreate<QWidget>(frametabAdmin[1], QStringLiteral("picboxPathSettingsTitle"), 8, 8,
                                                     600, 482);
    framePathSettings = ControlCreate<QGroupBox>(picboxPathSettingsTitle, QStringLiteral("framePathSettings"), 8, 8,
                                                 584, 136);
    framePathSettings->setTitle(QStringLiteral("Directories"));
    lblQuestionDBPath = LabelCreate(framePathSettings, QStringLiteral("lblQuestionDBPath"), QStringLiteral("Questions"),
                                    10, 28, 120, 26);
    txtQuestionDBPath = DisplayBoxCreate(framePathSettings, QStringLiteral("txtQuestionDBPath"), 132, 28, 340, 26);
    lblUserDBPath = LabelCreate(framePathSettings, QStringLiteral("lblUserDBPath"), QStringLiteral("Users"), 10, 64,
                                120, 26);
    txtUserDBPath = DisplayBoxCreate(framePathSettings, QStringLiteral("txtUserDBPath"), 132, 64, 340, 26);
    lblPicPath = LabelCreate(framePathSettings, QStringLiteral("lblPicPath"), QStringLiteral("Pictures"), 10, 100,
                             120, 26);
    txtPicPath = DisplayBoxCreate(framePathSettings, QStringLiteral("txtPicPath"), 132, 100, 340, 26);
    lblQuestionDBPath->setBuddy(txtQuestionDBPath);
    lblUserDBPath->setBuddy(txtUserDBPath);
    lblPicPath->setBuddy(txtPicPath);
    // The select buttons stay at the right end of their path boxes.
    picboxPathSettingsButtons = ControlCreate<QWidget>(framePathSettings, QStringLiteral("picboxPathSettingsButtons"),
                                                       480, 28, 96, 98);
    cmdQuestionDBPathSelect = ButtonCreate(picboxPathSettingsButtons, QStringLiteral("cmdQuestionDBPathSelect"),
                                           QStringLiteral("Change"), 4, 0, 88, 26);
    cmdUserDBPathSelect = ButtonCreate(picboxPathSettingsButtons, QStringLiteral("cmdUserDBPathSelect"),
                                       QStringLiteral("Change"), 4, 36, 88, 26);
    cmdPicPathSelect = ButtonCreate(picboxPathSettingsButtons, QStringLiteral("cmdPicPathSelect"),
                                    QStringLiteral("Change"), 4, 72, 88, 26);

    // --- right-hand column ---
    txtVelkoSupportURL = LabelCreate(this, QStringLiteral("txtVelkoSupportURL"),
                                     QStringLiteral("<a href=\"%1\">%2</a>").arg(VelkoSupportURL,
                                                                                 BreakableAddress(VelkoSupportURL)),
                                     640, 28, 137, 80);
    txtVelkoSupportURL->setWordWrap(true);
    txtVelkoSupportURL->setTextFormat(Qt::RichText);
    txtVelkoSupportURL->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    txtVelkoSupportURL->setToolTip(VelkoSupportURL);
    connect(txtVelkoSupportURL, &QLabel::linkActivated, this, [this] { txtVelkoSupportURL_Click(); });

    picboxAdminButtons = ControlCreate<QWidget>(this, QStringLiteral("picboxAdminButtons"), 640, 358, 137, 204);
    const int bw = 129, bh = 60, step = 66;
    cmdLanguage = ButtonCreate(picboxAdminButtons, QStringLiteral("cmdLanguage_3"), QStringLiteral("Language"), 4, 4,
                               bw, bh);
    cmdAdminOK = ButtonCreate(picboxAdminButtons, QStringLiteral("cmdAdminOK"), QStringLiteral("OK"), 4, 4 + step, bw,
                              bh);
    cmdAdminQuit = ButtonCreate(picboxAdminButtons, QStringLiteral("cmdAdminQuit"), QStringLiteral("Quit"), 4,
                                4 + 2 * step, bw, bh);
    // Escape signs out, as OK does; the quit button ends the program.
    EscapeButtonSet(this, cmdAdminOK);
    connect(cmdAdminOK, &QPushButton::clicked, this, &frameAdmin::cmdAdminOK_Click);
    connect(cmdAdminQuit, &QPushButton::clicked, this, &frameAdmin::cmdAdminQuit_Click);

    // User management
    listAdminUsers->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(listAdminUsers, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_listQuiet && row >= 0)
            listAdminUsers_Click();
    });
    connect(listAdminUsers, &QListWidget::itemClicked, this, [this] { listAdminUsers_Click(); });
    connect(listAdminUsers, &QListWidget::itemDoubleClicked, this, [this] { listAdminUsers_DblClick(); });
    connect(cmdUserAdd, &QPushButton::clicked, this, &frameAdmin::cmdUserAdd_Click);
    connect(cmdUserSearch, &QPushButton::clicked, this, &frameAdmin::cmdUserSearch_Click);
    connect(cmdUserEdit, &QPushButton::clicked, this, &frameAdmin::cmdUserEdit_Click);
    connect(cmdUserDel, &QPushButton::clicked, this, &frameAdmin::cmdUserDel_Click);
    connect(cmdUserHistory, &QPushButton::clicked, this, &frameAdmin::cmdUserHistory_Click);
    for (int i = 0; i < 2; ++i) {
        connect(chkUserActive[i], &QRadioButton::clicked, this, [this, i] { chkUserActive_Click(i); });
        chkUserActive[i]->installEventFilter(this);
    }
    for (QLineEdit *box : {txtUserName, txtUserPassword, txtUserLanguageNr, txtUserCategoryNr, txtUserBookNr,
                           txtUserComment})
        box->installEventFilter(this);
    // The password is shown for telling it to its user, not for copying:
    // the box takes no focus and no selection.
    PasswordCopyBlock::Install(txtUserPassword);
    txtUserPassword->setFocusPolicy(Qt::NoFocus);
    connect(tabAdmin, &QTabWidget::currentChanged, this, &frameAdmin::tabAdmin_TabClick);

    // Settings
    connect(cmdQuestionDBPathSelect, &QPushButton::clicked, this, &frameAdmin::cmdQuestionDBPathSelect_Click);
    connect(cmdUserDBPathSelect, &QPushButton::clicked, this, &frameAdmin::cmdUserDBPathSelect_Click);
    connect(cmdPicPathSelect, &QPushButton::clicked, this, &frameAdmin::cmdPicPathSelect_Click);

    userButtonsUpdate();
}

frameAdmin::~frameAdmin() = default;

void frameAdmin::tabAdmin_TabClick(int index)
{
    if (index == AdminTabIndex || index < 0 || index > 2)
        return;
    frametabAdmin[index]->setVisible(true);
    frametabAdmin[AdminTabIndex]->setVisible(false);
    AdminTabIndex = static_cast<int16_t>(index);
}

bool frameAdmin::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == txtUserPassword
        && (type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease))
        return true;   // no selection of the password
    if (type == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 2; ++i)
            if (watched == chkUserActive[i]) {
                chkUserActive_DblClick(i);
                return true;
            }
        if (auto *box = qobject_cast<QLineEdit *>(watched)) {
            txtUser_DblClick(box);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void frameAdmin::AdminUserDbClose()
{
    if (objUser) {
        objUser->DbClose();
        delete objUser;
        objUser = nullptr;
    }
}

void frameAdmin::cmdAdminOK_Click()
{
    AdminUserDbClose();
    MainProcs::Call(MainProcs::frameLoginInit);
    Frame_OnTop(Screen::Login, true);
}

void frameAdmin::cmdAdminQuit_Click()
{
    AdminUserDbClose();
    FilesKill(TempDirectory() + QStringLiteral("*.tmp"));
    Seams::ProgramEnd();
}

void frameAdmin::txtVelkoSupportURL_Click()
{
    DocumentOpen(QStringLiteral("Open"), VelkoSupportURL, QString(), QString(), 1);
}
