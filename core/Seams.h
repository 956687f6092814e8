#pragma once
// Replaceable points of contact with the outside world: the clock, the random
// generator, waits, the beep and the end of the process. The program uses the
// real ones; tests install their own so that nothing sleeps, beeps or exits.
#include <QDateTime>
#include <functional>

namespace Seams {

// Clock ---------------------------------------------------------------------
QDateTime Now();                       // current local date and time
double SecondsSinceMidnight();         // like the platform's Timer function
void SetClock(std::function<QDateTime()> clock);   // empty function = real clock

// Monotonic clock for measuring spans: milliseconds from a fixed but arbitrary
// point, unaffected by midnight and by changes of the time of day.
qint64 MonotonicMs();
void SetMonotonicClock(std::function<qint64()> clock);   // empty function = real clock

// Random generator: one uniform generator, seeded once per drawn set.
void RandomSeedFromClock();
double RandomUniform();                // in [0, 1)
void SetRandom(std::function<double()> generator, std::function<void()> seeder = {});

// Waits and event pumping ---------------------------------------------------
void DoEvents();                       // lets pending window events run once
void WaitOneSecond();                  // polls the clock while pumping events
void SetWaitOneSecond(std::function<void()> wait);

// Beep -----------------------------------------------------------------------
void Beep();
int BeepCount();                       // beeps since the last reset
void ResetBeepCount();

// End of the program ---------------------------------------------------------
// Every way the program ends comes through here. The real handler ends the
// process at once; a test handler only records the request, and the caller
// returns right after asking.
void ProgramEnd(int exitCode = 0);
void SetProgramEndHandler(std::function<void(int)> handler);
int ProgramEndRequests();
void ResetProgramEndRequests();

} // namespace Seams
