// The device's two periodic minute counters: minutes to the next periodic SMS (asked with
// ";") and to the next periodic report (asked with "<").
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "link/serial_port.h"
#include "model/record.h"

struct PeriodicCounters {
  uint32_t smsMinutes = 0;
  uint32_t reportMinutes = 0;
  bool operator==(const PeriodicCounters&) const = default;
};

// The count in a reply frame (four bytes, the first one least significant); "ERR" means none
// is running and gives 0. nullopt when no byte came.
std::optional<uint32_t> CounterFromFrame(const uint8_t* frame, bool received);

// One exchange: sends the command byte and gives the count of its reply, nullopt when no
// byte came.
using CounterExchange = std::function<std::optional<uint32_t>(char command)>;

// Asks both counters until two passes in a row agree (a first pass of 0 and 0 agrees with
// the start) or an exchange fails; a failed exchange keeps the last good value.
PeriodicCounters ReadPeriodicCounters(const CounterExchange& exchange);
// The same with the device on the port (open, outside the module path).
PeriodicCounters ReadPeriodicCounters(TComm& port);

// The first periodic SMS and report fall "now plus the count" when a count is running;
// a count of 0 leaves its two fields alone.
void ApplyPeriodicCounters(const PeriodicCounters& counters, DateTime now,
                           Tag_GlobalBuffer& record);
