#include "entrylistmodel.h"

#include <QCollator>
#include <QItemSelectionModel>
#include <algorithm>

void EntryListModel::setEntries(QList<ListedEntry> entries) {
    // Comparing the texts themselves costs less than making a sort key of each; the rows are
    // sorted as indexes into the entries, so that comparing goes straight to the characters.
    std::vector<qsizetype> order(std::size_t(entries.size()));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = qsizetype(i);
    const QCollator collator;
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return collator.compare(entries[a].description, entries[b].description) < 0;
    });
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
