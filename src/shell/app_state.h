// Flags shared by the user-interface thread and the pollers for the whole run.
#pragma once

#include <atomic>

// Set while the status page polls a family A module; transfers, Init, Save, loading a
// customer and closing the main window refuse to act meanwhile.
inline std::atomic<bool> BusyFlag{false};
// Set when the main window closes, so that the pollers end their cycle.
inline std::atomic<bool> Closing{false};
// Set by the progress window's Cancel button; cleared and polled by the transfers.
inline std::atomic<bool> CancelRequested{false};
// Asks the module-information poller to read the module's identity texts again.
inline std::atomic<bool> NeedModuleInfo{false};
