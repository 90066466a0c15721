#include "entrylistmodel.h"

#include <QCollator>
#include <QItemSelectionModel>
#include <algorithm>

namespace {

// The first four characters of a text as one number that orders as the texts do by their
// characters' codes; a shorter text is padded with zeros, which order before any character.
quint64 leadingCharacters(const QString& text) {
    quint64 lead = 0;
    for (qsizetype i = 0; i < 4; ++i)
        lead = lead << 16 | (i < text.size() ? text[i].unicode() : 0u);
    return lead;
}

// The entries' indexes in the order of their descriptions by the locale's collation, equal
// descriptions in the order of the entries. The C locale's collation compares the characters'
// codes, which the first four characters mostly settle: those are compared as one number, and
// only texts that begin alike are compared further.
std::vector<qsizetype> collationOrder(const QList<ListedEntry>& entries) {
    const QCollator collator;
    if (collator.locale().language() != QLocale::C || collator.caseSensitivity() != Qt::CaseSensitive) {
        // Comparing the texts themselves costs less than making a sort key of each.
        std::vector<qsizetype> order(std::size_t(entries.size()));
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = qsizetype(i);
        std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
            return collator.compare(entries[a].description, entries[b].description) < 0;
        });
        return order;
    }
    struct Row {
        quint64 lead;
        qsizetype entry;
    };
    std::vector<Row> rows(std::size_t(entries.size()));
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = {leadingCharacters(entries[qsizetype(i)].description), qsizetype(i)};
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        if (a.lead != b.lead) return a.lead < b.lead;
        return entries[a.entry].description.compare(entries[b.entry].description) < 0;
    });
    std::vector<qsizetype> order(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        order[i] = rows[i].entry;
    return order;
}

} // namespace

void EntryListModel::setEntries(QList<ListedEntry> entries) {
    const std::vector<qsizetype> order = collationOrder(entries);
    beginResetModel();
    texts_.clear();
    texts_.reserve(entries.size());
    keys_.clear();
    keys_.reserve(order.size());
    for (qsizetype row : order) {
        texts_ << std::move(entries[row].description);
        keys_.push_back(entries[row].key);
    }
    filtered_ = false;
    shown_.clear();
    endResetModel();
}

void EntryListModel::clear() {
    beginResetModel();
    texts_.clear();
    keys_.clear();
    filtered_ = false;
    shown_.clear();
    endResetModel();
}

void EntryListModel::showOnly(const std::function<bool(const QString&, const std::optional<EntryKey>&)>& keep,
                              bool narrowing) {
    std::vector<qsizetype> shown;
    if (narrowing && filtered_) {
        for (qsizetype entry : shown_)
            if (keep(texts_[entry], keys_[std::size_t(entry)])) shown.push_back(entry);
    } else {
        for (qsizetype entry = 0; entry < texts_.size(); ++entry)
            if (keep(texts_[entry], keys_[std::size_t(entry)])) shown.push_back(entry);
    }
    beginResetModel();
    shown_ = std::move(shown);
    filtered_ = true;
    endResetModel();
}

void EntryListModel::showAll() {
    if (!filtered_) return;
    beginResetModel();
    filtered_ = false;
    shown_.clear();
    endResetModel();
}

std::optional<EntryKey> EntryListModel::keyAt(int row) const {
    if (row < 0 || row >= count()) return std::nullopt;
    return keys_[std::size_t(entryOf(row))];
}

int EntryListModel::rowOf(EntryKey key) const {
    for (int row = 0; row < count(); ++row)
        if (keys_[std::size_t(entryOf(row))] == key) return row;
    return -1;
}

int EntryListModel::rowOfText(const QString& text, Qt::CaseSensitivity sensitivity) const {
    for (int row = 0; row < count(); ++row)
        if (textAt(row).compare(text, sensitivity) == 0) return row;
    return -1;
}

int EntryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return textAt(index.row());
    return {};
}

EntryListView::EntryListView(QWidget* parent) : QListView(parent), model_(new EntryListModel(this)) {
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!signalsBlocked()) emit currentRowChanged(current.isValid() ? current.row() : -1);
            });
}

int EntryListView::currentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void EntryListView::setCurrentRow(int row) {
    selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::ClearAndSelect);
}

bool setListIndex(EntryListView* list, int row) {
    if (row < 0 || row >= list->count()) return false;
    {
        const QSignalBlocker blocker(list);
        list->setCurrentRow(row);
    }
    emit list->currentRowChanged(row);
    return true;
}

QString listText(const EntryListView* list) {
    const int row = list->currentRow();
    return row < 0 ? QString() : list->entries().textAt(row);
}

std::optional<EntryKey> listKey(const EntryListView* list) {
    return list->entries().keyAt(list->currentRow());
}

bool setListKey(EntryListView* list, EntryKey key) {
    return setListIndex(list, list->entries().rowOf(key));
}
