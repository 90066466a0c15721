#include "controls.h"

#include "picturebox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
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

namespace {
constexpr int KeyRole = Qt::UserRole;
}

void addEntryRows(QListWidget* list, const QList<ListedEntry>& entries) {
    const QCollator collator;
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(std::size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i)
        keys.emplace_back(collator.sortKey(entries[i].description), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    QStringList sorted;
    sorted.reserve(entries.size());
    for (const auto& key : keys)
        sorted << entries[key.second].description;
    const QSignalBlocker blocker(list);
    const bool sorting = list->isSortingEnabled();
    const int first = list->count();
    list->setSortingEnabled(false);
    list->addItems(sorted);
    list->setSortingEnabled(sorting);
    // The keys are no text the list shows: the views need not hear of each one.
    const QSignalBlocker modelBlocker(list->model());
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (const std::optional<EntryKey> key = entries[keys[i].second].key)
            list->item(first + int(i))->setData(KeyRole, *key);
}

std::optional<EntryKey> listKey(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    if (!item) return std::nullopt;
    const QVariant key = item->data(KeyRole);
    return key.isValid() ? std::optional(key.value<EntryKey>()) : std::nullopt;
}

bool setListKey(QListWidget* list, EntryKey key) {
    const QModelIndexList rows = list->model()->match(list->model()->index(0, 0), KeyRole,
                                                      QVariant::fromValue(key), 1, Qt::MatchExactly);
    return !rows.isEmpty() && setListIndex(list, rows.first().row());
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

void makePasswordBox(QLineEdit* box, int maxLength) {
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(maxLength);
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
        unreadable ? QStringLiteral("This field could not be read. It is kept as stored.") : QString();
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
