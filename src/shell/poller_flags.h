// Flags of the module-information poller that other users of the serial line look at.
#pragma once

#include <atomic>

// Set while the poller is meant to run; cleared to make it stop.
inline std::atomic<bool> PollerRun{false};
