// The user management of the administration screen in the real main window,
// with the real edit and search dialogs: the lists, creating, modifying,
// deactivating, deleting and finding users, the checks of the edit dialog,
// the administrator's protections and the journal rows of every change.
#include <QtTest>

#include "AdminFixture.h"
#include "CaptionFit.h"
#include "admin/frameAdmin.h"
#include "core/LocalisedTexts.h"
#include "core/Notice.h"
#include "shell/frameLanguage.h"
#include "userdb/clsUser.h"

#include <QClipboard>
#include <QLabel>

using namespace AdminFixture;

namespace {
const QString Ok = QStringLiteral("cmdUserEditOK");
const QString Cancel = QStringLiteral("cmdUserEditCancel");
} // namespace

class TestAdminUsers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<ShellFixture::Databases>(); }
    void init()
    {
        m_win = std::make_unique<Window>(*m_db);
        m_win->signInAdmin();
    }
    void cleanup()
    {
        MainProcs::frameHistoryInit = {};
        Seams::SetClock({});
        m_win.reset();
    }

    void listAndDisplayOfAllUsers();
    void createAndSearchUsers();
    void editChecks_data();
    void editChecks();
    void modifyRenameAndDeactivate();
    void deleteHistoryAndTheAdministratorsProtection();
    void dialogsInEveryLanguage();

private:
    Window &win() { return *m_win; }
    QString box(const QString &name) { return win().admin<QLineEdit>(name)->text(); }
    // The fields of the displayed user: name, password, language, category, book, comment.
    QString shown()
    {
        QStringList out;
        for (const char *f : {"Name", "Password", "LanguageNr", "CategoryNr", "BookNr", "Comment"})
            out << box(QStringLiteral("txtUser") + QLatin1String(f));
        return out.join(QLatin1Char('|'));
    }
    // Clicks the button; fill works in the dialog it opens, which is then closed with close.
    void withDialog(const QString &button, const std::function<void(QDialog *)> &fill, const QString &close = Ok)
    {
        answerDialogs({[fill, close](QDialog *d) {
            fill(d);
            clickIn(d, close);
            return d->result();
        }});
        win().click(button);
    }
    bool checked(int option) { return win().admin<QRadioButton>(QStringLiteral("chkUserActive_%1").arg(option))->isChecked(); }

    std::unique_ptr<ShellFixture::Databases> m_db;
    std::unique_ptr<Window> m_win;
};

void TestAdminUsers::listAndDisplayOfAllUsers()
{
    // Every user in table order, the deactivated one too; nothing selected.
    QCOMPARE(items(win().adminList),
             (QStringList{"_Vestr", "Anna Keller", "Bruno Meier", "Claire Dubois", "Giulia Rossi"}));
    QCOMPARE(shown(), QStringLiteral("|||||"));
    QVERIFY(!win().admin(QStringLiteral("cmdUserEdit"))->isEnabled() && !win().admin(QStringLiteral("cmdUserDel"))->isEnabled());

    win().pick(QStringLiteral("Claire Dubois"));
    QCOMPARE(shown(), QStringLiteral("Claire Dubois|2580|Französich|D - Gesellschaftswagen|Handbuch|"));
    QVERIFY(checked(0) && !checked(1));
    // The password is shown, but the copy key does not put it on the clipboard.
    QApplication::clipboard()->setText(QStringLiteral("before"));
    auto *password = win().admin<QLineEdit>(QStringLiteral("txtUserPassword"));
    password->selectAll();
    QTest::keyClick(password, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));

    // The options only show the status: clicking "active" of a deactivated
    // user leaves "deactivated" selected.
    win().pick(QStringLiteral("Bruno Meier"));
    QVERIFY(checked(1) && !checked(0));
    win().click(QStringLiteral("chkUserActive_0"));
    QVERIFY(checked(1) && !checked(0));
    QCOMPARE(win().users().value(2), QStringLiteral("Bruno Meier|1111|0|1|1|1| "));

    // The events of the displayed user, newest first.
    Seams::SetClock([] { return QDateTime(QDate(2030, 5, 6), QTime(7, 8, 9)); });
    win().pick(QStringLiteral("_Vestr"));
    answerDialogs({[](QDialog *d) { type(d, QStringLiteral("txtUserPassword"), QStringLiteral("1234")); clickIn(d, Ok); return 1; }});
    QTest::mouseDClick(win().admin(QStringLiteral("txtUserComment")), Qt::LeftButton);
    auto *activity = win().admin<QComboBox>(QStringLiteral("cmbUserActivity"));
    QCOMPARE(activity->count(), 2);
    QCOMPARE(activity->currentIndex(), 0);
    QVERIFY2(activity->itemText(0).endsWith(QStringLiteral("07:08:09 : User Modified")), qPrintable(activity->itemText(0)));
    QVERIFY(activity->itemText(1).endsWith(QStringLiteral(" : Login OK")));
    // Without a displayed user the fields and the options are empty again.
    answerDialogs({[](QDialog *d) { clickIn(d, Cancel); return 0; }});
    win().click(QStringLiteral("cmdUserAdd"));
    QCOMPARE(shown(), QStringLiteral("|||||"));
    QCOMPARE(activity->count(), 0);
    QVERIFY(!checked(0) && !checked(1));
}

// A new user, created in the dialog; then found by password (the first of two
// users with it), by name, or not at all.
void TestAdminUsers::createAndSearchUsers()
{
    win().pick(QStringLiteral("Giulia Rossi"));   // category 2 becomes current
    bool okAtFirst = true;
    QString opened;
    withDialog(QStringLiteral("cmdUserAdd"), [&](QDialog *d) {
        okAtFirst = in(d, Ok)->isEnabled();
        // A new user: the fields are empty, the lists filled.
        opened = QStringLiteral("%1|%2|%3").arg(in<QLineEdit>(d, QStringLiteral("txtUserName"))->text())
                    .arg(in<QComboBox>(d, QStringLiteral("cmbUserCategoryNr"))->currentIndex())
                    .arg(in<QComboBox>(d, QStringLiteral("cmbUserBookNr"))->count());
        typeUser(d, QStringLiteral("Dora Frei"), QStringLiteral("4711"));   // Anna's password
        in<QComboBox>(d, QStringLiteral("cmbUserLanguageNr"))->setCurrentIndex(1);
        in<QComboBox>(d, QStringLiteral("cmbUserCategoryNr"))->setCurrentIndex(3);
        // The books stay those of the category current when the dialog opened.
        opened += QStringLiteral("|%1").arg(in<QComboBox>(d, QStringLiteral("cmbUserBookNr"))->count());
        in<QComboBox>(d, QStringLiteral("cmbUserBookNr"))->setCurrentIndex(2);
        type(d, QStringLiteral("txtUserComment"), QStringLiteral("Abend"));
    });
    QVERIFY(!okAtFirst);
    QCOMPARE(opened, QStringLiteral("|2|3|3"));   // category of the last shown user, books 0..2
    QCOMPARE(win().users().value(5), QStringLiteral("Dora Frei|4711|1|3|2|0|Abend"));
    QCOMPARE(win().events(), QStringList{"2000|User Created|Dora Frei|" + win().userId("Dora Frei")});
    // In both lists, selected and shown here.
    QCOMPARE(items(win().adminList).last(), QStringLiteral("Dora Frei"));
    QCOMPARE(items(win().loginList).last(), QStringLiteral("Dora Frei"));
    QCOMPARE(win().selected(), QStringLiteral("Dora Frei"));
    QCOMPARE(box(QStringLiteral("txtUserCategoryNr")), QStringLiteral("D1 - Mini-Bus"));

    // Cancel writes nothing.
    withDialog(QStringLiteral("cmdUserAdd"), [](QDialog *d) {
        typeUser(d, QStringLiteral("Emil"), QStringLiteral("77"));
    }, Cancel);
    QCOMPARE(win().users().size(), 6);
    QCOMPARE(win().events().size(), 1);

    auto search = [&](const QString &text, int field) {
        bool okWhenEmpty = true;
        withDialog(QStringLiteral("cmdUserSearch"), [&, text, field](QDialog *d) {
            auto *byWhat = in<QComboBox>(d, QStringLiteral("cmbUserSearchByWhat"));
            if (field >= 0) {
                byWhat->setCurrentIndex(field);
                Q_EMIT byWhat->activated(field);
            }
            auto *edit = in<QLineEdit>(d, QStringLiteral("txtUserSearchText"));
            edit->clear();
            okWhenEmpty = in(d, Ok)->isEnabled();
            QTest::keyClicks(edit, text);
        });
        QVERIFY(!okWhenEmpty);
    };
    search(QStringLiteral("4711"), 1);
    QCOMPARE(win().selected(), QStringLiteral("Anna Keller"));
    QCOMPARE(box(QStringLiteral("txtUserName")), QStringLiteral("Anna Keller"));
    // The field chosen stays for the next search in this run.
    QStringList fields;
    withDialog(QStringLiteral("cmdUserSearch"), [&](QDialog *d) {
        auto *byWhat = in<QComboBox>(d, QStringLiteral("cmbUserSearchByWhat"));
        for (int i = 0; i < byWhat->count(); ++i)
            fields << byWhat->itemText(i);
        fields << QString::number(byWhat->currentIndex());
    }, Cancel);
    QCOMPARE(fields, (QStringList{"Name", "Passwort", "1"}));
    QCOMPARE(win().selected(), QStringLiteral("Anna Keller"));

    search(QStringLiteral("Bruno Meier"), 0);
    QCOMPARE(win().selected(), QStringLiteral("Bruno Meier"));
    QVERIFY(checked(1));
    // Nobody found: empty fields, no selection.
    search(QStringLiteral("Niemand"), -1);
    QCOMPARE(win().selected(), QString());
    QCOMPARE(shown(), QStringLiteral("|||||"));
}

void TestAdminUsers::editChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("refusedIn");   // empty: accepted
    QTest::newRow("letter in the password") << "Eva" << "12a4" << "txtUserPassword";
    QTest::newRow("leading zeros") << "Eva" << "0042" << "";
    QTest::newRow("no name") << "" << "1234" << "txtUserName";
    QTest::newRow("no password") << "Eva" << "" << "txtUserPassword";
    QTest::newRow("blank in the password") << "Eva" << "12 4" << "txtUserPassword";
    QTest::newRow("254 digits") << "Eva" << QString(254, QLatin1Char('7')) << "";
    QTest::newRow("255 digits") << "Eva" << QString(255, QLatin1Char('7')) << "txtUserPassword";
    QTest::newRow("name of another user") << "Anna Keller" << "5555" << "txtUserName";
    QTest::newRow("name differs in case") << "anna keller" << "5555" << "";
}

void TestAdminUsers::editChecks()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, refusedIn);
    const QStringList before = win().users();
    QString focus;
    bool stayed = false;
    QString notice;
    answerDialogs({[&](QDialog *d) {
        typeUser(d, name, password);
        clickIn(d, Ok);
        stayed = d->isVisible();
        focus = d->focusWidget() ? d->focusWidget()->objectName() : QString();
        if (QLabel *label = NoticeLabel(d); label && label->isVisible())
            notice = label->text();
        return d->result();
    }});
    win().click(QStringLiteral("cmdUserAdd"));
    if (refusedIn.isEmpty()) {
        QVERIFY(!stayed);
        QCOMPARE(Seams::BeepCount(), 0);
        QCOMPARE(win().users().size(), before.size() + 1);
        QVERIFY(win().users().last().startsWith(name + QLatin1Char('|') + password + QLatin1Char('|')));
        return;
    }
    QVERIFY(stayed);
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(focus, refusedIn);
    QCOMPARE(notice, refusedIn == QLatin1String("txtUserPassword") ? NoticePasswordDigits
                     : name.isEmpty()                                ? NoticeUserNameMissing
                                                                     : NoticeUserNameTaken);
    QCOMPARE(win().users(), before);
    QVERIFY(win().events().isEmpty());
}

void TestAdminUsers::modifyRenameAndDeactivate()
{
    // The dialog shows the user; OK waits for a change.
    CurrentLanguageNr = 1;   // the interface speaks French, Anna German
    QApplication::clipboard()->setText(QStringLiteral("before"));
    win().pick(QStringLiteral("Anna Keller"));
    QListWidgetItem *annaItem = win().adminList->currentItem();
    bool okAtFirst = true;
    QString shown;
    withDialog(QStringLiteral("cmdUserEdit"), [&](QDialog *d) {
        okAtFirst = in(d, Ok)->isEnabled();
        shown = QStringLiteral("%1|%2|%3").arg(in<QLineEdit>(d, QStringLiteral("txtUserPassword"))->text())
                    .arg(in<QComboBox>(d, QStringLiteral("cmbUserLanguageNr"))->currentIndex())
                    .arg(in<QRadioButton>(d, QStringLiteral("chkUserActive_0"))->isChecked());
        type(d, QStringLiteral("txtUserComment"), QStringLiteral("Nur Theorie"));
        auto *password = in<QLineEdit>(d, QStringLiteral("txtUserPassword"));
        password->selectAll();
        QTest::keyClick(password, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(password, Qt::Key_X, Qt::ControlModifier);
        shown += QLatin1Char('|') + QApplication::clipboard()->text() + QLatin1Char('|') + password->text();
    });
    QVERIFY(!okAtFirst);
    // The user's own language, not the interface's.
    // Copy and cut leave the clipboard and the password as they were.
    QCOMPARE(shown, QStringLiteral("4711|0|1|before|4711"));
    const QString anna = win().userId(QStringLiteral("Anna Keller"));
    QCOMPARE(win().users().value(1), QStringLiteral("Anna Keller|4711|0|0|1|0|Nur Theorie"));
    // A comment alone does not read the lists again, but is journaled.
    QCOMPARE(win().adminList->currentItem(), annaItem);
    QCOMPARE(win().events(), QStringList{"2001|User Modified|Anna Keller|" + anna});
    QCOMPARE(box(QStringLiteral("txtUserComment")), QStringLiteral("Nur Theorie"));

    // A rename reads both lists again; the user's own name is no duplicate.
    answerDialogs({[](QDialog *d) { type(d, QStringLiteral("txtUserName"), QStringLiteral("Anna Keller")); clickIn(d, Ok); return 1; },
                   [](QDialog *d) { type(d, QStringLiteral("txtUserName"), QStringLiteral("Anna Berger")); clickIn(d, Ok); return 1; }});
    win().click(QStringLiteral("cmdUserEdit"));
    QCOMPARE(Seams::BeepCount(), 0);
    QCOMPARE(win().events().size(), 2);
    QTest::mouseDClick(win().adminList->viewport(), Qt::LeftButton, {},
                       win().adminList->visualItemRect(win().adminList->currentItem()).center());
    QCOMPARE(items(win().adminList),
             (QStringList{"_Vestr", "Anna Berger", "Bruno Meier", "Claire Dubois", "Giulia Rossi"}));
    QCOMPARE(items(win().loginList), (QStringList{"_Vestr", "Anna Berger", "Claire Dubois", "Giulia Rossi"}));
    QCOMPARE(win().selected(), QStringLiteral("Anna Berger"));
    QCOMPARE(win().userId(QStringLiteral("Anna Berger")), anna);

    // Deactivated: gone from the login list, still here, no sign-in.
    win().pick(QStringLiteral("Claire Dubois"));
    withDialog(QStringLiteral("cmdUserEdit"), [](QDialog *d) { clickIn(d, QStringLiteral("chkUserActive_1")); });
    QCOMPARE(win().users().value(3), QStringLiteral("Claire Dubois|2580|1|1|1|1| "));
    QVERIFY(checked(1));
    // A status change reads the lists again at once: Claire leaves the login list.
    QCOMPARE(items(win().loginList), (QStringList{"_Vestr", "Anna Berger", "Giulia Rossi"}));
    QCOMPARE(win().selected(), QStringLiteral("Claire Dubois"));
    QCOMPARE(win().events().last(), "2001|User Modified|Claire Dubois|" + win().userId("Claire Dubois"));
    win().click(QStringLiteral("cmdAdminOK"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(items(win().loginList), (QStringList{"_Vestr", "Anna Berger", "Giulia Rossi"}));
    QVERIFY(!objUser->IsAdmin() || objUser->UserName.isEmpty());
    // The renamed user signs in under the new name.
    ShellFixture::signIn(win().w.get(), QStringLiteral("Anna Berger"), QStringLiteral("4711"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));
}

void TestAdminUsers::deleteHistoryAndTheAdministratorsProtection()
{
    // Without a selection nothing is asked or deleted.
    auto *admin = ScreenAs<frameAdmin>(Screen::Admin);
    admin->cmdUserDel_Click();
    QVERIFY(Dialogs::Shown().isEmpty());

    win().pick(QStringLiteral("Giulia Rossi"));
    const QString giulia = win().userId(QStringLiteral("Giulia Rossi"));
    Dialogs::SetNextAnswer(QMessageBox::Cancel);
    win().click(QStringLiteral("cmdUserDel"));
    QCOMPARE(Dialogs::Shown().size(), 1);
    QCOMPARE(Dialogs::Shown()[0].title, QStringLiteral("Benützer löschen"));
    QCOMPARE(Dialogs::Shown()[0].text, QStringLiteral("Wollen Sie wirklich den Benützer 'Giulia Rossi' löschen ?"));
    QCOMPARE(win().users().size(), 5);
    QVERIFY(win().events().isEmpty());
    QCOMPARE(box(QStringLiteral("txtUserName")), QStringLiteral("Giulia Rossi"));

    Dialogs::SetNextAnswer(QMessageBox::Ok);
    win().click(QStringLiteral("cmdUserDel"));
    QCOMPARE(win().users().size(), 4);
    QCOMPARE(win().events(), QStringList{"2002|User Deleted|Giulia Rossi|" + giulia});
    QVERIFY(!items(win().adminList).contains(QStringLiteral("Giulia Rossi")));
    QVERIFY(!items(win().loginList).contains(QStringLiteral("Giulia Rossi")));
    QCOMPARE(box(QStringLiteral("txtUserName")), QString());
    QCOMPARE(win().selected(), QString());

    // The real history screen shows the selected candidate and returns here,
    // where the dialogs still work on her.
    win().pick(QStringLiteral("Claire Dubois"));
    win().click(QStringLiteral("cmdUserHistory"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::History));
    QCOMPARE(win().find<QLineEdit>(QStringLiteral("frameHistory"), QStringLiteral("txtHistoryName"))->text(),
             QStringLiteral("Claire Dubois"));
    QTest::mouseClick(win().find(QStringLiteral("frameHistory"), QStringLiteral("cmdHistoryQuit")), Qt::LeftButton);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Admin));
    QCOMPARE(win().selected(), QStringLiteral("Claire Dubois"));
    QString edited;
    withDialog(QStringLiteral("cmdUserEdit"), [&](QDialog *d) {
        edited = in<QLineEdit>(d, QStringLiteral("txtUserName"))->text();
    }, Cancel);
    QCOMPARE(edited, QStringLiteral("Claire Dubois"));

    // The administrator is protected.
    int histories = 0;
    MainProcs::frameHistoryInit = [&] { ++histories; };
    win().pick(QStringLiteral("_Vestr"));
    // Not deletable: a beep, no question.
    win().click(QStringLiteral("cmdUserDel"));
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(Dialogs::Shown().size(), 2);
    QCOMPARE(win().users().size(), 4);
    // No history.
    QVERIFY(!win().admin(QStringLiteral("cmdUserHistory"))->isEnabled());
    ScreenAs<frameAdmin>(Screen::Admin)->cmdUserHistory_Click();
    QCOMPARE(histories, 0);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Admin));

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
    QCOMPARE(win().users().value(0), QStringLiteral("_Vestr|1234|2|0|1|0| "));
    QCOMPARE(CurrentLanguageNr, int16_t(2));
    QCOMPARE(win().admin<QPushButton>(QStringLiteral("cmdUserAdd"))->text(), QStringLiteral("AGGIUNGI UTENTE"));
    QCOMPARE(box(QStringLiteral("txtUserLanguageNr")), QStringLiteral("Italiano"));
}

// Both dialogs in the three languages chosen on the language screen: every
// caption fits (the screen's own are checked with the other screens), title
// and buttons speak the language, and the shown user's texts follow it.
void TestAdminUsers::dialogsInEveryLanguage()
{
    QStringList problems, captions;
    win().pick(QStringLiteral("Giulia Rossi"));
    for (int language = 0; language <= 2; ++language) {
        win().click(QStringLiteral("cmdLanguage_3"));
        ShellFixture::click(win().w.get(), QStringLiteral("cmdLanguageChoice_%1").arg(language));
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
        win().click(QStringLiteral("cmdUserEdit"));
        win().click(QStringLiteral("cmdUserSearch"));
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

QTEST_MAIN(TestAdminUsers)
#include "tst_admin_users.moc"
