#include "UserDbFixture.h"

using UserDbTest::Fixture;

namespace {

QDateTime At(int hour, int minute, int second, int ms = 0)
{
    return QDateTime(QDate(2026, 4, 1), QTime(hour, minute, second, ms));
}

// One event written with the program's clock set to t.
void LogAt(const QDateTime &t, int32_t code, const QString &t1, const QString &t2 = {}, const QString &t3 = {})
{
    Seams::SetClock([t] { return t; });
    EventLogUserDB(code, t1, t2, t3);
    Seams::SetClock({});
}

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
};

void TestUserDbEvents::failedSignInWithoutUser()
{
    Fixture f;
    objUser = &f.user;
    f.addUser("Anna", "1");
    f.user.UserNameSeek("Gone");
    LogAt(At(7, 45, 12, 640), 1001, "Login Failed");

    f.user.EventsUserOpen();   // events of UserID 0
    QCOMPARE(f.user.EventUserId, 0);
    QCOMPARE(f.user.EventCode, 1001);
    QCOMPARE(f.user.EventText1, QStringLiteral("Login Failed"));
    QCOMPARE(f.user.EventUserName(), QString());
    QCOMPARE(f.user.EventDateTime, At(7, 45, 12));
    QCOMPARE(QStringList({f.user.EventPCName(), f.user.EventProgramVersion(), f.user.EventWindowsVersion()}),
             QStringList({"PC-7", "Velko 2.0.0", "6.1.7601"}));
    QCOMPARE(f.raw("SELECT EventDateTime FROM Events").toString(), QStringLiteral("2026-04-01 07:45:12"));
    f.user.EventsNext();
    QCOMPARE(f.user.EventId(), 0);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbEvents::textsAreCutAndBlanksReadBackEmpty()
{
    Fixture f;
    objUser = &f.user;
    f.addUser("Anna", "1");
    LogAt(At(9, 0, 0), 2001, QString(60, 'a'), QString(150, 'b'), QString(300, 'c'));
    LogAt(At(10, 0, 0), 2000, "User Created");
    QCOMPARE(f.raw("SELECT EventText2 || '|' || EventText3 FROM Events WHERE EventCode = 2000").toString(),
             QStringLiteral(" | "));
    f.user.EventsUserOpen();
    QCOMPARE(f.user.EventCode, 2000);
    QCOMPARE(f.user.EventUserName(), QStringLiteral("Anna"));
    QCOMPARE(f.user.EventText2 + f.user.EventText3, QString());
    f.user.EventsNext();
    QCOMPARE(f.user.EventText1, QString(50, 'a'));
    QCOMPARE(f.user.EventText2, QString(100, 'b'));
    QCOMPARE(f.user.EventText3, QString(255, 'c'));
}

void TestUserDbEvents::listedNewestFirstPerUser()
{
    Fixture f;
    objUser = &f.user;
    f.addUser("Ben", "2");
    LogAt(At(12, 0, 0), 1000, "Ben's");
    f.addUser("Anna", "1");
    const QList<QPair<QDateTime, QString>> written = {
        {At(10, 0, 0), "ten"}, {At(12, 0, 0), "noon"}, {At(11, 0, 0), "eleven"}, {At(12, 0, 0), "noon again"}};
    for (const auto &w : written)
        LogAt(w.first, 1000, w.second);
    f.user.setRSCursorType("3");
    f.user.setRSLockType("1");
    f.user.EventsUserOpen();
    QStringList texts;
    for (; f.user.EventId() != 0; f.user.EventsNext())
        texts << f.user.EventText1;
    QCOMPARE(texts, QStringList({"noon again", "noon", "eleven", "ten"}));
}

void TestUserDbEvents::writingLeavesWriteSettings()
{
    Fixture f;
    objUser = &f.user;
    f.addUser("Anna", "1");
    f.user.setRSCursorType("3");
    f.user.setRSLockType("1");
    EventLogUserDB(1000, "Login OK", QString(), QString());
    QCOMPARE(f.user.RSCursorType(), QStringLiteral("2"));
    QCOMPARE(f.user.RSLockType(), QStringLiteral("2"));
    QCOMPARE(f.raw("SELECT COUNT(*) FROM Events").toInt(), 1);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

QTEST_MAIN(TestUserDbEvents)
#include "tst_userdb_events.moc"
