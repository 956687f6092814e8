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
    void writtenCutAndListedPerUser();
};

void TestUserDbEvents::writtenCutAndListedPerUser()
{
    Fixture f;
    objUser = &f.user;
    f.addUser("Ben", "2");
    LogAt(At(12, 0, 0), 1000, "Ben's");
    f.addUser("Anna", "1");
    // A failed sign-in has no user: listed under UserID 0, stored to the second.
    f.user.UserNameSeek("Gone");
    LogAt(At(7, 45, 12, 640), 1001, "Login Failed");
    f.user.EventsUserOpen();
    QCOMPARE(QList<int>({f.user.EventUserId, f.user.EventCode}), QList<int>({0, 1001}));
    QCOMPARE(f.user.EventDateTime, At(7, 45, 12));
    QCOMPARE(QStringList({f.user.EventText1, f.user.EventUserName(), f.user.EventPCName(), f.user.EventProgramVersion(),
                          f.user.EventWindowsVersion()}),
             QStringList({"Login Failed", "", "PC-7", "Velko 2.0.0", "6.1.7601"}));
    QCOMPARE(f.raw("SELECT EventDateTime FROM Events WHERE EventCode = 1001").toString(),
             QStringLiteral("2026-04-01 07:45:12"));
    f.user.EventsNext();
    QCOMPARE(f.user.EventId(), 0);

    f.user.UserNameSeek("Anna");
    LogAt(At(9, 0, 0), 2001, QString(60, 'a'), QString(150, 'b'), QString(300, 'c'));
    for (const auto &[when, text] : QList<QPair<QDateTime, QString>>{
             {At(10, 0, 0), "ten"}, {At(12, 0, 0), "noon"}, {At(11, 0, 0), "eleven"}, {At(12, 0, 0), "noon again"}})
        LogAt(when, 1000, text);
    LogAt(At(8, 0, 0), 2000, "User Created");
    QCOMPARE(f.raw("SELECT EventText2 || '|' || EventText3 FROM Events WHERE EventCode = 2000").toString(),
             QStringLiteral(" | "));
    QCOMPARE(f.count("Events"), 8);

    // Newest first, only Anna's; texts cut to 50, 100 and 255.
    f.user.setRSCursorType("3"), f.user.setRSLockType("1");
    f.user.EventsUserOpen();
    QStringList texts;
    for (; f.user.EventId() != 0; f.user.EventsNext()) {
        texts << f.user.EventText1;
        QCOMPARE(f.user.EventUserName(), QStringLiteral("Anna"));
        if (f.user.EventCode == 2001)
            QCOMPARE(QList<qsizetype>({f.user.EventText2.size(), f.user.EventText3.size()}), QList<qsizetype>({100, 255}));
    }
    QCOMPARE(texts, QStringList({"noon again", "noon", "eleven", "ten", QString(50, 'a'), "User Created"}));
    QVERIFY(RuntimeErrorLines().isEmpty());
}

USERDB_TEST_MAIN(TestUserDbEvents)
#include "tst_userdb_events.moc"
