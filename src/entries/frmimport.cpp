#include "frmimport.h"

#include "app/forms.h"
#include "app/platform.h"
#include "app/windowkit.h"
#include "importexport.h"

#include "store/wording.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

using namespace windowkit;

namespace {
constexpr int WindowWidth = 8400;
constexpr int WindowHeight = 7200;
constexpr int ButtonRowTop = WindowHeight - 600;

QString count(qsizetype n) {
    return TextLocale.toString(n);
}
} // namespace

frmImport::frmImport() {
    setUpWindow(this, "frmImport", tr("Import Entries"));
    setModal(true);
    fixSize(this, WindowWidth, WindowHeight);

    Label1 = label(this, "Label1", {});
    Label1->setWordWrap(true);
    place(Label1, 180, 120, WindowWidth - 360, 500);
    Label2 = label(this, "Label2", tr("Entries to add, by category:"));
    place(Label2, 180, 660, WindowWidth - 360, 255);
    List1 = named(new QTreeWidget(this), "List1");
    List1->setHeaderLabels({tr("Category"), tr("Entries"), QString()});
    List1->header()->setStretchLastSection(true);
    List1->setColumnWidth(0, 280);
    List1->setColumnWidth(1, 80);
    List1->setToolTip(
        tr("How many entries each category receives, and which column goes under which title."));
    place(List1, 180, 960, WindowWidth - 360, 2280);
    Label3 = label(this, "Label3", tr("Rows left out:"));
    place(Label3, 180, 3360, WindowWidth - 360, 255);
    List2 = named(new QListWidget(this), "List2");
    List2->setToolTip(tr("Rows of the file that cannot be stored as they are."));
    List2->setWordWrap(true); // every reason readable whole
    List2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    place(List2, 180, 3660, WindowWidth - 360, ButtonRowTop - 3660 - 180);

    Check1 = named(new QCheckBox(tr("Import entries &already in the vault too"), this), "Check1");
    Check1->setToolTip(tr("Records equal to a stored entry are left out unless this is ticked."));
    place(Check1, 180, ButtonRowTop + 75, WindowWidth - 360 - 2 * 1500 - 240, 300);
    Command21 =
        captionButton(this, "Command21", tr("&Import"), "import", 360, tr("Add the entries listed above."));
    Command2 = captionButton(this, "Command2", tr("&Cancel"), "cancel", 360,
                             tr("Close without importing anything."));
    place(Command21, WindowWidth - 180 - 2 * 1500 - 120, ButtonRowTop, 1500, 450);
    place(Command2, WindowWidth - 180 - 1500, ButtonRowTop, 1500, 450);
    tabOrder({List1, List2, Check1, Command21, Command2});
    title(Label2, List1);
    title(Label3, List2);

    connect(Command21, &QPushButton::clicked, this, [this] { Command21_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
}

frmImport::~frmImport() = default;

void frmImport::Form_Load() {}

void frmImport::reject() {
    Command2_Click();
}

void frmImport::showPlan(const QString& fileName, transfer::ImportPlan plan, Replan replan) {
    fileName_ = fileName;
    plan_ = std::move(plan);
    replan_ = std::move(replan);
    {
        const QSignalBlocker quiet(Check1);
        Check1->setChecked(false);
    }
    Check1->setVisible(!plan_.known.isEmpty());
    showCurrentPlan();
}

void frmImport::Check1_Click() {
    if (replan_) plan_ = replan_(Check1->isChecked());
    showCurrentPlan();
}

void frmImport::showCurrentPlan() {
    QString known;
    if (!plan_.known.isEmpty() && !Check1->isChecked())
        known = tr(", %1 already in the vault").arg(count(plan_.known.size()));
    Label1->setText(
        tr("%1 (%2 file): %3 can be imported%4, %5 left out.")
            .arg(QFileInfo(fileName_).fileName(), plan_.format,
                 grouped(tr("%n entries", nullptr, int(plan_.entries.size())), plan_.entries.size()), known,
                 grouped(tr("%n rows are", nullptr, int(plan_.refused.size())), plan_.refused.size())));
    List1->clear();
    QHash<QString, QString> created;
    for (const transfer::NewCategory& category : plan_.newCategories)
        created.insert(category.name, category.reason.isEmpty() ? tr("new category")
                                                                : tr("new category: ") + category.reason);
    const QMap<QString, int> counts = plan_.perCategory();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        auto* row = new QTreeWidgetItem(List1, {it.key(), count(it.value()), created.value(it.key())});
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        for (const QString& column : plan_.columnTitles.value(it.key()))
            (new QTreeWidgetItem(row, {column}))->setFirstColumnSpanned(true);
        row->setExpanded(true);
    }
    List2->clear();
    for (const transfer::RefusedRow& row : plan_.refused)
        List2->addItem(tr("Line %1: %2").arg(row.line).arg(row.reason));
    if (!Check1->isChecked())
        for (const transfer::KnownRow& row : plan_.known)
            List2->addItem(tr("Line %1: \"%2\" (%3) is already in the vault.")
                               .arg(row.line)
                               .arg(row.description, row.category));
    if (List2->count() == 0) List2->addItem(tr("None: every row can be stored."));
    Command21->setEnabled(!plan_.entries.isEmpty());
    Command21->setDefault(!plan_.entries.isEmpty()); // Enter imports
    (plan_.entries.isEmpty() ? static_cast<QWidget*>(Command2) : Command21)->setFocus();
}

void frmImport::Command21_Click() {
    if (plan_.entries.isEmpty()) return;
    if (!importPlannedEntries(plan_)) return;
    const qsizetype added = plan_.entries.size();
    unload<frmImport>();
    afterImport();
    platform().messageBox(tr("Success"),
                          grouped(tr("%n entries successfully imported.", nullptr, int(added)), added),
                          MsgIcon::Information);
}

void frmImport::Command2_Click() {
    unload<frmImport>();
}
