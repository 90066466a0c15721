#include "frmattach.h"

#include "app/colours.h"
#include "app/controls.h"
#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/storable.h"
#include "app/vaultreport.h"
#include "app/windowkit.h"
#include "attachmentlines.h"
#include "frmattachname.h"
#include "store/repository.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace attachments;
using namespace windowkit;

namespace {

constexpr int FormWidth = 8400;
constexpr int FormHeight = 6400;
constexpr int PictureRole = Qt::UserRole;         // a line's picture number
constexpr int DescriptionRole = Qt::UserRole + 1; // a line's description
constexpr int PathRole = Qt::UserRole + 2;        // a line's file

} // namespace

frmAttach::frmAttach() {
    setUpWindow(this, "frmAttach", tr("Attachments"));
    fixSize(this, FormWidth, FormHeight);

    Picture1 = picture(this, "Picture1");
    place(Picture1, 120, 120, 3540, 750);
    Picture3 = picture(this, "Picture3", QStringLiteral("title_attachments"));
    place(Picture3, FormWidth - 2745 - 200, 345, 2745, 300);

    Label4 = label(this, "Label4", tr("Associated Attachments:"));
    place(Label4, 120, 1000, 3400, 255);
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Label1 = label(this, "Label1", tr("Note: Attachments are not encrypted."));
    place(Label1, 3600, 1000, FormWidth - 3600 - 120, 255);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setStyleSheet(
        QStringLiteral("color: %1; font-style: italic;")
            .arg(colours::isDark() ? colours::warningText().name() : QStringLiteral("#8b1a1a")));

    Picture2 = panel(this, "Picture2");
    place(Picture2, 120, 1290, FormWidth - 240, 4320);
    TV1 = named(new QTreeWidget(Picture2), "TV1");
    TV1->setToolTip(tr("Attachment listing."));
    TV1->setColumnCount(1);
    TV1->setHeaderHidden(true);
    TV1->setRootIsDecorated(false);
    TV1->setIconSize(QSize(48, 48));
    TV1->setSelectionMode(QAbstractItemView::SingleSelection);
    TV1->setExpandsOnDoubleClick(false);
    TV1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* frameLayout = new QVBoxLayout(Picture2);
    frameLayout->setContentsMargins(3, 3, 3, 3);
    frameLayout->addWidget(TV1);

    for (int number = 1; number <= PictureCount; ++number)
        ImageList1[std::size_t(number - 1)] =
            QIcon(QStringLiteral(":/pictures/%1.svg").arg(pictureResource(number)));

    Command26 = pictureButton(this, "Command26", "save", tr("Click to SAVE attachments."));
    Command5 = pictureButton(this, "Command5", "add", tr("Click to ADD a new attachment."));
    Command3 = pictureButton(this, "Command3", "delete", tr("Click to DELETE the selected attachment."));
    Command25 = pictureButton(this, "Command25", "close", tr("Click to CLOSE attachments window."));
    const int buttonTop = FormHeight - 640;
    place(Command26, 120, buttonTop, ButtonWidth, ButtonHeight);
    place(Command5, 120 + 675, buttonTop, ButtonWidth, ButtonHeight);
    place(Command3, 120 + 2 * 675, buttonTop, ButtonWidth, ButtonHeight);
    place(Command25, FormWidth - 120 - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);

    connect(Command26, &QPushButton::clicked, this, [this] { Command26_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command25, &QPushButton::clicked, this, [this] { Command25_Click(); });
    connect(TV1, &QTreeWidget::itemDoubleClicked, this, [this] { TV1_DblClick(); });
    onEnterKey(TV1, [this] { TV1_DblClick(); });
    title(Label4, TV1);
}

frmAttach::~frmAttach() = default;

// Load step: the title picture keeps 200 twips from the right edge.
void frmAttach::Form_Load() {
    keepAtRightEdge(this, Picture3);
}

void frmAttach::addLine(const Attachment& attachment) {
    auto* node =
        new QTreeWidgetItem(TV1, QStringList{attachmentLine(attachment.description, attachment.path)});
    node->setData(0, PictureRole, attachment.picture);
    node->setData(0, DescriptionRole, attachment.description);
    node->setData(0, PathRole, attachment.path);
    const int picture = attachment.picture;
    const int shown = picture >= 1 && picture <= PictureCount ? picture : OtherPicture;
    node->setIcon(0, ImageList1[std::size_t(shown - 1)]);
}

QList<Attachment> frmAttach::listedAttachments() const {
    QList<Attachment> listed;
    for (int i = 0; i < TV1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* node = TV1->topLevelItem(i);
        listed << Attachment{node->data(0, DescriptionRole).toString(), node->data(0, PathRole).toString(),
                             pictureOf(node)};
    }
    return listed;
}

int frmAttach::pictureOf(const QTreeWidgetItem* node) {
    return node->data(0, PictureRole).toInt();
}

QTreeWidgetItem* frmAttach::selectedNode() const {
    const QList<QTreeWidgetItem*> selected = TV1->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

// Add button: a file from the file-open dialog, then its description; the line goes to the end
// of the list (the vault changes only when the list is saved).
void frmAttach::Command5_Click() {
    const QString file = platform().chooseFile();
    if (file.trimmed().isEmpty() || file.trimmed() == QLatin1String("*.*")) return;
    // The path is kept exactly as chosen: on a file system that tells letter case apart another
    // case would name another file.
    if (!checkStorable(tr("path of the chosen file"), file, TV1)) return;
    QString description;
    frmAttachName& naming = form<frmAttachName>();
    connect(&naming, &frmAttachName::descriptionChosen, this,
            [&description](const QString& chosen) { description = chosen; });
    platform().showModal(naming);
    // The description window ends by OK or Cancel; still open means it never said OK.
    if (isLoaded<frmAttachName>()) form<frmAttachName>().Command2_Click();
    if (description.isEmpty()) return;
    addLine({upperTrimmed(description), file, pictureForFile(file)});
    TV1->scrollToItem(TV1->topLevelItem(TV1->topLevelItemCount() - 1));
}

// Delete button: takes the selected line off the list, without asking.
void frmAttach::Command3_Click() {
    QTreeWidgetItem* node = selectedNode();
    if (!node || node->text(0).trimmed().isEmpty()) return;
    TV1->hide();
    delete node;
    TV1->show();
    TV1->setFocus();
}

// Save button: the entry's stored attachments are replaced by the list's lines, all in one
// transaction, then the window closes. A failed save leaves the stored attachments as they were
// and the window open.
void frmAttach::Command26_Click() {
    const Result<> saved = store::saveAttachments(mainWindow().shownEntryKey(), listedAttachments());
    if (!saved) return showVaultReport(saved.code());
    unload<frmAttach>();
}

QStringList frmAttach::lineKeys() const {
    QStringList keys;
    for (const Attachment& attachment : listedAttachments())
        keys << attachment.description + QChar(0) + attachment.path + QChar(0) +
                    QString::number(attachment.picture);
    return keys;
}

void frmAttach::rememberStartingList() {
    startingLines_ = lineKeys();
}

bool frmAttach::hasChanges() const {
    return lineKeys() != startingLines_;
}

// Close button, Esc and the close box: the changes since the window opened are dropped, after
// asking when there are any.
void frmAttach::Command25_Click() {
    if (hasChanges() &&
        platform().messageBox(tr("Discard Changes?"),
                              tr("Discard the changes to the attachments of this entry?"), MsgIcon::Question,
                              MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return;
    unload<frmAttach>();
}

void frmAttach::reject() {
    Command25_Click();
}

// Double-click on a line: the file opens with the program the system associates with it.
void frmAttach::TV1_DblClick() {
    const QTreeWidgetItem* node = selectedNode();
    if (!node || node->text(0).trimmed().isEmpty()) return;
    const QString file = node->data(0, PathRole).toString();
    if (!platform().openDocument(file))
        platform().messageBox(tr("Failed Execution"),
                              tr("No associated application found for this type of file."), MsgIcon::Error);
}

void LoadAttachments() {
    frmAttach& window = form<frmAttach>();
    window.TV1->clear();
    const Result<QList<Attachment>> stored = store::attachments(mainWindow().shownEntryKey());
    if (!stored) return showVaultReport(stored.code());
    for (const Attachment& attachment : *stored)
        window.addLine(attachment);
    window.rememberStartingList();
}
