// The replaceable contacts with the outside world: message boxes and modal
// dialogs in test mode, the clock, the one-second wait, the random generator,
// the beep and the end of the program.
#include "TestSupport.h"

#include <QDialog>
#include <QtTest>

class TestSeams : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void messageBoxesAreRecordedAndAnswered();
    void modalDialogsGoToTheHandler();
    void clockReplacement();
    void waitOneSecondPollsTheClock_data();
    void waitOneSecondPollsTheClock();
    void waitOneSecondReplacement();
    void randomReplacement();
    void beepAndProgramEndAreCounted();
};

void TestSeams::cleanup()
{
    Seams::SetClock({});
    Seams::SetRandom({}, {});
    Dialogs::SetDialogHandler({});
}

void TestSeams::messageBoxesAreRecordedAndAnswered()
{
    TestSupport::Sandbox sb;
    QVERIFY(Dialogs::TestMode());

    // Without a queued answer the first button offered is taken.
    QCOMPARE(Dialogs::MsgBox(QMessageBox::Warning, QString::fromUtf8("Achtung :"),
                             "Setzen Sie bitte den Bilderverzeichnis Pfad korrekt !"),
             QMessageBox::Ok);
    QCOMPARE(Dialogs::MsgBox(QMessageBox::Question, "t", "ok or cancel", QMessageBox::Cancel | QMessageBox::Ok),
             QMessageBox::Ok);
    QCOMPARE(Dialogs::MsgBox(QMessageBox::Question, "t", "yes or no", QMessageBox::No | QMessageBox::Yes),
             QMessageBox::Yes);

    // Queued answers are used once each, in order.
    Dialogs::SetNextAnswer(QMessageBox::Cancel);
    Dialogs::SetNextAnswer(QMessageBox::No);
    QCOMPARE(Dialogs::MsgBox(QMessageBox::Warning, "Benützer löschen", "sure?", QMessageBox::Ok | QMessageBox::Cancel),
             QMessageBox::Cancel);
    QCOMPARE(Dialogs::MsgBox(QMessageBox::Question, "t", "again?", QMessageBox::Yes | QMessageBox::No),
             QMessageBox::No);
    QCOMPARE(Dialogs::MsgBox(QMessageBox::Question, "t", "third", QMessageBox::Yes | QMessageBox::No),
             QMessageBox::Yes);

    const QList<Dialogs::MessageRecord> &shown = Dialogs::Shown();
    QCOMPARE(shown.size(), 6);
    QCOMPARE(shown[0].icon, QMessageBox::Warning);
    QCOMPARE(shown[0].title, QString::fromUtf8("Achtung :"));
    QCOMPARE(shown[0].text, QString("Setzen Sie bitte den Bilderverzeichnis Pfad korrekt !"));
    QCOMPARE(shown[3].title, QString("Benützer löschen"));
    QCOMPARE(shown[5].text, QString("third"));

    Dialogs::ClearShown();
    QVERIFY(Dialogs::Shown().isEmpty());
}

void TestSeams::modalDialogsGoToTheHandler()
{
    TestSupport::Sandbox sb;
    QDialog dialog;
    // No handler: the dialog is shown and counts as accepted.
    QCOMPARE(Dialogs::ExecModal(&dialog), int(QDialog::Accepted));
    QVERIFY(dialog.isVisible());
    dialog.hide();

    bool visibleInHandler = false;
    QDialog *handed = nullptr;
    Dialogs::SetDialogHandler([&](QDialog *d) {
        handed = d;
        visibleInHandler = d->isVisible();
        d->reject();
        return d->result();
    });
    QCOMPARE(Dialogs::ExecModal(&dialog), int(QDialog::Rejected));
    QCOMPARE(handed, &dialog);
    QVERIFY(visibleInHandler);
    QVERIFY(!dialog.isVisible());
}

void TestSeams::clockReplacement()
{
    const QDateTime fixed(QDate(2026, 1, 31), QTime(13, 5, 7, 250));
    Seams::SetClock([fixed] { return fixed; });
    QCOMPARE(Seams::Now(), fixed);
    QCOMPARE(Seams::SecondsSinceMidnight(), 13 * 3600 + 5 * 60 + 7.25);

    Seams::SetClock({});
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime now = Seams::Now();
    QVERIFY(qAbs(before.msecsTo(now)) < 5000);
}

void TestSeams::waitOneSecondPollsTheClock_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<int>("minPolls");
    QTest::addColumn<int>("maxPolls");
    // Each clock read advances it by 300 ms: one second has passed at the 4th poll.
    QTest::newRow("daytime") << QTime(10, 0, 0) << 4 << 4;
    // Across midnight the wait ends at the first poll after midnight.
    QTest::newRow("midnight") << QTime(23, 59, 59, 800) << 1 << 1;
}

void TestSeams::waitOneSecondPollsTheClock()
{
    QFETCH(QTime, start);
    QFETCH(int, minPolls);
    QFETCH(int, maxPolls);
    TestSupport::Sandbox sb;
    Seams::SetWaitOneSecond({});   // the real wait, on a fake clock
    QDateTime t(QDate(2026, 2, 1), start);
    int reads = 0;
    Seams::SetClock([&] {
        const QDateTime now = t;
        t = t.addMSecs(300);
        ++reads;
        return now;
    });
    QElapsedTimer real;
    real.start();
    Seams::WaitOneSecond();
    const int polls = reads - 1;
    QVERIFY2(polls >= minPolls && polls <= maxPolls, qPrintable(QString::number(polls)));
    QVERIFY(real.elapsed() < 900);   // the fake clock, not the real one, decides
}

void TestSeams::waitOneSecondReplacement()
{
    TestSupport::Sandbox sb;
    int waits = 0;
    Seams::SetWaitOneSecond([&] { ++waits; });
    QElapsedTimer real;
    real.start();
    Seams::WaitOneSecond();
    Seams::WaitOneSecond();
    QCOMPARE(waits, 2);
    QVERIFY(real.elapsed() < 500);
}

void TestSeams::randomReplacement()
{
    QList<double> values = {0.0, 0.5, 0.999};
    int seeds = 0;
    Seams::SetRandom([&] { return values.takeFirst(); }, [&] { ++seeds; });
    Seams::RandomSeedFromClock();
    QCOMPARE(seeds, 1);
    QCOMPARE(Seams::RandomUniform(), 0.0);
    QCOMPARE(Seams::RandomUniform(), 0.5);
    QCOMPARE(Seams::RandomUniform(), 0.999);

    // The real generator stays in [0, 1) and is not constant.
    Seams::SetRandom({}, {});
    Seams::RandomSeedFromClock();
    QSet<double> seen;
    for (int i = 0; i < 1000; ++i) {
        const double r = Seams::RandomUniform();
        QVERIFY(r >= 0.0 && r < 1.0);
        seen.insert(r);
    }
    QVERIFY(seen.size() > 900);
}

void TestSeams::beepAndProgramEndAreCounted()
{
    TestSupport::Sandbox sb;
    QCOMPARE(Seams::BeepCount(), 0);
    Seams::Beep();
    Seams::Beep();
    QCOMPARE(Seams::BeepCount(), 2);
    Seams::ResetBeepCount();
    QCOMPARE(Seams::BeepCount(), 0);

    QList<int> codes;
    Seams::SetProgramEndHandler([&](int code) { codes << code; });
    Seams::ProgramEnd();
    Seams::ProgramEnd(3);
    QCOMPARE(Seams::ProgramEndRequests(), 2);
    QCOMPARE(codes, QList<int>({0, 3}));
    Seams::ResetProgramEndRequests();
    QCOMPARE(Seams::ProgramEndRequests(), 0);
}

QTEST_MAIN(TestSeams)
#include "tst_seams.moc"
