#include "programming/family_i_counters.h"

#include "link/at_channel.h"
#include "shell/pacing.h"

namespace {

// A device that never gives the same values twice must not hold the caller forever.
constexpr int kMaxPasses = 10;

}  // namespace

std::optional<uint32_t> CounterFromFrame(const uint8_t* frame, bool received) {
  if (!received) return std::nullopt;
  if (frame[0] == 'E' && frame[1] == 'R' && frame[2] == 'R') return 0u;
  return static_cast<uint32_t>(frame[0]) | static_cast<uint32_t>(frame[1]) << 8 |
         static_cast<uint32_t>(frame[2]) << 16 | static_cast<uint32_t>(frame[3]) << 24;
}

PeriodicCounters ReadPeriodicCounters(const CounterExchange& exchange) {
  PeriodicCounters previous;
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    PeriodicCounters current = previous;
    const auto sms = exchange(';');
    if (sms) current.smsMinutes = *sms;
    const auto report = exchange('<');
    if (report) current.reportMinutes = *report;
    const bool same = current == previous;
    previous = current;
    if (!sms || !report || same) break;
  }
  return previous;
}

PeriodicCounters ReadPeriodicCounters(TComm& port) {
  return ReadPeriodicCounters([&port](char command) {
    SendCommand(port, std::string(1, command));
    Pause(300);
    FrameBuffer frame;
    const bool received = ReadFrame(port, frame, 3, false);
    return CounterFromFrame(frame.data(), received);
  });
}

void ApplyPeriodicCounters(const PeriodicCounters& counters, DateTime now,
                           Tag_GlobalBuffer& record) {
  constexpr double kMinutesPerDay = 24 * 60;
  if (counters.smsMinutes > 0) {
    record.Opzioni.SMSDataPrimo = now + counters.smsMinutes / kMinutesPerDay;
    record.Opzioni.SMSOraPrimo = record.Opzioni.SMSDataPrimo;
  }
  if (counters.reportMinutes > 0) {
    record.ComDig.SegDataPrimo = now + counters.reportMinutes / kMinutesPerDay;
    record.ComDig.SegOraPrimo = record.ComDig.SegDataPrimo;
  }
}
