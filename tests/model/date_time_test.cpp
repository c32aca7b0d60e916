#include "model/date_time.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

bool Same(const LocalDateTime& a, const LocalDateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
         a.minute == b.minute && a.second == b.second && a.millisecond == b.millisecond;
}

TEST(DateTime, CountsDaysSinceTheLastDayOf1899) {
  struct Case {
    LocalDateTime local;
    double value;
  } cases[] = {
      {{1899, 12, 30}, 0},
      {{1899, 12, 31}, 1},
      {{1900, 1, 1}, 2},
      {{1899, 12, 29}, -1},
      {{2000, 1, 1}, 36526},
      {{2024, 2, 29, 12, 0, 0, 0}, 45351.5},
      {{2024, 3, 1, 6, 0, 0, 0}, 45352.25},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(ToDateTime(c.local), c.value) << c.local.year << "-" << c.local.month;
    EXPECT_TRUE(Same(FromDateTime(c.value), c.local)) << c.value;
  }
}

TEST(DateTime, RoundTripsToTheMillisecond) {
  const LocalDateTime cases[] = {
      {2023, 12, 31, 23, 59, 59, 999}, {2000, 2, 29, 0, 0, 0, 1},  {1970, 1, 1, 13, 14, 15, 16},
      {2099, 6, 15, 7, 8, 9, 500},     {1899, 12, 30, 0, 0, 0, 0},
  };
  for (const auto& local : cases)
    EXPECT_TRUE(Same(FromDateTime(ToDateTime(local)), local)) << local.year << " " << local.hour;
  // A value a hair below a whole second is that second, not the one before.
  const DateTime ten = ToDateTime({2020, 5, 5, 10, 0, 0, 0});
  EXPECT_TRUE(Same(FromDateTime(ten - 1e-10), {2020, 5, 5, 10, 0, 0, 0}));
}

TEST(DateTime, NowIsTheLocalClock) {
  const std::time_t seconds = std::time(nullptr);
  std::tm tm{};
  localtime_r(&seconds, &tm);
  const DateTime expected = ToDateTime(
      {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, 0});
  EXPECT_NEAR(DateTimeNow(), expected, 2.0 / 86400);
}

}  // namespace
