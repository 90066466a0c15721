#pragma once

#include "app/controls.h"
#include "app/forms.h"
#include "app/modmain.h"
#include "app/picturebox.h"
#include "categories/frmeditor.h"
#include "entries/frmentry.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "testvault.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>

// What the category tests share: the texts of lists and boxes, and the vault's category rows.
namespace catfix {

inline QStringList itemsOf(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

inline QStringList itemsOf(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// Cats.CatName in the order the table returns them.
inline QStringList storedCategories(const TestVault& vault) {
    QStringList out;
    for (const QVariantList& row : vault.rows(QStringLiteral("SELECT CatName FROM Cats")))
        out << row.value(0).toString();
    return out;
}

// A category's CatDef row: pwDesc, pwUDF1..pwUDF4, pwNotes, pwImg (empty when there is none).
inline QStringList storedDefinition(const TestVault& vault, const QString& name) {
    const auto rows = vault.rows(
        QStringLiteral(
            "SELECT pwDesc, pwUDF1, pwUDF2, pwUDF3, pwUDF4, pwNotes, pwImg FROM CatDef WHERE pwCat = '%1'")
            .arg(name));
    QStringList out;
    if (rows.isEmpty()) return out;
    for (const QVariant& v : rows.first())
        out << v.toString();
    return out;
}

inline int countRows(const TestVault& vault, const QString& sql) {
    return vault.value(sql).toInt();
}

// The texts of the six title boxes, in field order.
inline QStringList titlesShown(const frmEditor& editor) {
    QStringList out;
    for (const QLineEdit* box : editor.titleBoxes())
        out << box->text();
    return out;
}

// The main window's filter filled as at start-up and set to `filter`; the entry editor loaded
// with its category box filled and set to `entryCategory` ("" chooses nothing).
inline void prepareWindows(const QString& filter, const QString& entryCategory) {
    FillCategoryFilter(0);
    if (!filter.isEmpty()) setComboText(form<frmMain>().Combo1, filter);
    form<frmEntry>();
    FillCategoryFilter(1);
    if (!entryCategory.isEmpty()) setComboText(form<frmEntry>().Combo1, entryCategory);
}

// Opens the category editor as the entry editor's category button does and gives it.
inline frmEditor& openEditor(const QString& entryCategory = {}) {
    prepareWindows(QString(), entryCategory);
    form<frmEntry>().Command6_Click();
    return form<frmEditor>();
}

inline bool selectCategory(frmEditor& editor, const QString& name) {
    const auto rows = editor.List1->findItems(name, Qt::MatchExactly);
    return !rows.isEmpty() && setListIndex(editor.List1, editor.List1->row(rows.first()));
}

} // namespace catfix
