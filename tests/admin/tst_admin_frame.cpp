// The controls of the administration screen, their containers and the
// support link.
#include "TestSupport.h"
#include "admin/frameAdmin.h"
#include "core/formDebugOutput.h"
#include "stats/FrameGeometry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace {

struct Placement {
    const char *name;
    const char *container;
};

bool inside(QWidget *root, const char *name, const char *container)
{
    QWidget *w = root->findChild<QWidget *>(QLatin1String(name));
    QWidget *box = root->objectName() == QLatin1String(container) ? root
                                                                  : root->findChild<QWidget *>(QLatin1String(container));
    return w && box && box->isAncestorOf(w);
}

} // namespace

class TestAdminFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void controlsInTheirContainers();
    void pagesAndDisplayOnlyFields();
    void growsWithTheWindow();
    void supportLinkOpensSupportPage();
};

void TestAdminFrame::cleanup() { SetDocumentOpenHandler({}); }

void TestAdminFrame::controlsInTheirContainers()
{
    frameAdmin frame;
    QCOMPARE(frame.objectName(), QString("frameAdmin"));
    QCOMPARE(frame.size(), QSize(785, 569));
    const Placement placements[] = {
        {"tabAdmin", "frameAdmin"},
        {"frametabAdmin_0", "tabAdmin"},
        {"frametabAdmin_1", "tabAdmin"},
        {"frametabAdmin_2", "tabAdmin"},
        {"listAdminUsers", "frametabAdmin_0"},
        {"picboxUserShowTitle", "frametabAdmin_0"},
        {"frameUserShow", "picboxUserShowTitle"},
        {"lblUserName", "frameUserShow"},
        {"txtUserName", "frameUserShow"},
        {"lblUserPassword", "frameUserShow"},
        {"txtUserPassword", "frameUserShow"},
        {"lblUserLanguageNr", "frameUserShow"},
        {"txtUserLanguageNr", "frameUserShow"},
        {"lblUserCategoryNr", "frameUserShow"},
        {"txtUserCategoryNr", "frameUserShow"},
        {"lblUserBookNr", "frameUserShow"},
        {"txtUserBookNr", "frameUserShow"},
        {"lblUserComment", "frameUserShow"},
        {"txtUserComment", "frameUserShow"},
        {"frameUserActive", "frameUserShow"},
        {"chkUserActive_0", "frameUserActive"},
        {"chkUserActive_1", "frameUserActive"},
        {"lblUserActivity", "frameUserShow"},
        {"cmbUserActivity", "frameUserShow"},
        {"picboxUserAdminButtons", "frametabAdmin_0"},
        {"cmdUserAdd", "picboxUserAdminButtons"},
        {"cmdUserSearch", "picboxUserAdminButtons"},
        {"cmdUserEdit", "picboxUserAdminButtons"},
        {"cmdUserDel", "picboxUserAdminButtons"},
        {"cmdUserHistory", "picboxUserAdminButtons"},
        {"picboxPathSettingsTitle", "frametabAdmin_1"},
        {"framePathSettings", "picboxPathSettingsTitle"},
        {"lblQuestionDBPath", "framePathSettings"},
        {"txtQuestionDBPath", "framePathSettings"},
        {"lblUserDBPath", "framePathSettings"},
        {"txtUserDBPath", "framePathSettings"},
        {"lblPicPath", "framePathSettings"},
        {"txtPicPath", "framePathSettings"},
        {"picboxPathSettingsButtons", "framePathSettings"},
        {"cmdQuestionDBPathSelect", "picboxPathSettingsButtons"},
        {"cmdUserDBPathSelect", "picboxPathSettingsButtons"},
        {"cmdPicPathSelect", "picboxPathSettingsButtons"},
        {"txtVelkoSupportURL", "frameAdmin"},
        {"picboxAdminButtons", "frameAdmin"},
        {"cmdAdminOK", "picboxAdminButtons"},
        {"cmdAdminQuit", "picboxAdminButtons"},
        {"cmdLanguage_3", "picboxAdminButtons"},
    };
    for (const Placement &p : placements)
        QVERIFY2(inside(&frame, p.name, p.container), p.name);
    // Each name belongs to exactly one control.
    for (const Placement &p : placements)
        QVERIFY2(frame.findChildren<QWidget *>(QLatin1String(p.name)).size() == 1, p.name);

    QVERIFY(qobject_cast<QRadioButton *>(frame.chkUserActive[0]));
    QCOMPARE(frame.chkUserActive[1]->objectName(), QString("chkUserActive_1"));
    QCOMPARE(frame.cmdLanguage->objectName(), QString("cmdLanguage_3"));
    QVERIFY(frame.findChild<QComboBox *>("cmbUserActivity"));
    QVERIFY(frame.findChild<QListWidget *>("listAdminUsers"));
    FrameGeometry::checkContainment(&frame, {"frametabAdmin_0", "frametabAdmin_1", "frametabAdmin_2"});
}

void TestAdminFrame::pagesAndDisplayOnlyFields()
{
    frameAdmin frame;
    QCOMPARE(frame.tabAdmin->count(), 2);
    QCOMPARE(frame.tabAdmin->currentIndex(), 0);
    // Only the user management page shows at first; all pages share one place.
    QVERIFY(!frame.frametabAdmin[0]->isHidden());
    QVERIFY(frame.frametabAdmin[1]->isHidden());
    QVERIFY(frame.frametabAdmin[2]->isHidden());
    QCOMPARE(frame.frametabAdmin[1]->geometry(), frame.frametabAdmin[0]->geometry());
    QCOMPARE(frame.frametabAdmin[2]->geometry(), frame.frametabAdmin[0]->geometry());
    // The pages leave the tabs themselves uncovered.
    const QWidget *tabBar = frame.tabAdmin->findChild<QWidget *>("qt_tabwidget_tabbar");
    QVERIFY(tabBar);
    frame.tabAdmin->show();
    QVERIFY(!tabBar->geometry().intersects(frame.frametabAdmin[0]->geometry()));
    frame.tabAdmin->hide();

    // The user's data and the directories are shown, never typed in here.
    for (QLineEdit *box : {frame.txtUserName, frame.txtUserPassword, frame.txtUserLanguageNr, frame.txtUserCategoryNr,
                           frame.txtUserBookNr, frame.txtUserComment, frame.txtQuestionDBPath, frame.txtUserDBPath,
                           frame.txtPicPath})
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
    QVERIFY(!frame.chkUserActive[0]->isChecked());
    QVERIFY(!frame.chkUserActive[1]->isChecked());
}

void TestAdminFrame::growsWithTheWindow()
{
    using FrameGeometry::Rule;
    frameAdmin frame;
    FrameGeometry::applyGrowth(&frame,
                               {{"picboxAdminButtons", Rule::MoveRight},
                                {"txtVelkoSupportURL", Rule::MoveRight},
                                {"tabAdmin", Rule::GrowBoth},
                                {"frametabAdmin_0", Rule::GrowBoth},
                                {"frametabAdmin_1", Rule::GrowBoth},
                                {"frametabAdmin_2", Rule::GrowBoth},
                                {"listAdminUsers", Rule::GrowBoth},
                                {"picboxUserAdminButtons", Rule::MoveRight},
                                {"picboxUserShowTitle", Rule::MoveRight},
                                {"picboxPathSettingsTitle", Rule::GrowBoth},
                                {"framePathSettings", Rule::GrowWidth},
                                {"txtQuestionDBPath", Rule::GrowWidth},
                                {"txtUserDBPath", Rule::GrowWidth},
                                {"txtPicPath", Rule::GrowWidth},
                                {"picboxPathSettingsButtons", Rule::MoveRight}},
                               224, 168);
    FrameGeometry::checkContainment(&frame, {"frametabAdmin_0", "frametabAdmin_1", "frametabAdmin_2"});
}

void TestAdminFrame::supportLinkOpensSupportPage()
{
    TestSupport::Sandbox sb;
    QStringList opened;
    SetDocumentOpenHandler([&](const QString &target) { opened << target; });
    frameAdmin frame;
    QVERIFY(frame.txtVelkoSupportURL->text().contains("href=\"" + VelkoSupportURL + "\""));
    Q_EMIT frame.txtVelkoSupportURL->linkActivated(VelkoSupportURL);
    QCOMPARE(opened, QStringList({VelkoSupportURL}));
    QCOMPARE(Seams::ProgramEndRequests(), 0);
}

QTEST_MAIN(TestAdminFrame)
#include "tst_admin_frame.moc"
