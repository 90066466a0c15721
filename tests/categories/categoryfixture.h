#pragma once

#include "app/controls.h"
#include "app/entrylistmodel.h"
#include "app/forms.h"
#include "app/picturebox.h"
#include "categories/frmeditor.h"
#include "entries/frmentry.h"
#include "entries/maincommands.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "testvault.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// What the category tests share: the texts of lists and boxes, and the vault's category rows.
namespace catfix {

template <class Box> QStringList itemsOf(const Box* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) {
        if constexpr (std::is_same_v<Box, QListWidget>)
            out << box->item(i)->text();
        else if constexpr (std::is_same_v<Box, EntryListView>)
            out << box->entries().textAt(i);
        else
            out << box->itemText(i);
    }
    return out;
}

inline QStringList storedCategories(const TestVault& vault) {
    QStringList out;
    for (const QVariantList& row : vault.rows(QStringLiteral("SELECT CatName FROM Cats")))
        out << row[0].toString();
    return out;
}

// A category's CatDef row: pwDesc, pwUDF1..pwUDF4, pwNotes, pwImg (empty when there is none).
inline QStringList storedDefinition(const TestVault& vault, const QString& name) {
    QStringList out;
    for (const QVariantList& row :
         vault.rows(QStringLiteral("SELECT pwDesc, pwUDF1, pwUDF2, pwUDF3, pwUDF4, pwNotes, "
                                   "pwImg FROM CatDef WHERE pwCat = '%1'")
                        .arg(name)))
        for (const QVariant& v : row)
            out << v.toString();
    return out;
}

inline QStringList titlesShown(const frmEditor& editor) {
    QStringList out;
    for (const QLineEdit* box : editor.titleBoxes())
        out << box->text();
    return out;
}

// The main filter filled as at start-up and the entry editor loaded with its category box
// filled and set to `entryCategory`; then the entry editor's category button.
inline frmEditor& openEditor(const QString& entryCategory = {}) {
    form<frmMain>().fillCategoryFilter();
    form<frmEntry>();
    FillEditorCategories();
    if (!entryCategory.isEmpty()) setComboText(form<frmEntry>().Combo1, entryCategory);
    form<frmEntry>().Command6_Click();
    return form<frmEditor>();
}

} // namespace catfix
