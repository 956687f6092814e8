#include "UserDbFixture.h"

using UserDbTest::Fixture;

namespace {

QDateTime At(int hour, int minute, int second, int ms = 0)
{
    return QDateTime(QDate(2026, 4, 1), QTime(hour, minute, second, ms));
}

// The clock of the program is set for one test and put back afterwards.
struct ClockAt {
    explicit ClockAt(const QDateTime &t) : now(t) { Seams::SetClock([this] { return now; }); }
    ~ClockAt() { Seams::SetClock({}); }
    QDateTime now;
};

} // namespace

class TestUserDbEvents : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { objUser = nullptr; }
    void failedSignInWithoutUser();
    void textsAreCutAndBlanksReadBackEmpty();
    void listedNewestFirstPerUser();
    void writingLeavesWriteSettings();
    void withoutUserObjectIsReported();
};

void TestUserDbEvents::failedSignInWithoutUser()
{
    Fixture f;
    objUser = &f.user;
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    f.user.UserNameSeek(QStringLiteral("Gone"));
    ClockAt clock(At(7, 45, 12, 640));
    EventLogUserDB(1001, QStringLiteral("Login Failed"), QString(), QString());

    f.user.EventsUserOpen();   // events of UserID 0
    QVERIFY(f.user.EventId() > 0);
    QCOMPARE(f.user.EventUserId, 0);
    QCOMPARE(f.user.EventCode, 1001);
    QCOMPARE(f.user.EventText1, QStringLiteral("Login Failed"));
    QCOMPARE(f.user.EventUserName(), QString());
    QCOMPARE(f.user.EventDateTime, At(7, 45, 12));
    QCOMPARE(f.user.EventPCName(), QStringLiteral("PC-7"));
    QCOMPARE(f.user.EventProgramVersion(), QStringLiteral("Velko 2.0.0"));
    QCOMPARE(f.user.EventWindowsVersion(), QStringLiteral("6.1.7601"));
    QCOMPARE(f.raw(QStringLiteral("SELECT EventDateTime FROM Events")).toString(),
             QStringLiteral("2026-04-01 07:45:12"));
    f.user.EventsNext();
    QCOMPARE(f.user.EventId(), 0);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbEvents::textsAreCutAndBlanksReadBackEmpty()
{
    Fixture f;
    objUser = &f.user;
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    EventLogUserDB(2001, QString(60, 'a'), QString(150, 'b'), QString(300, 'c'));
    EventLogUserDB(2000, QStringLiteral("User Created"), QString(), QString());
    QCOMPARE(f.raw(QStringLiteral("SELECT EventText2 || '|' || EventText3 FROM Events WHERE EventCode = 2000"))
                 .toString(),
             QStringLiteral(" | "));

    f.user.EventsUserOpen();
    QList<int32_t> codes;
    for (; f.user.EventId() != 0; f.user.EventsNext()) {
        codes << f.user.EventCode;
        QCOMPARE(f.user.EventUserName(), QStringLiteral("Anna"));
        QCOMPARE(f.user.EventUserId, f.user.UserID());
        if (f.user.EventCode == 2001) {
            QCOMPARE(f.user.EventText1, QString(50, 'a'));
            QCOMPARE(f.user.EventText2, QString(100, 'b'));
            QCOMPARE(f.user.EventText3, QString(255, 'c'));
        } else {
            QCOMPARE(f.user.EventText2, QString());
            QCOMPARE(f.user.EventText3, QString());
        }
    }
    QCOMPARE(codes.size(), 2);
}

void TestUserDbEvents::listedNewestFirstPerUser()
{
    Fixture f;
    objUser = &f.user;
    f.addUser(QStringLiteral("Ben"), QStringLiteral("2"));
    {
        ClockAt clock(At(12, 0, 0));
        EventLogUserDB(1000, QStringLiteral("Ben's"), QString(), QString());
    }
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    const QList<QPair<QDateTime, QString>> written = {
        {At(10, 0, 0), "ten"}, {At(12, 0, 0), "noon"}, {At(11, 0, 0), "eleven"}, {At(12, 0, 0), "noon again"}};
    for (const auto &w : written) {
        ClockAt clock(w.first);
        EventLogUserDB(1000, w.second, QString(), QString());
    }
    f.user.setRSCursorType(QStringLiteral("3"));
    f.user.setRSLockType(QStringLiteral("1"));
    f.user.EventsUserOpen();
    QStringList texts;
    for (; f.user.EventId() != 0; f.user.EventsNext())
        texts << f.user.EventText1;
    QCOMPARE(texts, QStringList({"noon again", "noon", "eleven", "ten"}));
    f.user.EventsFirst();
    QCOMPARE(f.user.EventText1, QStringLiteral("noon again"));
    f.user.EventsNrSeek();   // closes the journal
    f.user.EventsNext();
    QVERIFY(RuntimeErrorLines().last().endsWith(QStringLiteral("(clsUser -> EventsNext)")));
}

void TestUserDbEvents::writingLeavesWriteSettings()
{
    Fixture f;
    objUser = &f.user;
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    f.user.setRSCursorType(QStringLiteral("3"));
    f.user.setRSLockType(QStringLiteral("1"));
    EventLogUserDB(1000, QStringLiteral("Login OK"), QString(), QString());
    QCOMPARE(f.user.RSCursorType(), QStringLiteral("2"));
    QCOMPARE(f.user.RSLockType(), QStringLiteral("2"));
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM Events")).toInt(), 1);
    QVERIFY(RuntimeErrorLines().isEmpty());

    // Written by hand with read-only settings: refused and reported.
    f.user.setRSLockType(QStringLiteral("1"));
    f.user.EventsOpen();
    f.user.EventsAdd();
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines()[0].startsWith(QStringLiteral("Error 3251 : ")));
    QVERIFY(RuntimeErrorLines()[0].endsWith(QStringLiteral("(clsUser -> EventsAdd)")));
}

void TestUserDbEvents::withoutUserObjectIsReported()
{
    TestSupport::Sandbox sb;
    objUser = nullptr;
    EventLogUserDB(1000, QStringLiteral("Login OK"), QString(), QString());
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines()[0].endsWith(QStringLiteral("(modMain -> EventLogUserDB)")));
}

QTEST_MAIN(TestUserDbEvents)
#include "tst_userdb_events.moc"
