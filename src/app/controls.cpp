#include "controls.h"

#include "picturebox.h"
#include "store/text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QValidator>
#include <algorithm>
#include <vector>

namespace {

class EventHook final : public QObject {
public:
    EventHook(QObject* parent, QEvent::Type type, std::function<bool(QEvent*)> action)
        : QObject(parent), type_(type), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == type_ && action_(event)) return true;
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
    std::function<bool(QEvent*)> action_;
};

} // namespace

bool setComboText(QComboBox* box, const QString& text) {
    const int index = box->findText(text, Qt::MatchFixedString);
    if (index < 0) return false;
    setComboIndex(box, index);
    return true;
}

void setComboIndex(QComboBox* box, int index) {
    {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(index);
    }
    emit box->activated(box->currentIndex());
}

bool setListIndex(QListWidget* list, int row) {
    if (row < 0 || row >= list->count()) return false;
    {
        const QSignalBlocker blocker(list);
        list->setCurrentRow(row);
    }
    emit list->currentRowChanged(row);
    return true;
}

QString listText(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text() : QString();
}

void onEnterKey(QWidget* widget, std::function<void()> action) {
    widget->installEventFilter(
        new EventHook(widget, QEvent::KeyPress, [action = std::move(action)](QEvent* e) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
            action();
            return true;
        }));
}

void onClick(QWidget* widget, std::function<void()> action) {
    widget->installEventFilter(new EventHook(widget, QEvent::MouseButtonRelease, [widget, action](QEvent* e) {
        const auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton && widget->rect().contains(me->position().toPoint())) action();
        return false;
    }));
    widget->installEventFilter(new EventHook(widget, QEvent::KeyPress, [action](QEvent* e) {
        const auto* ke = static_cast<QKeyEvent*>(e);
        const int key = ke->key();
        if ((ke->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
            (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter))
            return false;
        action();
        return true;
    }));
    widget->setFocusPolicy(Qt::TabFocus);
    widget->setStyleSheet(QStringLiteral(
        "* { border: 1px solid transparent; } *:focus { border: 1px solid palette(highlight); }"));
}

void pressOnEnter(QAbstractButton* button) {
    onEnterKey(button, [button] {
        if (button->isEnabled()) button->click();
    });
}

void setPicture(QWidget* widget, const QString& name) {
    if (auto* box = qobject_cast<PictureBox*>(widget)) box->setPicture(name);
}

void setButtonPicture(QAbstractButton* button, const QString& name) {
    button->setIcon(QIcon(QStringLiteral(":/pictures/%1.svg").arg(name)));
}

namespace {

// Refuses a text of more characters than the limit. A box reverts an edit only from a text that
// was within the limit, so a longer text the program put in can still be shortened.
class CharacterLimit final : public QValidator {
public:
    CharacterLimit(QObject* parent, int limit) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override {
        return text::characterCount(input) > limit_ ? Invalid : Acceptable;
    }

private:
    int limit_;
};

} // namespace

void limitCharacters(QLineEdit* box, int limit) {
    box->setMaxLength(32767); // the most a box takes: never the cut, the validator is
    box->setValidator(new CharacterLimit(box, limit));
}

void makePasswordBox(QLineEdit* box, int maxLength) {
    box->setEchoMode(QLineEdit::Password);
    limitCharacters(box, maxLength);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: %1;").arg(int(u'X')));
}

void setCheckTitle(QCheckBox* box, const QString& title) {
    box->setText(QString(title).replace(QLatin1Char('&'), QLatin1String("&&")));
}

QString checkTitle(const QCheckBox* box) {
    return box->text().replace(QLatin1String("&&"), QLatin1String("&"));
}

void markUnreadable(QWidget* box, bool unreadable) {
    const QString note =
        unreadable
            ? QCoreApplication::translate("Controls", "This field could not be read. It is kept as stored.")
            : QString();
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        if (unreadable) line->clear();
        line->setPlaceholderText(note);
    } else if (auto* notes = qobject_cast<QPlainTextEdit*>(box)) {
        if (unreadable) notes->clear();
        notes->setPlaceholderText(note);
    }
}

void setPlainToolTip(QWidget* widget, const QString& text) {
    // A tooltip renders anything that looks like markup; such a text goes in escaped, spaces kept.
    widget->setToolTip(Qt::mightBeRichText(text)
                           ? QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped())
                           : text);
}
