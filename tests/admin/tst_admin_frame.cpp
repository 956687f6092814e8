// The controls of the administration screen, their containers and the
// support link.
#include "TestSupport.h"
#include "admin/frameAdmin.h"
#include "core/formDebugOutput.h"
#include "stats/FrameGeometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

class TestAdminFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void controlsInTheirContainers();
    void pagesFieldsAndSupportLink();
};

void TestAdminFrame::controlsInTheirContainers()
{
    frameAdmin frame;
    FrameGeometry::checkPlacements(&frame, {
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
}

void TestAdminFrame::pagesFieldsAndSupportLink()
{
    frameAdmin frame;
    QCOMPARE(frame.tabAdmin->count(), 2);
    QCOMPARE(frame.tabAdmin->currentIndex(), 0);
    // Only the user management page shows at first; all pages share one place.
    QVERIFY(!frame.frametabAdmin[0]->isHidden());
    for (int page : {1, 2}) {
        QVERIFY(frame.frametabAdmin[page]->isHidden());
        QCOMPARE(frame.frametabAdmin[page]->geometry(), frame.frametabAdmin[0]->geometry());
    }
    // The user's data and the directories are shown, never typed in here.
    for (QLineEdit *box : {frame.txtUserName, frame.txtUserPassword, frame.txtUserLanguageNr, frame.txtUserCategoryNr,
                           frame.txtUserBookNr, frame.txtUserComment, frame.txtQuestionDBPath, frame.txtUserDBPath,
                           frame.txtPicPath})
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));

    // The support link opens the support page.
    TestSupport::Sandbox sb;
    QStringList opened;
    SetDocumentOpenHandler([&](const QString &target) { opened << target; });
    auto restore = qScopeGuard([] { SetDocumentOpenHandler({}); });
    QVERIFY(frame.txtVelkoSupportURL->text().contains("href=\"" + VelkoSupportURL + "\""));
    Q_EMIT frame.txtVelkoSupportURL->linkActivated(VelkoSupportURL);
    QCOMPARE(opened, QStringList({VelkoSupportURL}));
    QCOMPARE(Seams::ProgramEndRequests(), 0);
}

QTEST_MAIN(TestAdminFrame)
#include "tst_admin_frame.moc"
