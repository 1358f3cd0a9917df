// Lengths in twips (1/1440 inch), the unit the settings store and the window layouts use.
// On screen, pixels = twips × logical DPI / 1440, with the primary screen's logical DPI.
#pragma once

namespace nv {

// The primary screen's logical dots per inch (96 when there is no screen).
double logicalDpi();
// Twips to whole pixels (nearest) and pixels to twips.
int twipsToPixels(double twips);
double pixelsToTwips(double pixels);

}  // namespace nv
