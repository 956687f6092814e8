#include "core/Seams.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>
#include <random>

namespace {
std::function<QDateTime()> g_clock;
std::function<qint64()> g_monotonic;
std::function<double()> g_random;
std::function<void()> g_seeder;
std::function<void()> g_wait;
std::function<void(int)> g_end;
int g_beeps = 0;
int g_endRequests = 0;
std::mt19937_64 g_engine{0};
} // namespace

namespace Seams {

QDateTime Now()
{
    return g_clock ? g_clock() : QDateTime::currentDateTime();
}

double SecondsSinceMidnight()
{
    const QTime t = Now().time();
    return t.msecsSinceStartOfDay() / 1000.0;
}

void SetClock(std::function<QDateTime()> clock) { g_clock = std::move(clock); }

qint64 MonotonicMs()
{
    if (g_monotonic)
        return g_monotonic();
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

void SetMonotonicClock(std::function<qint64()> clock) { g_monotonic = std::move(clock); }

void RandomSeedFromClock()
{
    if (g_seeder) {
        g_seeder();
        return;
    }
    g_engine.seed(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())
                  ^ static_cast<std::uint64_t>(QElapsedTimer().msecsSinceReference()));
}

double RandomUniform()
{
    if (g_random)
        return g_random();
    return std::uniform_real_distribution<double>(0.0, 1.0)(g_engine);
}

void SetRandom(std::function<double()> generator, std::function<void()> seeder)
{
    g_random = std::move(generator);
    g_seeder = std::move(seeder);
}

void DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void WaitOneSecond()
{
    if (g_wait) {
        g_wait();
        return;
    }
    // Poll the seconds-since-midnight timer; a wait across midnight ends at
    // the first poll after midnight.
    const double start = SecondsSinceMidnight();
    for (;;) {
        DoEvents();
        const double now = SecondsSinceMidnight();
        if (now < start || now - start >= 1.0)
            break;
        QThread::msleep(10);
    }
}

void SetWaitOneSecond(std::function<void()> wait) { g_wait = std::move(wait); }

void Beep()
{
    ++g_beeps;
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::beep();
}

int BeepCount() { return g_beeps; }
void ResetBeepCount() { g_beeps = 0; }

void ProgramEnd(int exitCode)
{
    ++g_endRequests;
    if (g_end) {
        g_end(exitCode);
        return;
    }
    // The log is written line by line and SQLite keeps its files consistent,
    // so ending at once loses nothing.
    std::_Exit(exitCode);
}

void SetProgramEndHandler(std::function<void(int)> handler) { g_end = std::move(handler); }
int ProgramEndRequests() { return g_endRequests; }
void ResetProgramEndRequests() { g_endRequests = 0; }

} // namespace Seams
