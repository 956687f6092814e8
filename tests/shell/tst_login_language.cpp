// The login and language screens in the real main window: the list of active
// users, the language switch on selection, the keypad, right and wrong
// passwords with their journal rows, the administrator's way, and the
// language screen called from other screens.
#include <QtTest>

#include "ShellFixture.h"
#include "core/LocalisedTexts.h"
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
#include <map>

namespace {

// Puts the hooks of the other subsystems back when a test has replaced them.
class HooksRestore
{
public:
    HooksRestore()
        : m_saved{MainProcs::framePracticeStatsShow, MainProcs::frameThemesStatsShow,
                  MainProcs::frameThemesLabelsUpdate, MainProcs::frameHistoryInit,
                  MainProcs::frameAdminInit,        MainProcs::AdminUserDataDisplay,
                  MainProcs::GradeGridFill,         MainProcs::QuestionnaireTitleSet}
    {
    }
    ~HooksRestore()
    {
        MainProcs::framePracticeStatsShow = m_saved[0];
        MainProcs::frameThemesStatsShow = m_saved[1];
        MainProcs::frameThemesLabelsUpdate = m_saved[2];
        MainProcs::frameHistoryInit = m_saved[3];
        MainProcs::frameAdminInit = m_saved[4];
        MainProcs::AdminUserDataDisplay = m_saved[5];
        MainProcs::GradeGridFill = m_saved[6];
        MainProcs::QuestionnaireTitleSet = m_saved[7];
    }

private:
    std::function<void()> m_saved[8];
};

// A small question bank: five questions per category with their texts in
// three languages, three themes and two books, written in one transaction.
void createSmallBank(const QString &dir)
{
    clsQuestion q;
    q.setDbPath(dir);
    q.setDbFileName(QStringLiteral("Bank.sqlite"));
    QString error;
    QVERIFY2(q.DbCreate(error), qPrintable(error));
    q.setRSLockType(QStringLiteral("2"));
    q.DbOpen();
    q.DbTransactionBegin();
    q.QuestionOpen();
    for (int16_t cat = 0; cat < 4; ++cat)
        for (int32_t nr = 1; nr <= 5; ++nr) {
            q.QuestionAdd();
            q.CategoryNr = cat;
            q.QuestionNr = nr;
            q.ThemeNr = static_cast<int16_t>(4 + nr % 3);
            q.PictureNr = 0;
            q.Answer = QStringLiteral("a");
            q.QuestionUpdate();
        }
    q.QuestionClose();
    q.QuestionTextOpen();
    for (int16_t cat = 0; cat < 4; ++cat)
        for (int32_t nr = 1; nr <= 5; ++nr)
            for (int16_t lang = 0; lang < 3; ++lang) {
                q.QuestionTextAdd();
                q.CategoryNr = cat;
                q.QuestionNr = nr;
                q.LanguageNr = lang;
                q.QuestionText = QStringLiteral("Q%1 L%2").arg(nr).arg(lang);
                q.AnsweraText = QStringLiteral("a");
                q.AnswerbText = QStringLiteral("b");
                q.AnswercText = QStringLiteral("c");
                q.QuestionTextUpdate();
            }
    q.QuestionTextClose();
    q.ThemeNameOpen();
    for (int16_t cat = 0; cat < 4; ++cat)
        for (int16_t t = 4; t <= 6; ++t)
            for (int16_t lang = 0; lang < 3; ++lang) {
                q.ThemeNameAdd();
                q.CategoryNr = cat;
                q.ThemeNr = t;
                q.LanguageNr = lang;
                q.ThemeName = QStringLiteral("Theme %1/%2").arg(t).arg(lang);
                q.ThemeNameUpdate();
            }
    q.ThemeNameClose();
    q.BookOpen();
    for (int16_t cat = 0; cat < 4; ++cat)
        for (int16_t book = 1; book <= 2; ++book) {
            q.BookAdd();
            q.CategoryNr = cat;
            q.BookNr = book;
            q.BookTitle = QStringLiteral("Handbuch %1").arg(book);
            q.BookPictureNr = QStringLiteral("9001");
            q.BookUpdate();
        }
    q.BookClose();
    q.DbTransactionCommit();
    q.DbClose();
}

struct EventRow {
    int code;
    QString text1;
    QString userName;
    int userId;
};

} // namespace

class TestLoginLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void listShowsActiveUsersOnly();
    void okWithoutSelectionDoesNothing();
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
    void start();
    QString usersFile() const { return ShellFixture::dataDir(*m_sb) + QStringLiteral("Users.sqlite"); }
    QList<EventRow> events() const;
    int userId(const QString &name) const;
    void select(const QString &name);
    void typeDigits(const QString &digits);
    template <class T> T *find(const QString &name)
    {
        T *c = m_w->findChild<T *>(name);
        if (!c)
            qWarning("missing control %s", qPrintable(name));
        return c;
    }

    QTemporaryDir m_template;   // the two databases, made once and copied for each test
    std::unique_ptr<TestSupport::Sandbox> m_sb;
    std::unique_ptr<formMain> m_w;
    QListWidget *m_list = nullptr;
    QLineEdit *m_password = nullptr;
};

void TestLoginLanguage::initTestCase()
{
    QVERIFY(m_template.isValid());
    const QString dir = m_template.path() + QStringLiteral("/");
    createSmallBank(dir);
    ShellFixture::createUsers(dir,
                              {{QStringLiteral("_Vestr"), QStringLiteral("1234"), 0, 0, 0},
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
}

void TestLoginLanguage::cleanup()
{
    m_w.reset();
    m_sb.reset();
}

void TestLoginLanguage::start()
{
    m_w = std::make_unique<formMain>();
    m_w->Form_Load();
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    // The start picture goes behind, as its timer would do it.
    Frame_OnTop(Screen::PictureBig, false);
    m_w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
    m_list = find<QListWidget>(QStringLiteral("listLoginUsers"));
    m_password = find<QLineEdit>(QStringLiteral("txtLoginPassword"));
    QVERIFY(m_list && m_password);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
}

QList<EventRow> TestLoginLanguage::events() const
{
    QList<EventRow> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
        db.setDatabaseName(usersFile());
        if (db.open()) {
            QSqlQuery q(QStringLiteral("SELECT EventCode, EventText1, UserName, UserID FROM Events ORDER BY EventId"),
                        db);
            while (q.next())
                rows.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt()});
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    return rows;
}

int TestLoginLanguage::userId(const QString &name) const
{
    int id = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
        db.setDatabaseName(usersFile());
        if (db.open()) {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("SELECT UserID FROM User WHERE UserName = ?"));
            q.addBindValue(name);
            if (q.exec() && q.next())
                id = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    return id;
}

void TestLoginLanguage::select(const QString &name)
{
    const auto items = m_list->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    m_list->scrollToItem(items.first());
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, m_list->visualItemRect(items.first()).center());
    QCOMPARE(m_list->currentItem(), items.first());
}

void TestLoginLanguage::typeDigits(const QString &digits)
{
    for (const QChar d : digits)
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginNumber_%1").arg(d)), Qt::LeftButton);
}

void TestLoginLanguage::listShowsActiveUsersOnly()
{
    start();
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i) {
        names << m_list->item(i)->text();
        QCOMPARE(m_list->item(i)->data(Qt::UserRole).toInt(), userId(m_list->item(i)->text()));
    }
    QCOMPARE(names, (QStringList{"_Vestr", "Anna Keller", "Claire Dubois", "Giulia Rossi"}));
    QVERIFY(m_list->findItems(QStringLiteral("Bruno Meier"), Qt::MatchExactly).isEmpty());
    QCOMPARE(m_password->echoMode(), QLineEdit::Password);
    QVERIFY(objUser && objUser->IsOpen());
}

void TestLoginLanguage::okWithoutSelectionDoesNothing()
{
    start();
    typeDigits(QStringLiteral("4711"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginOK")), Qt::LeftButton);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(Seams::BeepCount(), 0);
    QCOMPARE(m_password->text(), QStringLiteral("4711"));
    QVERIFY(events().isEmpty());
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestLoginLanguage::selectionSwitchesLanguageAndLeavesClipboardAlone()
{
    start();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("notes of the teacher"));
    auto *passwordFrame = find<QGroupBox>(QStringLiteral("frameLoginPassword"));
    QCOMPARE(passwordFrame->title(), QStringLiteral("Geben Sie Ihr Passwort ein :"));

    select(QStringLiteral("Claire Dubois"));
    QCOMPARE(passwordFrame->title(), QStringLiteral("Introduisez votre mot de passe :"));
    QCOMPARE(m_password->text(), QString());
    QCOMPARE(CurrentLanguageNr, int16_t(1));
    QCOMPARE(CurrentCategoryNr, int16_t(1));
    QCOMPARE(CurrentBookNr, int16_t(1));
    QCOMPARE(find<QGroupBox>(QStringLiteral("framePractice"))->title(), QStringLiteral("Apprendre"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m_password));
    QCOMPARE(clipboard->text(), QStringLiteral("notes of the teacher"));

    // Back to a German user: the interface follows again.
    select(QStringLiteral("Anna Keller"));
    QCOMPARE(passwordFrame->title(), QStringLiteral("Geben Sie Ihr Passwort ein :"));
    QCOMPARE(CategoryNames[0], QStringLiteral("C - Lastwagen"));
    QVERIFY(!clipboard->text().contains(QStringLiteral("4711")));
    QCOMPARE(clipboard->text(), QStringLiteral("notes of the teacher"));
    QVERIFY(events().isEmpty());
}

void TestLoginLanguage::keypadAndKeyboard()
{
    start();
    select(QStringLiteral("Anna Keller"));
    typeDigits(QStringLiteral("123"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginDel")), Qt::LeftButton);
    QCOMPARE(m_password->text(), QStringLiteral("12"));
    QVERIFY(m_password->hasFocus());

    // Keyboard typing goes on where the keypad left the caret.
    QTest::keyClicks(m_password, QStringLiteral("9"));
    QCOMPARE(m_password->text(), QStringLiteral("129"));
    // Digits and delete work at the caret, not only at the end.
    m_password->setCursorPosition(1);
    typeDigits(QStringLiteral("5"));
    QCOMPARE(m_password->text(), QStringLiteral("1529"));
    QCOMPARE(m_password->cursorPosition(), 2);
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginDel")), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginDel")), Qt::LeftButton);
    QCOMPARE(m_password->text(), QStringLiteral("29"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginDel")), Qt::LeftButton);
    QCOMPARE(m_password->text(), QStringLiteral("29"));
}

void TestLoginLanguage::rightPasswordOpensPracticeMenu()
{
    start();
    CurrentBookNrMax = 0;
    select(QStringLiteral("Anna Keller"));
    typeDigits(QStringLiteral("4711"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginOK")), Qt::LeftButton);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));
    QCOMPARE(Seams::BeepCount(), 0);
    QCOMPARE(CurrentBookNrMax, int16_t(2));
    // The user database stays open for the signed-in user.
    QVERIFY(objUser && objUser->IsOpen());
    QCOMPARE(objUser->UserName, QStringLiteral("Anna Keller"));

    const QList<EventRow> rows = events();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].code, 1000);
    QCOMPARE(rows[0].text1, QStringLiteral("Login OK"));
    QCOMPARE(rows[0].userName, QStringLiteral("Anna Keller"));
    QCOMPARE(rows[0].userId, userId(QStringLiteral("Anna Keller")));
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestLoginLanguage::wrongPasswordBeepsAndKeepsEverything()
{
    start();
    select(QStringLiteral("Anna Keller"));
    typeDigits(QStringLiteral("4712"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginOK")), Qt::LeftButton);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(m_password->text(), QStringLiteral("4712"));
    QVERIFY(m_list->currentItem() && m_list->currentItem()->isSelected());
    QCOMPARE(m_list->currentItem()->text(), QStringLiteral("Anna Keller"));

    // A second wrong try: another beep and another journal row.
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginOK")), Qt::LeftButton);
    QCOMPARE(Seams::BeepCount(), 2);
    const QList<EventRow> rows = events();
    QCOMPARE(rows.size(), 2);
    for (const EventRow &r : rows) {
        QCOMPARE(r.code, 1001);
        QCOMPARE(r.text1, QStringLiteral("Login Failed"));
        QCOMPARE(r.userName, QStringLiteral("Anna Keller"));
    }
    // The administrator's password is no key to another account.
    m_password->clear();
    typeDigits(QStringLiteral("1234"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginOK")), Qt::LeftButton);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(Seams::BeepCount(), 3);
}

void TestLoginLanguage::administratorOpensAdministration()
{
    start();
    HooksRestore restore;
    clsUser *loginObject = objUser;
    bool loginDbClosedFirst = false;
    int adminInits = 0;
    std::function<void()> realInit = MainProcs::frameAdminInit;
    MainProcs::frameAdminInit = [&] {
        ++adminInits;
        loginDbClosedFirst = objUser == nullptr;
        MainProcs::Call(realInit);
    };
    select(QStringLiteral("_Vestr"));
    typeDigits(QStringLiteral("1234"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginOK")), Qt::LeftButton);
    QCOMPARE(adminInits, 1);
    QVERIFY(loginDbClosedFirst);
    QVERIFY(loginObject != nullptr);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Admin));
    QCOMPARE(m_password->text(), QString());
    const QList<EventRow> rows = events();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].code, 1000);
    QCOMPARE(rows[0].userName, QStringLiteral("_Vestr"));
}

void TestLoginLanguage::languageScreenFromPracticeMenu()
{
    start();
    HooksRestore restore;
    int statsShown = 0;
    MainProcs::framePracticeStatsShow = [&] { ++statsShown; };
    select(QStringLiteral("Anna Keller"));
    typeDigits(QStringLiteral("4711"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginOK")), Qt::LeftButton);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));
    statsShown = 0;

    auto *practiceLanguage = find<QPushButton>(QStringLiteral("cmdLanguage_2"));
    QVERIFY(practiceLanguage);
    QTest::mouseClick(practiceLanguage, Qt::LeftButton);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Language));
    QCOMPARE(LanguageCaller, int16_t(2));
    QCOMPARE(find<QPushButton>(QStringLiteral("cmdLanguageChoice_1"))->text(), QStringLiteral("FRANÇAIS"));
    QVERIFY(!find<QPushButton>(QStringLiteral("cmdLanguageChoice_3"))->isEnabled());
    QVERIFY(find<QPushButton>(QStringLiteral("cmdLanguageChoice_3"))->isHidden());

    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLanguageChoice_1")), Qt::LeftButton);
    QCOMPARE(CurrentLanguageNr, int16_t(1));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));
    QCOMPARE(statsShown, 1);

    // Every screen speaks French now.
    const std::map<QString, QString> titles = {
        {"frameLogin", "Login"},
        {"frameLoginPassword", "Introduisez votre mot de passe :"},
        {"framePractice", "Apprendre"},
        {"frameThemes", "Questionnaires par Thèmes"},
        {"frameQuestion", "Question"},
        {"frameGrade", "Résultats"},
        {"frameHistory", "Historique des Questionnaires"},
        {"frameAdmin", "Administration"},
        {"frameLanguage", "Sprache / Langue / Lingua"},
    };
    for (const auto &[name, title] : titles) {
        auto *box = find<QGroupBox>(name);
        QVERIFY2(box, qPrintable(name));
        QCOMPARE(box->title(), title);
    }
    QCOMPARE(find<QPushButton>(QStringLiteral("cmdPracticeExam"))->text(), QStringLiteral("EXAMEN"));
    QCOMPARE(find<QPushButton>(QStringLiteral("cmdQAGrade"))->text(), QStringLiteral("RÉSULTAT"));
    QCOMPARE(find<QPushButton>(QStringLiteral("cmdGradeQuit"))->text(), QStringLiteral("TERMINÉ"));
    QCOMPARE(find<QLabel>(QStringLiteral("lblPracticeTitleCategoryName"))->text(),
             QStringLiteral("Catégorie : C - Camion"));
    for (int i = 0; i <= 6; ++i) {
        auto *b = find<QPushButton>(QStringLiteral("cmdLanguage_%1").arg(i));
        QVERIFY(b);
        QCOMPARE(b->text(), QStringLiteral("SPRACHE") + NewLine + QStringLiteral("LANGUE") + NewLine
                                + QStringLiteral("LINGUA"));
    }
    QCOMPARE(find<QWidget>(QStringLiteral("chkQuestion_39"))->toolTip(), QStringLiteral("Question 40"));
}

void TestLoginLanguage::languageScreenRefreshesItsCaller_data()
{
    QTest::addColumn<int>("caller");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");   // hooks called, in order
    QTest::newRow("login") << 0 << 0 << QString("T");
    QTest::newRow("question screen, practice") << 1 << 0 << QString("T");
    QTest::newRow("question screen, graded") << 1 << 2 << QString("TG");
    QTest::newRow("question screen, history") << 1 << 4 << QString("TGH");
    QTest::newRow("practice menu") << 2 << 0 << QString("TP");
    QTest::newRow("administration") << 3 << 0 << QString("TA");
    QTest::newRow("grade screen, graded") << 4 << 2 << QString("TG");
    QTest::newRow("grade screen, history") << 4 << 4 << QString("TGH");
    QTest::newRow("theme questionnaires") << 5 << 0 << QString("TLS");
    QTest::newRow("history") << 6 << 4 << QString("TH");
}

void TestLoginLanguage::languageScreenRefreshesItsCaller()
{
    QFETCH(int, caller);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    start();
    HooksRestore restore;
    QString called;
    MainProcs::QuestionnaireTitleSet = [&] { called += 'T'; };
    MainProcs::GradeGridFill = [&] { called += 'G'; };
    MainProcs::frameHistoryInit = [&] { called += 'H'; };
    MainProcs::framePracticeStatsShow = [&] { called += 'P'; };
    MainProcs::AdminUserDataDisplay = [&] { called += 'A'; };
    MainProcs::frameThemesLabelsUpdate = [&] { called += 'L'; };
    MainProcs::frameThemesStatsShow = [&] { called += 'S'; };
    SetRecord.QuestionMode = static_cast<uint8_t>(mode);
    CurrentQuestionNr = 1;

    const Screen screens[] = {Screen::Login, Screen::QA,    Screen::Practice, Screen::Admin,
                              Screen::Grade, Screen::Themes, Screen::History};
    Frame_OnTop(screens[caller], true);
    cmdLanguage_Click(static_cast<int16_t>(caller));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Language));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLanguageChoice_2")), Qt::LeftButton);
    QCOMPARE(called, expected);
    QCOMPARE(ScreenOnTop(), ScreenFrame(screens[caller]));
    QCOMPARE(find<QGroupBox>(QStringLiteral("framePractice"))->title(), QStringLiteral("Imparare"));
    if (caller == 1)   // the question number shows the Italian word
        QVERIFY(find<QLabel>(QStringLiteral("lblQAQuestionNr"))->text().startsWith(QStringLiteral("Domanda")));
    SetRecord.QuestionMode = QuestionModePractice;
}

void TestLoginLanguage::italianCategoryTwoTitle()
{
    start();
    select(QStringLiteral("Giulia Rossi"));
    QCOMPARE(CurrentLanguageNr, int16_t(2));
    QCOMPARE(CurrentCategoryNr, int16_t(2));
    QCOMPARE(find<QGroupBox>(QStringLiteral("frameLoginPassword"))->title(),
             QStringLiteral("Registrate la vostra parola d'ordine :"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLanguage_0")), Qt::LeftButton);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Language));
    QCOMPARE(LanguageCaller, int16_t(0));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLanguageChoice_2")), Qt::LeftButton);
    QCOMPARE(find<QLabel>(QStringLiteral("lblPracticeTitleCategoryName"))->text(),
             QStringLiteral("Categoria : C1 - Servizio antincendio"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));

    // German chosen on the language screen: the label follows.
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLanguage_0")), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLanguageChoice_0")), Qt::LeftButton);
    QCOMPARE(find<QLabel>(QStringLiteral("lblPracticeTitleCategoryName"))->text(),
             QStringLiteral("Kategorie : C1 - Feuerwehr"));
    QCOMPARE(find<QGroupBox>(QStringLiteral("frameLoginPassword"))->title(),
             QStringLiteral("Geben Sie Ihr Passwort ein :"));
}

void TestLoginLanguage::okTrapReportsMissingUserObject()
{
    start();
    select(QStringLiteral("Anna Keller"));
    typeDigits(QStringLiteral("4711"));
    // The screen's user database is closed under it (as after the
    // administrator's sign-in): the OK button's trap reports the failure.
    m_w->m_frameLogin->frameLoginClose();
    QCOMPARE(objUser, nullptr);
    typeDigits(QStringLiteral("4711"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdLoginOK")), Qt::LeftButton);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY2(RuntimeErrorLines().first().startsWith(QStringLiteral("Error 91 : ")), qPrintable(RuntimeErrorLines().first()));
    QVERIFY(RuntimeErrorLines().first().endsWith(QStringLiteral("(formMain -> cmdLoginOK_Click)")));
    QVERIFY(events().isEmpty());
}

QTEST_MAIN(TestLoginLanguage)
#include "tst_login_language.moc"
