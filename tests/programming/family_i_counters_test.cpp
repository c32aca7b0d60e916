// The periodic counters: reply frames, the repeat-until-stable exchange, and the dates they set.
#include <gtest/gtest.h>

#include <deque>

#include "programming/family_i_counters.h"

namespace {

TEST(FamilyICounters, ReplyFrames) {
  const uint8_t minutes[] = {0x40, 0x05, 0x00, 0x00};
  const uint8_t wide[] = {0x01, 0x02, 0x03, 0x84};
  const uint8_t none[] = {'E', 'R', 'R', 0};
  const uint8_t errLike[] = {'E', 'R', 'X', 0};
  EXPECT_EQ(CounterFromFrame(minutes, true), 1344u);
  EXPECT_EQ(CounterFromFrame(wide, true), 0x84030201u);
  EXPECT_EQ(CounterFromFrame(none, true), 0u);
  EXPECT_EQ(CounterFromFrame(errLike, true), 0x585245u);
  EXPECT_EQ(CounterFromFrame(minutes, false), std::nullopt);
}

// Answers each command from its own queue and records the order of the commands.
struct ScriptedDevice {
  std::deque<std::optional<uint32_t>> sms, report;
  std::string sent;
  CounterExchange Exchange() {
    return [this](char command) -> std::optional<uint32_t> {
      sent += command;
      auto& queue = command == ';' ? sms : report;
      if (queue.empty()) return std::nullopt;
      const auto value = queue.front();
      queue.pop_front();
      return value;
    };
  }
};

TEST(FamilyICounters, RepeatsUntilTwoPassesAgree) {
  struct Case {
    const char* name;
    std::deque<std::optional<uint32_t>> sms, report;
    PeriodicCounters result;
    std::string sent;
  } cases[] = {
      {"both idle: one pass", {0}, {0}, {0, 0}, ";<"},
      {"stable after two passes", {1440, 1440}, {60, 60}, {1440, 60}, ";<;<"},
      {"a counter ticking between passes", {1440, 1439, 1439}, {60, 60, 60}, {1439, 60}, ";<;<;<"},
      {"a silent device: the last good values", {1440, std::nullopt}, {60, 59}, {1440, 59}, ";<;<"},
      {"silent from the start", {std::nullopt}, {std::nullopt}, {0, 0}, ";<"},
  };
  for (auto& c : cases) {
    ScriptedDevice device{c.sms, c.report, {}};
    EXPECT_EQ(ReadPeriodicCounters(device.Exchange()), c.result) << c.name;
    EXPECT_EQ(device.sent, c.sent) << c.name;
  }
}

TEST(FamilyICounters, ADeviceThatNeverAgreesIsAskedTenTimes) {
  uint32_t tick = 0;
  std::string sent;
  const auto result = ReadPeriodicCounters([&](char command) -> std::optional<uint32_t> {
    sent += command;
    return ++tick;
  });
  EXPECT_EQ(sent.size(), 20u);
  EXPECT_EQ(result, (PeriodicCounters{19, 20}));
}

TEST(FamilyICounters, RunningCountsSetTheFirstDates) {
  Tag_GlobalBuffer record;
  record.Opzioni.SMSDataPrimo = 1;
  record.Opzioni.SMSOraPrimo = 2;
  record.ComDig.SegDataPrimo = 3;
  record.ComDig.SegOraPrimo = 4;
  const DateTime now = ToDateTime({2030, 1, 1, 12, 0, 0, 0});
  ApplyPeriodicCounters({90, 0}, now, record);
  const LocalDateTime first = FromDateTime(record.Opzioni.SMSDataPrimo);
  EXPECT_EQ(first.hour, 13);
  EXPECT_EQ(first.minute, 30);
  EXPECT_EQ(record.Opzioni.SMSOraPrimo, record.Opzioni.SMSDataPrimo);
  EXPECT_EQ(record.ComDig.SegDataPrimo, 3);  // a count of 0 leaves the report dates alone
  EXPECT_EQ(record.ComDig.SegOraPrimo, 4);
  ApplyPeriodicCounters({0, 2 * 1440}, now, record);
  EXPECT_EQ(FromDateTime(record.ComDig.SegOraPrimo).day, 3);
}

}  // namespace
