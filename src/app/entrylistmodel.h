#pragma once

#include "store/records.h"

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The listed entries of a window, in the order the user reads them: descriptions sorted by the
// locale's collation (equal ones in the order the vault gave them), each with its entry's key.
class EntryListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Takes the entries and sorts them; the rows before go.
    void setEntries(QList<ListedEntry> entries);
    void clear();

    // The rows shown: every entry, or those the find lets through (showOnly).
    int count() const { return int(filtered_ ? shown_.size() : texts_.size()); }
    const QString& textAt(int row) const { return texts_[entryOf(row)]; }
    // Every entry listed, shown or not.
    int total() const { return int(texts_.size()); }
    // Shows only the entries for which keep(description, key) holds; within the rows shown
    // when narrowing (the find's text grew), else among every entry.
    void showOnly(const std::function<bool(const QString&, const std::optional<EntryKey>&)>& keep,
                  bool narrowing);
    // Shows every entry again.
    void showAll();
    bool filtered() const { return filtered_; }
    // The key of a row; none for a row the vault holds without a key, or a row out of range.
    std::optional<EntryKey> keyAt(int row) const;
    // The row of an entry, or of a description; -1 when not listed.
    int rowOf(EntryKey key) const;
    int rowOfText(const QString& text, Qt::CaseSensitivity sensitivity) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    qsizetype entryOf(int row) const { return filtered_ ? shown_[std::size_t(row)] : row; }
    QStringList texts_;
    std::vector<std::optional<EntryKey>> keys_;
    std::vector<qsizetype> shown_; // indexes of the shown entries, in order, while filtered_
    bool filtered_ = false;
};

// A list of entries over its own EntryListModel, read and driven by rows as a list box is.
class EntryListView final : public QListView {
    Q_OBJECT
public:
    explicit EntryListView(QWidget* parent);

    EntryListModel& entries() const { return *model_; }
    int count() const { return model_->count(); }
    int currentRow() const;
    // Makes a row current and selected, as a click would; emits currentRowChanged.
    void setCurrentRow(int row);
    void clear() { model_->clear(); }

signals:
    // The current row changed (-1: none).
    void currentRowChanged(int row);

private:
    EntryListModel* model_;
};

// A list's current row made current as a click makes it: currentRowChanged is emitted even when
// the row was current already; false for a row that does not exist.
bool setListIndex(EntryListView* list, int row);
// The current row's description; empty when no row is current.
QString listText(const EntryListView* list);
// The current row's key; none when no row is current or the row has none.
std::optional<EntryKey> listKey(const EntryListView* list);
// Selects the row of an entry as setListIndex does; false when the entry is not listed.
bool setListKey(EntryListView* list, EntryKey key);
