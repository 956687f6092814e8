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
#include <QListWidget>
#include <QPushButton>

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
        return ShellFixture::query(ShellFixture::dataDir(*m_sb) + QStringLiteral("Users.sqlite"),
                                   QStringLiteral("SELECT EventCode, EventText1, UserName FROM Events"));
    }
    template <class T = QPushButton> T *find(const QString &name) { return ShellFixture::child<T>(m_w.get(), name); }
    void click(const QString &name) { ShellFixture::click(m_w.get(), name); }
    void select(const QString &name) { ShellFixture::select(m_w.get(), name); }
    void typeDigits(const QString &digits) { ShellFixture::typeDigits(m_w.get(), digits); }
    void signIn(const QString &name, const QString &password) { ShellFixture::signIn(m_w.get(), name, password); }
    // A frame's title or a button's or label's text.
    QString title(const QString &name)
    {
        auto *w = find<QWidget>(name);
        auto *group = qobject_cast<QGroupBox *>(w);
        return group ? group->title() : w->property("text").toString();
    }

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
    m_w = ShellFixture::startMainWindow();
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    m_list = find<QListWidget>(QStringLiteral("listLoginUsers"));
    m_password = find<QLineEdit>(QStringLiteral("txtLoginPassword"));
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
    QCOMPARE(ShellFixture::items(m_list), (QStringList{"_Vestr", "Anna Keller", "Claire Dubois", "Giulia Rossi"}));
    QCOMPARE(m_password->echoMode(), QLineEdit::Password);

    typeDigits(QStringLiteral("4711"));
    click(QStringLiteral("cmdLoginOK"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(Seams::BeepCount(), 0);
    QVERIFY(events().isEmpty());
    m_password->clear();

    // Deliberate: the password never goes to the clipboard.
    QGuiApplication::clipboard()->setText(QStringLiteral("notes of the teacher"));
    QCOMPARE(title(QStringLiteral("frameLoginPassword")), QStringLiteral("Geben Sie Ihr Passwort ein :"));
    select(QStringLiteral("Claire Dubois"));
    QCOMPARE(title(QStringLiteral("frameLoginPassword")), QStringLiteral("Introduisez votre mot de passe :"));
    QCOMPARE(m_password->text(), QString());
    QCOMPARE(QApplication::focusWidget(), m_password);

    typeDigits(QStringLiteral("123"));
    click(QStringLiteral("cmdLoginDel"));
    QCOMPARE(m_password->text(), QStringLiteral("12"));
    m_password->setCursorPosition(1);   // digits and delete work at the caret
    typeDigits(QStringLiteral("5"));
    QCOMPARE(m_password->text(), QStringLiteral("152"));
    for (int i = 0; i < 3; ++i)   // the third finds the caret at the start
        click(QStringLiteral("cmdLoginDel"));
    QCOMPARE(m_password->text(), QStringLiteral("2"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("notes of the teacher"));

    select(QStringLiteral("Anna Keller"));
    QCOMPARE(title(QStringLiteral("frameLoginPassword")), QStringLiteral("Geben Sie Ihr Passwort ein :"));

    // The language screen's choice names the selected user's category in that language.
    select(QStringLiteral("Giulia Rossi"));
    click(QStringLiteral("cmdLanguage_0"));
    click(QStringLiteral("cmdLanguageChoice_2"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(title(QStringLiteral("lblPracticeTitleCategoryName")),
             QStringLiteral("Categoria : C1 - Servizio antincendio"));
}

void TestLoginLanguage::wrongThenRightPassword()
{
    signIn(QStringLiteral("Anna Keller"), QStringLiteral("1234"));   // the administrator's password
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(m_password->text(), QStringLiteral("1234"));
    QVERIFY(m_list->currentItem()->isSelected());
    QCOMPARE(m_list->currentItem()->text(), QStringLiteral("Anna Keller"));
    QCOMPARE(events(), QStringList{"1001|Login Failed|Anna Keller"});
    // The refusal is also shown, in the user's language, and goes away.
    QLabel *notice = find<QLabel>(QStringLiteral("lblNotice"));
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), QStringLiteral("Falsches Passwort !"));
    QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 6000);

    // An empty password box and a prefix of the password are refused too.
    for (const QString &typed : {QString(), QStringLiteral("47"), QStringLiteral("471")}) {
        m_password->clear();
        typeDigits(typed);
        click(QStringLiteral("cmdLoginOK"));
        QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
        QVERIFY(notice->isVisible());
    }
    QCOMPARE(Seams::BeepCount(), 4);
    QCOMPARE(events().count(QStringLiteral("1001|Login Failed|Anna Keller")), 4);

    m_password->clear();
    typeDigits(QStringLiteral("4711"));
    click(QStringLiteral("cmdLoginOK"));
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
    signIn(QStringLiteral("_Vestr"), QStringLiteral("1234"));
    QVERIFY(loginDbClosedFirst);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Admin));
    QCOMPARE(m_password->text(), QString());
    QCOMPARE(events(), QStringList{"1000|Login OK|_Vestr"});

    // OK leads back to the login screen with its user database open again.
    click(QStringLiteral("cmdAdminOK"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QVERIFY(objUser && objUser->IsOpen());
    signIn(QStringLiteral("_Vestr"), QStringLiteral("1234"));
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    click(QStringLiteral("cmdAdminQuit"));
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
    const QString users = ShellFixture::dataDir(*m_sb) + QStringLiteral("Users.sqlite");
    QCOMPARE(ShellFixture::query(users, QStringLiteral("SELECT COUNT(*) FROM QuestionnaireStat")), QStringList{"0"});
    QCOMPARE(ShellFixture::query(users, QStringLiteral("SELECT COUNT(*) FROM QuestionStat")), QStringList{"0"});

    // With any screen in front, the tab chain stays on it and the covered
    // screens are out of sight for the keyboard and assistive tools.
    signIn(QStringLiteral("Anna Keller"), QStringLiteral("4711"));
    const Screen screens[] = {Screen::Practice, Screen::Themes, Screen::History, Screen::Admin, Screen::Grade,
                              Screen::ResultsLog, Screen::Language, Screen::PictureBig, Screen::Login};
    for (const Screen s : screens) {
        QWidget *front = ScreenFrame(s);
        Frame_OnTop(front, true);
        QCOMPARE(ScreenOnTop(), front);
        for (const Screen other : screens)
            QCOMPARE(ScreenFrame(other)->isVisible(), other == s);
        for (int i = 0; i < 40; ++i) {
            QWidget *focus = QApplication::focusWidget();
            if (!focus)
                break;   // a screen without a control that takes the focus
            QVERIFY2(front->isAncestorOf(focus), qPrintable(front->objectName() + " lost the focus to "
                                                            + focus->objectName()));
            QTest::keyClick(focus, i % 7 == 6 ? Qt::Key_Backtab : Qt::Key_Tab);
        }
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
    signIn(QStringLiteral("Anna Keller"), QStringLiteral("4711"));
    collect();
    // The grade screen after a grading, with a printer installed.
    SetPrinterNamesOverride([] { return QStringList{QStringLiteral("Laser")}; });
    SetRecord.QuestionMode = QuestionModeGraded;
    SetRecord.Redim(1);
    SetRecord.QList[1] = 1;
    MainProcs::Call(MainProcs::GradeGridFill);
    collect();
    SetPrinterNamesOverride({});
    click(QStringLiteral("cmdPracticeQuit"));
    signIn(QStringLiteral("_Vestr"), QStringLiteral("1234"));
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
    click(QStringLiteral("cmdLanguage_%1").arg(caller));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Language));
    QCOMPARE(find(QStringLiteral("cmdLanguageChoice_1"))->text(), QStringLiteral("FRANÇAIS"));
    QVERIFY(find(QStringLiteral("cmdLanguageChoice_3"))->isHidden());
    click(QStringLiteral("cmdLanguageChoice_1"));
    QCOMPARE(called, expected);
    QCOMPARE(ScreenOnTop(), ScreenFrame(screens[caller]));

    // The whole window speaks French (every caption is checked with the screens' fit).
    QCOMPARE(title(QStringLiteral("frameLoginPassword")), QStringLiteral("Introduisez votre mot de passe :"));
    QCOMPARE(title(QStringLiteral("lblPracticeTitleCategoryName")), QString::fromUtf8("Catégorie : C - Camion"));
    if (caller == 1)   // the question screen's number shows the French word
        QVERIFY(find<QLabel>(QStringLiteral("lblQAQuestionNr"))->text().startsWith(QStringLiteral("Question")));
}

QTEST_MAIN(TestLoginLanguage)
#include "tst_login_language.moc"
