// The one-second wait of the retry loops and the real random generator, whose
// values the draws turn into list indexes.
#include "TestSupport.h"

#include <QtTest>

class TestSeams : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void waitOneSecondAndRealRandomGenerator();
};

// Each clock read advances it by 300 ms: one second has passed at the 4th poll;
// across midnight the wait ends at the first poll after midnight.
void TestSeams::waitOneSecondAndRealRandomGenerator()
{
    for (const auto &[start, polls] : {std::pair{QTime(10, 0, 0), 4}, {QTime(23, 59, 59, 800), 1}}) {
        TestSupport::Sandbox sb;
        Seams::SetWaitOneSecond({});
        QDateTime t(QDate(2026, 2, 1), start);
        int reads = 0;
        Seams::SetClock([&] { ++reads; t = t.addMSecs(300); return t.addMSecs(-300); });
        QElapsedTimer real;
        real.start();
        Seams::WaitOneSecond();
        QCOMPARE(reads - 1, polls);
        QVERIFY(real.elapsed() < 900);
    }

    Seams::SetClock({});   // the seed is read from the real clock
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

QTEST_MAIN(TestSeams)
#include "tst_seams.moc"
