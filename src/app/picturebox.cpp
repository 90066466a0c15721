#include "picturebox.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {
QSvgRenderer* rendererFor(const QString& name) {
    static QHash<QString, QSvgRenderer*> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, new QSvgRenderer(QStringLiteral(":/pictures/%1.svg").arg(name)));
    return it.value();
}
} // namespace

PictureBox::PictureBox(QWidget* parent, const QString& picture) : QWidget(parent), picture_(picture) {}

void PictureBox::setPicture(const QString& name) {
    picture_ = name;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isEmpty()) return;
    QSvgRenderer* renderer = rendererFor(picture_);
    if (!renderer->isValid()) return;
    QSizeF size = renderer->defaultSize();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(), size.height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer->render(&painter, target);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QWidget::mouseReleaseEvent(event);
}
