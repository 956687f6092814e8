// The login and language screens in the real main window: active users, the
// language switch on selection, keypad, passwords and their journal rows, the
// administrator's way, and the language screen called from other screens.
#include <QtTest>

#include "ShellFixture.h"
#include "training/QuestionSet.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace ShellFixture;

namespace {
// Procedures of other screens that tests replace; cleanup() puts them back.
std::function<void()> *const Hooks[] = {
    &MainProcs::framePracticeStatsShow, &MainProcs::frameThemesStatsShow, &MainProcs::frameThemesLabelsUpdate,
    &MainProcs::frameHistoryInit,       &MainProcs::frameAdminInit,       &MainProcs::AdminUserDataDisplay,
    &MainProcs::GradeGridFill,          &MainProcs::QuestionnaireTitleSet};
} // namespace

class TestLoginLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<ShellFixture::Databases>(); }
    void init();
    void cleanup();
    void listSelectionKeypadAndClipboard();
    void wrongThenRightPassword();
    void administratorOpensAdministration();
    void languageScreenRecaptionsAndReturns_data();
    void languageScreenRecaptionsAndReturns();
    void onlyTheScreenInFrontTakesInput();
    void noEnabledButtonIsADeadEnd();

private:
    QStringList events() const
    {
        return query(dataDir(*m_sb) + "Users.sqlite", "SELECT EventCode, EventText1, UserName FROM Events");
    }
    QString categoryTitle() const { return child<QLabel>(m_w.get(), "lblPracticeTitleCategoryName")->text(); }

    std::unique_ptr<ShellFixture::Databases> m_db;
    std::unique_ptr<TestSupport::Sandbox> m_sb;
    std::unique_ptr<formMain> m_w;
    QListWidget *m_list = nullptr;
    QLineEdit *m_password = nullptr;
    QList<std::function<void()>> m_savedHooks;
};

void TestLoginLanguage::init()
{
    m_sb = std::make_unique<TestSupport::Sandbox>();
    m_db->install(*m_sb);
    m_savedHooks.clear();
    for (auto *hook : Hooks)
        m_savedHooks << *hook;
    m_w = startMainWindow();
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    m_list = child<QListWidget>(m_w.get(), "listLoginUsers");
    m_password = child<QLineEdit>(m_w.get(), "txtLoginPassword");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
}

void TestLoginLanguage::cleanup()
{
    for (int i = 0; i < m_savedHooks.size(); ++i)
        *Hooks[i] = m_savedHooks[i];
    SetRecord.QuestionMode = QuestionModePractice;
    m_w.reset();
    m_sb.reset();
}

void TestLoginLanguage::listSelectionKeypadAndClipboard()
{
    QCOMPARE(items(m_list), (QStringList{"_Vestr", "Anna Keller", "Claire Dubois", "Giulia Rossi"}));
    QCOMPARE(m_password->echoMode(), QLineEdit::Password);

    typeDigits(m_w.get(), "4711");
    click(m_w.get(), "cmdLoginOK");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(Seams::BeepCount(), 0);
    QVERIFY(events().isEmpty());
    m_password->clear();

    // Deliberate: the password never goes to the clipboard.
    QGuiApplication::clipboard()->setText(QStringLiteral("notes of the teacher"));
    select(m_w.get(), "Claire Dubois");
    QCOMPARE(child<QGroupBox>(m_w.get(), "frameLoginPassword")->title(), "Introduisez votre mot de passe :");
    QCOMPARE(m_password->text(), QString());
    QCOMPARE(QApplication::focusWidget(), m_password);

    typeDigits(m_w.get(), "123");
    click(m_w.get(), "cmdLoginDel");
    QCOMPARE(m_password->text(), QStringLiteral("12"));
    m_password->setCursorPosition(1);   // digits and delete work at the caret
    typeDigits(m_w.get(), "5");
    QCOMPARE(m_password->text(), QStringLiteral("152"));
    for (int i = 0; i < 3; ++i)   // the third finds the caret at the start
        click(m_w.get(), "cmdLoginDel");
    QCOMPARE(m_password->text(), QStringLiteral("2"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("notes of the teacher"));

    // The language screen's choice names the selected user's category in that language.
    select(m_w.get(), "Giulia Rossi");
    click(m_w.get(), "cmdLanguage_0");
    click(m_w.get(), "cmdLanguageChoice_2");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(categoryTitle(), "Categoria : C1 - Servizio antincendio");
}

void TestLoginLanguage::wrongThenRightPassword()
{
    signIn(m_w.get(), "Anna Keller", "1234");   // the administrator's password
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(m_password->text(), QStringLiteral("1234"));   // kept, as is the selection the retries below use
    QCOMPARE(events(), QStringList{"1001|Login Failed|Anna Keller"});
    // The refusal is also shown, in the user's language, and goes away.
    QLabel *notice = child<QLabel>(m_w.get(), "lblNotice");
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), QStringLiteral("Falsches Passwort !"));
    QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 6000);

    // An empty password box and a prefix of the password are refused too.
    for (const QString &typed : {QString(), QStringLiteral("47"), QStringLiteral("471")}) {
        m_password->clear();
        typeDigits(m_w.get(), typed);
        click(m_w.get(), "cmdLoginOK");
        QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
        QVERIFY(notice->isVisible());
    }
    QCOMPARE(Seams::BeepCount(), 4);
    QCOMPARE(events().count(QStringLiteral("1001|Login Failed|Anna Keller")), 4);

    m_password->clear();
    typeDigits(m_w.get(), "4711");
    click(m_w.get(), "cmdLoginOK");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));
    QCOMPARE(Seams::BeepCount(), 4);
    QCOMPARE(CurrentBookNrMax, int16_t(2));
    QVERIFY(objUser && objUser->IsOpen());   // stays open for the signed-in user
    QCOMPARE(events().mid(4), (QStringList{"1000|Login OK|Anna Keller"}));
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestLoginLanguage::administratorOpensAdministration()
{
    bool loginDbClosedFirst = false;
    MainProcs::frameAdminInit = [&, real = MainProcs::frameAdminInit] {
        loginDbClosedFirst = objUser == nullptr;
        MainProcs::Call(real);
    };
    signIn(m_w.get(), "_Vestr", "1234");
    QVERIFY(loginDbClosedFirst);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Admin));
    QCOMPARE(m_password->text(), QString());
    QCOMPARE(events(), QStringList{"1000|Login OK|_Vestr"});

    // OK leads back to the login screen with its user database open again.
    click(m_w.get(), "cmdAdminOK");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QVERIFY(objUser && objUser->IsOpen());
    signIn(m_w.get(), "_Vestr", "1234");
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    click(m_w.get(), "cmdAdminQuit");
    QCOMPARE(Seams::ProgramEndRequests(), 1);
}

void TestLoginLanguage::onlyTheScreenInFrontTakesInput()
{
    // Keys pressed at the login screen before anyone signed in reach no
    // covered screen: nothing is started, nothing is stored.
    QVERIFY(ScreenFrame(Screen::Login)->isAncestorOf(QApplication::focusWidget()));
    for (int i = 0; i < 3; ++i)
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return})
            QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    const QString users = dataDir(*m_sb) + "Users.sqlite";
    QCOMPARE(query(users, "SELECT COUNT(*) FROM QuestionnaireStat"), QStringList{"0"});
    QCOMPARE(query(users, "SELECT COUNT(*) FROM QuestionStat"), QStringList{"0"});

    // With any screen in front, the covered screens are hidden: out of reach
    // for the keyboard (the tab chains are the keyboard test's) and for
    // assistive tools, and the focus is on the screen in front.
    signIn(m_w.get(), "Anna Keller", "4711");
    const Screen screens[] = {Screen::Practice, Screen::Themes, Screen::History, Screen::Admin, Screen::Grade,
                              Screen::ResultsLog, Screen::Language, Screen::PictureBig, Screen::Login};
    for (const Screen s : screens) {
        Frame_OnTop(s, true);
        QCOMPARE(ScreenOnTop(), ScreenFrame(s));
        for (const Screen other : screens)
            QCOMPARE(ScreenFrame(other)->isVisible(), other == s);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(!focus || ScreenFrame(s)->isAncestorOf(focus));
    }
    // Sending a screen back shows and focuses the one behind it.
    Frame_OnTop(Screen::Grade, true);
    Frame_OnTop(Screen::Language, true);
    Frame_OnTop(Screen::Language, false);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Grade));
    QVERIFY(ScreenFrame(Screen::Grade)->isVisible() && !ScreenFrame(Screen::Language)->isVisible());
    QVERIFY(ScreenFrame(Screen::Grade)->isAncestorOf(QApplication::focusWidget()));
}

// Every enabled button of every screen does something when clicked: it has
// a receiver of its own or belongs to a button group that has one.
void TestLoginLanguage::noEnabledButtonIsADeadEnd()
{
    QSet<QAbstractButton *> enabled;
    const auto collect = [&] {
        for (QAbstractButton *b : m_w->findChildren<QAbstractButton *>())
            if (b->isEnabled())
                enabled.insert(b);
    };
    collect();
    signIn(m_w.get(), "Anna Keller", "4711");
    collect();
    // The grade screen after a grading, with a printer installed.
    SetPrinterNamesOverride([] { return QStringList{QStringLiteral("Laser")}; });
    SetRecord.QuestionMode = QuestionModeGraded;
    SetRecord.Redim(1);
    SetRecord.QList[1] = 1;
    MainProcs::Call(MainProcs::GradeGridFill);
    collect();
    SetPrinterNamesOverride({});
    click(m_w.get(), "cmdPracticeQuit");
    signIn(m_w.get(), "_Vestr", "1234");
    collect();
    QVERIFY(enabled.size() > 20);
    // Taking the connections apart tells whether there were any.
    QSet<QButtonGroup *> wiredGroups;
    for (QAbstractButton *b : std::as_const(enabled)) {
        bool wired = QObject::disconnect(b, &QAbstractButton::clicked, nullptr, nullptr)
            | QObject::disconnect(b, &QAbstractButton::pressed, nullptr, nullptr)
            | QObject::disconnect(b, &QAbstractButton::toggled, nullptr, nullptr);
        if (QButtonGroup *group = b->group()) {
            if (QObject::disconnect(group, &QButtonGroup::idClicked, nullptr, nullptr)
                | QObject::disconnect(group, &QButtonGroup::buttonClicked, nullptr, nullptr))
                wiredGroups.insert(group);
            wired = wired || wiredGroups.contains(group);
        }
        QVERIFY2(wired, qPrintable(b->objectName() + QStringLiteral(" is enabled but does nothing")));
    }
}

void TestLoginLanguage::languageScreenRecaptionsAndReturns_data()
{
    QTest::addColumn<int>("caller");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");   // refreshes run, in order
    QTest::newRow("login") << 0 << 0 << "T";
    QTest::newRow("question screen") << 1 << 0 << "T";
    QTest::newRow("question screen, graded") << 1 << 2 << "TG";
    QTest::newRow("question screen, history") << 1 << 4 << "TGH";
    QTest::newRow("practice menu") << 2 << 0 << "TP";
    QTest::newRow("administration") << 3 << 0 << "TA";
    QTest::newRow("grade screen") << 4 << 2 << "TG";
    QTest::newRow("grade screen, history") << 4 << 4 << "TGH";
    QTest::newRow("theme questionnaires") << 5 << 0 << "TLS";
    QTest::newRow("history") << 6 << 4 << "TH";
}

void TestLoginLanguage::languageScreenRecaptionsAndReturns()
{
    QFETCH(int, caller);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    QString called;
    for (int i = 0; i < 8; ++i)   // each procedure leaves its letter
        *Hooks[i] = [&called, c = "PSLHIAGT"[i]] { called += QLatin1Char(c); };
    SetRecord.QuestionMode = static_cast<uint8_t>(mode);

    const Screen screens[] = {Screen::Login, Screen::QA,     Screen::Practice, Screen::Admin,
                              Screen::Grade, Screen::Themes, Screen::History};
    Frame_OnTop(screens[caller], true);
    click(m_w.get(), QStringLiteral("cmdLanguage_%1").arg(caller));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Language));
    click(m_w.get(), "cmdLanguageChoice_1");
    QCOMPARE(called, expected);
    QCOMPARE(ScreenOnTop(), ScreenFrame(screens[caller]));

    // French (every caption is checked with the screens' fit), the computed texts too.
    QCOMPARE(categoryTitle(), QString::fromUtf8("Catégorie : C - Camion"));
    if (caller == 1)   // the question screen's number shows the French word
        QVERIFY(child<QLabel>(m_w.get(), "lblQAQuestionNr")->text().startsWith(QStringLiteral("Question")));
}

QTEST_MAIN(TestLoginLanguage)
#include "tst_login_language.moc"
