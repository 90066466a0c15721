#include "twips.h"

#include "platform.h"

#include <cmath>

namespace twips {

int toPx(int tw) {
    return int(std::lround(double(tw) / platform().twipsPerPixel()));
}
int fromPx(int px) {
    return px * platform().twipsPerPixel();
}
QRect toPx(int left, int top, int width, int height) {
    return {toPx(left), toPx(top), toPx(width), toPx(height)};
}

} // namespace twips
