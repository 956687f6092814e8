// The login and language screens in the real main window: active users, the
// language switch on selection, keypad, passwords and their journal rows, the
// administrator's way, and the language screen called from other screens.
// Then the window with the keyboard alone and as a screen reader sees it: a
// candidate's and the administrator's way by keys only, the tab chain of
// every screen, and options that the focus passes over without answering.
#include "../stats/StatsFixture.h"
#include "core/Keyboard.h"
#include "training/QuestionSet.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QClipboard>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace ShellFixture;

class TestLoginLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        FocusFrameStyleInstall();
        m_db = std::make_unique<ShellFixture::Databases>();
    }
    void init();
    void cleanup();
    void wrongThenRightPassword();
    void languageScreenRecaptionsAndReturns_data();
    void languageScreenRecaptionsAndReturns();
    void listKeypadScreensAndAdministration();
    void candidateAndAdministratorByKeysOnly();

private:
    QStringList events() const
    {
        return query(dataDir(*m_sb) + "Users.sqlite", "SELECT EventCode, EventText1, UserName FROM Events");
    }
    QString categoryTitle() const { return child<QLabel>(m_w.get(), "lblPracticeTitleCategoryName")->text(); }
    static QWidget *focused() { return QApplication::focusWidget(); }
    static void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QVERIFY(focused());
        QTest::keyClick(focused(), static_cast<Qt::Key>(k), modifiers);
    }
    static void tabTo(const QString &name)
    {
        for (int i = 0; i < 80 && focused() && focused()->objectName() != name; ++i)
            key(Qt::Key_Tab);
        QCOMPARE(focused()->objectName(), name);
    }
    static void inFront(Screen screen) { QCOMPARE(ScreenOnTop(), ScreenFrame(screen)); }
    void signInByKeys(const QString &name, const QString &password, Screen to);
    QStringList tabChain();

    std::unique_ptr<ShellFixture::Databases> m_db;
    std::unique_ptr<TestSupport::Sandbox> m_sb;
    std::unique_ptr<formMain> m_w;
    QListWidget *m_list = nullptr;
    QLineEdit *m_password = nullptr;
};

void TestLoginLanguage::init()
{
    m_sb = std::make_unique<TestSupport::Sandbox>();
    m_db->install(*m_sb);
    m_w = startMainWindow();
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    m_list = child<QListWidget>(m_w.get(), "listLoginUsers");
    m_password = child<QLineEdit>(m_w.get(), "txtLoginPassword");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
}

void TestLoginLanguage::cleanup()
{
    m_w.reset();
    Seams::SetClock({});
    SetRecord = QuestionSet();
    m_sb.reset();
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

void TestLoginLanguage::listKeypadScreensAndAdministration()
{
    // Every enabled button of every screen does something when clicked (at
    // the end): it has a receiver of its own or belongs to a button group that
    // has one. The buttons are collected before and after each sign-in.
    QSet<QAbstractButton *> enabled;
    const auto collect = [&] {
        for (QAbstractButton *b : m_w->findChildren<QAbstractButton *>())
            if (b->isEnabled())
                enabled.insert(b);
    };
    collect();
    QCOMPARE(items(m_list), (QStringList{"_Vestr", "Anna Keller", "Claire Dubois", "Giulia Rossi"}));
    QCOMPARE(m_password->echoMode(), QLineEdit::Password);
    // The keypad's OK without a user signs nobody in, and keys pressed at the
    // login screen before anyone signed in reach no covered screen: nothing
    // is started, nothing is stored.
    QVERIFY(ScreenFrame(Screen::Login)->isAncestorOf(QApplication::focusWidget()));
    typeDigits(m_w.get(), "4711");
    click(m_w.get(), "cmdLoginOK");
    QCOMPARE(Seams::BeepCount(), 0);
    for (int i = 0; i < 3; ++i)
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return})
            QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QVERIFY(events().isEmpty());
    const QString users = dataDir(*m_sb) + "Users.sqlite";
    QCOMPARE(query(users, "SELECT COUNT(*) FROM QuestionnaireStat"), QStringList{"0"});
    QCOMPARE(query(users, "SELECT COUNT(*) FROM QuestionStat"), QStringList{"0"});
    m_password->clear();

    // Deliberate: the password never goes to the clipboard.
    QGuiApplication::clipboard()->setText(QStringLiteral("notes of the teacher"));
    clickItem(m_list, "Claire Dubois");
    QCOMPARE(child<QGroupBox>(m_w.get(), "frameLoginPassword")->title(), "Introduisez votre mot de passe :");
    QCOMPARE(m_password->text(), QString());
    QCOMPARE(QApplication::focusWidget(), m_password);
    typeDigits(m_w.get(), "123");
    click(m_w.get(), "cmdLoginDel");
    QCOMPARE(m_password->text(), QStringLiteral("12"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("notes of the teacher"));

    // The language screen's choice names the selected user's category in that language.
    clickItem(m_list, "Giulia Rossi");
    click(m_w.get(), "cmdLanguage_0");
    click(m_w.get(), "cmdLanguageChoice_2");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QCOMPARE(categoryTitle(), "Categoria : C1 - Servizio antincendio");
    m_password->clear();

    // With any screen in front, the covered screens are hidden: out of reach
    // for the keyboard (the tab chains are the keys-only walk's) and for
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
    collect();
    // The grade screen after a grading, with a printer installed.
    SetPrinterNamesOverride([] { return QStringList{QStringLiteral("Laser")}; });
    SetRecord.QuestionMode = QuestionModeGraded;
    SetRecord.Redim(1);
    SetRecord.QList[1] = 1;
    MainProcs::Call(MainProcs::GradeGridFill);
    collect();
    SetPrinterNamesOverride({});
    Frame_OnTop(Screen::Practice, true);
    click(m_w.get(), "cmdPracticeQuit");
    // The administrator's way: the login screen's user database closed first.
    bool loginDbClosedFirst = false;
    MainProcs::frameAdminInit = [&, real = MainProcs::frameAdminInit] {
        loginDbClosedFirst = objUser == nullptr;
        MainProcs::Call(real);
    };
    signIn(m_w.get(), "_Vestr", "1234");
    QVERIFY(loginDbClosedFirst);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Admin));
    QCOMPARE(m_password->text(), QString());
    QCOMPARE(events(), (QStringList{"1000|Login OK|Anna Keller", "1000|Login OK|_Vestr"}));
    collect();
    QVERIFY(enabled.size() > 20);
    // OK back to the login screen is the administration test's.
    click(m_w.get(), "cmdAdminQuit");
    QCOMPARE(Seams::ProgramEndRequests(), 1);
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
    // Procedures of other screens replaced here; the next window wires them again.
    std::function<void()> *const hooks[] = {
        &MainProcs::framePracticeStatsShow, &MainProcs::frameThemesStatsShow, &MainProcs::frameThemesLabelsUpdate,
        &MainProcs::frameHistoryInit,       &MainProcs::frameAdminInit,       &MainProcs::AdminUserDataDisplay,
        &MainProcs::GradeGridFill,          &MainProcs::QuestionnaireTitleSet};
    QString called;
    for (int i = 0; i < 8; ++i)   // each procedure leaves its letter
        *hooks[i] = [&called, c = "PSLHIAGT"[i]] { called += QLatin1Char(c); };
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

void TestLoginLanguage::signInByKeys(const QString &name, const QString &password, Screen to)
{
    auto *list = child<QListWidget>(m_w.get(), "listLoginUsers");
    QCOMPARE(focused(), list);
    // The arrow keys browse the list and leave the focus there.
    key(Qt::Key_Home);
    for (int i = 0; i < list->count() && list->currentItem()->text() != name; ++i)
        key(Qt::Key_Down);
    QCOMPARE(list->currentItem()->text(), name);
    QCOMPARE(focused(), list);
    key(Qt::Key_Return);
    QCOMPARE(focused()->objectName(), QString("txtLoginPassword"));
    QTest::keyClicks(focused(), password);
    key(Qt::Key_Return);
    inFront(to);
}

QStringList TestLoginLanguage::tabChain()
{
    QWidget *front = ScreenOnTop();
    QWidget *start = focused();
    QStringList chain;
    QHash<QString, QWidget *> names;
    int backwards = 0;
    QPoint previous;
    for (int i = 0; i < 200; ++i) {
        QWidget *w = focused();
        if (!w || (i > 0 && w == start))
            break;
        [&] {
            QVERIFY2(front->isAncestorOf(w), qPrintable(w->objectName()));
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(a && !a->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(w->objectName()));
            // No two controls of a screen share a name.
            QVERIFY2(names.value(a->text(QAccessible::Name), w) == w, qPrintable(a->text(QAccessible::Name)));
            names.insert(a->text(QAccessible::Name), w);
        }();
        // Row by row: never back up and to the left, except once at the wrap.
        const QPoint at = w->mapTo(front, QPoint(0, 0));
        if (i > 0 && at.y() < previous.y() - 4 && at.x() <= previous.x())
            ++backwards;
        previous = at;
        chain << w->objectName();
        key(Qt::Key_Tab);
    }
    [&] {
        QCOMPARE(focused(), start);
        QVERIFY2(backwards <= 1, qPrintable(chain.join(' ')));
    }();
    return chain;
}

void TestLoginLanguage::candidateAndAdministratorByKeysOnly()
{
    // On the statistics tests' databases: their questions have texts, and lessons.
    m_w.reset();
    m_sb = std::make_unique<TestSupport::Sandbox>();
    StatsFixture::Databases().install(*m_sb);
    Seams::SetClock([] { return QDateTime(QDate(2026, 12, 7), QTime(10, 0)); });
    m_w = startMainWindow();
    const QStringList login = tabChain();
    QCOMPARE(login.mid(0, 6), QStringList({"listLoginUsers", "txtLoginPassword", "cmdLoginNumber_7",
                                           "cmdLoginNumber_8", "cmdLoginNumber_9", "cmdLoginNumber_4"}));
    QVERIFY(login.contains("cmdLoginOK"));
    signInByKeys("Anna Keller", "4711", Screen::Practice);
    // Lesson 1 has the focus; Return starts it.
    const QStringList practice = tabChain();
    QCOMPARE(practice.mid(0, 2), QStringList({"cmdPracticeLesson_0", "cmdPracticeLesson_1"}));
    QVERIFY(practice.indexOf("cmdPracticeQuit") > practice.indexOf("txtPracticeQuestion"));
    key(Qt::Key_Return);
    inFront(Screen::QA);
    // The strip holds the set's ten questions only.
    QCOMPARE(tabChain().filter(QRegularExpression("^chkQuestion_")).size(), 10);

    // The options are one stop of the tab chain: Tab passes over them, the
    // arrow keys move among them, and none of that answers.
    tabTo("chkAnswer_0");
    key(Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QString("picboxQABook"));
    key(Qt::Key_Backtab);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    QCOMPARE(focused()->objectName(), QString("chkAnswer_2"));
    QCOMPARE(SetRecord.UserAnswers.value(1), QString());
    // Space chooses the option that has the focus; the names say so.
    key(Qt::Key_Space);
    QCOMPARE(SetRecord.UserAnswers.value(1), QString("c"));
    QCOMPARE(focused()->accessibleName(), QString("Antwort c: drei"));
    QCOMPARE(child<QToolButton>(m_w.get(), "chkQuestion_0")->accessibleName(), "Frage 1, beantwortet, aktuell");
    // Once answered, the arrow keys change the answer.
    key(Qt::Key_Up);
    QCOMPARE(SetRecord.UserAnswers.value(1), QString("b"));

    // A button that the keyboard reached shows a frame of two pixels.
    tabTo("cmdQARevealAnswer");
    const QImage face = focused()->grab().toImage();
    const QColor frame = focused()->palette().color(QPalette::Highlight);
    for (const QPoint &p : {QPoint(0, face.height() / 2), QPoint(1, face.height() / 2), QPoint(face.width() / 2, 1)})
        QCOMPARE(face.pixelColor(p), frame);

    // Answer keys answer the question shown wherever the focus is: every
    // question answered by keys, once round the set, each key once at least.
    const Qt::Key keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_B, Qt::Key_B, Qt::Key_B,
                            Qt::Key_B, Qt::Key_B, Qt::Key_3, Qt::Key_C, Qt::Key_A};
    for (int i = 1; i <= 10; ++i) {
        key(keys[SetRecord.CurrentIndex - 1]);
        key(Qt::Key_PageDown);
    }
    QCOMPARE(SetRecord.CurrentIndex, 1);
    key(Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(SetRecord.CurrentIndex, 2);
    tabTo("cmdQAGrade");
    key(Qt::Key_Return);
    inFront(Screen::Grade);
    const QString answers = query(dataDir(*m_sb) + "Users.sqlite", "SELECT QuestionnaireAnswers FROM "
                                  "QuestionnaireStat WHERE UserID = 2 ORDER BY StatId DESC LIMIT 1").value(0);
    QCOMPARE(answers.left(10), "abbbbbbcca");
    QVERIFY(tabChain().contains("cmdGradeQuit"));

    // Review the second row, back with Escape, leave.
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    inFront(Screen::QA);
    QCOMPARE(SetRecord.CurrentIndex, 2);
    key(Qt::Key_Escape);
    inFront(Screen::Grade);
    key(Qt::Key_Escape);
    inFront(Screen::Practice);
    // The themes and the history, each left with Escape; then sign out.
    click(m_w.get(), "cmdPracticeThemes");
    inFront(Screen::Themes);
    tabChain();
    key(Qt::Key_Escape);
    inFront(Screen::Practice);
    click(m_w.get(), "cmdPracticeHistory");
    inFront(Screen::History);
    QVERIFY(tabChain().contains("cmdHistoryQuit"));
    key(Qt::Key_Escape);
    inFront(Screen::Practice);
    key(Qt::Key_Escape);
    inFront(Screen::Login);

    signInByKeys("_Vestr", "1234", Screen::Admin);
    tabChain();
    // The user dialogs open by keys, and each of their fields has a name of its own.
    QStringList dialogs;
    Dialogs::SetDialogHandler([&dialogs](QDialog *d) {
        QSet<QString> names;
        int fields = 0;
        for (QWidget *w : d->findChildren<QWidget *>())
            if (w->isVisibleTo(d) && (w->focusPolicy() & Qt::TabFocus)) {
                names << QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
                ++fields;
            }
        if (!names.contains(QString()) && names.size() == fields)
            dialogs << d->objectName();
        return QDialog::Rejected;
    });
    tabTo("cmdUserAdd");
    key(Qt::Key_Return);
    tabTo("cmdUserSearch");
    key(Qt::Key_Space);
    Dialogs::SetDialogHandler({});
    QCOMPARE(dialogs, QStringList({"formUserEdit", "formUserSearch"}));
    // The settings page, reached by keys on the tab bar.
    tabTo("qt_tabwidget_tabbar");
    QTest::keyClick(focused(), Qt::Key_Right);
    QVERIFY(tabChain().contains("cmdPicPathSelect"));
    key(Qt::Key_Escape);
    inFront(Screen::Login);
}

QTEST_MAIN(TestLoginLanguage)
#include "tst_login_language.moc"
