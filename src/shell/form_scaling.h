// Fitting a page designed for one screen size onto a smaller screen, and centring a panel.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);

// The factors for a form designed at designWidth x designHeight; apply is false when the
// screen is at least as wide as the design, and the form then keeps its size.
struct ScreenScale {
  bool apply = false;
  double wf = 1.0;
  double hf = 1.0;
};
ScreenScale ScaleForScreen(QSize screen, int designWidth, int designHeight);
QRect ScaleBounds(const QRect& bounds, const ScreenScale& scale);
int ScaleFontSize(double size, const ScreenScale& scale);  // never below 1

// Arial for the whole form, centred when it is a window; on a narrower screen than the
// design the form, its controls' bounds, fonts and grid columns shrink by the factors.
// Controls that a layout places are left to it, as is everything inside a composite
// control; the controls inside plain containers, group boxes and tab pages are scaled.
void ScaleFormToScreen(QWidget* form, int designWidth, int designHeight);
void ScaleFormToScreen(QWidget* form, int designWidth, int designHeight, QSize screen);

// (outer - inner) / 2, rounded toward zero.
int CenteredOffset(int outer, int inner);
enum class CenterAxis { Horizontal, Vertical };
void CenterPanel(QWidget* form, QWidget* panel, CenterAxis axis);
