#include "colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace colours {

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

bool isDark() {
    return isDark(QApplication::palette());
}

namespace {
QColor pick(QColor light, QColor dark) {
    return isDark() ? dark : light;
}
} // namespace

QColor valueBackground() {
    return pick(QColor(176, 176, 176), QColor(60, 60, 60));
}
QColor valueText() {
    return pick(Qt::black, QColor(235, 235, 235));
}
QColor discreetText() {
    return pick(QColor(208, 208, 208), QColor(88, 88, 88));
}
QColor editorDiscreetText() {
    return pick(QColor(224, 224, 224), QColor(80, 80, 80));
}
QColor heading() {
    return pick(QColor(0, 0, 128), QColor(150, 190, 255));
}
QColor headingShadow() {
    return pick(QColor(224, 224, 224), QColor(16, 16, 16));
}
QColor categoryBand() {
    return pick(QColor(255, 255, 192), QColor(74, 68, 30));
}
QColor categoryBandText() {
    return pick(Qt::black, QColor(250, 244, 200));
}
QColor warningText() {
    return pick(QColor(128, 0, 0), QColor(255, 150, 150));
}

QString headerBandSheet(const char* objectName, const QColor& top, const QColor& bottom) {
    const bool dark = isDark();
    return QStringLiteral("#%1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %2, stop:1 %3); "
                          "border-bottom: 1px solid %4; }")
        .arg(QLatin1String(objectName), dark ? QStringLiteral("#2e3b4d") : top.name(),
             dark ? QStringLiteral("#1f2835") : bottom.name(),
             dark ? QStringLiteral("#4a5d75") : QStringLiteral("#8aa0bb"));
}

void setTextOn(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Base, background);
    widget->setPalette(p);
}

} // namespace colours
