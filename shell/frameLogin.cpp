#include "shell/frameLogin.h"

#include "core/AppState.h"
#include "core/ControlCreate.h"
#include "core/Fonts.h"
#include "core/Keyboard.h"
#include "core/LocalisedTexts.h"
#include "core/Notice.h"
#include "core/RuntimeError.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "questionbank/clsQuestion.h"
#include "shell/FormTextUpdate.h"
#include "userdb/clsUser.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <exception>
#include <new>

namespace {

// Design geometry in pixels; the frame is 785 x 569.
constexpr int kKeyWidth = 70;
constexpr int kKeyHeight = 50;
constexpr int kKeyStepX = 90;
constexpr int kKeyStepY = 60;
constexpr int kKeyLeft = 10;
constexpr int kKeyTop = 50;

// A failure met inside the OK button's error trap.
struct TrappedError {
    int32_t number;
    QString message;
};

[[noreturn]] void raiseObjectNotSet()
{
    throw TrappedError{91, QStringLiteral("Object variable or With block variable not set")};
}

void reportTrapped(const TrappedError &e)
{
    RuntimeErrorReport(QStringLiteral("formMain"), QStringLiteral("cmdLoginOK_Click"), e.number, e.message);
}

// Runs one statement of the OK button under its error trap: a failure is
// reported and the button goes on with its next statement.
template <class F>
void trapped(F &&statement)
{
    try {
        statement();
    } catch (const TrappedError &e) {
        reportTrapped(e);
    } catch (const std::bad_alloc &) {
        reportTrapped({7, QStringLiteral("Out of memory")});
    } catch (const std::exception &e) {
        reportTrapped({0, QString::fromLocal8Bit(e.what())});
    } catch (...) {
        reportTrapped({0, QStringLiteral("Unknown error")});
    }
}

} // namespace

frameLogin::frameLogin(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("frameLogin"));
    setTitle(QStringLiteral("Login"));
    setGeometry(4, 0, 785, 569);

    listLoginUsers = ControlCreate<QListWidget>(this, QStringLiteral("listLoginUsers"), 15, 25, 360, 530);
    listLoginUsers->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont listFont = DesignFont(QStringLiteral("Arial"), 12);
    listFont.setBold(true);
    listLoginUsers->setFont(listFont);

    // Password area: title box, frame, and the box with the keypad.
    picboxLoginPasswordTitle = ControlCreate<QWidget>(this, QStringLiteral("picboxLoginPasswordTitle"), 390, 25, 290,
                                                      330);

    frameLoginPassword = new QGroupBox(QStringLiteral("Geben Sie Ihr Passwort ein :"), picboxLoginPasswordTitle);
    frameLoginPassword->setObjectName(QStringLiteral("frameLoginPassword"));
    frameLoginPassword->setGeometry(0, 0, 290, 330);

    picboxLoginPassword = ControlCreate<QWidget>(frameLoginPassword, QStringLiteral("picboxLoginPassword"), 10, 25, 270,
                                                 295);

    txtLoginPassword = ControlCreate<QLineEdit>(picboxLoginPassword, QStringLiteral("txtLoginPassword"), kKeyLeft, 5,
                                                2 * kKeyStepX + kKeyWidth, 36);
    txtLoginPassword->setEchoMode(QLineEdit::Password);
    txtLoginPassword->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    QFont passwordFont = txtLoginPassword->font();
    passwordFont.setPointSize(16);
    txtLoginPassword->setFont(passwordFont);

    QFont keyFont = font();
    keyFont.setPointSize(16);
    keyFont.setBold(true);
    auto placeKey = [&](QPushButton *b, int column, int row) {
        b->setGeometry(kKeyLeft + column * kKeyStepX, kKeyTop + row * kKeyStepY, kKeyWidth, kKeyHeight);
        b->setFont(keyFont);
        // A click leaves the focus in the password box, so typing goes on
        // there; the keyboard reaches the keys with Tab.
        b->setFocusPolicy(Qt::TabFocus);
    };
    // Keypad: 7 8 9 / 4 5 6 / 1 2 3 / delete 0 OK
    for (int i = 0; i <= 9; ++i) {
        auto *b = new QPushButton(QString::number(i), picboxLoginPassword);
        b->setObjectName(QStringLiteral("cmdLoginNumber_%1").arg(i));
        if (i == 0)
            placeKey(b, 1, 3);
        else
            placeKey(b, (i - 1) % 3, 2 - (i - 1) / 3);
        connect(b, &QPushButton::clicked, this, [this, i] { cmdLoginNumber_Click(i); });
        cmdLoginNumber[i] = b;
    }
    cmdLoginDel = new QPushButton(QStringLiteral("⌫"), picboxLoginPassword);
    cmdLoginDel->setObjectName(QStringLiteral("cmdLoginDel"));
    placeKey(cmdLoginDel, 0, 3);
    connect(cmdLoginDel, &QPushButton::clicked, this, &frameLogin::cmdLoginDel_Click);

    cmdLoginOK = new QPushButton(QStringLiteral("OK"), picboxLoginPassword);
    cmdLoginOK->setObjectName(QStringLiteral("cmdLoginOK"));
    placeKey(cmdLoginOK, 2, 3);
    connect(cmdLoginOK, &QPushButton::clicked, this, &frameLogin::cmdLoginOK_Click);

    // Language button at the right edge.
    picboxLoginButtons = ControlCreate<QWidget>(this, QStringLiteral("picboxLoginButtons"), 695, 25, 80, 80);
    cmdLanguage = ButtonCreate(picboxLoginButtons, QStringLiteral("cmdLanguage_0"), QStringLiteral("LANGUE"), 0, 0, 80,
                               80);

    // Moving through the list with the keys applies the user's language but
    // leaves the focus in the list; a click or Return goes on to the password.
    connect(listLoginUsers, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling && row >= 0)
            listLoginUsers_Select(false);
    });
    listLoginUsers->installEventFilter(this);
    connect(txtLoginPassword, &QLineEdit::returnPressed, this, &frameLogin::cmdLoginOK_Click);
    QList<QWidget *> order{listLoginUsers, txtLoginPassword};
    for (int i : {7, 8, 9, 4, 5, 6, 1, 2, 3})
        order << cmdLoginNumber[i];
    order << cmdLoginDel << cmdLoginNumber[0] << cmdLoginOK << cmdLanguage;
    TabOrderSet(order);
    connect(listLoginUsers, &QListWidget::itemClicked, this, [this] { listLoginUsers_Click(); });
    connect(listLoginUsers, &QListWidget::itemDoubleClicked, this, [this] { listLoginUsers_DblClick(); });
}

void frameLogin::frameLoginInit()
{
    delete objUser;
    objUser = new clsUser;
    objUser->ProgramVersion = ProgramVersionText;
    objUser->WindowsVersion = WindowsVersionText;
    objUser->PCName = PCNameText;
    objUser->setRSCursorType(QStringLiteral("3"));
    objUser->setRSLockType(QStringLiteral("1"));
    objUser->DbOpen();
    // A database that did not open (its absence ends the program) has no
    // users to list.
    if (objUser->IsOpen())
        listLoginUsers_Fill(true);
    else
        listLoginUsers->clear();
    txtLoginPassword->clear();
    // The next user starts at the list.
    listLoginUsers->setFocus(Qt::OtherFocusReason);
}

void frameLogin::frameLoginClose()
{
    if (objUser)
        objUser->DbClose();
    delete objUser;
    objUser = nullptr;
    txtLoginPassword->clear();
}

void frameLogin::listLoginUsers_Fill(bool activeOnly)
{
    m_filling = true;
    listLoginUsers->clear();
    if (objUser) {
        objUser->FirstUser();
        int32_t previousId = -1;
        // Up to the end of the table; a row without a name is not listed but
        // does not hide the users after it.
        while (objUser->UserID() != 0) {
            // A move that failed leaves the row where it was: stop there.
            if (objUser->UserID() == previousId)
                break;
            previousId = objUser->UserID();
            if (!objUser->UserName.isEmpty() && !(activeOnly && objUser->UserStatus != 0)) {
                auto *item = new QListWidgetItem(objUser->UserName, listLoginUsers);
                item->setData(Qt::UserRole, objUser->UserID());
            }
            objUser->NextUser();
        }
    }
    m_filling = false;
}

void frameLogin::formTextUpdate()
{
    if (MainProcs::FormTextUpdate)
        MainProcs::FormTextUpdate();
    else
        ::FormTextUpdate(window());
}

void frameLogin::listLoginUsers_Click()
{
    listLoginUsers_Select(true);
}

void frameLogin::listLoginUsers_Select(bool toPassword)
{
    QListWidgetItem *item = listLoginUsers->currentItem();
    if (!item || !item->isSelected() || !objUser)
        return;
    objUser->UserNameSeek(item->text());
    if (objUser->UserName.isEmpty())
        return;   // deleted meanwhile: the screen stays as it is
    // The stored password stays where it is: nothing goes to the clipboard.
    if (toPassword)
        txtLoginPassword->setFocus(Qt::OtherFocusReason);
    CurrentLanguageNr = objUser->LanguageNr;
    CurrentCategoryNr = objUser->CategoryNr;
    CurrentBookNr = objUser->BookNr;
    formTextUpdate();
}

bool frameLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == listLoginUsers && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && listLoginUsers->currentItem()) {
            // The current user is the choice, even before the keys moved.
            listLoginUsers->currentItem()->setSelected(true);
            listLoginUsers_Click();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void frameLogin::listLoginUsers_DblClick()
{
    listLoginUsers_Click();
}

void frameLogin::cmdLoginNumber_Click(int index)
{
    // Like a key stroke: the digit goes in at the caret (replacing a selection).
    txtLoginPassword->setFocus();
    txtLoginPassword->insert(QString(QChar(u'0' + index)));
}

void frameLogin::cmdLoginDel_Click()
{
    txtLoginPassword->setFocus();
    txtLoginPassword->backspace();
}

void frameLogin::cmdLoginOK_Click()
{
    QListWidgetItem *item = listLoginUsers->currentItem();
    if (!item || !item->isSelected())
        return;

    trapped([&] {
        listLoginUsers_Click();
        if (!objUser)
            raiseObjectNotSet();
        if (objUser->UserName.isEmpty())
            return;

        if (!objUser->IsPasswordValid(txtLoginPassword->text())) {
            Seams::Beep();
            NoticeShow(this, NoticeWrongPassword);
            EventLogUserDB(1001, QStringLiteral("Login Failed"), QString(), QString());
            return;
        }

        EventLogUserDB(1000, QStringLiteral("Login OK"), QString(), QString());
        if (objUser->IsAdmin()) {
            frameLoginClose();
            MainProcs::Call(MainProcs::frameAdminInit);
            Frame_OnTop(Screen::Admin, true);
            return;
        }
        trapped([] {
            if (!objQuestion)
                raiseObjectNotSet();
            objQuestion->BookNrGetMax();
            CurrentBookNrMax = objQuestion->BookNrMax();
        });
        MainProcs::Call(MainProcs::framePracticeInit);
        MainProcs::Call(MainProcs::framePracticeStatsShow);
        MainProcs::Call(MainProcs::frameThemesInit);
        MainProcs::Call(MainProcs::frameThemesStatsShow);
        Frame_OnTop(Screen::Practice, true);
    });
}
