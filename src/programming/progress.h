// The progress window as the transfers drive it.
#pragma once

#include <atomic>

// Set while a transfer runs; every send and completed read of the AT channel then steps the
// gauge by one.
inline std::atomic<bool> TransferFlag{false};

// Shows the progress window with the gauge at 0.
void ShowProgress();
// Adds amount to the gauge.
void ProgressStep(int amount);
// Puts the gauge at 100.
void ProgressFull();
