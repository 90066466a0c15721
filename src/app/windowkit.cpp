#include "windowkit.h"

#include "accessibility.h"
#include "colours.h"
#include "controls.h"
#include "picturebox.h"
#include "twips.h"

#include <QEvent>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace windowkit {

void setUpWindow(QWidget* window, const char* name, const QString& caption) {
    windowsReadAsFrames();
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(caption);
    window->setWindowIcon(QIcon(QStringLiteral(":/pictures/appicon.svg")));
    // The focus shows from the start, not only after the first Tab.
    window->setAttribute(Qt::WA_KeyboardFocusChange);
}

namespace {
// A push button that frames itself in the highlight colour while it has the focus, stronger than
// the style's thin outline around a picture.
class FramedButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 2, 2);
    }
};
} // namespace

void fixSize(QWidget* window, int widthTwips, int heightTwips) {
    window->setFixedSize(twips::toPx(widthTwips), twips::toPx(heightTwips));
}

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips::toPx(left, top, width, height));
}

void tabOrder(std::initializer_list<QWidget*> chain) {
    QWidget* previous = nullptr;
    for (QWidget* next : chain) {
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    // Labels show stored values and titles: always as typed, never as markup.
    auto* l = named(new QLabel(caption, parent), name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

PictureBox* picture(QWidget* parent, const char* name, const QString& picture) {
    return named(new PictureBox(parent, picture), name);
}

QFrame* panel(QWidget* parent, const char* name, QFrame::Shadow shadow) {
    auto* frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(shadow);
    return frame;
}

QFrame* headerBand(QWidget* parent) {
    auto* band = named(new QFrame(parent), "Shape1");
    band->setStyleSheet(
        colours::headerBandSheet("Shape1", QColor(0xdf, 0xe7, 0xf1), QColor(0xb9, 0xc9, 0xdd)));
    return band;
}

QFrame* topBand(QWidget* parent, int widthTwips) {
    QFrame* band = headerBand(parent);
    band->setAutoFillBackground(true);
    place(band, 0, 0, widthTwips, 990);
    band->lower();
    return band;
}

QPushButton* pictureButton(QWidget* parent, const char* name, const char* picture, const QString& tip) {
    auto* button = named(new FramedButton(parent), name);
    setButtonPicture(button, QLatin1String(picture));
    button->setIconSize(QSize(twips::toPx(ButtonWidth) - 10, twips::toPx(ButtonHeight) - 8));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoDefault(false);
    pressOnEnter(button);
    return button;
}

QPushButton* captionButton(QWidget* parent, const char* name, const QString& caption, const char* picture,
                           int iconTwips, const QString& tip) {
    auto* button = named(new FramedButton(caption, parent), name);
    setButtonPicture(button, QLatin1String(picture));
    button->setIconSize(QSize(twips::toPx(iconTwips), twips::toPx(iconTwips)));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    pressOnEnter(button);
    return button;
}

void shortcut(QWidget* control, const QKeySequence& keys, std::function<void()> action) {
    auto* keysHere = new QShortcut(keys, control);
    keysHere->setAutoRepeat(false);
    QObject::connect(keysHere, &QShortcut::activated, control, std::move(action));
    const QString named = keys.toString(QKeySequence::NativeText);
    control->setToolTip(
        control->toolTip().isEmpty() ? named : QStringLiteral("%1 (%2)").arg(control->toolTip(), named));
}

void shortcut(QAbstractButton* button, const QKeySequence& keys) {
    shortcut(button, keys, [button] { button->click(); });
}

QString titleWords(const QString& title) {
    QString words = title.trimmed();
    if (words.endsWith(QLatin1Char(':'))) words.chop(1);
    return words.trimmed();
}

void title(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    control->setAccessibleName(titleWords(label->text()));
}

namespace {
class TooltipName final : public QObject {
public:
    TooltipName(QWidget* box, const QString& untitled) : QObject(box), untitled_(untitled) { apply(box); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTipChange) apply(static_cast<QWidget*>(watched));
        return QObject::eventFilter(watched, event);
    }

private:
    void apply(QWidget* box) const {
        const QString words = titleWords(box->toolTip());
        box->setAccessibleName(words.isEmpty() ? untitled_ : words);
    }

    QString untitled_;
};
} // namespace

void nameByTooltip(QWidget* box, const QString& untitled) {
    box->installEventFilter(new TooltipName(box, untitled));
}

void keepAtRightEdge(QWidget* window, QWidget* picture) {
    const int left = twips::fromPx(window->width()) - twips::fromPx(picture->width()) - 200;
    picture->move(twips::toPx(left), picture->y());
}

void keepAtRightEdgePixelGap(QWidget* window, QWidget* picture) {
    picture->move(window->width() - picture->width() - twips::toPx(200), picture->y());
}

void copyBanner(const PictureBox* from, PictureBox* to) {
    to->setPicture(from->picture());
}

} // namespace windowkit
