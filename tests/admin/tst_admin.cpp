// The administration screen in the real main window with the administrator
// signed in. The user management, with the real edit and search dialogs: the
// lists, creating, modifying, deactivating, deleting and finding users, the
// checks of the edit dialog, the administrator's protections and the journal
// rows of every change. The frame and its settings tab: controls, pages,
// read-only boxes and the support link; the three directory choices through
// the file dialog, the INI file written byte for byte as before except for the
// one key, the restart warning, the question before a directory without the
// database file, and a file that cannot be written.
#include "CaptionFit.h"
#include "ShellFixture.h"
#include "admin/frameAdmin.h"
#include "core/IniLocation.h"
#include "core/LocalisedTexts.h"
#include "core/Notice.h"
#include "core/formDebugOutput.h"
#include "stats/FrameGeometry.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using ShellFixture::items;

namespace {

const QString Ok = QStringLiteral("cmdUserEditOK");
const QString Cancel = QStringLiteral("cmdUserEditCancel");

// A click as the mouse does it; an option button is hit on its indicator.
void press(QWidget *w)
{
    const QPoint at = qobject_cast<QRadioButton *>(w) ? QPoint(8, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

// Answers the next modal dialogs with the given steps; each step gets the
// dialog and returns the result code.
void answerDialogs(QList<std::function<int(QDialog *)>> steps)
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
void clickIn(QDialog *d, const QString &name) { press(in(d, name)); }
void type(QDialog *d, const QString &box, const QString &text)
{
    auto *edit = in<QLineEdit>(d, box);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
}

} // namespace

class TestAdmin : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<ShellFixture::Databases>(); }
    void init();
    void cleanup();

    void listDisplayCreateAndSearchUsers();
    void editChecks_data();
    void editChecks();
    void deleteModifyAndTheAdministratorsProtection();
    void settingsPagesAndDirectoryChoices();

private:
    // A control of one screen, found below its frame.
    template <class T = QWidget> T *find(const QString &frame, const QString &name) const
    {
        return ShellFixture::child<T>(ShellFixture::child(m_w.get(), frame), name);
    }
    template <class T = QWidget> T *admin(const QString &name) const { return find<T>(QStringLiteral("frameAdmin"), name); }
    void click(const QString &name) const { press(admin(name)); }
    QString box(const QString &name) { return admin<QLineEdit>(name)->text(); }
    // The fields of the displayed user: name, password, language, category, book, comment.
    QString shown()
    {
        QStringList out;
        for (const char *f : {"Name", "Password", "LanguageNr", "CategoryNr", "BookNr", "Comment"})
            out << box(QStringLiteral("txtUser") + QLatin1String(f));
        return out.join(QLatin1Char('|'));
    }
    bool checked(int option) { return admin<QRadioButton>(QStringLiteral("chkUserActive_%1").arg(option))->isChecked(); }
    // Clicks a user of the administration list as the mouse does.
    void pick(const QString &name) const { ShellFixture::clickItem(m_adminList, name); }
    QString selected() const
    {
        QListWidgetItem *item = m_adminList->currentItem();
        return item && item->isSelected() ? item->text() : QString();
    }
    // Clicks the button; fill works in the dialog it opens, which is then closed with close.
    void withDialog(const QString &button, const std::function<void(QDialog *)> &fill, const QString &close = Ok)
    {
        answerDialogs({[fill, close](QDialog *d) {
            fill(d);
            clickIn(d, close);
            return d->result();
        }});
        click(button);
    }

    QString usersFile() const { return ShellFixture::dataDir(*m_sb) + QStringLiteral("Users.sqlite"); }
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

    QByteArray iniBytes() const { return TestSupport::ReadFile(m_sb->iniPath()); }
    // Clicks the button and answers its file dialog with the file, or cancels it (empty file).
    void choose(const QString &button, const QString &file)
    {
        answerDialogs({[this, file](QDialog *d) {
            auto *dialog = qobject_cast<QFileDialog *>(d);
            if (!dialog)
                return int(QDialog::Rejected);
            m_filters = dialog->nameFilters();
            m_startDir = QDir::toNativeSeparators(dialog->directory().absolutePath()) + QDir::separator();
            if (file.isEmpty())
                return int(QDialog::Rejected);
            dialog->selectFile(file);
            return int(QDialog::Accepted);
        }});
        click(button);
    }
    // A directory below the sandbox holding one file.
    QString makeDir(const QString &name, const QString &file)
    {
        const QString dir = m_sb->dir.path() + QLatin1Char('/') + name + QLatin1Char('/');
        QDir().mkpath(dir);
        QFile f(dir + file);
        f.open(QIODevice::WriteOnly);
        return dir;
    }

    std::unique_ptr<ShellFixture::Databases> m_db;
    std::unique_ptr<TestSupport::Sandbox> m_sb;
    std::unique_ptr<formMain> m_w;
    QListWidget *m_adminList = nullptr;
    QListWidget *m_loginList = nullptr;
    QStringList m_filters;
    QString m_startDir;
};

void TestAdmin::init()
{
    m_sb = std::make_unique<TestSupport::Sandbox>();
    // Lines of the INI file that no directory choice may touch.
    m_db->install(*m_sb, QStringLiteral("; demo settings\nQDBVER=2024\\1\n[Other]\nShare=\\\\srv\\velko\\\n"));
    m_w = ShellFixture::startMainWindow();
    m_adminList = find<QListWidget>(QStringLiteral("frametabAdmin_0"), QStringLiteral("listAdminUsers"));
    m_loginList = find<QListWidget>(QStringLiteral("frameLogin"), QStringLiteral("listLoginUsers"));
    ShellFixture::signIn(m_w.get(), QStringLiteral("_Vestr"), QStringLiteral("1234"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Admin));
    Dialogs::ClearShown();   // the start-up's warning about the empty picture directory
    QCOMPARE(admin<QTabWidget>(QStringLiteral("tabAdmin"))->currentIndex(), 0);   // the user management first
}

void TestAdmin::cleanup()
{
    Dialogs::SetDialogHandler({});
    Seams::SetClock({});
    IniFileUse(QString());
    m_w.reset();
    m_sb.reset();
}

void TestAdmin::listDisplayCreateAndSearchUsers()
{
    // Every user in table order, the deactivated one too; nothing selected.
    QCOMPARE(items(m_adminList),
             (QStringList{"_Vestr", "Anna Keller", "Bruno Meier", "Claire Dubois", "Giulia Rossi"}));
    QCOMPARE(shown(), QStringLiteral("|||||"));
    QVERIFY(!admin(QStringLiteral("cmdUserEdit"))->isEnabled() && !admin(QStringLiteral("cmdUserDel"))->isEnabled());

    pick(QStringLiteral("Claire Dubois"));
    QCOMPARE(shown(), QStringLiteral("Claire Dubois|2580|Französich|D - Gesellschaftswagen|Handbuch|"));
    QVERIFY(checked(0) && !checked(1));
    // The password is shown, but the copy key does not put it on the clipboard.
    QApplication::clipboard()->setText(QStringLiteral("before"));
    auto *password = admin<QLineEdit>(QStringLiteral("txtUserPassword"));
    password->selectAll();
    QTest::keyClick(password, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));

    // The options only show the status: clicking "active" of a deactivated
    // user leaves "deactivated" selected.
    pick(QStringLiteral("Bruno Meier"));
    click(QStringLiteral("chkUserActive_0"));
    QVERIFY(checked(1) && !checked(0));
    QCOMPARE(users().value(2), QStringLiteral("Bruno Meier|1111|0|1|1|1| "));

    // The events of the displayed user, newest first.
    Seams::SetClock([] { return QDateTime(QDate(2030, 5, 6), QTime(7, 8, 9)); });
    pick(QStringLiteral("_Vestr"));
    answerDialogs({[](QDialog *d) { type(d, QStringLiteral("txtUserPassword"), QStringLiteral("1234")); clickIn(d, Ok); return 1; }});
    QTest::mouseDClick(admin(QStringLiteral("txtUserComment")), Qt::LeftButton);
    auto *activity = admin<QComboBox>(QStringLiteral("cmbUserActivity"));
    QCOMPARE(activity->count(), 2);
    QVERIFY2(activity->itemText(0).endsWith(QStringLiteral("07:08:09 : User Modified")), qPrintable(activity->itemText(0)));
    QVERIFY(activity->itemText(1).endsWith(QStringLiteral(" : Login OK")));

    // A new user, created in the dialog; then found by password (the first of
    // two users with it), by name, or not at all.
    pick(QStringLiteral("Giulia Rossi"));   // category 2 becomes current
    QString opened;
    withDialog(QStringLiteral("cmdUserAdd"), [&](QDialog *d) {
        // A new user: OK disabled, the fields empty, the lists filled.
        opened = QStringLiteral("%1|%2|%3|%4").arg(in(d, Ok)->isEnabled())
                    .arg(in<QLineEdit>(d, QStringLiteral("txtUserName"))->text())
                    .arg(in<QComboBox>(d, QStringLiteral("cmbUserCategoryNr"))->currentIndex())
                    .arg(in<QComboBox>(d, QStringLiteral("cmbUserBookNr"))->count());
        type(d, QStringLiteral("txtUserName"), QStringLiteral("Dora Frei"));
        type(d, QStringLiteral("txtUserPassword"), QStringLiteral("4711"));   // Anna's password
        in<QComboBox>(d, QStringLiteral("cmbUserLanguageNr"))->setCurrentIndex(1);
        in<QComboBox>(d, QStringLiteral("cmbUserCategoryNr"))->setCurrentIndex(3);
        // The books stay those of the category current when the dialog opened.
        opened += QStringLiteral("|%1").arg(in<QComboBox>(d, QStringLiteral("cmbUserBookNr"))->count());
        in<QComboBox>(d, QStringLiteral("cmbUserBookNr"))->setCurrentIndex(2);
        type(d, QStringLiteral("txtUserComment"), QStringLiteral("Abend"));
    });
    QCOMPARE(opened, QStringLiteral("0||2|3|3"));   // category of the last shown user, books 0..2
    QCOMPARE(users().value(5), QStringLiteral("Dora Frei|4711|1|3|2|0|Abend"));
    QCOMPARE(events().mid(1), QStringList{"2000|User Created|Dora Frei|" + userId("Dora Frei")});
    // In both lists, selected and shown here.
    QCOMPARE(items(m_adminList).last(), QStringLiteral("Dora Frei"));
    QCOMPARE(items(m_loginList).last(), QStringLiteral("Dora Frei"));
    QCOMPARE(selected(), QStringLiteral("Dora Frei"));
    QCOMPARE(box(QStringLiteral("txtUserCategoryNr")), QStringLiteral("D1 - Mini-Bus"));

    // Cancel writes nothing.
    withDialog(QStringLiteral("cmdUserAdd"), [](QDialog *d) {
        type(d, QStringLiteral("txtUserName"), QStringLiteral("Emil"));
        type(d, QStringLiteral("txtUserPassword"), QStringLiteral("77"));
    }, Cancel);
    QCOMPARE(users().size(), 6);
    QCOMPARE(events().size(), 2);

    // Found by name, by password (the first of two users with it), by the field
    // chosen last in this run (Bruno's password), or nobody: no selection.
    const struct { const char *text; int field; const char *found; } searches[] = {
        {"Bruno Meier", 0, "Bruno Meier"}, {"4711", 1, "Anna Keller"}, {"1111", -1, "Bruno Meier"}, {"Niemand", 0, ""}};
    for (const auto &search : searches) {
        bool okWhenEmpty = true;
        withDialog(QStringLiteral("cmdUserSearch"), [&](QDialog *d) {
            auto *byWhat = in<QComboBox>(d, QStringLiteral("cmbUserSearchByWhat"));
            if (search.field >= 0) {
                byWhat->setCurrentIndex(search.field);
                Q_EMIT byWhat->activated(search.field);
            }
            auto *edit = in<QLineEdit>(d, QStringLiteral("txtUserSearchText"));
            edit->clear();
            okWhenEmpty = in(d, Ok)->isEnabled();
            QTest::keyClicks(edit, QLatin1String(search.text));
        });
        QVERIFY(!okWhenEmpty);
        QCOMPARE(selected(), QLatin1String(search.found));
        QCOMPARE(box(QStringLiteral("txtUserName")), QLatin1String(search.found));
    }
    // Nobody found: empty fields and options.
    QCOMPARE(shown(), QStringLiteral("|||||"));
    QVERIFY(!checked(0) && !checked(1));

    // Both dialogs in the three languages chosen on the language screen: every
    // caption fits (the screen's own are checked with the other screens), title
    // and buttons speak the language, and the shown user's texts follow it.
    QStringList problems, captions;
    pick(QStringLiteral("Giulia Rossi"));
    for (int language = 0; language <= 2; ++language) {
        click(QStringLiteral("cmdLanguage_3"));
        ShellFixture::click(m_w.get(), QStringLiteral("cmdLanguageChoice_%1").arg(language));
        QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Admin));
        const auto look = [&](const char *name) {
            return [&problems, &captions, name, language](QDialog *d) {
                problems << CaptionFit::Problems(d, QStringLiteral("%1-%2").arg(QLatin1String(name)).arg(language), d);
                captions << d->windowTitle() + QLatin1Char('|') + in<QPushButton>(d, Cancel)->text();
                clickIn(d, Cancel);
                return 0;
            };
        };
        answerDialogs({look("useredit"), look("usersearch")});
        click(QStringLiteral("cmdUserEdit"));
        click(QStringLiteral("cmdUserSearch"));
        if (language == 1) {
            QCOMPARE(box(QStringLiteral("txtUserLanguageNr")), QStringLiteral("Italien"));
            QCOMPARE(box(QStringLiteral("txtUserCategoryNr")), QStringLiteral("C1 - Sapeurs-Pompiers"));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QCOMPARE(captions, (QStringList{"Benützer Daten :|ABBRECHEN", "Benützer Suchen :|ABBRECHEN",
                                    "Données de l'utilisateur :|ANNULER", "Recherche d'un utilisateur :|ANNULER",
                                    "Dati dell'utente :|CANCELLARE", "Ricerca di un utente :|CANCELLARE"}));
}

void TestAdmin::editChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("refusedIn");   // empty: accepted
    QTest::newRow("letter in the password") << "Eva" << "12a4" << "txtUserPassword";
    QTest::newRow("leading zeros") << "Eva" << "0042" << "";
    QTest::newRow("no name") << "" << "1234" << "txtUserName";
    QTest::newRow("no password") << "Eva" << "" << "txtUserPassword";
    QTest::newRow("254 digits") << "Eva" << QString(254, QLatin1Char('7')) << "";
    QTest::newRow("255 digits") << "Eva" << QString(255, QLatin1Char('7')) << "txtUserPassword";
    QTest::newRow("name of another user") << "Anna Keller" << "5555" << "txtUserName";
    QTest::newRow("name differs in case") << "anna keller" << "5555" << "";
}

void TestAdmin::editChecks()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, refusedIn);
    const QStringList before = users();
    QString focus;
    bool stayed = false;
    QString notice;
    answerDialogs({[&](QDialog *d) {
        type(d, QStringLiteral("txtUserName"), name);
        type(d, QStringLiteral("txtUserPassword"), password);
        clickIn(d, Ok);
        stayed = d->isVisible();
        focus = d->focusWidget() ? d->focusWidget()->objectName() : QString();
        if (QLabel *label = NoticeLabel(d); label && label->isVisible())
            notice = label->text();
        return d->result();
    }});
    click(QStringLiteral("cmdUserAdd"));
    if (refusedIn.isEmpty()) {
        QVERIFY(!stayed);
        QCOMPARE(Seams::BeepCount(), 0);
        QCOMPARE(users().size(), before.size() + 1);
        QVERIFY(users().last().startsWith(name + QLatin1Char('|') + password + QLatin1Char('|')));
        return;
    }
    QVERIFY(stayed);
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(focus, refusedIn);
    QCOMPARE(notice, refusedIn == QLatin1String("txtUserPassword") ? NoticePasswordDigits
                     : name.isEmpty()                                ? NoticeUserNameMissing
                                                                     : NoticeUserNameTaken);
    QCOMPARE(users(), before);
    QVERIFY(events().isEmpty());
}

void TestAdmin::deleteModifyAndTheAdministratorsProtection()
{
    pick(QStringLiteral("Giulia Rossi"));
    const QString giulia = userId(QStringLiteral("Giulia Rossi"));
    Dialogs::SetNextAnswer(QMessageBox::Cancel);
    click(QStringLiteral("cmdUserDel"));
    QCOMPARE(Dialogs::Shown().size(), 1);
    QCOMPARE(Dialogs::Shown()[0].text, QStringLiteral("Wollen Sie wirklich den Benützer 'Giulia Rossi' löschen ?"));
    QCOMPARE(users().size(), 5);
    QVERIFY(events().isEmpty());

    Dialogs::SetNextAnswer(QMessageBox::Ok);
    click(QStringLiteral("cmdUserDel"));
    QCOMPARE(users().size(), 4);
    QCOMPARE(events(), QStringList{"2002|User Deleted|Giulia Rossi|" + giulia});
    QVERIFY(!items(m_adminList).contains(QStringLiteral("Giulia Rossi")));
    QVERIFY(!items(m_loginList).contains(QStringLiteral("Giulia Rossi")));
    QCOMPARE(box(QStringLiteral("txtUserName")), QString());
    QCOMPARE(selected(), QString());

    // The real history screen shows the selected candidate in her own
    // category and returns here, where the dialogs still work on her.
    pick(QStringLiteral("Claire Dubois"));
    CurrentCategoryNr = 3;   // whatever the administration left: the user's category counts
    click(QStringLiteral("cmdUserHistory"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::History));
    QCOMPARE(find<QLineEdit>(QStringLiteral("frameHistory"), QStringLiteral("txtHistoryName"))->text(),
             QStringLiteral("Claire Dubois"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("frameHistory"), QStringLiteral("txtHistoryCategoryNr"))->text(),
             QStringLiteral("D - Gesellschaftswagen"));
    QTest::mouseClick(find(QStringLiteral("frameHistory"), QStringLiteral("cmdHistoryQuit")), Qt::LeftButton);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Admin));
    QCOMPARE(selected(), QStringLiteral("Claire Dubois"));
    QString edited;
    withDialog(QStringLiteral("cmdUserEdit"), [&](QDialog *d) {
        edited = in<QLineEdit>(d, QStringLiteral("txtUserName"))->text();
    }, Cancel);
    QCOMPARE(edited, QStringLiteral("Claire Dubois"));

    // The administrator is protected.
    pick(QStringLiteral("_Vestr"));
    // Not deletable: a beep, no question.
    click(QStringLiteral("cmdUserDel"));
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(Dialogs::Shown().size(), 2);
    QCOMPARE(users().size(), 4);
    // No history.
    QVERIFY(!admin(QStringLiteral("cmdUserHistory"))->isEnabled());

    // Name locked, status fixed; a new language applies to the interface at once.
    bool locked = false;
    withDialog(QStringLiteral("cmdUserEdit"), [&](QDialog *d) {
        locked = in<QLineEdit>(d, QStringLiteral("txtUserName"))->isReadOnly()
                 && !in(d, QStringLiteral("frameUserActive"))->isEnabled();
        QFocusEvent byTab(QEvent::FocusIn, Qt::TabFocusReason);   // the language box reached as by the Tab key
        QApplication::sendEvent(in(d, QStringLiteral("cmbUserLanguageNr")), &byTab);
        in<QComboBox>(d, QStringLiteral("cmbUserLanguageNr"))->setCurrentIndex(2);
    });
    QVERIFY(locked);
    QCOMPARE(users().value(0), QStringLiteral("_Vestr|1234|2|0|1|0| "));
    QCOMPARE(CurrentLanguageNr, int16_t(2));
    QCOMPARE(admin<QPushButton>(QStringLiteral("cmdUserAdd"))->text(), QStringLiteral("AGGIUNGI UTENTE"));
    QCOMPARE(box(QStringLiteral("txtUserLanguageNr")), QStringLiteral("Italiano"));

    // The dialog shows the user; OK waits for a change. The interface speaks Italian now, Anna German.
    QApplication::clipboard()->setText(QStringLiteral("before"));
    pick(QStringLiteral("Anna Keller"));
    QString shown;
    withDialog(QStringLiteral("cmdUserEdit"), [&](QDialog *d) {
        shown = QStringLiteral("%1|%2|%3|%4").arg(in(d, Ok)->isEnabled())
                    .arg(in<QLineEdit>(d, QStringLiteral("txtUserPassword"))->text())
                    .arg(in<QComboBox>(d, QStringLiteral("cmbUserLanguageNr"))->currentIndex())
                    .arg(in<QRadioButton>(d, QStringLiteral("chkUserActive_0"))->isChecked());
        type(d, QStringLiteral("txtUserComment"), QStringLiteral("Nur Theorie"));
        auto *password = in<QLineEdit>(d, QStringLiteral("txtUserPassword"));
        password->selectAll();
        QTest::keyClick(password, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(password, Qt::Key_X, Qt::ControlModifier);
        shown += QLatin1Char('|') + QApplication::clipboard()->text() + QLatin1Char('|') + password->text();
    });
    // OK disabled; the user's own language, not the interface's.
    // Copy and cut leave the clipboard and the password as they were.
    QCOMPARE(shown, QStringLiteral("0|4711|0|1|before|4711"));
    const QString anna = userId(QStringLiteral("Anna Keller"));
    QCOMPARE(users().value(1), QStringLiteral("Anna Keller|4711|0|0|1|0|Nur Theorie"));
    // A comment alone is journaled.
    QCOMPARE(events().mid(2), QStringList{"2001|User Modified|Anna Keller|" + anna});
    QCOMPARE(box(QStringLiteral("txtUserComment")), QStringLiteral("Nur Theorie"));

    // A rename reads both lists again; the user's own name is no duplicate.
    answerDialogs({[](QDialog *d) { type(d, QStringLiteral("txtUserName"), QStringLiteral("Anna Keller")); clickIn(d, Ok); return 1; },
                   [](QDialog *d) { type(d, QStringLiteral("txtUserName"), QStringLiteral("Anna Berger")); clickIn(d, Ok); return 1; }});
    click(QStringLiteral("cmdUserEdit"));
    QCOMPARE(Seams::BeepCount(), 1);   // the administrator's deletion's
    QCOMPARE(events().size(), 4);
    QTest::mouseDClick(m_adminList->viewport(), Qt::LeftButton, {},
                       m_adminList->visualItemRect(m_adminList->currentItem()).center());
    QCOMPARE(items(m_adminList), (QStringList{"_Vestr", "Anna Berger", "Bruno Meier", "Claire Dubois"}));
    QCOMPARE(items(m_loginList), (QStringList{"_Vestr", "Anna Berger", "Claire Dubois"}));
    QCOMPARE(selected(), QStringLiteral("Anna Berger"));
    QCOMPARE(userId(QStringLiteral("Anna Berger")), anna);

    // Deactivated: gone from the login list, still here, no sign-in.
    pick(QStringLiteral("Claire Dubois"));
    withDialog(QStringLiteral("cmdUserEdit"), [](QDialog *d) { clickIn(d, QStringLiteral("chkUserActive_1")); });
    QCOMPARE(users().value(3), QStringLiteral("Claire Dubois|2580|1|1|1|1| "));
    QVERIFY(checked(1));
    // A status change reads the lists again at once: Claire leaves the login list.
    QCOMPARE(items(m_loginList), (QStringList{"_Vestr", "Anna Berger"}));
    QCOMPARE(selected(), QStringLiteral("Claire Dubois"));
    QCOMPARE(events().last(), "2001|User Modified|Claire Dubois|" + userId("Claire Dubois"));
    click(QStringLiteral("cmdAdminOK"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QVERIFY(!objUser->IsAdmin() || objUser->UserName.isEmpty());
    // The renamed user signs in under the new name.
    ShellFixture::signIn(m_w.get(), QStringLiteral("Anna Berger"), QStringLiteral("4711"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));
}

void TestAdmin::settingsPagesAndDirectoryChoices()
{
    auto *frame = ScreenAs<frameAdmin>(Screen::Admin);
    frame->tabAdmin->setCurrentIndex(1);
    FrameGeometry::checkPlacements(frame, {
        {"frameAdmin", {"tabAdmin", "txtVelkoSupportURL", "picboxAdminButtons"}},
        {"tabAdmin", {"frametabAdmin_0", "frametabAdmin_1", "frametabAdmin_2"}},
        {"frametabAdmin_0", {"listAdminUsers", "picboxUserShowTitle", "picboxUserAdminButtons"}},
        {"picboxUserShowTitle", {"frameUserShow"}},
        {"frameUserShow", {"lblUserName", "txtUserName", "lblUserPassword", "txtUserPassword", "lblUserLanguageNr",
                           "txtUserLanguageNr", "lblUserCategoryNr", "txtUserCategoryNr", "lblUserBookNr",
                           "txtUserBookNr", "lblUserComment", "txtUserComment", "frameUserActive",
                           "lblUserActivity", "cmbUserActivity"}},
        {"frameUserActive", {"chkUserActive_0", "chkUserActive_1"}},
        {"picboxUserAdminButtons", {"cmdUserAdd", "cmdUserSearch", "cmdUserEdit", "cmdUserDel", "cmdUserHistory"}},
        {"frametabAdmin_1", {"picboxPathSettingsTitle"}},
        {"picboxPathSettingsTitle", {"framePathSettings"}},
        {"framePathSettings", {"lblQuestionDBPath", "txtQuestionDBPath", "lblUserDBPath", "txtUserDBPath",
                               "lblPicPath", "txtPicPath", "picboxPathSettingsButtons"}},
        {"picboxPathSettingsButtons", {"cmdQuestionDBPathSelect", "cmdUserDBPathSelect", "cmdPicPathSelect"}},
        {"picboxAdminButtons", {"cmdAdminOK", "cmdAdminQuit", "cmdLanguage_3"}},
    });
    // Two tabs, each showing its page alone; all pages share one place.
    QCOMPARE(frame->tabAdmin->count(), 2);
    QVERIFY(frame->frametabAdmin[1]->isVisible() && !frame->frametabAdmin[0]->isVisible());
    frame->tabAdmin->setCurrentIndex(0);
    QVERIFY(frame->frametabAdmin[0]->isVisible());
    for (int page : {1, 2}) {
        QVERIFY(!frame->frametabAdmin[page]->isVisible());
        QCOMPARE(frame->frametabAdmin[page]->geometry(), frame->frametabAdmin[0]->geometry());
    }
    // The boxes show the directories in use; no box is typed in here.
    QCOMPARE(frame->txtUserDBPath->text(), ShellFixture::dataDir(*m_sb));
    QCOMPARE(frame->txtQuestionDBPath->text(), ShellFixture::dataDir(*m_sb));
    QCOMPARE(frame->txtPicPath->text(), ShellFixture::picDir(*m_sb));
    for (QLineEdit *box : {frame->txtUserName, frame->txtUserPassword, frame->txtUserLanguageNr,
                           frame->txtUserCategoryNr, frame->txtUserBookNr, frame->txtUserComment,
                           frame->txtQuestionDBPath, frame->txtUserDBPath, frame->txtPicPath})
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));

    // The support link opens the support page.
    QStringList opened;
    SetDocumentOpenHandler([&](const QString &target) { opened << target; });
    auto restore = qScopeGuard([] { SetDocumentOpenHandler({}); });
    QVERIFY(frame->txtVelkoSupportURL->text().contains("href=\"" + VelkoSupportURL + "\""));
    Q_EMIT frame->txtVelkoSupportURL->linkActivated(VelkoSupportURL);
    QCOMPARE(opened, QStringList({VelkoSupportURL}));

    frame->tabAdmin->setCurrentIndex(1);
    QByteArray before = iniBytes();
    auto *box = admin<QLineEdit>(QStringLiteral("txtUserDBPath"));
    const QString oldDir = box->text();

    // Cancelled: nothing changes.
    choose(QStringLiteral("cmdUserDBPathSelect"), QString());
    QCOMPARE(m_filters, QStringList{"DB File (Users.sqlite)"});
    QCOMPARE(m_startDir, oldDir);
    QCOMPARE(iniBytes(), before);
    QCOMPARE(box->text(), oldDir);
    QVERIFY(Dialogs::Shown().isEmpty());

    // Chosen: the one key changes, every other byte stays; the warning names the program.
    const QString newDir = makeDir(QStringLiteral("share"), QStringLiteral("Users.sqlite"));
    choose(QStringLiteral("cmdUserDBPathSelect"), newDir + QStringLiteral("Users.sqlite"));
    QByteArray expected = before;
    expected.replace("USERDB_PATH=" + oldDir.toUtf8(), "USERDB_PATH=" + newDir.toUtf8());
    QVERIFY(expected != before);
    QCOMPARE(iniBytes(), expected);
    QCOMPARE(box->text(), newDir);
    QCOMPARE(Dialogs::Shown().size(), 1);
    QCOMPARE(TestSupport::Message(0), QStringLiteral("Critical|Warnung :|Starten Sie velko erneut um diese Aenderung zu aktivieren !"));
    // The open user database stays the one of the start until the next start.
    QCOMPARE(objUser->DbPath(), oldDir);
    QVERIFY(objUser->IsOpen());

    // A directory without the database file: asked first, cancelled.
    Dialogs::ClearShown();
    before = iniBytes();
    const QString dir = makeDir(QStringLiteral("typo"), QStringLiteral("Other.sqlite"));
    const QString question = QStringLiteral("Die Datei '") + dir
                             + QStringLiteral("Users.sqlite' gibt es nicht ! Wollen Sie dieses Verzeichnis "
                                              "trotzdem verwenden ?");
    Dialogs::SetNextAnswer(QMessageBox::Cancel);
    choose(QStringLiteral("cmdUserDBPathSelect"), dir + QStringLiteral("Other.sqlite"));
    QCOMPARE(Dialogs::Shown().size(), 1);
    QCOMPARE(Dialogs::Shown()[0].text, question);
    QCOMPARE(iniBytes(), before);
    QCOMPARE(box->text(), newDir);

    // Confirmed: written, then the restart warning.
    Dialogs::ClearShown();
    choose(QStringLiteral("cmdUserDBPathSelect"), dir + QStringLiteral("Other.sqlite"));
    QCOMPARE(Dialogs::Shown().size(), 2);
    QVERIFY(iniBytes().contains("USERDB_PATH=" + dir.toUtf8() + "\n"));

    // The question bank: the same restart warning.
    Dialogs::ClearShown();
    before = iniBytes();
    const QString bankDir = makeDir(QStringLiteral("bank"), QStringLiteral("Bank.sqlite"));
    choose(QStringLiteral("cmdQuestionDBPathSelect"), bankDir + QStringLiteral("Bank.sqlite"));
    QCOMPARE(m_filters, QStringList{"DB File (Bank.sqlite)"});
    expected = before;
    expected.replace("DB_PATH=" + ShellFixture::dataDir(*m_sb).toUtf8() + "\nDB_NAME",
                     "DB_PATH=" + bankDir.toUtf8() + "\nDB_NAME");
    QCOMPARE(iniBytes(), expected);
    QCOMPARE(Dialogs::Shown().size(), 1);
    QVERIFY(TestSupport::Message(0).startsWith(QStringLiteral("Critical|")));

    // Pictures: used at once, no message.
    Dialogs::ClearShown();
    const QString picDir = makeDir(QStringLiteral("pictures"), QStringLiteral("0001.jpg"));
    choose(QStringLiteral("cmdPicPathSelect"), picDir + QStringLiteral("0001.jpg"));
    QCOMPARE(m_filters, QStringList{"velko Pictures (*.jpg)"});
    QCOMPARE(PicturePath, picDir);
    QVERIFY(Dialogs::Shown().isEmpty());
    expected.replace("PIC_PATH=" + ShellFixture::picDir(*m_sb).toUtf8(), "PIC_PATH=" + picDir.toUtf8());
    QCOMPARE(iniBytes(), expected);

    // Settings read from a file that cannot be written (a system-wide one):
    // the choice changes nothing and says why.
    const QString ini = makeDir(QStringLiteral("etc"), QStringLiteral("velko")) + QStringLiteral("velko/velko.ini");
    IniFileUse(ini);   // below a plain file
    choose(QStringLiteral("cmdPicPathSelect"),
           makeDir(QStringLiteral("more"), QStringLiteral("0001.jpg")) + QStringLiteral("0001.jpg"));
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(Dialogs::Shown().size(), 1);
    QCOMPARE(Dialogs::Shown()[0].text, QStringLiteral("Die Einstellungen können nicht gespeichert werden, die Datei '")
                                           + ini + QStringLiteral("' ist schreibgeschützt ! Es wurde nichts geändert."));
    QCOMPARE(PicturePath, picDir);
    QCOMPARE(admin<QLineEdit>(QStringLiteral("txtPicPath"))->text(), picDir);
    QVERIFY(!QFileInfo::exists(ini));
}

QTEST_MAIN(TestAdmin)
#include "tst_admin.moc"
