// The administration screen's frame and its settings tab in the real main
// window: controls, pages, read-only boxes and the support link; the three
// directory choices through the file dialog, the INI file written byte for
// byte as before except for the one key, the restart warning, the question
// before a directory without the database file, and a file that cannot be written.
#include <QtTest>

#include "AdminFixture.h"
#include "admin/frameAdmin.h"
#include "core/AppState.h"
#include "core/IniLocation.h"
#include "core/formDebugOutput.h"
#include "stats/FrameGeometry.h"
#include "userdb/clsUser.h"

#include <QFileDialog>
#include <QLabel>
#include <QTabWidget>

using namespace AdminFixture;

class TestAdminSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<ShellFixture::Databases>(); }
    void init();
    void cleanup()
    {
        IniFileUse(QString());
        m_win.reset();
    }

    void framePagesAndSupportLink();
    void userDatabaseDirectory();
    void questionBankAndPictureDirectories();

private:
    Window &win() { return *m_win; }
    QByteArray iniBytes() const { return TestSupport::ReadFile(m_win->sb.iniPath()); }
    // Answers the next file dialog with the file, or cancels it (empty file).
    void chooseFile(const QString &file)
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
    }
    // A directory below the sandbox holding one file.
    QString makeDir(const QString &name, const QString &file)
    {
        const QString dir = win().sb.dir.path() + QLatin1Char('/') + name + QLatin1Char('/');
        QDir().mkpath(dir);
        QFile f(dir + file);
        f.open(QIODevice::WriteOnly);
        return dir;
    }

    std::unique_ptr<ShellFixture::Databases> m_db;
    std::unique_ptr<Window> m_win;
    QStringList m_filters;
    QString m_startDir;
    // Lines of the INI file that no directory choice may touch.
    const QString m_extraIni = QStringLiteral("; demo settings\nQDBVER=2024\\1\n[Other]\nShare=\\\\srv\\velko\\\n");
};

void TestAdminSettings::init()
{
    m_win = std::make_unique<Window>(*m_db, m_extraIni);
    win().signInAdmin();
    auto *tabs = win().admin<QTabWidget>(QStringLiteral("tabAdmin"));
    QCOMPARE(tabs->currentIndex(), 0);   // the user management first
    tabs->setCurrentIndex(1);
}

void TestAdminSettings::framePagesAndSupportLink()
{
    auto *frame = ScreenAs<frameAdmin>(Screen::Admin);
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
    QCOMPARE(frame->txtUserDBPath->text(), ShellFixture::dataDir(win().sb));
    QCOMPARE(frame->txtQuestionDBPath->text(), ShellFixture::dataDir(win().sb));
    QCOMPARE(frame->txtPicPath->text(), ShellFixture::picDir(win().sb));
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
    QCOMPARE(Seams::ProgramEndRequests(), 0);
}

void TestAdminSettings::userDatabaseDirectory()
{
    QByteArray before = iniBytes();
    auto *box = win().admin<QLineEdit>(QStringLiteral("txtUserDBPath"));
    const QString oldDir = box->text();

    // Cancelled: nothing changes.
    chooseFile(QString());
    win().click(QStringLiteral("cmdUserDBPathSelect"));
    QCOMPARE(m_filters, QStringList{"DB File (Users.sqlite)"});
    QCOMPARE(m_startDir, oldDir);
    QCOMPARE(iniBytes(), before);
    QCOMPARE(box->text(), oldDir);
    QVERIFY(Dialogs::Shown().isEmpty());

    // Chosen: the one key changes, every other byte stays; the warning names the program.
    const QString newDir = makeDir(QStringLiteral("share"), QStringLiteral("Users.sqlite"));
    chooseFile(newDir + QStringLiteral("Users.sqlite"));
    win().click(QStringLiteral("cmdUserDBPathSelect"));
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
    chooseFile(dir + QStringLiteral("Other.sqlite"));
    Dialogs::SetNextAnswer(QMessageBox::Cancel);
    win().click(QStringLiteral("cmdUserDBPathSelect"));
    QCOMPARE(Dialogs::Shown().size(), 1);
    QCOMPARE(Dialogs::Shown()[0].text, question);
    QCOMPARE(iniBytes(), before);
    QCOMPARE(box->text(), newDir);

    // Confirmed: written, then the restart warning.
    Dialogs::ClearShown();
    chooseFile(dir + QStringLiteral("Other.sqlite"));
    win().click(QStringLiteral("cmdUserDBPathSelect"));
    QCOMPARE(Dialogs::Shown().size(), 2);
    QCOMPARE(Dialogs::Shown()[1].title, QStringLiteral("Warnung :"));
    QVERIFY(iniBytes().contains("USERDB_PATH=" + dir.toUtf8() + "\n"));
}

void TestAdminSettings::questionBankAndPictureDirectories()
{
    const QByteArray before = iniBytes();
    const QString bankDir = makeDir(QStringLiteral("bank"), QStringLiteral("Bank.sqlite"));
    chooseFile(bankDir + QStringLiteral("Bank.sqlite"));
    win().click(QStringLiteral("cmdQuestionDBPathSelect"));
    QCOMPARE(m_filters, QStringList{"DB File (Bank.sqlite)"});
    QByteArray expected = before;
    expected.replace("DB_PATH=" + ShellFixture::dataDir(win().sb).toUtf8() + "\nDB_NAME",
                     "DB_PATH=" + bankDir.toUtf8() + "\nDB_NAME");
    QCOMPARE(iniBytes(), expected);
    QCOMPARE(Dialogs::Shown().size(), 1);
    QVERIFY(TestSupport::Message(0).startsWith(QStringLiteral("Critical|")));

    // Pictures: used at once, no message.
    Dialogs::ClearShown();
    const QString picDir = makeDir(QStringLiteral("pictures"), QStringLiteral("0001.jpg"));
    chooseFile(picDir + QStringLiteral("0001.jpg"));
    win().click(QStringLiteral("cmdPicPathSelect"));
    QCOMPARE(m_filters, QStringList{"velko Pictures (*.jpg)"});
    QCOMPARE(PicturePath, picDir);
    QVERIFY(Dialogs::Shown().isEmpty());
    expected.replace("PIC_PATH=" + ShellFixture::picDir(win().sb).toUtf8(), "PIC_PATH=" + picDir.toUtf8());
    QCOMPARE(iniBytes(), expected);

    // Settings read from a file that cannot be written (a system-wide one):
    // the choice changes nothing and says why.
    const QString ini = makeDir(QStringLiteral("etc"), QStringLiteral("velko")) + QStringLiteral("velko/velko.ini");
    IniFileUse(ini);   // below a plain file
    chooseFile(makeDir(QStringLiteral("more"), QStringLiteral("0001.jpg")) + QStringLiteral("0001.jpg"));
    win().click(QStringLiteral("cmdPicPathSelect"));
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(Dialogs::Shown().size(), 1);
    QCOMPARE(Dialogs::Shown()[0].text, QStringLiteral("Die Einstellungen können nicht gespeichert werden, die Datei '")
                                           + ini + QStringLiteral("' ist schreibgeschützt ! Es wurde nichts geändert."));
    QCOMPARE(PicturePath, picDir);
    QCOMPARE(win().admin<QLineEdit>(QStringLiteral("txtPicPath"))->text(), picDir);
    QVERIFY(!QFileInfo::exists(ini));
}


QTEST_MAIN(TestAdminSettings)
#include "tst_admin_settings.moc"
