// The one clock every pause and line timeout goes through. In the product the speed is 1;
// a test may run every pause, timeout and elapsed-time test k times faster, consistently.
#pragma once

#include <chrono>

using PaceClock = std::chrono::steady_clock;

// Sets the speed factor (1 = real time). Values below 1 are taken as 1.
void SetPacingSpeed(double factor);
double PacingSpeed();

// Real milliseconds for a nominal duration, never 0 for a positive nominal one.
int ScaledMs(int nominalMs);

// Sleeps for a nominal duration. On the user-interface thread the host keeps the event loop
// turning meanwhile, so the windows repaint.
void Pause(int nominalMs);

// Start of a wait, and the nominal time elapsed since it.
PaceClock::time_point WaitStart();
int WholeSecondsSince(PaceClock::time_point start);  // truncated
int NominalMsSince(PaceClock::time_point start);
