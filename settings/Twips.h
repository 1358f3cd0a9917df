// Lengths in twips (1/1440 inch), the unit the settings store and the window layouts use.
// On screen, pixels = twips x logical DPI / 1440, with the logical DPI of the widget's screen
// (the primary screen's when no widget is named or it has no screen; 96 without any screen).
#pragma once

class QWidget;

namespace nv {

double logicalDpiX(const QWidget* widget = nullptr);
double logicalDpiY(const QWidget* widget = nullptr);
// Twips to whole pixels (nearest) and pixels to twips, across or down.
int twipsToPixels(double twips, const QWidget* widget = nullptr);
double pixelsToTwips(double pixels, const QWidget* widget = nullptr);
int twipsToPixelsY(double twips, const QWidget* widget = nullptr);
double pixelsToTwipsY(double pixels, const QWidget* widget = nullptr);

}  // namespace nv
