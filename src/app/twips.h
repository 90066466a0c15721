#pragma once

#include <QRect>

// Twips (1/1440 inch) are the unit of every position and size the windows are designed in.
namespace twips {

int toPx(int tw);
int fromPx(int px);
QRect toPx(int left, int top, int width, int height);

} // namespace twips
