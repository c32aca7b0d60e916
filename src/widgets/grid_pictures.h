// The small pictures the grids draw: the two polarity symbols and the check box.
#pragma once

#include <QPixmap>

class QPainter;
class QPalette;
class QRect;

// Polarity 1 (active high) is a raised pulse, 0 (active low) a lowered one.
QPixmap PolarityPicture(int polarity);

// A box centred in rect: white (or grey when the cell has no function), with a mark.
void DrawCellBox(QPainter& painter, const QRect& rect, bool checked, bool grey,
                 const QPalette& palette);
