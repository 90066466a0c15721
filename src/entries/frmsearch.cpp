#include "frmsearch.h"

#include "app/controls.h"
#include "app/entrylistmodel.h"
#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/picturebox.h"
#include "app/vaultreport.h"
#include "app/windowkit.h"
#include "store/repository.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace windowkit;

namespace {

constexpr int WindowWidth = 6720;
constexpr int WindowHeight = 6750;
constexpr int PanelWidth = WindowWidth - 240;
constexpr int PanelHeight = 4980;

} // namespace

frmSearch::frmSearch() {
    setUpWindow(this, "frmSearch", tr("Search"));
    setModal(true);
    fixSize(this, WindowWidth, WindowHeight);

    Shape1 = topBand(this, WindowWidth);
    Picture2 = picture(this, "Picture2", QStringLiteral("banner"));
    place(Picture2, 120, 120, 3540, 750);
    Picture1 = picture(this, "Picture1", QStringLiteral("title_search"));
    place(Picture1, WindowWidth - 2745 - 200, 570, 2745, 300);

    Picture3 = panel(this, "Picture3");
    place(Picture3, 120, 1110, PanelWidth, PanelHeight);
    Label2 = label(Picture3, "Label2", tr("Enter Search Word/Phrase:"));
    place(Label2, 150, 150, 4000, 255);
    Command1 = pictureButton(Picture3, "Command1", "search", tr("Click to perform search."));
    place(Command1, PanelWidth - 150 - 580, 300, 580, 480);
    Text1 = named(new QLineEdit(Picture3), "Text1");
    Text1->setMaxLength(WordLimit);
    Text1->setToolTip(tr("Enter your search word / phrase here."));
    place(Text1, 150, 420, PanelWidth - 300 - 580 - 120, 330);
    Label1 = label(Picture3, "Label1", tr("Record(s) that contain your Search Word/Phrase:"));
    place(Label1, 150, 930, PanelWidth - 300, 255);
    List1 = named(new EntryListView(Picture3), "List1");
    List1->setToolTip(tr("Results from your search are displayed here."));
    place(List1, 150, 1200, PanelWidth - 300, 3300);
    Label4 = label(Picture3, "Label4", tr("0 Matches"));
    Label4->setToolTip(tr("Indicates the number of matches that were found from your search."));
    place(Label4, 150, 4590, 3000, 255);
    Picture4 = picture(Picture3, "Picture4", QStringLiteral("busy"));
    place(Picture4, PanelWidth - 150 - 300, 4560, 300, 300);
    Picture4->hide();

    Command15 = pictureButton(this, "Command15", "close", tr("Click to close the search window."));
    place(Command15, WindowWidth - 120 - 580, 1110 + PanelHeight + 120, 580, 480);
    title(Label2, Text1);
    title(Label1, List1);
    // Enter runs the search once, from wherever the focus is.
    Command1->setDefault(true);
    // What is typed as the window opens goes into the word box, though the button was made first.
    Text1->setFocus();

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command15, &QPushButton::clicked, this, [this] { Command15_Click(); });
    connect(List1, &EntryListView::currentRowChanged, this, [this](int row) {
        if (row >= 0) List1_Click();
    });
}

frmSearch::~frmSearch() = default;

void frmSearch::Form_Load() {
    keepAtRightEdge(this, Picture1);
}

void frmSearch::reject() {
    Command15_Click();
}

void frmSearch::Command15_Click() {
    unload<frmSearch>();
}

// The search over every entry's six values; the word box is emptied for the next one.
void frmSearch::Command1_Click() {
    Picture4->show();
    Picture4->repaint();
    setCursor(Qt::WaitCursor);
    List1->clear();
    Result<QList<ListedEntry>> found = store::findEntries(Text1->text());
    if (!found) {
        setCursor(Qt::ArrowCursor);
        Picture4->hide();
        return showVaultReport(found.code());
    }
    List1->entries().setEntries(std::move(*found));
    Picture4->hide();
    const int count = List1->count();
    Label4->setText(tr("%n Matches.", nullptr, count));
    setCursor(Qt::ArrowCursor);
    Text1->clear();
    Text1->setFocus();
}

// A result picked: the main window shows that entry, under every category when the list was filtered.
void frmSearch::List1_Click() {
    const std::optional<EntryKey> result = listKey(List1);
    if (result) mainWindow().showEntryOfAnyCategory(*result);
}
