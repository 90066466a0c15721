#include "frmcatadd.h"

#include "app/controls.h"
#include "app/forms.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/storable.h"
#include "app/vaultreport.h"
#include "app/windowkit.h"
#include "frmeditor.h"
#include "maincommands.h"
#include "store/repository.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace windowkit;

namespace {
constexpr int WindowWidth = 5160;
constexpr int WindowHeight = 2760;
} // namespace

frmCatAdd::frmCatAdd() {
    setUpWindow(this, "frmCatAdd", tr("New Category"));
    fixSize(this, WindowWidth, WindowHeight);

    picTitle = picture(this, "picTitle", QStringLiteral("title_newcategory"));
    place(picTitle, 0, 120, 2745, 300);
    Picture1 = panel(this, "Picture1", QFrame::Sunken);
    place(Picture1, 120, 540, WindowWidth - 240, 1260);
    Label9 = label(Picture1, "Label9", tr("Enter the name of the new Category:"));
    place(Label9, 180, 180, WindowWidth - 600, 255);
    Text2 = named(new QLineEdit(Picture1), "Text2");
    Text2->setToolTip(tr("Enter new category name here."));
    limitCharacters(Text2, 50);
    place(Text2, 180, 540, WindowWidth - 600, 330);

    Command21 = pictureButton(this, "Command21", "save", tr("Save category."));
    Command1 = pictureButton(this, "Command1", "cancel", tr("Cancel."));
    const int buttonTop = WindowHeight - ButtonHeight - 180;
    place(Command21, 120, buttonTop, ButtonWidth, ButtonHeight);
    place(Command1, WindowWidth - 120 - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    tabOrder({Text2, Command21, Command1});
    title(Label9, Text2);
    Text2->setFocus();

    // Enter in the name box creates, like the save button.
    onEnterKey(Text2, [this] { Command21_Click(); });
    connect(Command21, &QPushButton::clicked, this, [this] { Command21_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

frmCatAdd::~frmCatAdd() = default;

void frmCatAdd::Form_Load() {
    keepAtRightEdgePixelGap(this, picTitle);
}

void frmCatAdd::reject() {
    Command1_Click();
}

void frmCatAdd::Command1_Click() {
    unload<frmCatAdd>();
}

QString frmCatAdd::categoryName() const {
    return upperTrimmed(Text2->text());
}

void frmCatAdd::Command21_Click() {
    if (Text2->text().trimmed().isEmpty()) {
        Text2->setFocus();
        return;
    }
    if (Text2->text().contains(QLatin1Char('\''))) {
        platform().messageBox(tr("Invalid Character"),
                              tr("You cannot use apostrophe's within a category name."), MsgIcon::Error);
        Text2->setFocus();
        return;
    }
    if (!checkStorable(tr("category name"), categoryName(), Text2)) return;
    if (!CategoryExists()) {
        CreateCategory();
        return;
    }
    platform().messageBox(tr("Duplicate Category"),
                          tr("This category already exists! Please enter a new category."), MsgIcon::Error);
    Text2->setFocus();
}

bool frmCatAdd::CategoryExists() {
    const Result<bool> taken = store::categoryExists(categoryName());
    if (!taken) {
        showVaultReport(taken.code());
        return true;
    }
    return *taken;
}

void frmCatAdd::CreateCategory() {
    // Both rows or neither: the two inserts share the attempt's transaction.
    if (const Result<> created = store::createCategory(categoryName()); !created)
        return showVaultReport(created.code());
    RefreshEditorCategories();
    RefillCategoryBoxes();
    unload<frmCatAdd>();
    platform().messageBox(tr("Success"), tr("Category successfully created."), MsgIcon::Information);
}
