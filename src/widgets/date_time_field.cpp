#include "widgets/date_time_field.h"

DateTimeField::DateTimeField(const QString& format, QWidget* parent) : QDateTimeEdit(parent) {
  setDisplayFormat(format);
  setTimeSpec(Qt::LocalTime);
  setCalendarPopup(format.contains("yy"));
}

QDateTime DateTimeField::ToQDateTime(DateTime value) {
  const LocalDateTime local = FromDateTime(value);
  return QDateTime(QDate(local.year, local.month, local.day),
                   QTime(local.hour, local.minute, local.second, local.millisecond));
}

DateTime DateTimeField::FromQDateTime(const QDateTime& value) {
  LocalDateTime local;
  const QDate date = value.date();
  const QTime time = value.time();
  local.year = date.year();
  local.month = date.month();
  local.day = date.day();
  local.hour = time.hour();
  local.minute = time.minute();
  local.second = time.second();
  local.millisecond = time.msec();
  return ToDateTime(local);
}

void DateTimeField::SetValue(DateTime value) {
  given_ = value;
  shown_ = ToQDateTime(value);
  setDateTime(shown_);
}

DateTime DateTimeField::Value() const {
  return dateTime() == shown_ ? given_ : FromQDateTime(dateTime());
}
