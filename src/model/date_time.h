// Date-times are days since 30 December 1899, the time of day being the fraction.
#pragma once

struct LocalDateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

using DateTime = double;

DateTime DateTimeNow();
DateTime ToDateTime(const LocalDateTime& local);
LocalDateTime FromDateTime(DateTime value);
