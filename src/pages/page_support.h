// What every configuration page window shares: language texts and record texts as Qt
// strings, typed keys as the rules see them, and the status line that shows the long hint
// of the control under the mouse.
#pragma once

#include <QLabel>
#include <QString>
#include <string>

#include "widgets/qt_text.h"

class QGroupBox;
struct GridCellLook;
class QWidget;

// The pages' cell hints come up quickly while a page is open.
constexpr int kPageHintDelayMs = 100;

inline QString ToQ(const std::string& recordText) {
  return ToQString(recordText);
}
inline std::string FromQ(const QString& text) {
  return FromQString(text);
}
// A typed character for the key rules: Backspace as '\b', Delete as '\x7f', anything
// outside ASCII as one "other" character.
char KeyChar(QChar ch);

// Shows in `line` the status tips that reach `page` from the controls under the mouse.
void RouteStatusTips(QWidget* page, QLabel* line);

// The legend of the two polarity pictures: Label1 (positive, text 60) and Label2
// (negative, text 61), each after its picture. The caller sets the texts.
struct PolarityLegend {
  QWidget* box = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
};
PolarityLegend NewPolarityLegend(QWidget* parent);

// A small label that floats over its page near the mouse, naming what is under it.
class FloatingTip : public QLabel {
  Q_OBJECT
 public:
  explicit FloatingTip(QWidget* page);
  void ShowNear(QPoint globalPos, const QString& text);
};

// Family A inputs grids end with three box columns: service, then the two line-switch
// options that only input 4 has. Fills the look of those columns; false for other columns.
bool ServiceAndLineSwitchLook(int row, int col, int serviceCol, GridCellLook& look);

// A phone entry as the tips name it: its label, "[", its number, "]".
QString PhoneEntryTip(int entry);

// A label for a status line: sunken, one line high, never empty in height.
QLabel* NewStatusLine(QWidget* parent);
