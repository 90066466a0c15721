#include "maincommands.h"
#include "app/controls.h"
#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/windowkit.h"
#include "frmeditor.h"

#include <QComboBox>
#include <QListWidget>

// Main-window and entry-editor commands of the categories.

// The entry count: opens the category breakdown.
void categories::Label35_Click() {
    BuildCategoryBreakdown();
}

// The category button of the entry editor: the category editor, on the entry's category.
void ShowCategoryEditorFor(const QString& chosen, const PictureBox* banner) {
    RefreshEditorCategories();
    frmEditor& editor = form<frmEditor>();
    windowkit::copyBanner(banner, editor.Picture2);
    if (chosen.isEmpty()) {
        setListIndex(editor.List1, 0);
    } else {
        const QList<QListWidgetItem*> rows = editor.List1->findItems(chosen, Qt::MatchFixedString);
        if (!rows.isEmpty()) setListIndex(editor.List1, editor.List1->row(rows.first()));
    }
    editor.shownModally = true;
    platform().showModal(editor);
}

bool CategoryEditorShowing() {
    if (!isLoaded<frmEditor>()) return false;
    const frmEditor& editor = form<frmEditor>();
    return editor.shownModally || editor.isVisible();
}

namespace {
void (*entryEditorCategoriesChanged)() = nullptr;
} // namespace

void setEntryEditorCategoriesHook(void (*refill)()) {
    entryEditorCategoriesChanged = refill;
}

void RefillCategoryBoxes() {
    mainWindow().refillCategoryFilter();
    if (entryEditorCategoriesChanged) entryEditorCategoriesChanged();
}
