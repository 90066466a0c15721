#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QWidget>

namespace {

QAccessible::UpdateHandler previous = nullptr;

void filterEvent(QAccessibleEvent* event);

// Qt's own delivery (to the bus) happens when no handler is installed.
void deliver(QAccessibleEvent* event) {
    if (previous) return previous(event);
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&filterEvent);
}

bool hidesText(QObject* object) {
    const auto* box = qobject_cast<QLineEdit*>(object);
    return box && box->echoMode() != QLineEdit::Normal;
}

QString masked(const QString& text) {
    return QString(text.size(), QLatin1Char('*'));
}

void filterEvent(QAccessibleEvent* event) {
    if (!hidesText(event->object())) return deliver(event);
    QObject* box = event->object();
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
        QAccessibleTextInsertEvent safe(box, inserted->changePosition(), masked(inserted->textInserted()));
        return deliver(&safe);
    }
    case QAccessible::TextRemoved: {
        const auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
        QAccessibleTextRemoveEvent safe(box, removed->changePosition(), masked(removed->textRemoved()));
        return deliver(&safe);
    }
    case QAccessible::TextUpdated: {
        const auto* updated = static_cast<QAccessibleTextUpdateEvent*>(event);
        QAccessibleTextUpdateEvent safe(box, updated->changePosition(), masked(updated->textRemoved()),
                                        masked(updated->textInserted()));
        return deliver(&safe);
    }
    case QAccessible::ValueChanged:
    case QAccessible::TextSelectionChanged:
        return; // a value or a selection of a hidden text says nothing useful and may say too much
    default:
        return deliver(event);
    }
}

} // namespace

namespace {

constexpr char DecorativeProperty[] = "quorlaneDecorative";

class DecorativeAccessible final : public QAccessibleWidget {
public:
    explicit DecorativeAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::NoRole) {}
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = true;
        return s;
    }
};

// Asked once per class of the object's hierarchy, most derived first: answers only then.
QAccessibleInterface* ownInterfaces(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->property(DecorativeProperty).toBool()) return new DecorativeAccessible(widget);
    if (widget->isWindow() && object->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

void installOwnInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(ownInterfaces);
        return true;
    }();
    (void)installed;
}

} // namespace

DecorativeLabel::DecorativeLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    installOwnInterfaces();
    setProperty(DecorativeProperty, true);
    setTextFormat(Qt::PlainText);
}

void windowsReadAsFrames() {
    installOwnInterfaces();
}

void keepPasswordsOffAccessibility() {
    const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(&filterEvent);
    if (current != &filterEvent) previous = current;
}
