// The login and language screens in the real main window: the list of active
// users, the language switch on selection, the keypad, right and wrong
// passwords with their journal rows, the administrator's way, and the
// language screen called from other screens.
#include <QtTest>

#include "ShellFixture.h"
#include "core/Screens.h"
#include "shell/formMain.h"
#include "shell/frameLanguage.h"
#include "shell/frameLogin.h"
#include "training/QuestionSet.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// A question bank of one question per category and two books.
void createSmallBank(const QString &dir)
{
    clsQuestion q;
    q.setDbPath(dir);
    q.setDbFileName(QStringLiteral("Bank.sqlite"));
    QString error;
    QVERIFY2(q.DbCreate(error), qPrintable(error));
    q.setRSLockType(QStringLiteral("2"));
    q.DbOpen();
    q.QuestionOpen();
    for (int16_t cat = 0; cat < 4; ++cat) {
        q.QuestionAdd();
        q.CategoryNr = cat;
        q.QuestionNr = 1;
        q.ThemeNr = 4;
        q.Answer = QStringLiteral("a");
        q.QuestionUpdate();
    }
    q.QuestionClose();
    q.BookOpen();
    for (int16_t book = 1; book <= 2; ++book) {
        q.BookAdd();
        q.CategoryNr = 0;
        q.BookNr = book;
        q.BookTitle = QStringLiteral("Handbuch");
        q.BookUpdate();
    }
    q.BookClose();
    q.DbClose();
}

} // namespace

class TestLoginLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void listShowsActiveUsersAndOkNeedsASelection();
    void selectionSwitchesLanguageAndLeavesClipboardAlone();
    void keypadAndKeyboard();
    void rightPasswordOpensPracticeMenu();
    void wrongPasswordBeepsAndKeepsEverything();
    void administratorOpensAdministration();
    void languageScreenFromPracticeMenu();
    void languageScreenRefreshesItsCaller_data();
    void languageScreenRefreshesItsCaller();
    void italianCategoryTwoTitle();
    void okTrapReportsMissingUserObject();

private:
    // Rows of the user database as "a|b|c" lines.
    QStringList query(const QString &sql) const
    {
        QStringList rows;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
            db.setDatabaseName(ShellFixture::dataDir(*m_sb) + QStringLiteral("Users.sqlite"));
            QSqlQuery q(db);
            if (db.open() && q.exec(sql))
                while (q.next()) {
                    QStringList cells;
                    for (int i = 0; i < q.record().count(); ++i)
                        cells << q.value(i).toString();
                    rows << cells.join(QLatin1Char('|'));
                }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("peek"));
        return rows;
    }
    QStringList events() const { return query(QStringLiteral("SELECT EventCode, EventText1, UserName FROM Events")); }
    template <class T = QPushButton> T *find(const QString &name)
    {
        T *c = m_w->findChild<T *>(name);
        if (!c)
            qFatal("missing control %s", qPrintable(name));
        return c;
    }
    void click(const QString &name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    void select(const QString &name)
    {
        QListWidgetItem *item = m_list->findItems(name, Qt::MatchExactly).value(0);
        QVERIFY(item);
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, m_list->visualItemRect(item).center());
        QCOMPARE(m_list->currentItem(), item);
    }
    void typeDigits(const QString &digits)
    {
        for (const QChar d : digits)
            click(QStringLiteral("cmdLoginNumber_%1").arg(d));
    }
    void signIn(const QString &name, const QString &password)
    {
        select(name);
        typeDigits(password);
        click(QStringLiteral("cmdLoginOK"));
    }
    QString title(const QString &frame) { return find<QGroupBox>(frame)->title(); }

    QTemporaryDir m_template;   // the two databases, made once and copied for each test
    std::unique_ptr<TestSupport::Sandbox> m_sb;
    std::unique_ptr<formMain> m_w;
    QListWidget *m_list = nullptr;
    QLineEdit *m_password = nullptr;
    std::function<void()> m_savedHooks[8];
};

void TestLoginLanguage::initTestCase()
{
    const QString dir = m_template.path() + QStringLiteral("/");
    createSmallBank(dir);
    ShellFixture::createUsers(dir, {{QStringLiteral("_Vestr"), QStringLiteral("1234"), 0, 0, 0},
                                    {QStringLiteral("Anna Keller"), QStringLiteral("4711"), 0, 0, 0},
                                    {QStringLiteral("Bruno Meier"), QStringLiteral("1111"), 0, 1, 1},
                                    {QStringLiteral("Claire Dubois"), QStringLiteral("2580"), 1, 1, 0},
                                    {QStringLiteral("Giulia Rossi"), QStringLiteral("369"), 2, 2, 0}});
}

void TestLoginLanguage::init()
{
    m_sb = std::make_unique<TestSupport::Sandbox>();
    ShellFixture::writeIni(*m_sb);
    for (const char *file : {"Bank.sqlite", "Users.sqlite"}) {
        const QString target = ShellFixture::dataDir(*m_sb) + QLatin1String(file);
        QVERIFY(QFile::copy(m_template.path() + QStringLiteral("/") + QLatin1String(file), target));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
    m_w = std::make_unique<formMain>();
    m_w->Form_Load();
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    Frame_OnTop(Screen::PictureBig, false);   // as the start picture's timer does
    m_w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
    m_list = find<QListWidget>(QStringLiteral("listLoginUsers"));
    m_password = find<QLineEdit>(QStringLiteral("txtLoginPassword"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    // Tests may replace the hooks of other screens; cleanup() puts them back.
    using namespace MainProcs;
    const std::function<void()> hooks[8] = {framePracticeStatsShow, frameThemesStatsShow, frameThemesLabelsUpdate,
                                            frameHistoryInit, frameAdminInit, AdminUserDataDisplay,
                                            GradeGridFill, QuestionnaireTitleSet};
    std::copy(std::begin(hooks), std::end(hooks), m_savedHooks);
}

void TestLoginLanguage::cleanup()
{
    using namespace MainProcs;
    std::function<void()> *hooks[8] = {&framePracticeStatsShow, &frameThemesStatsShow, &frameThemesLabelsUpdate,
                                       &frameHistoryInit, &frameAdminInit, &AdminUserDataDisplay,
                                       &GradeGridFill, &QuestionnaireTitleSet};
    for (int i = 0; i < 8; ++i)
        *hooks[i] = m_savedHooks[i];
    SetRecord.QuestionMode = QuestionModePractice;
    m_w.reset();
    m_sb.reset();
}

void TestLoginLanguage::listShowsActiveUsersAndOkNeedsASelection()
{
    QStringList shown;
    for (int i = 0; i < m_list->count(); ++i)
        shown << m_list->item(i)->text() + QLatin1Char('|') + m_list->item(i)->data(Qt::UserRole).toString();
    QCOMPARE(shown, query(QStringLiteral("SELECT UserName, UserID FROM User WHERE UserStatus = 0 ORDER BY UserID")));
    QCOMPARE(shown.size(), 4);
    QVERIFY(m_list->findItems(QStringLiteral("Bruno Meier"), Qt::MatchExactly).isEmpty());
    QCOMPARE(m_password->echoMode(), QLineEdit::Password);

    // OK without a selection does nothing and writes nothing.
    typeDigits(QStringLiteral("4711"));
    click(QStringLiteral("cmdLoginOK"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(Seams::BeepCount(), 0);
    QVERIFY(events().isEmpty());
}

void TestLoginLanguage::selectionSwitchesLanguageAndLeavesClipboardAlone()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("notes of the teacher"));
    QCOMPARE(title(QStringLiteral("frameLoginPassword")), QStringLiteral("Geben Sie Ihr Passwort ein :"));
    select(QStringLiteral("Claire Dubois"));
    QCOMPARE(title(QStringLiteral("frameLoginPassword")), QStringLiteral("Introduisez votre mot de passe :"));
    QCOMPARE(title(QStringLiteral("framePractice")), QStringLiteral("Apprendre"));
    QCOMPARE(m_password->text(), QString());
    QCOMPARE(QApplication::focusWidget(), m_password);
    QCOMPARE(CurrentLanguageNr, int16_t(1));
    QCOMPARE(CurrentCategoryNr, int16_t(1));
    QCOMPARE(CurrentBookNr, int16_t(1));
    // No password lands on the clipboard.
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("notes of the teacher"));
    select(QStringLiteral("Anna Keller"));
    QCOMPARE(title(QStringLiteral("frameLoginPassword")), QStringLiteral("Geben Sie Ihr Passwort ein :"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("notes of the teacher"));
}

void TestLoginLanguage::keypadAndKeyboard()
{
    select(QStringLiteral("Anna Keller"));
    typeDigits(QStringLiteral("123"));
    click(QStringLiteral("cmdLoginDel"));
    QCOMPARE(m_password->text(), QStringLiteral("12"));
    QVERIFY(m_password->hasFocus());
    QTest::keyClicks(m_password, QStringLiteral("9"));
    QCOMPARE(m_password->text(), QStringLiteral("129"));
    // Digits and delete work at the caret, not only at the end.
    m_password->setCursorPosition(1);
    typeDigits(QStringLiteral("5"));
    QCOMPARE(m_password->text(), QStringLiteral("1529"));
    click(QStringLiteral("cmdLoginDel"));
    click(QStringLiteral("cmdLoginDel"));
    click(QStringLiteral("cmdLoginDel"));
    QCOMPARE(m_password->text(), QStringLiteral("29"));
}

void TestLoginLanguage::rightPasswordOpensPracticeMenu()
{
    signIn(QStringLiteral("Anna Keller"), QStringLiteral("4711"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));
    QCOMPARE(Seams::BeepCount(), 0);
    QCOMPARE(CurrentBookNrMax, int16_t(2));
    QVERIFY(objUser && objUser->IsOpen());   // stays open for the signed-in user
    QCOMPARE(events(), QStringList{"1000|Login OK|Anna Keller"});
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestLoginLanguage::wrongPasswordBeepsAndKeepsEverything()
{
    signIn(QStringLiteral("Anna Keller"), QStringLiteral("4712"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(m_password->text(), QStringLiteral("4712"));
    QVERIFY(m_list->currentItem()->isSelected());
    QCOMPARE(m_list->currentItem()->text(), QStringLiteral("Anna Keller"));
    // The administrator's password is no key to another account.
    m_password->clear();
    typeDigits(QStringLiteral("1234"));
    click(QStringLiteral("cmdLoginOK"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(Seams::BeepCount(), 2);
    QCOMPARE(events(), (QStringList{"1001|Login Failed|Anna Keller", "1001|Login Failed|Anna Keller"}));
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
}

void TestLoginLanguage::languageScreenFromPracticeMenu()
{
    int statsShown = 0;
    MainProcs::framePracticeStatsShow = [&] { ++statsShown; };
    signIn(QStringLiteral("Anna Keller"), QStringLiteral("4711"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));
    statsShown = 0;

    click(QStringLiteral("cmdLanguage_2"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Language));
    QCOMPARE(find(QStringLiteral("cmdLanguageChoice_1"))->text(), QStringLiteral("FRANÇAIS"));
    QVERIFY(find(QStringLiteral("cmdLanguageChoice_3"))->isHidden());
    QVERIFY(!find(QStringLiteral("cmdLanguageChoice_3"))->isEnabled());
    click(QStringLiteral("cmdLanguageChoice_1"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));
    QCOMPARE(statsShown, 1);

    // Every screen speaks French now.
    const char *const titles[][2] = {
        {"frameLoginPassword", "Introduisez votre mot de passe :"}, {"framePractice", "Apprendre"},
        {"frameThemes", "Questionnaires par Thèmes"}, {"frameQuestion", "Question"},
        {"frameGrade", "Résultats"}, {"frameHistory", "Historique des Questionnaires"},
        {"frameAdmin", "Administration"}, {"frameLanguage", "Sprache / Langue / Lingua"}};
    for (const auto &t : titles)
        QCOMPARE(title(QString::fromUtf8(t[0])), QString::fromUtf8(t[1]));
    QCOMPARE(find(QStringLiteral("cmdQAGrade"))->text(), QStringLiteral("RÉSULTAT"));
    QCOMPARE(find(QStringLiteral("cmdGradeQuit"))->text(), QStringLiteral("TERMINÉ"));
    QCOMPARE(find<QLabel>(QStringLiteral("lblPracticeTitleCategoryName"))->text(),
             QStringLiteral("Catégorie : C - Camion"));
    for (int i = 0; i <= 6; ++i)
        QCOMPARE(find(QStringLiteral("cmdLanguage_%1").arg(i))->text(),
                 QStringList({"SPRACHE", "LANGUE", "LINGUA"}).join(NewLine));
    QCOMPARE(find<QWidget>(QStringLiteral("chkQuestion_39"))->toolTip(), QStringLiteral("Question 40"));
}

void TestLoginLanguage::languageScreenRefreshesItsCaller_data()
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

void TestLoginLanguage::languageScreenRefreshesItsCaller()
{
    QFETCH(int, caller);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    QString called;
    MainProcs::QuestionnaireTitleSet = [&] { called += 'T'; };
    MainProcs::GradeGridFill = [&] { called += 'G'; };
    MainProcs::frameHistoryInit = [&] { called += 'H'; };
    MainProcs::framePracticeStatsShow = [&] { called += 'P'; };
    MainProcs::AdminUserDataDisplay = [&] { called += 'A'; };
    MainProcs::frameThemesLabelsUpdate = [&] { called += 'L'; };
    MainProcs::frameThemesStatsShow = [&] { called += 'S'; };
    SetRecord.QuestionMode = static_cast<uint8_t>(mode);

    const Screen screens[] = {Screen::Login, Screen::QA,    Screen::Practice, Screen::Admin,
                              Screen::Grade, Screen::Themes, Screen::History};
    Frame_OnTop(screens[caller], true);
    click(QStringLiteral("cmdLanguage_%1").arg(caller));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Language));
    QCOMPARE(LanguageCaller, int16_t(caller));
    click(QStringLiteral("cmdLanguageChoice_2"));
    QCOMPARE(called, expected);
    QCOMPARE(ScreenOnTop(), ScreenFrame(screens[caller]));
    QCOMPARE(title(QStringLiteral("framePractice")), QStringLiteral("Imparare"));
    if (caller == 1)   // the question screen's number shows the Italian word
        QVERIFY(find<QLabel>(QStringLiteral("lblQAQuestionNr"))->text().startsWith(QStringLiteral("Domanda")));
}

void TestLoginLanguage::italianCategoryTwoTitle()
{
    select(QStringLiteral("Giulia Rossi"));
    QCOMPARE(title(QStringLiteral("frameLoginPassword")), QStringLiteral("Registrate la vostra parola d'ordine :"));
    click(QStringLiteral("cmdLanguage_0"));
    click(QStringLiteral("cmdLanguageChoice_2"));
    QCOMPARE(find<QLabel>(QStringLiteral("lblPracticeTitleCategoryName"))->text(),
             QStringLiteral("Categoria : C1 - Servizio antincendio"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    click(QStringLiteral("cmdLanguage_0"));
    click(QStringLiteral("cmdLanguageChoice_0"));
    QCOMPARE(find<QLabel>(QStringLiteral("lblPracticeTitleCategoryName"))->text(),
             QStringLiteral("Kategorie : C1 - Feuerwehr"));
}

void TestLoginLanguage::okTrapReportsMissingUserObject()
{
    select(QStringLiteral("Anna Keller"));
    // The screen's user database is closed under it: the OK button's trap
    // reports the missing object instead of crashing.
    m_w->m_frameLogin->frameLoginClose();
    typeDigits(QStringLiteral("4711"));
    click(QStringLiteral("cmdLoginOK"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines().first().startsWith(QStringLiteral("Error 91 : ")));
    QVERIFY(RuntimeErrorLines().first().endsWith(QStringLiteral("(formMain -> cmdLoginOK_Click)")));
    QVERIFY(events().isEmpty());
}

QTEST_MAIN(TestLoginLanguage)
#include "tst_login_language.moc"
