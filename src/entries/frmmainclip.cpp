#include "frmmainclip.h"
#include "store/records.h"

#include "app/clipboard.h"
#include "app/controls.h"
#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/windowkit.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

using namespace windowkit;

namespace {

constexpr int WindowWidth = 6720;
constexpr int PanelWidth = WindowWidth - 240;
constexpr int PanelHeight = 3420;
constexpr int ButtonTop = 1110 + PanelHeight + 120;
constexpr int WindowHeight = ButtonTop + 480 + 150;

} // namespace

frmMainClip::frmMainClip() {
    setUpWindow(this, "frmMainClip", tr("Copy to Clipboard"));
    setModal(true);
    fixSize(this, WindowWidth, WindowHeight);

    Shape1 = topBand(this, WindowWidth);
    Picture1 = picture(this, "Picture1", QStringLiteral("banner"));
    place(Picture1, 120, 120, 3540, 750);
    Picture2 = picture(this, "Picture2", QStringLiteral("title_copy"));
    place(Picture2, WindowWidth - 2745 - 200, 570, 2745, 300);

    Picture3 = panel(this, "Picture3");
    place(Picture3, 120, 1110, PanelWidth, PanelHeight);
    Label2 = label(Picture3, "Label2", tr("Select the fields you want to copy:"));
    place(Label2, 150, 150, PanelWidth - 300, 255);
    struct Box {
        QCheckBox** box;
        const char* name;
        const char* caption;
    };
    const Box boxes[] = {
        {&Check1, "Check1", QT_TR_NOOP("Company Name")}, {&Check17, "Check17", QT_TR_NOOP("Company Code")},
        {&Check2, "Check2", QT_TR_NOOP("Address (1)")},  {&Check3, "Check3", QT_TR_NOOP("Address (2)")},
        {&Check4, "Check4", QT_TR_NOOP("City")},         {&Check5, "Check5", QT_TR_NOOP("State / Province")},
        {&Check6, "Check6", QT_TR_NOOP("Zip Code")}};
    int top = 510;
    for (const Box& b : boxes) {
        *b.box = named(new QCheckBox(tr(b.caption), Picture3), b.name);
        place(*b.box, 300, top, PanelWidth - 450, 300);
        (*b.box)->setChecked(*b.box != Check6);
        top += 395;
    }

    Command20 = pictureButton(this, "Command20", "copy",
                              tr("Click to copy the selected entry information to your clipboard."));
    place(Command20, 120, ButtonTop, 580, 480);
    Command4 = pictureButton(this, "Command4", "selectall", tr("Click to select all fields."));
    place(Command4, 120 + 675, ButtonTop, 580, 480);
    Command3 = pictureButton(this, "Command3", "selectnone", tr("Click to deselect all fields."));
    place(Command3, 120 + 2 * 675, ButtonTop, 580, 480);
    Command5 = pictureButton(this, "Command5", "close", tr("Click to close the copy screen."));
    place(Command5, WindowWidth - 120 - 580, ButtonTop, 580, 480);
    Command20->setDefault(true);

    connect(Command20, &QPushButton::clicked, this, [this] { Command20_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
}

frmMainClip::~frmMainClip() = default;

void frmMainClip::Form_Load() {
    keepAtRightEdge(this, Picture2);
}

void frmMainClip::reject() {
    Command5_Click();
}

void frmMainClip::Command5_Click() {
    unload<frmMainClip>();
}

void frmMainClip::Command4_Click() {
    for (QCheckBox* box : {Check1, Check2, Check3, Check4, Check5, Check6, Check17})
        box->setChecked(true);
}

void frmMainClip::Command3_Click() {
    for (QCheckBox* box : {Check1, Check2, Check3, Check4, Check5, Check6, Check17})
        box->setChecked(false);
}

// Copy: one line per ticked box in screen order, each ending in CR LF, with the titles when the
// person wants them.
void frmMainClip::Command20_Click() {
    const std::optional<ShownEntry>& shown = mainWindow().shownEntry();
    if (!shown) return;
    QString text;
    platform().clearClipboard();
    const bool titles =
        platform().messageBox(tr("Copy to Clipboard"), tr("Do you want field titles to accompany the data?"),
                              MsgIcon::Information, MsgButtons::YesNo, MsgAnswer::Yes) == MsgAnswer::Yes;
    // The values as stored, blanks kept, where the view shows them trimmed; the description and
    // the category as the view shows them.
    const EntryValues& stored = shown->entry.stored;
    const std::array<std::pair<const QCheckBox*, QString>, 7> parts = {{
        {Check1, shown->entry.description},
        {Check17, stored.fields[0]},
        {Check2, stored.fields[1]},
        {Check3, stored.fields[2]},
        {Check4, stored.fields[3]},
        {Check5, withCrLf(stored.notes)},
        {Check6, shown->entry.category},
    }};
    for (const auto& [box, value] : parts) {
        if (!box->isChecked()) continue;
        if (titles) text += upperTrimmed(checkTitle(box)) + QStringLiteral(": ");
        text += value + QStringLiteral("\r\n");
    }
    copyToClipboard(text);
    platform().messageBox(tr("Success"), tr("Data successfully copied to your clipboard."),
                          MsgIcon::Information);
}
