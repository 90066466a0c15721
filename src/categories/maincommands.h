#pragma once

#include <QString>

class PictureBox;

// The main window's category command; its handler of the same name calls it.
namespace categories {
void Label35_Click(); // the entry count: the category breakdown
} // namespace categories

// The category editor shown modally on the named category (the first one when none is named),
// with the given banner.
void ShowCategoryEditorFor(const QString& chosen, const PictureBox* banner);

// Lists the categories in the category editor, nothing selected.
void RefreshEditorCategories();

// The category breakdown window.
void BuildCategoryBreakdown();

// Whether the category editor window is showing (its operations refill the filter themselves).
bool CategoryEditorShowing();

// Refills the main window's category filter and, when the entry editor is open, its category
// box, choosing again in each what was chosen before when it is still listed.
void RefillCategoryBoxes();

// What refills the open entry editor's category box after the categories changed (set once by
// the program's wiring, as the entry editor is a layer above this one).
void setEntryEditorCategoriesHook(void (*refill)());
