#include "frmmain.h"

#include "app/controls.h"
#include "app/forms.h"
#include "app/modmain.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/twips.h"

#include <QAction>
#include <array>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

// Positions a control in twips relative to its parent.
void place(QWidget* w, int left, int top, int width, int height) { w->setGeometry(twips::toPx(left, top, width, height)); }

template <class T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    return named(new QLabel(caption, parent), name);
}

QFrame* panel(QWidget* parent, const char* name) {
    auto* frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

PictureBox* picture(QWidget* parent, const char* name, const QString& picture = {}) {
    return named(new PictureBox(parent, picture), name);
}

QPushButton* commandButton(QWidget* parent, const char* name, const char* picture, const QString& tip) {
    auto* button = named(new QPushButton(parent), name);
    setButtonPicture(button, QLatin1String(picture));
    button->setIconSize(QSize(twips::toPx(580) - 10, twips::toPx(480) - 8));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

void setTextColour(QWidget* box, const QColor& colour) {
    QPalette p = box->palette();
    p.setColor(QPalette::Text, colour);
    box->setPalette(p);
}

} // namespace

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quorlane"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/appicon.svg")));
    resize(twips::toPx(9930), twips::toPx(7515));

    // Header band
    Shape1 = named(new QFrame(this), "Shape1");
    Shape1->setAutoFillBackground(true);
    Shape1->setStyleSheet(QStringLiteral("#Shape1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                         "stop:0 #dfe7f1, stop:1 #b9c9dd); border-bottom: 1px solid #8aa0bb; }"));
    place(Shape1, -40, -240, 9930 + 1000, 1230);
    Picture2 = picture(this, "Picture2", QStringLiteral("banner"));
    place(Picture2, 50, 110, 3540, 750);
    Label12 = label(this, "Label12", QStringLiteral(" Category:"));
    Combo1 = named(new QComboBox(this), "Combo1");
    Combo1->setToolTip(QStringLiteral("Select category to only view associated items."));
    place(Combo1, 9930 - 3660 - 300, 315, 3660, 330);
    place(Label12, 9930 - 3660 - 300 - 1000, 360, 1000, 255);

    // Main panel
    Picture1 = panel(this, "Picture1");
    place(Picture1, 110, 1080, 9650, 5720);
    Picture4 = named(new QFrame(Picture1), "Picture4");
    place(Picture4, 90, 495, 2991, 4820);
    List1 = named(new QListWidget(Picture4), "List1");
    List1->setSortingEnabled(true);
    place(List1, -10, -10, 2961, 4820);
    picTitle1 = picture(Picture1, "picTitle1", QStringLiteral("title_entries"));
    place(picTitle1, 320, 120, 2745, 300);
    picTitle2 = picture(Picture1, "picTitle2", QStringLiteral("title_details"));
    place(picTitle2, 4900, 120, 2745, 300);

    // Detail pane
    Picture5 = panel(Picture1, "Picture5");
    place(Picture5, 3156, 490, 6369, 4820);
    Picture5->hide();
    Label13 = label(Picture5, "Label13", QStringLiteral("Identification"));
    Label3 = label(Picture5, "Label3", QStringLiteral("Identification"));
    QFont heading = Label3->font();
    heading.setPointSize(12);
    heading.setBold(true);
    Label3->setFont(heading);
    Label13->setFont(heading);
    Label3->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
    Label13->setStyleSheet(QStringLiteral("color: rgb(224, 224, 224);"));
    place(Label13, 75, 75, 5200, 375);
    place(Label3, 90, 90, 5200, 375);
    Label10 = label(Picture5, "Label10", QStringLiteral("NONE"));
    Label10->setStyleSheet(QStringLiteral("background: rgb(255, 255, 192); padding-left: 3px;"));
    place(Label10, 90, 480, 6369 - 965 + 870 - 100, 255);
    Picture6 = picture(Picture5, "Picture6", QStringLiteral("cat_default"));
    place(Picture6, 6369 - 965, 90, 870, 870);
    Picture6->raise();

    QLabel** titles[] = {&Label4, &Label5, &Label6, &Label7};
    QLineEdit** values[] = {&Text1, &Text2, &Text3, &Text4};
    PictureBox** copies[] = {&Picture10, &Picture11, &Picture12, &Picture13};
    QToolButton** launches[] = {&web1, &web2, &web3, &web4};
    const char* titleNames[] = {"Label4", "Label5", "Label6", "Label7"};
    const char* valueNames[] = {"Text1", "Text2", "Text3", "Text4"};
    const char* copyNames[] = {"Picture10", "Picture11", "Picture12", "Picture13"};
    const char* launchNames[] = {"web1", "web2", "web3", "web4"};
    for (int i = 0; i < 4; ++i) {
        const int top = 870 + 540 * i;
        *copies[i] = picture(Picture5, copyNames[i], QStringLiteral("copyfield"));
        place(*copies[i], 90, top, 180, 180);
        *titles[i] = label(Picture5, titleNames[i], QStringLiteral("User Defined Field (%1)").arg(i + 1));
        place(*titles[i], 315, top - 30, 5000, 240);
        *values[i] = named(new QLineEdit(Picture5), valueNames[i]);
        (*values[i])->setReadOnly(true);
        place(*values[i], 90, top + 215, 6114, 285);
        *launches[i] = named(new QToolButton(Picture5), launchNames[i]);
        setButtonPicture(*launches[i], QStringLiteral("launch"));
        (*launches[i])->setIconSize(QSize(twips::toPx(375) - 6, twips::toPx(315) - 6));
        (*launches[i])->setToolTip(QStringLiteral("Launch URL."));
        place(*launches[i], 6369 - 530, top + 200, 375, 315);
        (*launches[i])->hide();
    }
    Picture14 = picture(Picture5, "Picture14", QStringLiteral("copyfield"));
    place(Picture14, 90, 3030, 180, 180);
    Label8 = label(Picture5, "Label8", QStringLiteral("Notes:"));
    place(Label8, 315, 3000, 5000, 240);
    Text5 = named(new QPlainTextEdit(Picture5), "Text5");
    Text5->setReadOnly(true);
    Text5->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(Text5, 90, 3285, 6114, 1370);
    for (PictureBox* copy : {Picture10, Picture11, Picture12, Picture13, Picture14})
        copy->setToolTip(QStringLiteral("Copy this field to your clipboard."));
    for (QWidget* box : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2), static_cast<QWidget*>(Text3),
                         static_cast<QWidget*>(Text4), static_cast<QWidget*>(Text5)}) {
        QPalette p = box->palette();
        p.setColor(QPalette::Base, QColor(176, 176, 176));
        box->setPalette(p);
    }

    // Empty-category panel, in the detail pane's place
    Picture7 = panel(Picture1, "Picture7");
    place(Picture7, 3156, 495, 6369, 4820);
    Picture7->hide();
    Picture8 = picture(Picture7, "Picture8", QStringLiteral("empty"));
    place(Picture8, 6369 / 2 - 4020 / 2 + 150, 4820 / 2 - 1000, 4020, 1350);
    Picture5->raise();

    // Status row
    Label35 = label(Picture1, "Label35", QStringLiteral("0"));
    Label35->setToolTip(
        QStringLiteral("Displays the number of entries within the current category. (Click for graph.)"));
    place(Label35, 90, 5360, 700, 255);
    Label29 = label(Picture1, "Label29", QString());
    Label29->setToolTip(QStringLiteral("Date this entry was last updated."));
    place(Label29, 900, 5390, 2200, 255);
    Check1 = named(new QCheckBox(QStringLiteral("&Display information discreetly."), Picture1), "Check1");
    Check1->setToolTip(QStringLiteral("Select to discreetly view information."));
    place(Check1, 3156, 5360, 2500, 255);
    Check2 = named(new QCheckBox(QStringLiteral("&Hide information."), Picture1), "Check2");
    Check2->setToolTip(QStringLiteral("Select to hide information."));
    place(Check2, 3156 + 2565, 5360, 1800, 255);
    Picture9 = picture(Picture1, "Picture9", QStringLiteral("busy"));
    Picture9->setToolTip(QStringLiteral("Decrypting message."));
    place(Picture9, 9650 - 1855, 5380, 240, 240);
    Picture9->hide();
    Picture17 = picture(Picture1, "Picture17", QStringLiteral("attachment"));
    place(Picture17, 9650 - 405, 5370, 240, 240);
    Picture17->hide();

    // Command bar
    Command2 = commandButton(this, "Command2", "exit", QStringLiteral("Exit Quorlane."));
    Command10 = commandButton(this, "Command10", "new", QStringLiteral("Create a new password entry."));
    Command11 = commandButton(this, "Command11", "edit", QStringLiteral("Edit the selected password entry."));
    Command8 = commandButton(this, "Command8", "delete", QStringLiteral("Delete the selected password entry."));
    Command6 = commandButton(this, "Command6", "lock", QStringLiteral("Click to lock Quorlane to system tray."));
    Command5 = commandButton(this, "Command5", "setup", QStringLiteral("Click to set system parameters."));
    Command13 = commandButton(this, "Command13", "attach", QStringLiteral("View attachments."));
    Command1 = commandButton(this, "Command1", "copy", QStringLiteral("Copy information to the clipboard."));
    Command4 = commandButton(this, "Command4", "print", QStringLiteral("Click to PRINT current entry."));
    Command3 = commandButton(this, "Command3", "search", QStringLiteral("Click to perform a detailed SEARCH."));
    Command22 = commandButton(this, "Command22", "help", QStringLiteral("Click for additional help."));
    const int buttonTop = 7515 - 640;
    int left = 110;
    for (QPushButton* b : {Command2, Command10, Command11, Command8, Command6, Command5}) {
        place(b, left, buttonTop, 580, 480);
        left += 675;
    }
    left = 9930 - 760;
    for (QPushButton* b : {Command22, Command3, Command4, Command1, Command13}) {
        place(b, left, buttonTop, 580, 480);
        left -= 675;
    }

    // Hidden holders
    Label11 = label(this, "Label11", QStringLiteral("Primary Key"));
    Label11->hide();
    Label14 = label(this, "Label14", QStringLiteral("Description Title"));
    Label14->hide();

    // Pop-up menu of the tray icon
    menPopup = named(new QMenu(QStringLiteral("Shutdown"), this), "menPopup");
    menShut = menPopup->addAction(QStringLiteral("Shutdown Quorlane"));
    menShut->setObjectName(QStringLiteral("menShut"));

    // Events
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) List1_Click();
    });
    List1->installEventFilter(this);
    const PictureBox* copyPictures[] = {Picture10, Picture11, Picture12, Picture13, Picture14};
    for (int i = 0; i < 5; ++i) connect(copyPictures[i], &PictureBox::clicked, this, [this, i] { copyField(i + 1); });
    const QToolButton* launchButtons[] = {web1, web2, web3, web4};
    for (int i = 0; i < 4; ++i) connect(launchButtons[i], &QToolButton::clicked, this, [this, i] { launchField(i + 1); });
    QLineEdit* fieldBoxes[] = {Text1, Text2, Text3, Text4};
    for (int i = 0; i < 4; ++i) {
        QWidget* next = i < 3 ? static_cast<QWidget*>(fieldBoxes[i + 1]) : static_cast<QWidget*>(Text5);
        onEnterKey(fieldBoxes[i], [next] { next->setFocus(); });
    }
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
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
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    setValueColour(QColor(176, 176, 176));
    if (platform().twipsPerPixel() == 12) {
        for (QCheckBox* box : {Check1, Check2}) {
            QFont f = box->font();
            f.setPointSize(8);
            box->setFont(f);
        }
        Picture2->move(Picture2->x(), twips::toPx(190));
        Label10->move(Label10->x(), twips::toPx(380));
    }
}

void frmMain::setValueColour(const QColor& colour) {
    for (QWidget* box : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2), static_cast<QWidget*>(Text3),
                         static_cast<QWidget*>(Text4), static_cast<QWidget*>(Text5)})
        setTextColour(box, colour);
}

bool frmMain::hasCurrentEntry() const { return !listText(List1).trimmed().isEmpty(); }

void frmMain::Combo1_Click() {
    if (CategoryEditorShowing()) return;
    const int remembered = List1->currentRow();
    FillEntryList();
    if (!isVisible()) return;
    List1->setFocus();
    setListIndex(List1, remembered < 0 ? 0 : remembered);
}

void frmMain::List1_Click() {
    if (listText(List1).trimmed().isEmpty()) return;
    ShowEntry();
}

void frmMain::List1_KeyDown(int key) {
    if (!listText(List1).trimmed().isEmpty() && key == Qt::Key_Delete && Command8->isEnabled()) Command8_Click();
}

void frmMain::copyField(int field) {
    const QString text = field == 5 ? Text5->toPlainText()
                                    : std::array<QLineEdit*, 4>{Text1, Text2, Text3, Text4}[field - 1]->text();
    platform().setClipboardText(text);
}

void frmMain::launchField(int field) {
    LaunchDocument(std::array<QLineEdit*, 4>{Text1, Text2, Text3, Text4}[field - 1]->text().trimmed());
}

// Exit: the tray icon goes, then the program ends at once.
void frmMain::Command2_Click() { platform().endProgram(); }

void frmMain::menShut_Click() { Command2_Click(); }

void frmMain::Command22_Click() { LaunchDocument(AppFolder + QStringLiteral("/Help.pdf")); }

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Command2_Click();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::KeyPress) List1_KeyDown(static_cast<QKeyEvent*>(event)->key());
    return QWidget::eventFilter(watched, event);
}

void frmMain::Form_Resize() {}
