#pragma once
// The real main window with the administrator signed in, the user database
// of the sandbox to look into, and answers for the modal dialogs.
#include "ShellFixture.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace AdminFixture {

using ShellFixture::items;

// A click as the mouse does it; an option button is hit on its indicator.
inline void press(QWidget *w)
{
    const QPoint at = qobject_cast<QRadioButton *>(w) ? QPoint(8, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

class Window
{
public:
    explicit Window(const ShellFixture::Databases &db, const QString &extraIni = {})
    {
        db.install(sb, extraIni);
        w = ShellFixture::startMainWindow();
        adminList = find<QListWidget>(QStringLiteral("frametabAdmin_0"), QStringLiteral("listAdminUsers"));
        loginList = find<QListWidget>(QStringLiteral("frameLogin"), QStringLiteral("listLoginUsers"));
    }
    ~Window() { Dialogs::SetDialogHandler({}); }

    // A control of one screen, found below its frame.
    template <class T = QWidget> T *find(const QString &frame, const QString &name) const
    {
        return ShellFixture::child<T>(ShellFixture::child(w.get(), frame), name);
    }
    template <class T = QWidget> T *admin(const QString &name) const { return find<T>(QStringLiteral("frameAdmin"), name); }
    void click(const QString &name) const { press(admin(name)); }
    void signInAdmin() const
    {
        ShellFixture::signIn(w.get(), QStringLiteral("_Vestr"), QStringLiteral("1234"));
        QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Admin));
        Dialogs::ClearShown();   // the start-up's warning about the empty picture directory
    }
    // Clicks a user of the administration list as the mouse does.
    void pick(const QString &name) const { ShellFixture::clickItem(adminList, name); }
    QString selected() const
    {
        QListWidgetItem *item = adminList->currentItem();
        return item && item->isSelected() ? item->text() : QString();
    }

    QString usersFile() const { return ShellFixture::dataDir(sb) + QStringLiteral("Users.sqlite"); }
    QStringList users() const
    {
        return ShellFixture::query(usersFile(), QStringLiteral("SELECT UserName, Password, LanguageNr, CategoryNr, BookNr, "
                                                               "UserStatus, UserComment FROM \"User\" ORDER BY UserID"));
    }
    // Journal rows after the administrator's sign-in.
    QStringList events() const
    {
        return ShellFixture::query(usersFile(), QStringLiteral("SELECT EventCode, EventText1, UserName, UserID FROM Events "
                                                               "WHERE EventCode <> 1000 ORDER BY EventId"));
    }
    QString userId(const QString &name) const
    {
        return ShellFixture::query(usersFile(), QStringLiteral("SELECT UserID FROM \"User\" WHERE UserName = ?"), {name})
            .value(0);
    }

    TestSupport::Sandbox sb;
    std::unique_ptr<formMain> w;
    QListWidget *adminList = nullptr;
    QListWidget *loginList = nullptr;
};

// Answers the next modal dialogs with the given steps; each step gets the
// dialog and returns the result code.
inline void answerDialogs(QList<std::function<int(QDialog *)>> steps)
{
    auto queue = std::make_shared<QList<std::function<int(QDialog *)>>>(std::move(steps));
    Dialogs::SetDialogHandler([queue](QDialog *d) {
        if (queue->isEmpty()) {
            qWarning("unexpected dialog %s", qPrintable(d->objectName()));
            return int(QDialog::Rejected);
        }
        return queue->takeFirst()(d);
    });
}

template <class T = QWidget> T *in(QDialog *d, const QString &name) { return ShellFixture::child<T>(d, name); }
inline void clickIn(QDialog *d, const QString &name) { press(in(d, name)); }
inline void type(QDialog *d, const QString &box, const QString &text)
{
    auto *edit = in<QLineEdit>(d, box);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
}
inline void typeUser(QDialog *d, const QString &name, const QString &password)
{
    type(d, QStringLiteral("txtUserName"), name);
    type(d, QStringLiteral("txtUserPassword"), password);
}

} // namespace AdminFixture
