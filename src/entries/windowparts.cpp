#include "windowparts.h"

#include "app/controls.h"
#include "app/picturebox.h"
#include "app/twips.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace entrywindow {

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips::toPx(left, top, width, height));
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    return named(new QLabel(caption, parent), name);
}

PictureBox* picture(QWidget* parent, const char* name, const QString& picture) {
    return named(new PictureBox(parent, picture), name);
}

QFrame* panel(QWidget* parent, const char* name) {
    auto* frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

QFrame* headerBand(QWidget* parent, int widthTwips) {
    auto* band = named(new QFrame(parent), "Shape1");
    band->setAutoFillBackground(true);
    band->setStyleSheet(
        QStringLiteral("#Shape1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                       "stop:0 #dfe7f1, stop:1 #b9c9dd); border-bottom: 1px solid #8aa0bb; }"));
    place(band, 0, 0, widthTwips, 990);
    band->lower();
    return band;
}

QPushButton* pictureButton(QWidget* parent, const char* name, const char* picture, const QString& tip) {
    auto* button = named(new QPushButton(parent), name);
    setButtonPicture(button, QLatin1String(picture));
    button->setIconSize(QSize(twips::toPx(580) - 10, twips::toPx(480) - 8));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    button->resize(twips::toPx(580), twips::toPx(480));
    return button;
}

void setDesignSize(QDialog* window, int widthTwips, int heightTwips) {
    window->setModal(true);
    window->setFixedSize(twips::toPx(widthTwips), twips::toPx(heightTwips));
}

void keepAtRightEdge(QDialog* window, QWidget* picture) {
    const int left = twips::fromPx(window->width()) - twips::fromPx(picture->width()) - 200;
    picture->move(twips::toPx(left), picture->y());
}

} // namespace entrywindow
