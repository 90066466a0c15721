#include "picturebox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>

namespace {

// One renderer per picture, kept by the application object, which deletes them as it goes.
QSvgRenderer* rendererFor(const QString& name) {
    static QHash<QString, QPointer<QSvgRenderer>> cache;
    QPointer<QSvgRenderer>& renderer = cache[name];
    if (!renderer)
        renderer =
            new QSvgRenderer(QStringLiteral(":/pictures/%1.svg").arg(name), QCoreApplication::instance());
    return renderer;
}

// What assistive technology sees of a picture: a button that can be pressed when the picture is
// a command, an image otherwise.
class PictureBoxAccessible final : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box)
        : QAccessibleWidget(box, box->isCommand() ? QAccessible::Button : QAccessible::Graphic) {}

    QAccessible::Role role() const override {
        return box()->isCommand() ? QAccessible::Button : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return box()->commandName();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->isCommand()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        // A disabled or hidden picture does nothing, whoever presses it (a locked window's copy
        // pictures stay reachable through the accessibility tree).
        if (!box()->isEnabled() || !box()->isVisible()) return;
        if (action == pressAction() && box()->isCommand())
            box()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
};

QAccessibleInterface* pictureBoxAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("PictureBox") && object && object->isWidgetType())
        return new PictureBoxAccessible(static_cast<PictureBox*>(object));
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget* parent, const QString& picture) : QWidget(parent), picture_(picture) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pictureBoxAccessible);
        return true;
    }();
    (void)factoryInstalled;
}

void PictureBox::setPicture(const QString& name) {
    picture_ = name;
    update();
}

void PictureBox::setPictureMargins(const QMargins& margins) {
    margins_ = margins;
    update();
}

void PictureBox::makeCommand(std::function<QString()> name) {
    command_ = true;
    name_ = std::move(name);
    // Tab only: a click runs the command without taking the focus from where the person works.
    setFocusPolicy(Qt::TabFocus);
}

QString PictureBox::commandName() const {
    if (!accessibleName().isEmpty()) return accessibleName();
    if (name_) return name_();
    return toolTip();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (hasFocus()) {
        // The focus: the picture on the highlight colour, framed by it two pixels wide.
        QColor highlight = palette().color(QPalette::Highlight);
        painter.setPen(QPen(highlight, 2));
        highlight.setAlpha(90);
        painter.setBrush(highlight);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer* renderer = picture_.isEmpty() ? nullptr : rendererFor(picture_);
    if (renderer && renderer->isValid()) {
        const QRectF area = rect().marginsRemoved(margins_);
        QSizeF size = renderer->defaultSize();
        size.scale(area.size(), Qt::KeepAspectRatio);
        const QRectF target(area.x() + (area.width() - size.width()) / 2,
                            area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
        renderer->render(&painter, target);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (command_ && plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
