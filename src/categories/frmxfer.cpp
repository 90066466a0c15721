#include "frmxfer.h"

#include "app/controls.h"
#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/vaultreport.h"
#include "app/windowkit.h"
#include "frmresource.h"
#include "maincommands.h"
#include "store/repository.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace windowkit;

namespace {
constexpr int WindowWidth = 5760;
constexpr int WindowHeight = 4200;
} // namespace

frmXFer::frmXFer() {
    setUpWindow(this, "frmXFer", tr("Category Transfer"));
    fixSize(this, WindowWidth, WindowHeight);

    Picture1 = picture(this, "Picture1", QStringLiteral("banner"));
    place(Picture1, 120, 90, 3000, 640);
    Picture2 = picture(this, "Picture2", QStringLiteral("title_transfer"));
    place(Picture2, 0, 840, 2745, 300);

    Picture3 = panel(this, "Picture3", QFrame::Sunken);
    place(Picture3, 120, 1200, WindowWidth - 240, 2100);
    Label2 = label(Picture3, "Label2", tr("Select the category you want to move entries FROM:"));
    place(Label2, 180, 150, WindowWidth - 600, 255);
    Combo1 = named(new QComboBox(Picture3), "Combo1");
    Combo1->setToolTip(tr("FROM category."));
    place(Combo1, 180, 450, WindowWidth - 600, 330);
    Label1 = label(Picture3, "Label1", tr("Select the category for the items to be moved TO:"));
    place(Label1, 180, 1080, WindowWidth - 600, 255);
    Combo2 = named(new QComboBox(Picture3), "Combo2");
    Combo2->setToolTip(tr("TO category."));
    place(Combo2, 180, 1380, WindowWidth - 600, 330);

    Command2 = pictureButton(this, "Command2", "go", tr("Click to perform transfer."));
    Command5 = pictureButton(this, "Command5", "close", tr("Click to close transfer screen."));
    const int buttonTop = WindowHeight - ButtonHeight - 180;
    place(Command2, 120, buttonTop, ButtonWidth, ButtonHeight);
    place(Command5, WindowWidth - 120 - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    tabOrder({Combo1, Combo2, Command2, Command5});
    title(Label2, Combo1);
    title(Label1, Combo2);
    Combo1->setFocus();

    // Enter moves from the FROM list to the TO list and on to the transfer button.
    onEnterKey(Combo1, [this] { Combo2->setFocus(); });
    onEnterKey(Combo2, [this] { Command2->setFocus(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
}

frmXFer::~frmXFer() = default;

void frmXFer::Form_Load() {
    keepAtRightEdgePixelGap(this, Picture2);
}

void frmXFer::reject() {
    Command5_Click();
}

void frmXFer::Command5_Click() {
    unload<frmXFer>();
}

void frmXFer::Command2_Click() {
    const QString from = Combo1->currentText().trimmed();
    const QString to = Combo2->currentText().trimmed();
    if (from.isEmpty()) {
        Combo1->setFocus();
        return;
    }
    if (to.isEmpty()) {
        Combo2->setFocus();
        return;
    }
    if (from == to) {
        platform().messageBox(tr("Invalid Selections"),
                              tr("Selected categories must be different before performing transfer."),
                              MsgIcon::Error);
        Combo2->setFocus();
        return;
    }
    TransferEntries();
}

void frmXFer::FillTransferLists() {
    Combo1->clear();
    Combo2->clear();
    const Result<QStringList> names = store::categoryNames(ErrorCode::TransferLists);
    if (!names) return showVaultReport(names.code());
    Combo1->addItems(*names);
    Combo2->addItems(*names);
    Combo1->setCurrentIndex(-1);
    Combo2->setCurrentIndex(-1);
}

void frmXFer::TransferEntries() {
    if (const Result<> moved = store::transferEntries(Combo1->currentText(), Combo2->currentText()); !moved)
        return showVaultReport(moved.code());
    platform().messageBox(tr("Success"), tr("Transfer successfully completed."), MsgIcon::Information);
    unload<frmXFer>();
    unload<frmResource>();
    // The main list and the shown entry follow the moved entries, so that nothing goes on showing
    // (or, through the edit command, writing back) an entry's old category.
    MainWindowPort& main = mainWindow();
    main.chooseFilter(main.filterText());
    BuildCategoryBreakdown();
}
