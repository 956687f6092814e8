// The main window with the keyboard alone and as a screen reader sees it: a
// candidate's and the administrator's way by keys only, the tab chain of
// every screen, and options that the focus passes over without answering.
#include "../stats/StatsFixture.h"
#include "core/Keyboard.h"
#include "core/Screens.h"
#include "shell/formMain.h"
#include "training/QuestionSet.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

class TestKeyboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        FocusFrameStyleInstall();
        m_db = std::make_unique<StatsFixture::Databases>();
    }
    void init();
    void cleanup();
    void candidateAndAdministratorByKeysOnly();

private:
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

    std::unique_ptr<StatsFixture::Databases> m_db;
    std::unique_ptr<TestSupport::Sandbox> m_sb;
    std::unique_ptr<formMain> m_w;
};

void TestKeyboard::init()
{
    m_sb = std::make_unique<TestSupport::Sandbox>();
    m_db->install(*m_sb);
    Seams::SetClock([] { return QDateTime(QDate(2026, 12, 7), QTime(10, 0)); });
    m_w = ShellFixture::startMainWindow();
    inFront(Screen::Login);
}

void TestKeyboard::cleanup()
{
    m_w.reset();
    Seams::SetClock({});
    SetRecord = QuestionSet();
    m_sb.reset();
}

void TestKeyboard::signInByKeys(const QString &name, const QString &password, Screen to)
{
    auto *list = ShellFixture::child<QListWidget>(m_w.get(), "listLoginUsers");
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

QStringList TestKeyboard::tabChain()
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

void TestKeyboard::candidateAndAdministratorByKeysOnly()
{
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
    QCOMPARE(SetRecord.QuestionCount, 10);
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
    QVERIFY(ShellFixture::child<QToolButton>(m_w.get(), "chkQuestion_0")->icon().isNull());
    // Space chooses the option that has the focus; the names say so.
    key(Qt::Key_Space);
    QCOMPARE(SetRecord.UserAnswers.value(1), QString("c"));
    QCOMPARE(focused()->accessibleName(), QString("Antwort c: drei"));
    QCOMPARE(ShellFixture::child<QToolButton>(m_w.get(), "chkQuestion_0")->accessibleName(),
             QString("Frage 1, beantwortet, aktuell"));
    // Once answered, the arrow keys change the answer.
    key(Qt::Key_Up);
    QCOMPARE(SetRecord.UserAnswers.value(1), QString("b"));
    // On the next question the focus stays on that option; a click on its
    // text chooses it.
    key(Qt::Key_PageDown);
    QCOMPARE(SetRecord.UserAnswers.value(2), QString());
    QTest::mouseClick(ShellFixture::child<QLabel>(m_w.get(), "lblAnswer_1"), Qt::LeftButton);
    QCOMPARE(SetRecord.UserAnswers.value(2), QString("b"));

    // A button that the keyboard reached shows a frame of two pixels.
    tabTo("cmdQARevealAnswer");
    const QImage face = focused()->grab().toImage();
    const QColor frame = focused()->palette().color(QPalette::Highlight);
    for (const QPoint &p : {QPoint(0, face.height() / 2), QPoint(1, face.height() / 2), QPoint(face.width() / 2, 1)})
        QCOMPARE(face.pixelColor(p), frame);

    // Answer keys answer the question shown wherever the focus is: every
    // question answered by keys, once round the set.
    for (int i = 1; i <= 10; ++i) {
        key(SetRecord.CurrentIndex == 10 ? Qt::Key_A : SetRecord.CurrentIndex == 9 ? Qt::Key_3 : Qt::Key_B);
        key(Qt::Key_PageDown);
    }
    QCOMPARE(SetRecord.CurrentIndex, 2);
    key(Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(SetRecord.CurrentIndex, 3);
    tabTo("cmdQAGrade");
    key(Qt::Key_Return);
    inFront(Screen::Grade);
    const QString users = ShellFixture::dataDir(*m_sb) + "Users.sqlite";
    QCOMPARE(ShellFixture::query(users, "SELECT QuestionnaireAnswers FROM QuestionnaireStat WHERE UserID = 2 "
                                        "ORDER BY StatId DESC LIMIT 1")
                 .value(0)
                 .left(10),
             QString("bbbbbbbbca"));
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
    ShellFixture::click(m_w.get(), "cmdPracticeThemes");
    inFront(Screen::Themes);
    tabChain();
    key(Qt::Key_Escape);
    inFront(Screen::Practice);
    ShellFixture::click(m_w.get(), "cmdPracticeHistory");
    inFront(Screen::History);
    QVERIFY(tabChain().contains("cmdHistoryQuit"));
    key(Qt::Key_Escape);
    inFront(Screen::Practice);
    key(Qt::Key_Escape);
    inFront(Screen::Login);

    signInByKeys("_Vestr", "1234", Screen::Admin);
    tabChain();
    // The user dialogs open by keys, and each of their fields has a name.
    QStringList dialogs;
    Dialogs::SetDialogHandler([&dialogs](QDialog *d) {
        QSet<QString> names;
        int fields = 0;
        bool labelled = true;
        for (QWidget *w : d->findChildren<QWidget *>())
            if (w->isVisibleTo(d) && (w->focusPolicy() & Qt::TabFocus)) {
                QAccessibleInterface *field = QAccessible::queryAccessibleInterface(w);
                const QString name = field->text(QAccessible::Name);
                names << name;
                ++fields;
                // A field with a label on its left is called what the label
                // says, or (a combo box, read by its item) labelled by it.
                QStringList labels{name};
                for (const auto &relation : field->relations(QAccessible::Label))
                    labels << relation.first->text(QAccessible::Name);
                for (QLabel *label : w->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
                    if (label->isVisibleTo(d) && label->geometry().right() < w->x()
                        && qAbs(label->geometry().center().y() - w->geometry().center().y()) < 6)
                        labelled = labelled && labels.contains(label->text());
            }
        // Every field has a name of its own.
        if (!names.contains(QString()) && names.size() == fields && labelled)
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

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
