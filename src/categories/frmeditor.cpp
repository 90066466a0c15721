#include "frmeditor.h"

#include "app/controls.h"
#include "app/forms.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/storable.h"
#include "app/vaultreport.h"
#include "app/windowkit.h"
#include "frmcatadd.h"
#include "maincommands.h"
#include "store/repository.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <array>

using namespace windowkit;

namespace {

constexpr int WindowWidth = 7335;
constexpr int WindowHeight = 5940;

const QStringList PresetCategories{QStringLiteral("CREDIT CARD"), QStringLiteral("WEB SITE"),
                                   QStringLiteral("HOME")};

} // namespace

frmEditor::frmEditor() {
    setUpWindow(this, "frmEditor", tr("Category Editor"));
    fixSize(this, WindowWidth, WindowHeight);

    Picture2 = picture(this, "Picture2", QStringLiteral("banner"));
    place(Picture2, 120, 90, 3300, 700);
    Picture1 = picture(this, "Picture1", QStringLiteral("title_editor"));
    place(Picture1, 0, 390, 2745, 300);

    Label9 = label(this, "Label9", tr("Category Listing:"));
    place(Label9, 120, 930, 2900, 255);
    List1 = named(new QListWidget(this), "List1");
    List1->setToolTip(tr("Category listing."));
    place(List1, 120, 1200, 2900, 3720);
    title(Label9, List1);

    Label7 = label(this, "Label7", tr("User-Defined Fields:"));
    place(Label7, 3240, 930, 3900, 255);
    Label4 = label(this, "Label4", tr("Field (1):"));
    Label1 = label(this, "Label1", tr("Field (2):"));
    Label2 = label(this, "Label2", tr("Field (3):"));
    Label3 = label(this, "Label3", tr("Field (4):"));
    Label5 = label(this, "Label5", tr("Field (5):"));
    Label6 = label(this, "Label6", tr("Field (6): (Multi-Line Field)"));
    Text2 = named(new QLineEdit(this), "Text2");
    Text1 = named(new QLineEdit(this), "Text1");
    Text3 = named(new QLineEdit(this), "Text3");
    Text4 = named(new QLineEdit(this), "Text4");
    Text5 = named(new QLineEdit(this), "Text5");
    Text6 = named(new QLineEdit(this), "Text6");
    const std::array<QLabel*, 6> labels{Label4, Label1, Label2, Label3, Label5, Label6};
    const QList<QLineEdit*> boxes = titleBoxes();
    for (int i = 0; i < 6; ++i) {
        const int top = 1200 + i * 620;
        place(labels[i], 3240, top, 3900, 240);
        place(boxes[i], 3240, top + 250, 3900, 315);
        limitCharacters(boxes[i], 50);
        boxes[i]->setToolTip(tr("User-defined field."));
        title(labels[i], boxes[i]);
        // Enter moves on to the next field's box; the notes title's box has no successor.
        if (i < 5) {
            QLineEdit* next = boxes[i + 1];
            onEnterKey(boxes[i], [next] { next->setFocus(); });
        }
    }

    Command10 = pictureButton(this, "Command10", "add", tr("Create a new category."));
    Command11 = pictureButton(this, "Command11", "edit", tr("Edit the selected category."));
    Command8 = pictureButton(this, "Command8", "delete", tr("Delete the selected category."));
    Command2 = pictureButton(this, "Command2", "close", tr("Close category editor."));
    Command21 = pictureButton(this, "Command21", "save", tr("Save field information."));
    Command1 = pictureButton(this, "Command1", "cancel", tr("Cancel."));
    const int buttonTop = WindowHeight - ButtonHeight - 180;
    place(Command10, 120, buttonTop, ButtonWidth, ButtonHeight);
    place(Command11, 120 + 675, buttonTop, ButtonWidth, ButtonHeight);
    place(Command8, 120 + 2 * 675, buttonTop, ButtonWidth, ButtonHeight);
    place(Command2, WindowWidth - 120 - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    Command21->setGeometry(Command10->geometry());
    Command1->setGeometry(Command2->geometry());

    setViewMode(true);

    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
    List1->installEventFilter(this);
    connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command21, &QPushButton::clicked, this, [this] { Command21_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

frmEditor::~frmEditor() = default;

QList<QLineEdit*> frmEditor::titleBoxes() const {
    return {Text2, Text1, Text3, Text4, Text5, Text6};
}

void frmEditor::Form_Load() {
    keepAtRightEdgePixelGap(this, Picture1);
}

// View mode: the four commands and the list; edit mode: save and cancel, the boxes open.
void frmEditor::setViewMode(bool view) {
    viewing_ = view;
    for (QPushButton* b : {Command10, Command11, Command8, Command2})
        b->setVisible(view);
    for (QPushButton* b : {Command21, Command1})
        b->setVisible(!view);
    List1->setEnabled(view);
    for (QLineEdit* box : titleBoxes())
        box->setReadOnly(view);
}

void frmEditor::List1_Click() {
    if (!listText(List1).trimmed().isEmpty()) LoadCategoryDefinition();
}

void frmEditor::List1_KeyDown(int key) {
    if (key == Qt::Key_Delete && !listText(List1).trimmed().isEmpty() && Command8->isEnabled())
        Command8_Click();
}

bool frmEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::KeyPress)
        List1_KeyDown(static_cast<QKeyEvent*>(event)->key());
    return QDialog::eventFilter(watched, event);
}

void frmEditor::Command11_Click() {
    if (listText(List1).trimmed().isEmpty()) return;
    setViewMode(false);
    mode = Mode::EditingTitles;
    startingTitles_ = titleTexts();
}

QStringList frmEditor::titleTexts() const {
    QStringList texts;
    for (const QLineEdit* box : titleBoxes())
        texts << box->text();
    return texts;
}

bool frmEditor::mayDiscardTitles() {
    if (viewing_ || titleTexts() == startingTitles_) return true;
    return platform().messageBox(tr("Discard Changes?"), tr("Discard the changes to these titles?"),
                                 MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No) == MsgAnswer::Yes;
}

void frmEditor::Command1_Click() {
    setViewMode(true);
    LoadCategoryDefinition();
}

void frmEditor::Command21_Click() {
    if (Text2->text().trimmed().isEmpty()) {
        platform().messageBox(tr("Missing Field"),
                              tr("Some data must be entered into Field (1) before saving."), MsgIcon::Error);
        return;
    }
    if (mode == Mode::EditingTitles) SaveCategoryDefinition();
}

void frmEditor::Command10_Click() {
    mode = Mode::CreatingCategory;
    platform().showModal(form<frmCatAdd>());
}

void frmEditor::Command8_Click() {
    const QString name = listText(List1);
    if (name.trimmed().isEmpty()) return;
    if (PresetCategories.contains(name)) {
        platform().messageBox(tr("Preset Category"), tr("You cannot delete this category."), MsgIcon::Error);
        return;
    }
    const MsgAnswer answer = platform().messageBox(
        tr("Confirmation"), tr("Are you sure you want to delete the %1 category?").arg(name),
        MsgIcon::Warning, MsgButtons::YesNo, MsgAnswer::No);
    if (answer == MsgAnswer::Yes) DeleteCategory();
}

void frmEditor::Command2_Click() {
    unload<frmEditor>();
}

// Esc closes the window in view mode and leaves edit mode without saving in edit mode (asking
// first when titles were changed).
void frmEditor::reject() {
    if (viewing_)
        Command2_Click();
    else if (mayDiscardTitles())
        Command1_Click();
}

void frmEditor::closeEvent(QCloseEvent* event) {
    if (!mayDiscardTitles()) return event->ignore();
    event->accept();
    Command2_Click();
}

void RefreshEditorCategories() {
    QListWidget* list = form<frmEditor>().List1;
    {
        const QSignalBlocker blocker(list);
        list->clear();
    }
    const Result<QStringList> names = store::categoryNames(ErrorCode::EditorCategories);
    if (!names) return showVaultReport(names.code());
    const QSignalBlocker blocker(list);
    list->addItems(*names);
    list->setCurrentRow(-1);
}

void frmEditor::LoadCategoryDefinition() {
    const Result<std::optional<CategoryDefinition>> definition =
        store::categoryDefinition(ErrorCode::LoadCategoryDefinition, listText(List1));
    if (!definition) return showVaultReport(definition.code());
    if (!*definition) return;
    const QList<QLineEdit*> boxes = titleBoxes();
    for (int i = 0; i < 6; ++i)
        boxes[i]->setText((*definition)->titles[std::size_t(i)]);
}

void frmEditor::SaveCategoryDefinition() {
    const QList<QLineEdit*> boxes = titleBoxes();
    std::array<QString, 6> titles;
    for (int i = 0; i < 6; ++i) {
        if (!checkStorable(tr("title of Field (%1)").arg(i + 1), boxes[i]->text(), boxes[i])) return;
        titles[std::size_t(i)] = boxes[i]->text();
    }
    const QString name = listText(List1);
    if (const Result<> saved = store::saveCategoryTitles(name, titles); !saved)
        return showVaultReport(saved.code());
    LoadCategoryDefinition();
    const QList<QListWidgetItem*> rows = List1->findItems(name, Qt::MatchFixedString);
    if (!rows.isEmpty()) setListIndex(List1, List1->row(rows.first()));
    Command1_Click();
    platform().messageBox(tr("Success"), tr("Category values successfully updated."), MsgIcon::Information);
}

void frmEditor::DeleteCategory() {
    const Result<CategoryDeletion> deletion = store::deleteCategory(listText(List1));
    if (!deletion) return showVaultReport(deletion.code());
    if (*deletion == CategoryDeletion::InUse) {
        platform().messageBox(tr("Entries Found"),
                              tr("There are entries currently assigned to this category. You must reassign "
                                 "those entries to a different category before this category may be "
                                 "deleted."),
                              MsgIcon::Error);
        return;
    }
    RefreshEditorCategories();
    RefillCategoryBoxes();
    platform().messageBox(tr("Success"), tr("Category successfully deleted."), MsgIcon::Information);
}
