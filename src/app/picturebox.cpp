#include "picturebox.h"

#include "store/wording.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace {

// The words the pictures draw (band captions, the banner, the empty list), translated where they
// are drawn. A picture drawing a word missing here is a fault the tests catch.
const char* const PictureWords[] = {
    QT_TRANSLATE_NOOP("Picture", "Add Entry"),
    QT_TRANSLATE_NOOP("Picture", "Attachments"),
    QT_TRANSLATE_NOOP("Picture", "Category Breakdown"),
    QT_TRANSLATE_NOOP("Picture", "Category Editor"),
    QT_TRANSLATE_NOOP("Picture", "Category Transfer"),
    QT_TRANSLATE_NOOP("Picture", "Copy to Clipboard"),
    QT_TRANSLATE_NOOP("Picture", "Details"),
    QT_TRANSLATE_NOOP("Picture", "Edit Entry"),
    QT_TRANSLATE_NOOP("Picture", "Entries"),
    QT_TRANSLATE_NOOP("Picture", "GO"),
    QT_TRANSLATE_NOOP("Picture", "New Category"),
    QT_TRANSLATE_NOOP("Picture", "No entries"),
    QT_TRANSLATE_NOOP("Picture", "Print"),
    QT_TRANSLATE_NOOP("Picture", "Search"),
    QT_TRANSLATE_NOOP("Picture", "Setup"),
    QT_TRANSLATE_NOOP("Picture", "in this category"),
    QT_TRANSLATE_NOOP("Picture", "password vault"),
};

QString attribute(const QString& element, const QString& name) {
    const QRegularExpression pattern(QStringLiteral("\\b%1=\"([^\"]*)\"").arg(name));
    return pattern.match(element).captured(1);
}

// A translated word set in the picture's font shrunk, when needed, to the room the English word
// had or most of the picture's width around its anchor, whichever is larger.
QString fitted(const QString& element, const QString& english, const QString& translated,
               double pictureWidth) {
    QFont font(attribute(element, QStringLiteral("font-family")).section(QLatin1Char(','), 0, 0).trimmed());
    const double size = attribute(element, QStringLiteral("font-size")).toDouble();
    if (size <= 0 || pictureWidth <= 0) return element;
    font.setPixelSize(qRound(size * 10)); // measured ten times larger for precision
    font.setBold(attribute(element, QStringLiteral("font-weight")) == QLatin1String("bold"));
    const QFontMetricsF metrics(font);
    const double x = attribute(element, QStringLiteral("x")).toDouble();
    const bool centred = attribute(element, QStringLiteral("text-anchor")) == QLatin1String("middle");
    const double room = centred ? 2 * std::min(x, pictureWidth - x) - 0.15 * pictureWidth
                                : pictureWidth - x - 0.05 * pictureWidth;
    const double allowed = std::max(metrics.horizontalAdvance(english) / 10, room);
    const double width = metrics.horizontalAdvance(translated) / 10;
    if (width <= allowed) return element;
    QString shrunk = element;
    shrunk.replace(QStringLiteral("font-size=\"%1\"").arg(attribute(element, QStringLiteral("font-size"))),
                   QStringLiteral("font-size=\"%1\"").arg(size * allowed / width, 0, 'f', 2));
    return shrunk;
}

// One renderer per picture and language, kept by the application object, which deletes them as
// it goes.
QSvgRenderer* rendererFor(const QString& name) {
    static QHash<QString, QPointer<QSvgRenderer>> cache;
    QPointer<QSvgRenderer>& renderer = cache[name + QLatin1Char('|') + TextLocale.name()];
    if (!renderer) renderer = new QSvgRenderer(pictureInLanguage(name), QCoreApplication::instance());
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

QStringList pictureWords() {
    QStringList words;
    for (const char* word : PictureWords)
        words << QString::fromLatin1(word);
    return words;
}

QByteArray pictureInLanguage(const QString& name) {
    QFile file(QStringLiteral(":/pictures/%1.svg").arg(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString svg = QString::fromUtf8(file.readAll());
    static const QRegularExpression viewBox(QStringLiteral("viewBox=\"[-\\d.]+ [-\\d.]+ ([\\d.]+) "));
    const double width = viewBox.match(svg).captured(1).toDouble();
    static const QRegularExpression text(QStringLiteral("(<text[^>]*>)([^<]+)</text>"));
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : text.globalMatch(svg)) {
        const QString english = m.captured(2);
        const QString translated = QCoreApplication::translate("Picture", english.toUtf8().constData());
        out += QStringView(svg).mid(done, m.capturedStart() - done);
        out += fitted(m.captured(1), english, translated, width) + translated.toHtmlEscaped() +
               QStringLiteral("</text>");
        done = m.capturedEnd();
    }
    out += QStringView(svg).mid(done);
    return out.toUtf8();
}

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
