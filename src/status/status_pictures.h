// The status page's own pictures, drawn here: the indicator's colours, the supply pictures,
// the lamps of the grids, the timer mark and the frames of the activity animation.
#pragma once

#include <QColor>
#include <QPixmap>
#include <vector>

// Indicator pictures 0 to 3: answering, no answer, warning state, not ready.
std::vector<QColor> IndicatorColours();
// Supply pictures 4 to 7: a battery with one to four bars.
QPixmap SupplyPixmap(int picture);
// The grids' on and off lamps, and the mark of an output that shows a value.
QPixmap LampPixmap(bool on);
QPixmap TimerPixmap();
constexpr int kActivityFrames = 8;
QPixmap ActivityPixmap(int frame);
