#include "twips.h"

#include "platform.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace twips {

namespace {
constexpr double DesignPointSize = 9.0;
// Words of the windows' own captions, measured for the width ratio.
const char* const Sample = "Category: Number of records Clear copied values after";
} // namespace

double fontScaleFor(const QFont& font) {
    QFont design(QStringLiteral("Sans Serif"));
    design.setPointSizeF(DesignPointSize);
    const QFontMetricsF designMetrics(design);
    const QFontMetricsF metrics(font);
    const QString sample = QLatin1String(Sample);
    const double ratio =
        std::max(metrics.height() / designMetrics.height(),
                 metrics.horizontalAdvance(sample) / designMetrics.horizontalAdvance(sample));
    // Small differences of rounding are no reason to move anything.
    return ratio < 1.01 ? 1.0 : ratio;
}

double fontScale() {
    static QFont measured;
    static double scale = 1.0;
    static bool known = false;
    const QFont font = QGuiApplication::font();
    if (!known || font != measured) {
        measured = font;
        scale = fontScaleFor(font);
        known = true;
    }
    return scale;
}

double scaledPointSize(double pointSize) {
    const QFont font = QGuiApplication::font();
    return pointSize * std::max(1.0, font.pointSizeF() / DesignPointSize);
}

int toPx(int tw) {
    return int(std::lround(tw * fontScale() / platform().twipsPerPixel()));
}
int fromPx(int px) {
    return int(std::lround(px * platform().twipsPerPixel() / fontScale()));
}
QRect toPx(int left, int top, int width, int height) {
    return {toPx(left), toPx(top), toPx(width), toPx(height)};
}

} // namespace twips
