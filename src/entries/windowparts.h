#pragma once

#include <QString>

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;
class PictureBox;

// Small builders shared by the entry windows: every position and size is in twips.
namespace entrywindow {

// Sets the object name the program knows the control by.
template <class T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Positions a control in twips relative to its parent.
void place(QWidget* widget, int left, int top, int width, int height);

QLabel* label(QWidget* parent, const char* name, const QString& caption);
PictureBox* picture(QWidget* parent, const char* name, const QString& picture = {});
QFrame* panel(QWidget* parent, const char* name);

// The light band behind a window's banner, across the top.
QFrame* headerBand(QWidget* parent, int widthTwips);

// A button that shows one of the program's pictures and no caption, 580 x 480 twips.
QPushButton* pictureButton(QWidget* parent, const char* name, const char* picture, const QString& tip);

// A fixed-size modal window of the given design size.
void setDesignSize(QDialog* window, int widthTwips, int heightTwips);

// Keeps a title picture 200 twips from the window's right edge.
void keepAtRightEdge(QDialog* window, QWidget* picture);

} // namespace entrywindow
