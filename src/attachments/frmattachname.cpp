#include "frmattachname.h"
#include "store/records.h"

#include "app/controls.h"
#include "app/forms.h"
#include "app/platform.h"
#include "app/storable.h"
#include "app/windowkit.h"
#include "attachmentlines.h"
#include "frmattach.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace attachments;
using namespace windowkit;

namespace {

constexpr int FormWidth = 5400;
constexpr int FormHeight = 2130;

} // namespace

frmAttachName::frmAttachName() {
    setUpWindow(this, "frmAttachName", tr("Attachment Description"));
    fixSize(this, FormWidth, FormHeight);

    Picture1 = panel(this, "Picture1");
    place(Picture1, 120, 120, FormWidth - 240, 1200);
    Label4 = label(Picture1, "Label4", tr("Enter a Description for this attachment:"));
    place(Label4, 120, 150, FormWidth - 480, 285);
    Text2 = named(new QLineEdit(Picture1), "Text2");
    title(Label4, Text2);
    Text2->setToolTip(tr("Description of the attachment."));
    limitCharacters(Text2, 50);
    place(Text2, 120, 560, FormWidth - 480, 375);

    Command26 = pictureButton(this, "Command26", "save", tr("Click to SAVE attachment."));
    Command2 = pictureButton(this, "Command2", "cancel", tr("Click here to CANCEL attachment."));
    const int buttonTop = FormHeight - 640;
    place(Command26, 120, buttonTop, ButtonWidth, ButtonHeight);
    place(Command2, FormWidth - 120 - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);

    connect(Command26, &QPushButton::clicked, this, [this] { Command26_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    onEnterKey(Text2, [this] { Command26_Click(); });
}

frmAttachName::~frmAttachName() = default;

void frmAttachName::Form_Load() {}

// OK: a description that is not blank, holds no middle dot, can be stored as typed and is not
// listed yet is handed back, and the window closes.
void frmAttachName::Command26_Click() {
    const QString typed = Text2->text();
    if (typed.trimmed().isEmpty()) {
        Text2->setFocus();
        return;
    }
    if (typed.contains(QChar(MiddleDot))) {
        platform().messageBox(tr("Invalid Character"), tr("Invalid character has been used."),
                              MsgIcon::Error);
        Text2->setFocus();
        return;
    }
    if (!checkStorable(QStringLiteral("description"), typed, Text2)) return;
    const QString description = storedDescription(typed);
    // Compared as it would be listed, so that an apostrophe typed again matches its grave accent.
    for (const Attachment& listed : form<frmAttach>().listedAttachments()) {
        if (upperTrimmed(listed.description) == description) {
            platform().messageBox(tr("Duplicate Found"),
                                  tr("This item already exists! Please enter a different description."),
                                  MsgIcon::Error);
            return;
        }
    }
    emit descriptionChosen(description);
    unload<frmAttachName>();
}

// Cancel: nothing is handed back.
void frmAttachName::Command2_Click() {
    unload<frmAttachName>();
}

void frmAttachName::reject() {
    Command2_Click();
}
