#include "model/date_time.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

constexpr std::chrono::sys_days kEpoch =
    std::chrono::year{1899} / std::chrono::December / std::chrono::day{30};
constexpr double kMsPerDay = 86400000.0;

}  // namespace

DateTime ToDateTime(const LocalDateTime& local) {
  using namespace std::chrono;
  const sys_days day = year{local.year} / month{static_cast<unsigned>(local.month)} /
                       std::chrono::day{static_cast<unsigned>(local.day)};
  const double days = static_cast<double>((day - kEpoch).count());
  const double ms =
      ((local.hour * 60.0 + local.minute) * 60.0 + local.second) * 1000.0 + local.millisecond;
  return days + ms / kMsPerDay;
}

LocalDateTime FromDateTime(DateTime value) {
  using namespace std::chrono;
  // Round to the millisecond first so that 0.9999999 of a day does not lose a second.
  const long long totalMs = std::llround(value * kMsPerDay);
  long long dayCount = totalMs / 86400000LL;
  long long msOfDay = totalMs % 86400000LL;
  if (msOfDay < 0) {
    msOfDay += 86400000LL;
    --dayCount;
  }
  const year_month_day ymd{kEpoch + days{dayCount}};
  LocalDateTime local;
  local.year = static_cast<int>(ymd.year());
  local.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  local.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  local.hour = static_cast<int>(msOfDay / 3600000);
  local.minute = static_cast<int>(msOfDay / 60000 % 60);
  local.second = static_cast<int>(msOfDay / 1000 % 60);
  local.millisecond = static_cast<int>(msOfDay % 1000);
  return local;
}

DateTime DateTimeNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&seconds, &tm);
  LocalDateTime local;
  local.year = tm.tm_year + 1900;
  local.month = tm.tm_mon + 1;
  local.day = tm.tm_mday;
  local.hour = tm.tm_hour;
  local.minute = tm.tm_min;
  local.second = tm.tm_sec;
  local.millisecond = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  return ToDateTime(local);
}
