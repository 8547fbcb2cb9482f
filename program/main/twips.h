// Twips (1/1440 inch) to pixels through the logical DPI of the screen a
// widget is on. Window layouts are written in twips so that they keep their
// proportions with the fonts, whose point sizes follow the same DPI.
#pragma once

#include <QRect>

class QWidget;

// Logical DPI of the widget's screen (of the primary screen for nullptr).
double logicalDpiX(const QWidget *w);
double logicalDpiY(const QWidget *w);

// Rounded to the nearest pixel; negative twips give negative pixels.
int twipsToPixelsX(int twips, const QWidget *w);
int twipsToPixelsY(int twips, const QWidget *w);
// A rectangle given as left, top, width, height in twips.
QRect twipsToPixels(const QRect &twips, const QWidget *w);
