#pragma once

#include "app/controls.h"
#include "app/picturebox.h"
#include "app/twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

// Small builders shared by the category windows: every control gets its name as objectName and
// its place in twips.
namespace catwin {

inline void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twips::toPx(left, top, width, height));
}

template <class T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

inline QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    return named(new QLabel(caption, parent), name);
}

inline QFrame* panel(QWidget* parent, const char* name) {
    auto* frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

inline PictureBox* picture(QWidget* parent, const char* name, const QString& picture = {}) {
    return named(new PictureBox(parent, picture), name);
}

// A picture button of the command rows: 580 x 480 twips, picture only, tooltip.
inline QPushButton* commandButton(QWidget* parent, const char* name, const char* picture,
                                  const QString& tip) {
    auto* button = named(new QPushButton(parent), name);
    setButtonPicture(button, QLatin1String(picture));
    button->setIconSize(QSize(twips::toPx(580) - 10, twips::toPx(480) - 8));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

inline constexpr int ButtonWidth = 580;
inline constexpr int ButtonHeight = 480;

// Title pictures sit 200 twips from the window's right edge.
inline void placeTitlePicture(QWidget* window, QWidget* title) {
    title->move(window->width() - title->width() - twips::toPx(200), title->y());
}

// The banner picture copied from another window's banner.
inline void copyBanner(PictureBox* from, PictureBox* to) {
    to->setPicture(from->picture());
}

} // namespace catwin
