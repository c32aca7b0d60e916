// Record and language texts are Windows-1252 bytes; windows speak QString.
#pragma once

#include <QString>
#include <string>

#include "shell/cp1252.h"
#include "shell/language.h"

inline QString ToQString(const std::string& cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

inline std::string FromQString(const QString& text) {
  return Utf8ToCp1252(text.toStdString());
}

// Language text n for a window.
inline QString Lang(int n) {
  return ToQString(LanguageText(n));
}
