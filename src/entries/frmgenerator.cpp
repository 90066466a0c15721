#include "frmgenerator.h"

#include "app/forms.h"
#include "app/platform.h"
#include "app/twips.h"
#include "app/windowkit.h"
#include "passwordgenerator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace windowkit;

namespace {
constexpr int WindowWidth = 6600;
constexpr int WindowHeight = 3720;
} // namespace

frmGenerator::frmGenerator() {
    setUpWindow(this, "frmGenerator", tr("Password Generator"));
    setModal(true);
    fixSize(this, WindowWidth, WindowHeight);

    Picture1 = panel(this, "Picture1", QFrame::Sunken);
    place(Picture1, 120, 120, WindowWidth - 240, 2700);
    Label1 = label(Picture1, "Label1", tr("&Length:"));
    place(Label1, 180, 195, 900, 255);
    Spin1 = named(new QSpinBox(Picture1), "Spin1");
    Spin1->setRange(1, passwordgen::MaxLength);
    Spin1->setValue(passwordgen::DefaultLength);
    Spin1->setToolTip(tr("Number of characters."));
    Label1->setBuddy(Spin1);
    place(Spin1, 1080, 150, 1000, 330);

    struct Choice {
        QCheckBox** box;
        const char* name;
        const char* caption;
    };
    const Choice choices[] = {{&Check1, "Check1", QT_TR_NOOP("&Upper-case letters (A-Z)")},
                              {&Check2, "Check2", QT_TR_NOOP("Lo&wer-case letters (a-z)")},
                              {&Check3, "Check3", QT_TR_NOOP("&Digits (0-9)")},
                              {&Check4, "Check4", QT_TR_NOOP("&Symbols (!#$%&&*+-/:;=?@ ...)")}};
    int top = 600;
    for (const Choice& choice : choices) {
        *choice.box = named(new QCheckBox(tr(choice.caption), Picture1), choice.name);
        (*choice.box)->setChecked(true);
        place(*choice.box, 180, top, 4200, 300);
        connect(*choice.box, &QCheckBox::toggled, this, [this] { Generate(); });
        top += 330;
    }

    Text1 = named(new QLineEdit(Picture1), "Text1");
    Text1->setReadOnly(true);
    Text1->setToolTip(tr("The password made."));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(twips::scaledPointSize(10));
    Text1->setFont(fixed);
    Text1->setAccessibleName(tr("Password made"));
    place(Text1, 180, 2040, WindowWidth - 240 - 360 - ButtonWidth - 120, 400);
    Command1 = pictureButton(Picture1, "Command1", "generate", tr("Make another password."));
    place(Command1, WindowWidth - 240 - 180 - ButtonWidth, 2000, ButtonWidth, ButtonHeight);

    Label2 = label(this, "Label2", tr("&Put it into:"));
    place(Label2, 180, 2955, 1200, 255);
    Combo1 = named(new QComboBox(this), "Combo1");
    Combo1->setToolTip(tr("The field that receives the password."));
    Combo1->setPlaceholderText(tr("Choose a field"));
    Label2->setBuddy(Combo1);
    place(Combo1, 1380, 2910, 2700, 330);

    Command21 = pictureButton(this, "Command21", "save", tr("Use this password."));
    Command2 = pictureButton(this, "Command2", "close", tr("Close without using a password."));
    const int buttonTop = WindowHeight - ButtonHeight - 180;
    place(Command21, WindowWidth - 120 - 2 * ButtonWidth - 120, buttonTop, ButtonWidth, ButtonHeight);
    place(Command2, WindowWidth - 120 - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    Command21->setDefault(true); // Enter takes the password
    tabOrder({Spin1, Check1, Check2, Check3, Check4, Text1, Command1, Combo1, Command21, Command2});

    // Enter in the length box re-reads the length: only another length makes another password,
    // so Enter takes the password shown.
    connect(Spin1, &QSpinBox::valueChanged, this, [this](int length) {
        if (length != madeLength_) Generate();
    });
    connect(Command1, &QPushButton::clicked, this, [this] { Generate(); });
    connect(Command21, &QPushButton::clicked, this, [this] { Command21_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

frmGenerator::~frmGenerator() = default;

void frmGenerator::Form_Load() {
    Generate();
    Spin1->setFocus();
}

void frmGenerator::reject() {
    Command2_Click();
}

void frmGenerator::Generate() {
    unsigned classes = 0;
    if (Check1->isChecked()) classes |= passwordgen::Upper;
    if (Check2->isChecked()) classes |= passwordgen::Lower;
    if (Check3->isChecked()) classes |= passwordgen::Digits;
    if (Check4->isChecked()) classes |= passwordgen::Symbols;
    madeLength_ = Spin1->value();
    Text1->setText(passwordgen::generate(madeLength_, classes));
    Command21->setEnabled(!Text1->text().isEmpty());
}

void frmGenerator::offerFields(const QStringList& titles, int preferred) {
    Combo1->clear();
    Combo1->addItems(titles);
    Combo1->setCurrentIndex(preferred);
}

void frmGenerator::Command21_Click() {
    const QString password = Text1->text();
    if (password.isEmpty()) return;
    if (Combo1->currentIndex() < 0) {
        platform().messageBox(tr("Choose a Field"),
                              tr("This category has no password field. Choose the field the "
                                 "password goes into."),
                              MsgIcon::Information);
        Combo1->setFocus();
        return;
    }
    const int field = Combo1->currentIndex();
    const auto receiver = use;
    unload<frmGenerator>();
    if (receiver) receiver(password, field);
}

void frmGenerator::Command2_Click() {
    unload<frmGenerator>();
}
