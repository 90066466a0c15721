#include "controls.h"

#include "picturebox.h"
#include "store/text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCollator>
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

namespace {

// The entry keys of a list's rows, in row order, kept beside the list's model instead of in each
// row so that a fill makes no more than one value per row. Any change of the rows other than
// rows added at the end drops them: a row without a key names no entry.
class RowKeys final : public QObject {
public:
    explicit RowKeys(QAbstractItemModel* model) : QObject(model) {
        const auto drop = [this] { keys.clear(); };
        connect(model, &QAbstractItemModel::modelReset, this, drop);
        connect(model, &QAbstractItemModel::rowsRemoved, this, drop);
        connect(model, &QAbstractItemModel::rowsMoved, this, drop);
        connect(model, &QAbstractItemModel::layoutChanged, this, drop);
        connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int) {
            if (std::size_t(first) < keys.size()) keys.clear();
        });
    }
    std::vector<std::optional<EntryKey>> keys;
};

RowKeys* rowKeys(const QListWidget* list) {
    return list->model()->findChild<RowKeys*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

QStringList addEntryRows(QListWidget* list, QList<ListedEntry> entries) {
    // Comparing the texts themselves costs less than making a sort key of each; each text is
    // sorted with its index beside it, so that comparing goes straight to the characters. Equal
    // descriptions keep the order they came in.
    struct Row {
        QStringView text;
        qsizetype index;
    };
    std::vector<Row> sortedRows;
    sortedRows.reserve(std::size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i)
        sortedRows.push_back({entries[i].description, i});
    const QCollator collator;
    std::stable_sort(sortedRows.begin(), sortedRows.end(),
                     [&](const Row& a, const Row& b) { return collator.compare(a.text, b.text) < 0; });
    // The texts move from the entries to the list of rows: each is let go once, with the rows.
    std::vector<qsizetype> rows;
    rows.reserve(sortedRows.size());
    for (const Row& row : sortedRows)
        rows.push_back(row.index);
    sortedRows = {};
    QStringList sorted;
    sorted.reserve(entries.size());
    for (qsizetype row : rows)
        sorted << std::move(entries[row].description);
    RowKeys* rowKeys = ::rowKeys(list);
    if (!rowKeys) rowKeys = new RowKeys(list->model());
    const QSignalBlocker blocker(list);
    const bool sorting = list->isSortingEnabled();
    const std::size_t first = std::size_t(list->count());
    list->setSortingEnabled(false);
    list->addItems(sorted);
    list->setSortingEnabled(sorting);
    rowKeys->keys.resize(first);
    for (qsizetype row : rows)
        rowKeys->keys.emplace_back(entries[row].key);
    return sorted;
}

std::optional<EntryKey> listKey(const QListWidget* list) {
    const RowKeys* rowKeys = ::rowKeys(list);
    const int row = list->currentRow();
    if (!rowKeys || row < 0 || std::size_t(row) >= rowKeys->keys.size()) return std::nullopt;
    return rowKeys->keys[std::size_t(row)];
}

bool setListKey(QListWidget* list, EntryKey key) {
    const RowKeys* rowKeys = ::rowKeys(list);
    if (!rowKeys) return false;
    const auto found = std::find(rowKeys->keys.begin(), rowKeys->keys.end(), key);
    return found != rowKeys->keys.end() && setListIndex(list, int(found - rowKeys->keys.begin()));
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
