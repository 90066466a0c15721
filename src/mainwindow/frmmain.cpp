#include "frmmain.h"

#include "app/accessibility.h"
#include "app/clipboard.h"
#include "app/colours.h"
#include "app/controls.h"
#include "app/entrylistmodel.h"
#include "app/forms.h"
#include "app/language.h"
#include "app/modregistry.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/shortcuts.h"
#include "app/twips.h"
#include "app/windowkit.h"
#include "categories/maincommands.h"
#include "store/fieldmeaning.h"
#include "store/locations.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <algorithm>
#include <array>

using namespace windowkit;

namespace {

QString selectedValue(const QWidget* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) return line->selectedText();
    return static_cast<const QPlainTextEdit*>(box)->textCursor().selection().toPlainText();
}

void selectWholeValue(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->selectAll();
    static_cast<QPlainTextEdit*>(box)->selectAll();
}

void deselectValue(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->deselect();
    auto* notes = static_cast<QPlainTextEdit*>(box);
    QTextCursor cursor = notes->textCursor();
    if (!cursor.hasSelection()) return;
    cursor.clearSelection();
    notes->setTextCursor(cursor);
}

// Narrows a caption's font until the caption fits its control: a condensed face first, then
// smaller sizes down to 7 points. sample stands for captions that change.
void fitCaption(QWidget* w, const QString& sample = {}) {
    auto* label = qobject_cast<QLabel*>(w);
    const QString shown = label ? label->text() : QString();
    if (label && !sample.isEmpty()) label->setText(sample);
    QFont f = w->font();
    if (w->sizeHint().width() > w->width()) {
        f.setStretch(QFont::Condensed);
        w->setFont(f);
        while (w->sizeHint().width() > w->width() && f.pointSizeF() > 7) {
            f.setPointSizeF(f.pointSizeF() - 0.5);
            w->setFont(f);
        }
    }
    if (label) label->setText(shown);
}

// A hidden value is never selected (see setValueColour); should a selection still appear, its
// text is drawn in the background colour as well. The focus frame keeps its colour.
void setTextColour(QWidget* box, const QColor& colour, bool hidden) {
    QPalette p = box->palette();
    p.setColor(QPalette::Text, colour);
    const QPalette standard = QApplication::palette(box);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::HighlightedText,
                   hidden ? colour : standard.color(group, QPalette::HighlightedText));
    box->setPalette(p);
}

} // namespace

frmMain::frmMain() {
    using namespace mainlayout::design;
    setUpWindow(this, "frmMain", QStringLiteral("Quorlane"));
    // The person may drag the border to any size down to the design size at the current font.
    setMinimumSize(designSize());
    resize(designSize());

    // Header band
    Shape1 = named(new QFrame(this), "Shape1");
    place(Shape1, -40, -240, ClientWidth + 1000, 1230);
    Picture2 = picture(this, "Picture2", QStringLiteral("banner"));
    place(Picture2, 50, 110, 3540, 750);
    Label12 = label(this, "Label12", tr(" Category:"));
    Label12->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Combo1 = named(new QComboBox(this), "Combo1");
    Combo1->setToolTip(tr("Select category to only view associated items."));
    place(Combo1, ClientWidth - Combo1Width - 300, Combo1Top, Combo1Width, 330);
    place(Label12, ClientWidth - Combo1Width - 1300, Label12Top, 960, 255);

    // Main panel: hidden until the first layout shows it
    Picture1 = panel(this, "Picture1");
    place(Picture1, Picture1Left, Picture1Top, 9650, 5720);
    Picture1->hide();
    // The find row, then the list below it (the order Tab takes too)
    setUpFind();
    Picture4 = named(new QFrame(Picture1), "Picture4");
    place(Picture4, Picture4Left, Picture4Top + FindRowHeight, 2991, 4820 - FindRowHeight);
    List1 = named(new EntryListView(Picture4), "List1");
    place(List1, List1Left, List1Top, 2961, 4820);
    picTitle1 = picture(Picture1, "picTitle1", QStringLiteral("title_entries"));
    place(picTitle1, 320, TitlePictureTop, TitlePictureWidth, 330);
    picTitle2 = picture(Picture1, "picTitle2", QStringLiteral("title_details"));
    place(picTitle2, 4900, TitlePictureTop, TitlePictureWidth, 330);

    // Detail pane
    Picture5 = new EntryView(Picture1);
    place(Picture5, 3156, Picture5Top, 6369, 4820);
    Picture5->setAutoFillBackground(true);
    Picture5->hide();
    const std::array<PictureBox*, 5> copyPictures = Picture5->copyPictures();
    applyColours();

    // Empty-category panel, in the detail pane's place and under it
    Picture7 = panel(Picture1, "Picture7");
    place(Picture7, 3156, Picture7Top, 6369, 4820);
    Picture7->hide();
    Picture8 = picture(Picture7, "Picture8", QStringLiteral("empty"));
    place(Picture8, 1324, 1410, Picture8Width, Picture8Height);
    Picture8->setAccessibleName(tr("No entries in this category"));
    Picture5->raise();

    // Status row
    Label35 = label(Picture1, "Label35", QStringLiteral("0"));
    Label35->setToolTip(tr("Displays the number of entries within the current category. (Click for graph.)"));
    place(Label35, 90, 5360, 780, 255);
    Label29 = label(Picture1, "Label29", QString());
    Label29->setToolTip(tr("Date this entry was last updated."));
    place(Label29, 900, 5390, 2180, 255);
    Check1 = named(new QCheckBox(tr("&Display information discreetly."), Picture1), "Check1");
    Check1->setToolTip(tr("Select to discreetly view information."));
    place(Check1, 3156, 5360, 2535, 255);
    Check2 = named(new QCheckBox(tr("&Hide information."), Picture1), "Check2");
    Check2->setToolTip(tr("Select to hide information."));
    place(Check2, 3156 + 2565, 5360, 1700, 255);
    Picture9 = picture(Picture1, "Picture9", QStringLiteral("busy"));
    Picture9->setToolTip(tr("Decrypting message."));
    place(Picture9, 9650 - 1855, 5380, 240, 240);
    Picture9->hide();
    Picture17 = picture(Picture1, "Picture17", QStringLiteral("attachment"));
    place(Picture17, 9650 - 405, 5370, 240, 240);
    Picture17->hide();
    Picture17->setAccessibleName(tr("View attachments."));
    Picture17->makeCommand();

    // Command bar; the right-hand group follows the window's right edge
    Command2 = pictureButton(this, "Command2", "exit", tr("Exit Quorlane."));
    Command10 = pictureButton(this, "Command10", "new", tr("Create a new password entry."));
    Command11 = pictureButton(this, "Command11", "edit", tr("Edit the selected password entry."));
    Command8 = pictureButton(this, "Command8", "delete", tr("Delete the selected password entry."));
    Command6 = pictureButton(this, "Command6", "lock", tr("Click to lock Quorlane to system tray."));
    Command5 = pictureButton(this, "Command5", "setup", tr("Click to set system parameters."));
    cmdImport = pictureButton(this, "cmdImport", "import",
                              tr("Import passwords from a CSV file (web browsers, KeePassXC, Bitwarden)."));
    cmdExport = pictureButton(this, "cmdExport", "export", tr("Export every entry to a CSV file."));
    cmdHealth =
        pictureButton(this, "cmdHealth", "health", tr("Password health: weak, reused and old passwords."));
    Command13 = pictureButton(this, "Command13", "attach", tr("View attachments."));
    Command1 = pictureButton(this, "Command1", "copy", tr("Copy information to the clipboard."));
    Command4 = pictureButton(this, "Command4", "print", tr("Click to PRINT current entry."));
    Command3 = pictureButton(this, "Command3", "search", tr("Click to perform a detailed SEARCH."));
    Command22 = pictureButton(this, "Command22", "help", tr("Click for additional help."));
    int left = FirstCommandLeft;
    for (QPushButton* b :
         {Command2, Command10, Command11, Command8, Command6, Command5, cmdImport, cmdExport, cmdHealth}) {
        place(b, left, ClientHeight - 640, CommandWidth, CommandHeight);
        left += CommandSpacing;
    }
    for (QPushButton* b : {Command13, Command1, Command4, Command3, Command22})
        place(b, 0, ClientHeight - 640, CommandWidth, CommandHeight);

    // The copy pictures and the entry count are clickable: they take the hand pointer.
    const QCursor hand(QIcon(QStringLiteral(":/pictures/pointer.svg")).pixmap(32, 32), 8, 2);
    for (PictureBox* copy : Picture5->copyPictures())
        copy->setCursor(hand);
    Label35->setCursor(hand);

    // The list's rows all have one height; the layout keeps the list to whole rows.
    List1->entries().setEntries({ListedEntry{std::nullopt, QStringLiteral("M")}});
    listRowHeight_ = List1->sizeHintForRow(0);
    List1->clear();
    layout_ = mainlayout::designLayout(twips::fromPx(listRowHeight_), twips::fromPx(2 * List1->frameWidth()));
    applyLayout(layout_);
    Picture1->hide();

    // Pop-up menu of the tray icon
    menPopup = named(new QMenu(tr("Shutdown"), this), "menPopup");
    menShut = menPopup->addAction(tr("Shutdown Quorlane"));
    menShut->setObjectName(QStringLiteral("menShut"));

    valueMenu = named(new QMenu(this), "valueMenu");
    valueCopy = valueMenu->addAction(tr("&Copy"));
    valueSelectAll = valueMenu->addAction(tr("Select &All"));

    // Events
    // Keyboard and assistive technology: the boxes' titles, the shortcuts of the commands.
    title(Label12, Combo1);
    List1->setAccessibleName(tr("Entries"));
    shortcut(Command2, keysOf(Shortcut::Exit));
    shortcut(Command10, keysOf(Shortcut::NewEntry));
    shortcut(Command11, keysOf(Shortcut::EditEntry));
    shortcut(Command6, keysOf(Shortcut::Lock));
    shortcut(Command13, keysOf(Shortcut::Attachments));
    shortcut(Command4, keysOf(Shortcut::Print));
    shortcut(Command3, keysOf(Shortcut::Search));
    shortcut(Command22, keysOf(Shortcut::Help));
    shortcut(Label35, keysOf(Shortcut::Breakdown), [this] { Label35_Click(); });
    shortcut(cmdHealth, keysOf(Shortcut::Health));
    // One key for the password and one for the user name, whatever field holds them; like the
    // field keys they live on the panel of the copy pictures, so a locked window ignores them.
    auto* secretKeys = new QShortcut(keysOf(Shortcut::CopyPassword), Picture5);
    connect(secretKeys, &QShortcut::activated, this, [this] { copySecret(); });
    auto* userKeys = new QShortcut(keysOf(Shortcut::CopyUserName), Picture5);
    connect(userKeys, &QShortcut::activated, this, [this] { copyUserName(); });
    auto* codeKeys = new QShortcut(keysOf(Shortcut::CopyOneTimeCode), Picture5);
    connect(codeKeys, &QShortcut::activated, this, [this] { copyOneTimeCode(); });
    constexpr std::array<Shortcut, 5> copyKeys{Shortcut::CopyField1, Shortcut::CopyField2,
                                               Shortcut::CopyField3, Shortcut::CopyField4,
                                               Shortcut::CopyNotes};
    for (int i = 0; i < 5; ++i)
        shortcut(copyPictures[std::size_t(i)], keysOf(copyKeys[std::size_t(i)]),
                 [this, i] { copyField(i + 1); });

    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(List1, &EntryListView::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        // The view makes a row current on its own when it gets the focus, without highlighting
        // it: the entry shown is always the one highlighted.
        if (!List1->selectionModel()->isRowSelected(row))
            List1->selectionModel()->select(List1->model()->index(row, 0), QItemSelectionModel::Select);
        List1_Click();
    });
    List1->installEventFilter(this);
    for (int i = 0; i < 5; ++i)
        connect(copyPictures[std::size_t(i)], &PictureBox::clicked, this, [this, i] { copyField(i + 1); });
    const std::array<QToolButton*, 4> launchButtons = Picture5->launchButtons();
    for (int i = 0; i < 4; ++i)
        connect(launchButtons[std::size_t(i)], &QToolButton::clicked, this,
                [this, i] { launchField(i + 1); });
    // Enter in a field's box moves on to the next value box.
    const std::array<QLineEdit*, 4> fieldBoxes = Picture5->fieldBoxes();
    for (std::size_t i = 0; i < 4; ++i) {
        QWidget* next = Picture5->valueBoxes()[i + 1];
        onEnterKey(fieldBoxes[i], [next] { next->setFocus(); });
    }
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(cmdImport, &QPushButton::clicked, this, [this] { cmdImport_Click(); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    connect(cmdHealth, &QPushButton::clicked, this, [this] { cmdHealth_Click(); });
    connect(Command13, &QPushButton::clicked, this, [this] { Command13_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command22, &QPushButton::clicked, this, [this] { Command22_Click(); });
    connect(Picture17, &PictureBox::clicked, this, [this] { Picture17_Click(); });
    onClick(Label35, [this] { Label35_Click(); });
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });
    connect(menShut, &QAction::triggered, this, [this] { menShut_Click(); });

    // The value boxes copy through the clipboard as the copy pictures do, and a hidden value
    // cannot be selected.
    for (QWidget* box : Picture5->valueBoxes()) {
        box->installEventFilter(this);
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this, [this, box] { openValueMenu(box); });
    }
    for (QLineEdit* box : fieldBoxes)
        connect(box, &QLineEdit::selectionChanged, this, [this, box] {
            if (valuesHidden_) box->deselect();
        });
    connect(Picture5->Text5, &QPlainTextEdit::selectionChanged, this, [this] {
        if (valuesHidden_) deselectValue(Picture5->Text5);
    });
    connect(valueCopy, &QAction::triggered, this, [this] {
        if (menuBox_) copyToClipboard(selectedValue(menuBox_));
    });
    connect(valueSelectAll, &QAction::triggered, this, [this] {
        if (menuBox_) selectWholeValue(menuBox_);
    });
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    setValueColour(colours::valueBackground());
    if (platform().twipsPerPixel() == 12) {
        for (QCheckBox* box : {Check1, Check2}) {
            QFont f = box->font();
            f.setPointSize(8);
            box->setFont(f);
        }
        Picture2->move(Picture2->x(), twips::toPx(190));
        Picture5->Label10->move(Picture5->Label10->x(), twips::toPx(380));
    }
    fitCaption(Check1);
    fitCaption(Check2);
    fitCaption(Label29,
               QCoreApplication::translate("EntryView", "Last Updated: ") + QStringLiteral("00/00/0000"));
}

// The colours of the palette in force: light as designed, or their dark variants.
void frmMain::applyColours() {
    Shape1->setStyleSheet(
        colours::headerBandSheet("Shape1", QColor(0xe8, 0xee, 0xf6), QColor(0xbc, 0xcb, 0xde)));
    Picture5->applyColours();
}

void frmMain::setValueColour(const QColor& colour) {
    valuesHidden_ = colour == colours::valueBackground();
    for (QWidget* box : Picture5->valueBoxes()) {
        setTextColour(box, colour, valuesHidden_);
        if (valuesHidden_) deselectValue(box);
    }
}

void frmMain::openValueMenu(QWidget* box) {
    if (valuesHidden_) return;
    menuBox_ = box;
    valueCopy->setEnabled(!selectedValue(box).isEmpty());
    platform().popupMenu(*valueMenu);
}

bool frmMain::hasCurrentEntry() const {
    return !listText(List1).trimmed().isEmpty();
}

void frmMain::Combo1_Click() {
    if (CategoryEditorShowing()) return;
    const int remembered = List1->currentRow();
    fillEntryList();
    if (!isVisible()) return;
    List1->setFocus();
    setListIndex(List1, remembered < 0 ? 0 : remembered);
}

void frmMain::List1_Click() {
    if (listText(List1).trimmed().isEmpty()) return;
    showCurrentEntry();
}

// Delete deletes the current entry, Enter edits it.
void frmMain::List1_KeyDown(int key) {
    if (listText(List1).trimmed().isEmpty()) return;
    if (key == Qt::Key_Delete && Command8->isEnabled()) Command8_Click();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && Command11->isEnabled()) Command11_Click();
}

// The value as stored, blanks kept, though the box shows it trimmed.
void frmMain::copyField(int field) {
    const std::optional<ShownEntry>& shown = Picture5->shown();
    if (!hasCurrentEntry() || !shown) return;
    // A field that holds a one-time code setting copies its current code.
    if (field <= 4)
        if (const auto& setting = Picture5->codes().fields[std::size_t(field - 1)])
            return copyToClipboard(otp::code(*setting, platform().now().toSecsSinceEpoch()));
    const EntryValues& stored = shown->entry.stored;
    copyToClipboard(field == 5 ? withCrLf(stored.notes) : stored.fields[std::size_t(field - 1)]);
}

namespace {
// The shown entry's field (0..3) of a meaning by its category's own titles; -1 when none.
int shownField(const ShownEntry& shown, bool secret) {
    if (!shown.definition) return -1;
    const std::array<QString, 6>& t = shown.definition->titles;
    const std::array<QString, 4> fieldTitles = {t[1], t[2], t[3], t[4]};
    return secret ? fieldOfMeaning(fieldTitles, FieldMeaning::Secret) : userNameField(fieldTitles);
}
} // namespace

void frmMain::copySecret() {
    const std::optional<ShownEntry>& shown = Picture5->shown();
    if (!hasCurrentEntry() || !shown) return;
    if (const int field = shownField(*shown, true); field >= 0) return copyField(field + 1);
    platform().messageBox(tr("No Password Field"),
                          tr("The category %1 has no field whose title says password, PIN or code.\n"
                             "Copy a field with its copy picture or Ctrl+1 to Ctrl+4.")
                              .arg(shown->entry.category),
                          MsgIcon::Information);
}

void frmMain::copyUserName() {
    const std::optional<ShownEntry>& shown = Picture5->shown();
    if (!hasCurrentEntry() || !shown) return;
    if (const int field = shownField(*shown, false); field >= 0) return copyField(field + 1);
    platform().messageBox(tr("No User Name Field"),
                          tr("The category %1 has no field whose title says user name or e-mail.\n"
                             "Copy a field with its copy picture or Ctrl+1 to Ctrl+4.")
                              .arg(shown->entry.category),
                          MsgIcon::Information);
}

void frmMain::copyOneTimeCode() {
    if (!hasCurrentEntry() || !Picture5->shown()) return;
    const otp::Setting* setting = Picture5->codes().first();
    if (!setting)
        return (void)platform().messageBox(tr("No One-Time Code"),
                                           tr("The entry %1 has no one-time code.\n"
                                              "Set one up in the entry editor with One-time code...")
                                               .arg(Picture5->Label3->text()),
                                           MsgIcon::Information);
    copyToClipboard(otp::code(*setting, platform().now().toSecsSinceEpoch()));
}

void frmMain::launchField(int field) {
    LaunchDocument(Picture5->fieldBoxes()[std::size_t(field - 1)]->text().trimmed());
}

// Exit: the tray icon goes, then the program ends at once.
void frmMain::Command2_Click() {
    clearCopiedValue();
    saveWindowGeometry(*this);
    platform().endProgram();
}

void frmMain::menShut_Click() {
    Command2_Click();
}

// Help: the user's guide in the desktop's PDF viewer; when it cannot be shown, where it is.
void frmMain::Command22_Click() {
    const QString guide = deliveredInLanguage(QStringLiteral("Help.pdf"));
    if (platform().openDocument(guide)) return;
    const QString shown = QDir::toNativeSeparators(QFileInfo(guide).absoluteFilePath());
    if (!QFileInfo::exists(guide))
        platform().messageBox(tr("Help"),
                              tr("The user's guide is not installed. It belongs here:\n\n%1").arg(shown),
                              MsgIcon::Error);
    else
        platform().messageBox(tr("Help"),
                              tr("No program to show PDF files was found. The user's guide is "
                                 "this file:\n\n%1\n\nOpen it with any PDF viewer.")
                                  .arg(shown),
                              MsgIcon::Information);
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Command2_Click();
}

QSize frmMain::designSize() const {
    return {twips::toPx(mainlayout::design::ClientWidth), twips::toPx(mainlayout::design::ClientHeight)};
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
    // The desktop changed its palette: the values keep their display in the new colours.
    if (event->type() == QEvent::ApplicationPaletteChange) {
        applyColours();
        setValueColour(valuesHidden_         ? colours::valueBackground()
                       : Check1->isChecked() ? colours::discreetText()
                                             : colours::valueText());
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFind && event->type() == QEvent::KeyPress && findKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        if (listKeyStartsFind(static_cast<QKeyEvent*>(event))) return true;
        // Ctrl+C on the list copies the password, as in other password managers.
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            copySecret();
            return true;
        }
        List1_KeyDown(static_cast<QKeyEvent*>(event)->key());
    }
    // A value box's own copy key.
    const auto boxes = Picture5->valueBoxes();
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        std::find(boxes.begin(), boxes.end(), watched) != boxes.end()) {
        const QString selected = selectedValue(static_cast<QWidget*>(watched));
        if (!selected.isEmpty()) copyToClipboard(selected);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Lays the window out for its outer size (frame and title bar included) and its client area.
// A minimised window has no client area.
void frmMain::Form_Resize() {
    using twips::fromPx;
    QSize outer = frameGeometry().size();
    QSize inner = size();
    if (isMinimized()) {
        outer -= inner;
        inner = QSize(0, 0);
    }
    const mainlayout::LayoutInput input{fromPx(outer.width()),  fromPx(outer.height()),
                                        fromPx(inner.width()),  fromPx(inner.height()),
                                        fromPx(listRowHeight_), fromPx(2 * List1->frameWidth())};
    applyLayout(mainlayout::layOutMainWindow(input, layout_));
}

namespace {
void setLeft(QWidget* w, int left) {
    w->move(twips::toPx(left), w->y());
}
void setTop(QWidget* w, int top) {
    w->move(w->x(), twips::toPx(top));
}
void setWidth(QWidget* w, int width) {
    w->resize(twips::toPx(width), w->height());
}
void setHeight(QWidget* w, int height) {
    w->resize(w->width(), twips::toPx(height));
}
} // namespace

void frmMain::applyLayout(const mainlayout::MainLayout& l) {
    layout_ = l;
    Picture1->hide();
    setWidth(Shape1, l.shape1Width);
    setLeft(Combo1, l.combo1Left);
    setLeft(Label12, l.label12Left);
    for (QPushButton* b : {Command2, Command10, Command8, Command6, Command5, cmdImport, cmdExport, cmdHealth,
                           Command11, Command1, Command4, Command3, Command22, Command13})
        setTop(b, l.commandTop);
    setLeft(Command22, l.command22Left);
    setLeft(Command3, l.command3Left);
    setLeft(Command4, l.command4Left);
    setLeft(Command1, l.command1Left);
    setLeft(Command13, l.command13Left);
    setHeight(Picture1, l.picture1Height);
    setWidth(Picture1, l.picture1Width);
    setWidth(Picture4, l.picture4Width);
    setLeft(Picture5, l.picture5Left);
    setWidth(Picture5, l.picture5Width);
    setLeft(Picture7, l.picture7Left);
    setWidth(Picture7, l.picture7Width);
    setWidth(txtFind, l.picture4Width - mainlayout::design::FindToggleWidth);
    setLeft(chkFindAll,
            mainlayout::design::Picture4Left + l.picture4Width - mainlayout::design::FindToggleWidth + 60);
    setWidth(List1, l.list1Width);
    setHeight(List1, l.list1Height);
    // Whole rows in pixels as well: a font's scale can leave the twips a fraction of a row off.
    if (listRowHeight_ > 0 && l.list1Height > 0) {
        const int frame = 2 * List1->frameWidth();
        List1->resize(List1->width(), (List1->height() - frame) / listRowHeight_ * listRowHeight_ + frame);
    }
    setHeight(Picture4, l.picture4Height);
    setHeight(Picture5, l.picture5Height);
    setHeight(Picture7, l.picture7Height);
    setHeight(Picture5->Text5, l.text5Height);
    setWidth(Picture5->Text5, l.text5Width);
    for (QLineEdit* box : Picture5->fieldBoxes())
        setWidth(box, l.textWidth);
    setTop(Check1, l.check1Top);
    setTop(Check2, l.check2Top);
    setLeft(Check1, l.check1Left);
    setLeft(Check2, l.check2Left);
    Picture9->move(twips::toPx(l.picture9Left), twips::toPx(l.picture9Top));
    Picture17->move(twips::toPx(l.picture17Left), twips::toPx(l.picture17Top));
    setTop(Label35, l.label35Top);
    setTop(Label29, l.label29Top);
    setLeft(Picture5->Picture6, l.picture6Left);
    setLeft(Picture5->Label10, l.label10Left);
    setWidth(Picture5->Label10, l.label10Width);
    setTop(Picture8, l.picture8Top);
    setLeft(Picture8, l.picture8Left);
    setLeft(picTitle1, l.picTitle1Left);
    setLeft(picTitle2, l.picTitle2Left);
    Picture5->setLaunchPlaces(l.webLeft, l.webTextWidth, l.text5Width);
    Picture1->show();
}
