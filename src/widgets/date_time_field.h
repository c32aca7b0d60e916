// A date or time picker over a record date-time. A value the user leaves untouched comes
// back exactly as it was given, so showing a page never changes the record by rounding.
#pragma once

#include <QDateTimeEdit>

#include "model/date_time.h"

class DateTimeField : public QDateTimeEdit {
  Q_OBJECT
 public:
  // format: a display format such as "dd/MM/yyyy" or "HH.mm".
  explicit DateTimeField(const QString& format, QWidget* parent = nullptr);

  void SetValue(DateTime value);
  DateTime Value() const;

  static QDateTime ToQDateTime(DateTime value);
  static DateTime FromQDateTime(const QDateTime& value);

 private:
  DateTime given_ = 0;
  QDateTime shown_;
};
