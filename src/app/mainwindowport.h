#pragma once

#include "store/records.h"

#include <QString>
#include <array>
#include <optional>

class PictureBox;
class QColor;
class QMenu;
class QWidget;

// The titles the commands give the shown entry's values (description, fields 1..4, notes), as
// the windows show them: trimmed, a colon appended. An entry whose category has no titles goes
// by the detail view's design titles.
std::array<QString, 6> shownTitles(const ShownEntry& shown);

// What the shell and the other windows need of the main window. The main window implements it;
// nothing below the main window's folder includes its header.
class MainWindowPort {
public:
    // The window itself: shown, hidden, minimised and covered by the tray lock.
    virtual QWidget& widget() = 0;
    // The tray icon's pop-up menu.
    virtual QMenu& trayMenu() = 0;
    // The banner the other windows copy.
    virtual const PictureBox* banner() const = 0;

    // The category the filter shows, empty for every category (its first item, whatever the
    // language calls it); choosing one as a click would (refills the list), false when the filter
    // has no such category.
    virtual QString filterText() const = 0;
    virtual bool chooseFilter(const QString& category) = 0;
    // Fills the filter with every category and the categories in name order, choosing the first
    // (which fills the entry list).
    virtual void fillCategoryFilter() = 0;
    // Fills the filter again after the categories changed, choosing again what it showed.
    virtual void refillCategoryFilter() = 0;

    // The entry list: fill it (selecting the given description, case-blind, when listed), count
    // it, select a row or a description as a click would.
    virtual void fillEntryList(const QString& selecting = QString()) = 0;
    virtual int entryCount() const = 0;
    virtual int currentEntryRow() const = 0;
    virtual bool selectEntryRow(int row) = 0;
    virtual bool selectEntry(const QString& description, bool exactCase) = 0;
    virtual bool selectEntryKey(EntryKey key) = 0;
    // Shows the entry with this key, listing every category first when the filter shows another.
    virtual void showEntryOfAnyCategory(EntryKey key) = 0;
    virtual void focusEntryList() = 0;
    // Hides the framed panel while the list is refilled from outside, and shows it again.
    virtual void setPanelVisible(bool visible) = 0;

    // Whether an entry is current, its key and the entry the detail view shows.
    virtual bool hasCurrentEntry() const = 0;
    virtual QString currentEntryText() const = 0;
    virtual std::optional<EntryKey> shownEntryKey() const = 0;
    // The entry the detail view shows, as read from the vault; none before an entry is shown or
    // after a read failed.
    virtual const std::optional<ShownEntry>& shownEntry() const = 0;

    // The lock: remembers the filter and the shown entry, then empties the entry list and the
    // detail view. The unlock fills them again from the vault, with the same filter and entry.
    virtual void emptyForLock() = 0;
    virtual void refillAfterLock() = 0;

    // Whether the values are shown discreetly or hidden.
    virtual bool valuesDiscreet() const = 0;
    // Ticks the two display boxes as stored; black values when neither is ticked.
    virtual void applyDisplayPreferences(bool discreet, bool hide) = 0;

protected:
    ~MainWindowPort() = default;
};

// The main window, created and loaded on first use; whether it exists.
MainWindowPort& mainWindow();
bool mainWindowLoaded();

// Set once by the main window's library (registerMainWindow) before start-up.
void setMainWindowFactory(MainWindowPort& (*make)(), bool (*loaded)());
