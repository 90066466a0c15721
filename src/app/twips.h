#pragma once

#include <QRect>

class QFont;

// Twips (1/1440 inch) are the unit of every position and size the windows are designed in. The
// windows were designed with the desktop's default font (9-point sans serif); a larger font makes
// every twip larger by the ratio of the font's metrics to that font's, so text keeps its room.
namespace twips {

int toPx(int tw);
int fromPx(int px);
QRect toPx(int left, int top, int width, int height);

// How much larger than the design font the application's font is: 1 for the design font or a
// smaller one, the larger of the height and width ratios otherwise.
double fontScale();
double fontScaleFor(const QFont& font);
// A point size that keeps to the application's font as pointSize keeps to the design font.
double scaledPointSize(double pointSize);

} // namespace twips
