#include "frmsetup.h"

#include "controls.h"
#include "forms.h"
#include "idlelock.h"
#include "loginsession.h"
#include "modmain.h"
#include "modregistry.h"
#include "picturebox.h"
#include "platform.h"
#include "storable.h"
#include "store/repository.h"
#include "store/vaultkey.h"
#include "strengthbar.h"
#include "twips.h"
#include "vaultlock.h"
#include "vaultreport.h"
#include "windowkit.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QValidator>
#include <algorithm>

using namespace windowkit;

namespace {

// One typed character at most; text put in by the program (a stored count) is kept whole.
class OneCharacter final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return input.size() <= 1 ? Acceptable : Invalid; }
};

constexpr int WindowWidth = 5400;
constexpr int WindowHeight = 5900;

} // namespace

short retryCountOf(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const bool negative = i < text.size() && text[i] == QLatin1Char('-');
    if (negative) ++i;
    qint64 number = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
        number = qMin<qint64>(number * 10 + (text[i].unicode() - '0'), 32768);
    return short(std::clamp<qint64>(negative ? -number : number, -32768, 32767));
}

frmSetup::frmSetup() {
    setUpWindow(this, "frmSetup", tr("Setup"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Shape1 = headerBand(this);
    Picture2 = picture(this, "Picture2");
    Picture4 = picture(this, "Picture4", QStringLiteral("gearsmall"));
    picTitle1 = picture(this, "picTitle1", QStringLiteral("title_setup"));

    Picture1 = panel(this, "Picture1");
    Check1 = named(new QCheckBox(tr("Require Password Login"), Picture1), "Check1");
    Check1->setToolTip(tr("Enable to require user login."));
    Picture3 = panel(Picture1, "Picture3");
    Label2 = label(Picture3, "Label2", tr("Enter Password:"));
    Text2 = named(new QLineEdit(Picture3), "Text2");
    Text2->setToolTip(tr("Password."));
    makePasswordBox(Text2, 40);
    // The login password is the vault's key: a weak one is warned about, not refused.
    strength = new StrengthBar(Picture3, tr("%1: weak for the vault key"));
    strength->follow(Text2);
    Label1 = label(Picture3, "Label1", tr("Re-Type Password:"));
    Text1 = named(new QLineEdit(Picture3), "Text1");
    Text1->setToolTip(tr("Confirmation."));
    makePasswordBox(Text1, 40);
    Label3 = label(Picture1, "Label3", tr("Number of retries:"));
    Text3 = named(new QLineEdit(Picture1), "Text3");
    Text3->setToolTip(tr("Retry count."));
    Text3->setValidator(new OneCharacter(Text3));
    Text3->setAlignment(Qt::AlignCenter);
    Command1 = named(new QPushButton(tr("&Reset Password"), Picture1), "Command1");
    Command1->setToolTip(tr("Reset password."));
    Command1->setAutoDefault(false);
    pressOnEnter(Command1);

    Picture5 = panel(this, "Picture5");
    Label4 = label(Picture5, "Label4", tr("Clear copied values after:"));
    clearSeconds = named(new QSpinBox(Picture5), "clearSeconds");
    clearSeconds->setRange(0, MaxClipboardClearSeconds);
    clearSeconds->setSuffix(tr(" seconds", nullptr, 0));
    connect(clearSeconds, &QSpinBox::valueChanged, clearSeconds,
            [box = clearSeconds](int n) { box->setSuffix(tr(" seconds", nullptr, n)); });
    clearSeconds->setToolTip(tr("Seconds until a copied value is taken off the clipboard."));
    Label5 = label(Picture5, "Label5", tr("Lock when idle for:"));
    idleMinutes = named(new QSpinBox(Picture5), "idleMinutes");
    idleMinutes->setRange(0, MaxIdleLockMinutes);
    idleMinutes->setSuffix(tr(" minutes", nullptr, 0));
    connect(idleMinutes, &QSpinBox::valueChanged, idleMinutes,
            [box = idleMinutes](int n) { box->setSuffix(tr(" minutes", nullptr, n)); });
    idleMinutes->setToolTip(
        tr("Minutes without keyboard or mouse input until Quorlane locks itself (with a login "
           "password)."));
    for (QSpinBox* box : {clearSeconds, idleMinutes}) {
        box->setSpecialValueText(tr("Never"));
        box->setAlignment(Qt::AlignRight);
    }

    Command21 = pictureButton(this, "Command21", "save", tr("Save setup parameters."));
    Command2 = pictureButton(this, "Command2", "close", tr("Close Setup menu."));

    tabOrder({Command2, Check1, Text2, Text1, Text3, Command1, clearSeconds, idleMinutes, Command21});
    title(Label2, Text2);
    title(Label1, Text1);
    title(Label3, Text3);
    title(Label4, clearSeconds);
    title(Label5, idleMinutes);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command21, &QPushButton::clicked, this, [this] { Command21_Click(); });
    onEnterKey(Text2, [this] { Text1->setFocus(); });
    onEnterKey(Text1, [this] { Text3->setFocus(); });
    onEnterKey(Text3, [this] { Command21_Click(); });
    onEnterKey(clearSeconds, [this] { idleMinutes->setFocus(); });
    onEnterKey(idleMinutes, [this] { Command21_Click(); });
}

frmSetup::~frmSetup() = default;

void frmSetup::Form_Load() {
    fixSize(this, WindowWidth, WindowHeight);
    place(Shape1, 0, 0, WindowWidth, 1000);
    place(Picture2, 60, 110, 3540, 750);
    place(Picture4, 0, 200, 600, 600);
    // The small picture sits 200 twips from the window's right edge.
    Picture4->move(twips::toPx(WindowWidth - 600 - 200), Picture4->y());
    place(picTitle1, 120, 1090, 2745, 300);
    place(Picture1, 120, 1440, WindowWidth - 240, 2700);
    place(Check1, 180, 150, 3600, 300);
    place(Picture3, 180, 510, WindowWidth - 600, 1400);
    place(Label2, 120, 90, 3000, 240);
    place(Text2, 120, 330, WindowWidth - 840, 315);
    place(strength, 1600, 75, WindowWidth - 840 - 1480, 240);
    place(Label1, 120, 720, 3000, 240);
    place(Text1, 120, 960, WindowWidth - 840, 315);
    place(Label3, 180, 2130, 1700, 255);
    place(Text3, 1900, 2085, 420, 315);
    place(Command1, WindowWidth - 240 - 180 - 2100, 2040, 2100, 405);
    place(Picture5, 120, 4230, WindowWidth - 240, 930);
    place(Label4, 180, 150, 2700, 255);
    place(clearSeconds, 2940, 105, 1980, 315);
    place(Label5, 180, 540, 2700, 255);
    place(idleMinutes, 2940, 495, 1980, 315);
    clearSeconds->setValue(clipboardClearSeconds());
    idleMinutes->setValue(idleLockMinutes());
    place(Command21, 120, WindowHeight - 620, 580, 480);
    place(Command2, WindowWidth - 120 - 580, WindowHeight - 620, 580, 480);
    Command2->setFocus();
}

void frmSetup::showSettings(const LoginSettings& settings) {
    Check1->setChecked(settings.required);
    Text2->setText(settings.password);
    Text1->setText(settings.password);
    Text3->setText(settings.retries);
}

void frmSetup::Command1_Click() {
    Text1->clear();
    Text2->clear();
    Text2->setFocus();
}

void frmSetup::Command2_Click() {
    unload<frmSetup>();
}

void frmSetup::reject() {
    Command2_Click();
}

void frmSetup::Command21_Click() {
    auto refuse = [](const char* title, const char* prompt, QLineEdit* focus) {
        platform().messageBox(tr(title), tr(prompt), MsgIcon::Error);
        focus->setFocus();
    };
    if (Check1->isChecked()) {
        if (Text2->text().trimmed().isEmpty())
            return refuse(QT_TR_NOOP("Missing Password"),
                          QT_TR_NOOP("You must assign a password if you are requiring a user login."), Text2);
        if (Text1->text().trimmed().isEmpty())
            return refuse(QT_TR_NOOP("Confirmation Needed"),
                          QT_TR_NOOP("You must confirm your password before saving."), Text1);
        if (upperTrimmed(Text2->text()) != upperTrimmed(Text1->text())) {
            refuse(QT_TR_NOOP("Confirmation Failed"),
                   QT_TR_NOOP("Passwords did not match. Please re-enter your password."), Text2);
            Text1->clear();
            Text2->clear();
            return;
        }
    } else {
        Text1->clear();
        Text2->clear();
    }
    if (Text2->text().contains(QLatin1Char('\'')))
        return refuse(QT_TR_NOOP("Illegal Character"),
                      QT_TR_NOOP("You cannot use apostrophe's within a password."), Text2);
    if (!checkStorable(tr("password"), Text2->text(), Text2)) return;
    if (!checkStorable(tr("retry count"), Text3->text(), Text3)) return;
    if (retryCountOf(Text3->text()) < 0) {
        Text3->setText(QStringLiteral("0"));
        return refuse(QT_TR_NOOP("Invalid Retry Count"), QT_TR_NOOP("Retry count cannot be less than zero."),
                      Text3);
    }
    SaveSetup();
}

void SaveSetup() {
    frmSetup& setup = form<frmSetup>();
    const bool required = setup.Check1->isChecked();
    const LoginSettings settings{required, required ? setup.Text2->text() : QString(), setup.Text3->text()};
    // Taking the password off an encrypted vault leaves the file readable by anyone: asked first.
    if (!required && heldVaultKey() && !confirmUnprotectedVault()) return;
    // A password becomes the key of a newly encrypted copy, with a new salt.
    std::optional<VaultKey> key;
    if (required) key = deriveLoginKey(settings.password, newVaultSalt());
    if (const Result<> saved = store::saveLoginSettings(settings, key ? &*key : nullptr); !saved) {
        // The settings in memory stay as they were.
        showVaultReport(saved.code());
        return;
    }
    if (key)
        holdVaultKey(std::move(*key));
    else
        forgetVaultKey();
    // With an encrypted vault the key is the check: the password is kept nowhere.
    loginSession().stored = {required, QString(), settings.retries};
    loginSession().password.clear();
    loginSession().retries = retryCountOf(settings.retries);
    saveRetryCountCopy(loginSession().retries);
    saveTimeoutSettings(setup.clearSeconds->value(), setup.idleMinutes->value());
    idleLock().start();
    platform().messageBox(frmSetup::tr("Success"), frmSetup::tr("Parameters successfully updated."),
                          MsgIcon::Information);
    unload<frmSetup>();
}

void ShowSetup(const PictureBox* banner) {
    LoadLoginSettings();
    frmSetup& setup = form<frmSetup>();
    setup.showSettings(loginSession().stored);
    windowkit::copyBanner(banner, setup.Picture2);
    platform().showModal(setup);
}
