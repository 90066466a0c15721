#include "frmentry.h"
#include "app/strengthbar.h"

#include "app/categorybox.h"
#include "app/colours.h"
#include "app/controls.h"
#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/shortcuts.h"
#include "app/storable.h"
#include "app/twips.h"
#include "app/vaultlock.h"
#include "app/vaultreport.h"
#include "app/vaultwatch.h"
#include "app/windowkit.h"
#include "frmgenerator.h"
#include "frmonetime.h"
#include "maincommands.h"
#include "store/fieldmeaning.h"
#include "store/onetimecode.h"
#include "store/repository.h"
#include "store/text.h"
#include "store/wording.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <array>
#include <functional>

using namespace windowkit;

namespace {

constexpr int WindowWidth = 8100;
constexpr int WindowHeight = 7530;
constexpr int PanelWidth = WindowWidth - 240;
constexpr int BoxLeft = 150;
constexpr int BoxWidth = PanelWidth - 2 * BoxLeft;

qsizetype chars(const QString& text) {
    return text::characterCount(text);
}

// A paste that would make a box longer than it takes, or that holds a character the vault
// cannot keep, is refused with a message naming the box; the box keeps what it had.
bool pasteAccepted(QWidget* box, const QString& name, const QString& pasted, qsizetype resulting, int limit) {
    if (resulting > limit) {
        platform().messageBox(frmEntry::tr("Too Long"),
                              frmEntry::tr("The %1 takes at most %2; with the pasted text it would hold %3.\n"
                                           "Nothing has been pasted.")
                                  .arg(name, grouped(frmEntry::tr("%n characters", nullptr, limit), limit),
                                       TextLocale.toString(resulting)),
                              MsgIcon::Error);
        box->setFocus();
        return false;
    }
    return checkStorable(name, pasted, box);
}

// A one-line value box: takes at most its limit; a paste (keys, menu or drop) that does not fit
// is refused whole.
class ValueBox final : public QLineEdit {
public:
    ValueBox(QWidget* parent, std::function<QString()> name) : QLineEdit(parent), name_(std::move(name)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Paste)) return pasteText(platform().clipboardText());
        QLineEdit::keyPressEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu* menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        for (QAction* action : menu->actions())
            if (action->objectName() == QLatin1String("edit-paste")) {
                action->disconnect();
                connect(action, &QAction::triggered, this, [this] { pasteText(platform().clipboardText()); });
            }
        menu->popup(event->globalPos());
    }
    void dropEvent(QDropEvent* event) override {
        const QString text = event->mimeData()->text();
        if (!pasteAccepted(this, name_(), text, chars(QLineEdit::text()) + chars(text),
                           frmEntry::FieldLimit)) {
            event->ignore();
            return;
        }
        QLineEdit::dropEvent(event);
    }

private:
    void pasteText(const QString& text) {
        if (isReadOnly()) return;
        const qsizetype resulting = chars(QLineEdit::text()) - chars(selectedText()) + chars(text);
        if (pasteAccepted(this, name_(), text, resulting, frmEntry::FieldLimit)) insert(text);
    }

    std::function<QString()> name_;
};

// The notes box: takes line breaks, and from the keyboard no more than its limit (text that the
// program puts in is never cut); a paste that does not fit is refused whole.
class NotesBox final : public QPlainTextEdit {
public:
    NotesBox(QWidget* parent, int limit, std::function<QString()> name)
        : QPlainTextEdit(parent), limit_(limit), name_(std::move(name)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        withinLimit([&] { QPlainTextEdit::keyPressEvent(event); });
    }
    void insertFromMimeData(const QMimeData* source) override {
        const QString pasted = source->text();
        // Counted as the user sees characters: a line break (CR LF too) is one.
        const qsizetype resulting = length() - chars(textCursor().selectedText()) + chars(pasted);
        if (pasteAccepted(this, name_(), pasted, resulting, std::max(limit_, length())))
            QPlainTextEdit::insertFromMimeData(source);
    }

private:
    int length() const { return int(text::characterCount(toPlainText())); }

    // Runs an edit, then takes back what it typed beyond the limit (the characters just before
    // the cursor, where the edit left it).
    template <class Edit> void withinLimit(Edit edit) {
        const int allowed = std::max(limit_, length());
        edit();
        const int excess = length() - allowed;
        if (excess <= 0) return;
        QTextCursor cursor = textCursor();
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, excess);
        cursor.removeSelectedText();
    }

    int limit_;
    std::function<QString()> name_;
};

QFont boxFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(twips::scaledPointSize(9));
    return font;
}

void styleBox(QWidget* box) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colours::valueBackground());
    p.setColor(QPalette::Text, colours::valueText());
    box->setPalette(p);
    box->setFont(boxFont());
}

QLineEdit* valueBox(QWidget* parent, const char* name, const QString& tip, std::function<QString()> boxName) {
    auto* box = named(new ValueBox(parent, std::move(boxName)), name);
    limitCharacters(box, frmEntry::FieldLimit);
    box->setToolTip(tip);
    styleBox(box);
    return box;
}

// How the refusal of an unstorable character names a box: its title without the colon, or
// the box's design title while the category gives none.
QString fieldName(const QLabel* title, const char* designTitle) {
    QString name = title->text().trimmed();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    if (name.trimmed().isEmpty()) name = frmEntry::tr(designTitle);
    return frmEntry::tr("%1 field").arg(name.trimmed());
}

void refuse(const QString& title, const QString& prompt, QWidget* focus) {
    platform().messageBox(title, prompt, MsgIcon::Error);
    focus->setFocus();
}

} // namespace

frmEntry::frmEntry() {
    setUpWindow(this, "frmEntry", tr("Add Entry"));
    setModal(true);
    fixSize(this, WindowWidth, WindowHeight);

    Shape1 = topBand(this, WindowWidth);
    Picture2 = picture(this, "Picture2", QStringLiteral("banner"));
    place(Picture2, 120, 120, 3540, 750);
    Picture10 = picture(this, "Picture10", QStringLiteral("title_addentry"));
    place(Picture10, WindowWidth - 2745 - 200, 570, 2745, 300);
    Picture9 = picture(this, "Picture9", QStringLiteral("title_editentry"));
    place(Picture9, WindowWidth - 2745 - 200, 570, 2745, 300);
    Picture9->hide();

    // Field panel
    Picture7 = panel(this, "Picture7");
    place(Picture7, 120, 1110, PanelWidth, 5580);
    Label9 = label(Picture7, "Label9", tr("Category:"));
    place(Label9, BoxLeft, 195, 900, 255);
    Combo1 = named(new QComboBox(Picture7), "Combo1");
    Combo1->setToolTip(tr("Category selection."));
    place(Combo1, 1050, 150, 3600, 330);
    Command6 = pictureButton(Picture7, "Command6", "category", tr("Click to open category editor."));
    place(Command6, 4740, 120, 480, 400);
    Command6->setIconSize(QSize(twips::toPx(480) - 10, twips::toPx(400) - 8));
    Command7 = pictureButton(Picture7, "Command7", "generate", tr("Generate a password."));
    place(Command7, 5310, 120, 480, 400);
    Command7->setIconSize(Command6->iconSize());
    Picture8 = picture(Picture7, "Picture8", QStringLiteral("cat_default"));
    Picture8->setToolTip(tr("Category image."));
    place(Picture8, PanelWidth - 1020, 90, 870, 870);

    struct Row {
        QLabel** title;
        const char* titleName;
        const char* caption;
        QLineEdit** box;
        const char* boxName;
    };
    const Row rows[] = {{&Label1, "Label1", QT_TR_NOOP("Description:"), &Text2, "Text2"},
                        {&Label4, "Label4", QT_TR_NOOP("User Defined Field (1)"), &Text1, "Text1"},
                        {&Label2, "Label2", QT_TR_NOOP("User Defined Field (2)"), &Text3, "Text3"},
                        {&Label3, "Label3", QT_TR_NOOP("User Defined Field (3)"), &Text4, "Text4"},
                        {&Label5, "Label5", QT_TR_NOOP("User Defined Field (4)"), &Text5, "Text5"}};
    int top = 1000;
    for (const Row& row : rows) {
        *row.title = label(Picture7, row.titleName, tr(row.caption));
        place(*row.title, BoxLeft, top, BoxWidth, 240);
        QLabel* title = *row.title;
        const char* designTitle = row.caption;
        *row.box = valueBox(Picture7, row.boxName, tr(row.caption),
                            [title, designTitle] { return fieldName(title, designTitle); });
        place(*row.box, BoxLeft, top + 240, BoxWidth, 315);
        top += 620;
    }
    strength = new StrengthBar(Picture7);
    Label8 = label(Picture7, "Label8", tr("Notes:"));
    place(Label8, BoxLeft, top, BoxWidth, 240);
    Text6 =
        named(new NotesBox(Picture7, NotesLimit, [this] { return fieldName(Label8, QT_TR_NOOP("Notes")); }),
              "Text6");
    Text6->setToolTip(tr("Notes:"));
    Text6->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text6->setTabChangesFocus(true);
    styleBox(Text6);
    place(Text6, BoxLeft, top + 240, BoxWidth, 5580 - (top + 240) - 150);

    // Below the panel
    Check1 = named(new QCheckBox(tr("&Display information discreetly."), this), "Check1");
    Check1->setToolTip(tr("Select to discreetly view information."));
    place(Check1, 180, 6900, 4200, 300);
    cmdOneTime = captionButton(this, "cmdOneTime", tr("One-&time code..."), "key", 300,
                               tr("Set up a one-time code (TOTP) for this entry."));
    place(cmdOneTime, 4440, 6840, 2160, 480);
    Command21 = pictureButton(this, "Command21", "save", tr("Save entry."));
    place(Command21, WindowWidth - 120 - 580 - 675, 6840, 580, 480);
    Command2 = pictureButton(this, "Command2", "close", tr("Close entry form."));
    place(Command2, WindowWidth - 120 - 580, 6840, 580, 480);

    tabOrder({Combo1, Text2, Text1, Text3, Text4, Text5, Text6, Check1, cmdOneTime, Command21, Command2});
    title(Label9, Combo1);
    for (const Row& row : rows)
        nameByTooltip(*row.box, titleWords(QLatin1String(row.caption)));
    nameByTooltip(Text6, titleWords(Label8->text()));

    // Events
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    // Typed letters pick the category as they come; the focus moves on when the typing pauses,
    // or at once on Enter.
    typingPause_ = new QTimer(this);
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(QApplication::keyboardInputInterval());
    connect(typingPause_, &QTimer::timeout, this, [this] {
        typingCategory_ = false;
        if (Combo1->hasFocus() && !Combo1->currentText().trimmed().isEmpty()) Text2->setFocus();
    });
    Combo1->installEventFilter(this);
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    shortcut(Command7, keysOf(Shortcut::Generate));
    connect(cmdOneTime, &QPushButton::clicked, this, [this] { cmdOneTime_Click(); });
    connect(Command21, &QPushButton::clicked, this, [this] { Command21_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    // Enter moves down through the one-line boxes; the notes take it as a line break.
    const std::array<QWidget*, 6> order = {Text2, Text1, Text3, Text4, Text5, Text6};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget* next = order[i + 1];
        onEnterKey(order[i], [next] { next->setFocus(); });
    }
}

frmEntry::~frmEntry() = default;

void frmEntry::Form_Load() {
    keepAtRightEdge(this, Picture9);
    keepAtRightEdge(this, Picture10);
}

bool frmEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Combo1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (typingCategory_) {
                typingPause_->stop();
                typingCategory_ = false;
                if (!Combo1->currentText().trimmed().isEmpty()) Text2->setFocus();
                return true;
            }
        } else if (!key->text().isEmpty() && key->text().at(0).isPrint() &&
                   !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            typingCategory_ = true;
            typingPause_->start();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmEntry::Command7_Click() {
    const std::array<QLineEdit*, 4> boxes = {Text1, Text3, Text4, Text5};
    std::array<QString, 4> titles;
    const std::array<QLabel*, 4> labels = {Label4, Label2, Label3, Label5};
    for (std::size_t i = 0; i < 4; ++i)
        titles[i] = titleWords(labels[i]->text());
    // Before a category is chosen the boxes have no titles that say what they hold.
    const int secret =
        Combo1->currentText().trimmed().isEmpty() ? -1 : fieldOfMeaning(titles, FieldMeaning::Secret);
    frmGenerator& generator = form<frmGenerator>();
    generator.offerFields(QStringList(titles.begin(), titles.end()), secret);
    generator.use = [boxes](const QString& password, int field) {
        QLineEdit* box = boxes[std::size_t(field)];
        box->setText(password);
        box->setFocus();
    };
    platform().showModal(generator);
}

void frmEntry::cmdOneTime_Click() {
    const std::array<QLineEdit*, 4> boxes = {Text1, Text3, Text4, Text5};
    const std::array<QLabel*, 4> labels = {Label4, Label2, Label3, Label5};
    std::array<QString, 4> titles;
    for (std::size_t i = 0; i < 4; ++i)
        titles[i] = titleWords(labels[i]->text());
    const bool categoryChosen = !Combo1->currentText().trimmed().isEmpty();
    int preferred = categoryChosen ? fieldOfMeaning(titles, FieldMeaning::OneTimeCode) : -1;
    // The setting the entry holds already is offered again (to show its QR code or replace it).
    QString current;
    for (std::size_t i = 0; i < 4 && current.isEmpty(); ++i)
        if (otp::inField(boxes[i]->text(), titles[i])) {
            current = boxes[i]->text().trimmed();
            if (preferred < 0) preferred = int(i);
        }
    const std::optional<otp::NotesLine> inNotes = otp::inNotes(Text6->toPlainText());
    if (current.isEmpty() && inNotes) {
        current = Text6->toPlainText().split(QLatin1Char('\n'))[inNotes->line].trimmed();
        if (preferred < 0) preferred = frmOneTime::NotesField;
    }
    // A category without a one-time code field keeps the setting in the notes.
    if (categoryChosen && preferred < 0) preferred = frmOneTime::NotesField;

    frmOneTime& window = form<frmOneTime>();
    window.offer(QStringList(titles.begin(), titles.end()), preferred, current);
    window.use = [this, boxes](const QString& value, int field) {
        if (field < frmOneTime::NotesField) {
            boxes[std::size_t(field)]->setText(value);
            boxes[std::size_t(field)]->setFocus();
            return;
        }
        // In the notes the setting replaces the one there, or comes as a line of its own at the end.
        QStringList lines = Text6->toPlainText().split(QLatin1Char('\n'));
        if (const auto there = otp::inNotes(Text6->toPlainText()))
            lines[there->line] = value;
        else if (lines.size() == 1 && lines.front().isEmpty())
            lines.front() = value;
        else
            lines.append(value);
        Text6->setPlainText(lines.join(QLatin1Char('\n')));
        Text6->setFocus();
    };
    platform().showModal(window);
}

void frmEntry::reject() {
    Command2_Click();
}

void frmEntry::Command2_Click() {
    if (hasChanges() &&
        platform().messageBox(tr("Discard Changes?"), tr("Discard the changes to this entry?"),
                              MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return;
    unload<frmEntry>();
}

std::array<QString, 6> frmEntry::typedTexts() const {
    return {Text2->text(), Text1->text(), Text3->text(), Text4->text(), Text5->text(), Text6->toPlainText()};
}

void frmEntry::rememberStartingValues(const std::optional<EntryValues>& stored) {
    startingTexts_ = typedTexts();
    startingCategory_ = Combo1->currentText();
    stored_ = stored;
    remembered_ = true;
}

bool frmEntry::hasChanges() const {
    return remembered_ && (typedTexts() != startingTexts_ || Combo1->currentText() != startingCategory_);
}

// Category chosen: its image, then its field titles as the boxes' titles and tooltips.
void frmEntry::Combo1_Click() {
    const QString category = Combo1->currentText();
    if (category.trimmed().isEmpty()) return;
    Picture8->setPicture(categoryPicture(categoryPictureNumber(category)));

    const Result<std::optional<CategoryDefinition>> definition =
        store::categoryDefinition(ErrorCode::EditorCategoryTitles, upperTrimmed(category));
    if (!definition) return showVaultReport(definition.code());
    if (const std::optional<CategoryDefinition>& titles = *definition) {
        Label1->setText(titles->shownTitle(CategoryDefinition::Description));
        Label4->setText(titles->shownTitle(CategoryDefinition::Field1));
        Label2->setText(titles->shownTitle(CategoryDefinition::Field2));
        Label3->setText(titles->shownTitle(CategoryDefinition::Field3));
        Label5->setText(titles->shownTitle(CategoryDefinition::Field4));
        Label8->setText(titles->shownTitle(CategoryDefinition::Notes));
        setPlainToolTip(Text2, Label1->text());
        setPlainToolTip(Text1, Label4->text());
        setPlainToolTip(Text3, Label2->text());
        setPlainToolTip(Text4, Label3->text());
        setPlainToolTip(Text5, Label5->text());
        setPlainToolTip(Text6, Label8->text());
    }
    showPasswordStrength();
    // In the middle of typed letters the focus stays: the next letter still belongs to the box.
    if (!typingCategory_) Text2->setFocus();
}

// The strength bar follows the category's password field, on the right of its title's line;
// a category without one shows no bar.
void frmEntry::showPasswordStrength() {
    const std::array<QLabel*, 4> titles = {Label4, Label2, Label3, Label5};
    const std::array<QLineEdit*, 4> boxes = {Text1, Text3, Text4, Text5};
    std::array<QString, 4> texts;
    for (std::size_t i = 0; i < 4; ++i)
        texts[i] = titles[i]->text();
    const int field = fieldOfMeaning(texts, FieldMeaning::Secret);
    if (field < 0) return strength->follow(nullptr);
    const QLabel* title = titles[std::size_t(field)];
    const int width = title->width() / 3;
    strength->setGeometry(title->x() + title->width() - width, title->y() + 1, width, title->height() - 2);
    strength->raise();
    strength->follow(boxes[std::size_t(field)]);
}

// Discreet display: the six boxes' text light grey, otherwise black. The values stay as they are.
void frmEntry::Check1_Click() {
    const QColor colour = Check1->isChecked() ? colours::editorDiscreetText() : colours::valueText();
    for (QWidget* box : std::array<QWidget*, 6>{Text1, Text2, Text3, Text4, Text5, Text6}) {
        QPalette p = box->palette();
        p.setColor(QPalette::Text, colour);
        box->setPalette(p);
    }
}

// Save: category, description, characters the vault can store, a free description; then the
// write, the refilled entry list and, after an add, the filter as it was.
void frmEntry::Command21_Click() {
    MainWindowPort& main = mainWindow();
    const QString filter = main.filterText();

    if (Combo1->currentText().trimmed().isEmpty())
        return refuse(tr("Missing Selection"), tr("You must select a category before saving."), Combo1);
    if (Text2->text().trimmed().isEmpty())
        return refuse(tr("Missing Entry"), tr("You must enter a description before saving."), Text2);

    struct Checked {
        const QLabel* title;
        const char* designTitle;
        QString text;
        QWidget* box;
    };
    const Checked boxes[] = {{Label1, "Description", Text2->text(), Text2},
                             {Label4, "User Defined Field (1)", Text1->text(), Text1},
                             {Label2, "User Defined Field (2)", Text3->text(), Text3},
                             {Label3, "User Defined Field (3)", Text4->text(), Text4},
                             {Label5, "User Defined Field (4)", Text5->text(), Text5},
                             {Label8, "Notes", Text6->toPlainText(), Text6}};
    for (const Checked& box : boxes)
        if (!checkStorable(fieldName(box.title, box.designTitle), box.text, box.box)) return;
    // A field that could not be read stays as stored: the save never writes over it.
    const std::array<bool, 7> unreadable = stored_.value_or(EntryValues{}).keepStored;
    for (std::size_t i = 1; i < 6; ++i) {
        const Checked& box = boxes[i];
        if (unreadable[i] && !box.text.isEmpty())
            return refuse(tr("Unreadable Field"),
                          tr("The %1 could not be read from the vault, so it is kept as stored and "
                             "cannot be changed.\nEmpty it to save the other fields.")
                              .arg(fieldName(box.title, box.designTitle)),
                          box.box);
    }

    // Another program changed the vault since it was read: the main window shows it as it now is
    // and the checks below run against it; a vault that now needs its password again is locked.
    if (showOutsideChange() && vaultEncrypted() && !heldVaultKey()) return;

    if (upperTrimmed(startingDescription) != upperTrimmed(Text2->text()) && IsDuplicateDescription()) {
        QString title = Label1->text();
        title.chop(1);
        return refuse(tr("Duplicate Identity"),
                      tr("This %1 value is already being used.\nPlease enter a new %1.").arg(title), Text2);
    }

    Picture7->hide();
    // The list shows descriptions trimmed; without its outer spaces the saved entry is found again.
    const QString saved = Text2->text().trimmed();
    if (mode == Mode::Adding) {
        AddEntry();
        main.fillEntryList(saved);
        if (!main.chooseFilter(filter)) main.fillEntryList(saved);
    } else {
        const bool updated = UpdateEntry();
        main.fillEntryList(saved);
        // Moved out of the category the filter shows: every category is listed and the saved
        // entry shown, rather than the view going on showing the entry as it was.
        if (updated && !main.hasCurrentEntry() && main.chooseFilter(QString()))
            main.selectEntry(saved, false);
    }
}

EntryValues editorValues(const frmEntry& editor) {
    const std::array<QString, 6> typed = editor.typedTexts();
    // A box the user left alone gives back its stored value exactly; typed notes get the
    // vault's CR LF line breaks.
    const auto value = [&](std::size_t i, const QString& stored) {
        return editor.stored_ && typed[i] == editor.startingTexts_[i] ? stored : typed[i];
    };
    const EntryValues stored = editor.stored_.value_or(EntryValues{});
    EntryValues values{value(0, stored.description),
                       {value(1, stored.fields[0]), value(2, stored.fields[1]), value(3, stored.fields[2]),
                        value(4, stored.fields[3])},
                       editor.stored_ && typed[5] == editor.startingTexts_[5] ? stored.notes
                                                                              : withCrLf(typed[5]),
                       editor.Combo1->currentText()};
    // A value that could not be read is left as stored: a field or the notes always (the save
    // refuses a typed one), the description and the category while the user leaves them alone.
    values.keepStored = stored.keepStored;
    values.asRead = stored.asRead;
    values.keepStored[0] = values.keepStored[0] && typed[0] == editor.startingTexts_[0];
    values.keepStored[6] = values.keepStored[6] && values.category == editor.startingCategory_;
    if (editor.stored_ && values.category == editor.startingCategory_ &&
        upperTrimmed(stored.category) == values.category)
        values.category = stored.category;
    return values;
}

void AddEntry() {
    if (const Result<> saved = store::addEntry(editorValues(form<frmEntry>()), platform().now()); !saved)
        return showVaultReport(saved.code());
    unload<frmEntry>();
    platform().messageBox(frmEntry::tr("Success"), frmEntry::tr("Entry successfully saved."),
                          MsgIcon::Information);
}

bool UpdateEntry() {
    const Result<RowCheck> saved =
        store::updateEntry(form<frmEntry>().editedKey, editorValues(form<frmEntry>()), platform().now());
    if (!saved) {
        showVaultReport(saved.code());
        return false;
    }
    if (*saved != RowCheck::Written) {
        // Writing now would undo what another program saved: the editor closes unsaved.
        unload<frmEntry>();
        showEntryChanged(*saved == RowCheck::Gone);
        return false;
    }
    unload<frmEntry>();
    platform().messageBox(frmEntry::tr("Success"), frmEntry::tr("Entry updated saved."),
                          MsgIcon::Information);
    return true;
}

bool IsDuplicateDescription() {
    const Result<bool> taken = store::isDuplicateDescription(form<frmEntry>().Text2->text());
    if (!taken) {
        showVaultReport(taken.code());
        return true;
    }
    return *taken;
}

QString unsavedEditorNote() {
    if (!isLoaded<frmEntry>() || !form<frmEntry>().hasChanges()) return {};
    const frmEntry& editor = form<frmEntry>();
    if (editor.mode == frmEntry::Mode::Adding)
        return frmEntry::tr("Quorlane locked while you were adding an entry. The new entry was not saved.");
    return frmEntry::tr("Quorlane locked while you were editing \"%1\". Your changes to it were not saved.")
        .arg(editor.startingDescription.trimmed());
}
