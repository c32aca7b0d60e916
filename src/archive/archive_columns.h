// How one field of a record maps onto one column of an archive table: its logical type,
// the value written and how a value read goes back into the field.
#pragma once

#include <QVariant>
#include <cstdint>
#include <functional>
#include <string>

#include "archive/archive_store.h"
#include "model/date_time.h"
#include "model/short_text.h"

enum class ColumnType { Integer, Logical, Text, DateTime, Memo, AutoIncrement };

struct ColumnDef {
  const char* name;
  ColumnType type;
  int width = 0;  // longest text the record can hold; 0 = any length
};

template <class T>
struct FieldColumn {
  ColumnDef def;
  std::function<QVariant(const T&)> get;
  std::function<void(T&, const QVariant&)> set;
};

// An integer column read into a byte keeps the low 8 bits.
template <class T>
FieldColumn<T> ByteColumn(const char* name, uint8_t T::*field) {
  return {{name, ColumnType::Integer},
          [field](const T& x) { return QVariant(static_cast<int>(x.*field)); },
          [field](T& x, const QVariant& v) { x.*field = static_cast<uint8_t>(v.toLongLong()); }};
}

// A logical column: written true for any non-zero flag, read back as 0 or 1.
template <class T>
FieldColumn<T> FlagColumn(const char* name, uint8_t T::*field) {
  return {{name, ColumnType::Logical},
          [field](const T& x) { return QVariant(x.*field != 0); },
          [field](T& x, const QVariant& v) { x.*field = v.toLongLong() != 0 ? 1 : 0; }};
}

template <class T>
FieldColumn<T> IntColumn(const char* name, int32_t T::*field) {
  return {{name, ColumnType::Integer},
          [field](const T& x) { return QVariant(x.*field); },
          [field](T& x, const QVariant& v) { x.*field = static_cast<int32_t>(v.toLongLong()); }};
}

template <class T>
FieldColumn<T> TextColumn(const char* name, std::string T::*field) {
  return {{name, ColumnType::Text},
          [field](const T& x) { return SqlText(x.*field); },
          [field](T& x, const QVariant& v) { x.*field = RecordText(v); }};
}

// Read back into a short text, a longer stored value keeps its first N characters.
template <class T, std::size_t N>
FieldColumn<T> ShortTextColumn(const char* name, ShortText<N> T::*field) {
  return {{name, ColumnType::Text, static_cast<int>(N)},
          [field](const T& x) { return SqlText((x.*field).str()); },
          [field](T& x, const QVariant& v) { x.*field = RecordText(v); }};
}

template <class T>
FieldColumn<T> DateTimeColumn(const char* name, DateTime T::*field) {
  return {{name, ColumnType::DateTime},
          [field](const T& x) { return QVariant(x.*field); },
          [field](T& x, const QVariant& v) { x.*field = v.toDouble(); }};
}

// A count of minutes kept as two integer columns of 16 bits each.
template <class T>
FieldColumn<T> LowHalfColumn(const char* name, uint32_t T::*field) {
  return {{name, ColumnType::Integer},
          [field](const T& x) { return QVariant(static_cast<int>(x.*field & 0xFFFFu)); },
          [field](T& x, const QVariant& v) {
            x.*field = (x.*field & 0xFFFF0000u) | (static_cast<uint32_t>(v.toLongLong()) & 0xFFFFu);
          }};
}

template <class T>
FieldColumn<T> HighHalfColumn(const char* name, uint32_t T::*field) {
  return {{name, ColumnType::Integer},
          [field](const T& x) { return QVariant(static_cast<int>(x.*field >> 16)); },
          [field](T& x, const QVariant& v) {
            x.*field = (x.*field & 0xFFFFu) | (static_cast<uint32_t>(v.toLongLong()) << 16);
          }};
}
