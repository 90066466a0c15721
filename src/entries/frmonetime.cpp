#include "frmonetime.h"

#include "app/forms.h"
#include "app/platform.h"
#include "app/traylock.h"
#include "app/twips.h"
#include "app/windowkit.h"
#include "store/onetimecode.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <memory>
#include <qrencode.h>

using namespace windowkit;

namespace {
constexpr int WindowWidth = 7200;
constexpr int WindowHeight = 6000;
constexpr int QrSize = 3300; // twips

QString WindowTitle() {
    return frmOneTime::tr("One-Time Code");
}

// The QR code of text, black modules on white with the four-module quiet zone, scaled to side
// pixels; a null image when the text does not fit a QR code.
QImage qrImage(const QString& text, int side) {
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code) return {};
    const int quiet = 4;
    QImage image(code->width + 2 * quiet, code->width + 2 * quiet, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1) image.setPixel(x + quiet, y + quiet, 1);
    const int scale = std::max(1, side / image.width());
    return image.scaled(image.width() * scale, image.height() * scale, Qt::IgnoreAspectRatio,
                        Qt::FastTransformation);
}

} // namespace

frmOneTime::frmOneTime() {
    setUpWindow(this, "frmOneTime", WindowTitle());
    setModal(true);
    fixSize(this, WindowWidth, WindowHeight);

    Label1 = label(this, "Label1", tr("&Address (otpauth://...) or secret:"));
    place(Label1, 180, 180, WindowWidth - 360, 255);
    Text1 = named(new QLineEdit(this), "Text1");
    Text1->setToolTip(tr("Paste the otpauth:// address or the secret the service shows."));
    Text1->setMaxLength(1000);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(twips::scaledPointSize(9));
    Text1->setFont(fixed);
    place(Text1, 180, 450, WindowWidth - 360, 330);
    title(Label1, Text1);

    Label2 = label(this, "Label2", {});
    Label2->setWordWrap(true);
    Label2->setTextFormat(Qt::PlainText);
    place(Label2, 180, 870, WindowWidth - 360, 480);

    Label3 = label(this, "Label3", tr("&Put it into:"));
    place(Label3, 180, 1485, 1200, 255);
    Combo1 = named(new QComboBox(this), "Combo1");
    Combo1->setToolTip(tr("The field that keeps the one-time code setting."));
    Combo1->setPlaceholderText(tr("Choose a field"));
    place(Combo1, 1380, 1440, 3000, 330);
    title(Label3, Combo1);

    Picture1 = named(new QLabel(this), "Picture1");
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setToolTip(tr("Scan this with the phone's authenticator app."));
    place(Picture1, 180, 1950, QrSize, QrSize);
    Picture1->hide();

    Command1 = captionButton(this, "Command1", tr("Show &QR code..."), "search", 300,
                             tr("Show the setting as a QR code for a phone."));
    place(Command1, QrSize + 420, 1950, 2400, ButtonHeight);

    Command21 = pictureButton(this, "Command21", "save", tr("Use this one-time code."));
    Command2 = pictureButton(this, "Command2", "close", tr("Close without changing the entry."));
    const int buttonTop = WindowHeight - ButtonHeight - 180;
    place(Command21, WindowWidth - 120 - 2 * ButtonWidth - 120, buttonTop, ButtonWidth, ButtonHeight);
    place(Command2, WindowWidth - 120 - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    Command21->setDefault(true); // Enter uses the setting
    tabOrder({Text1, Combo1, Command1, Command21, Command2});

    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command21, &QPushButton::clicked, this, [this] { Command21_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    showCheck();
}

frmOneTime::~frmOneTime() = default;

void frmOneTime::reject() {
    Command2_Click();
}

void frmOneTime::offer(const QStringList& titles, int preferred, const QString& current) {
    Combo1->clear();
    Combo1->addItems(titles);
    Combo1->addItem(tr("Notes"));
    Combo1->setCurrentIndex(preferred < 0 && !titles.isEmpty() ? -1 : preferred);
    Text1->setText(current);
    Text1->setFocus();
}

void frmOneTime::showCheck() {
    const int round = ++checkRound_;
    const auto parsed = otp::parse(Text1->text());
    QString shown;
    if (const auto* setting = std::get_if<otp::Setting>(&parsed)) {
        const QDateTime clock = platform().now();
        const qint64 now = clock.toSecsSinceEpoch();
        platform().after(1000 - clock.time().msec(), [window = QPointer<frmOneTime>(this), round] {
            if (window && round == window->checkRound_) window->showCheck();
        });
        QString who = setting->issuer;
        if (!setting->account.isEmpty())
            who = who.isEmpty() ? setting->account : QStringLiteral("%1, %2").arg(who, setting->account);
        shown = tr("Code now: %1 (%2 s left)")
                    .arg(otp::grouped(otp::code(*setting, now)))
                    .arg(otp::secondsLeft(*setting, now));
        if (!who.isEmpty()) shown += QStringLiteral(" for ") + who;
    } else if (!Text1->text().trimmed().isEmpty()) {
        shown = std::get<QString>(parsed);
    }
    Label2->setText(shown);
    Command1->setEnabled(std::holds_alternative<otp::Setting>(parsed));
}

void frmOneTime::Text1_Change() {
    // A QR code never stands beside a text it was not made from.
    Picture1->clear();
    Picture1->hide();
    showCheck();
}

void frmOneTime::Command1_Click() {
    if (trayLock().locked()) return;
    const auto parsed = otp::parse(Text1->text());
    const auto* setting = std::get_if<otp::Setting>(&parsed);
    if (!setting) return;
    if (platform().messageBox(tr("Show QR Code"),
                              tr("The QR code holds the secret of this one-time code: anyone who "
                                 "sees it, or a photo of it, can make the codes.\n\nShow it?"),
                              MsgIcon::Warning, MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return;
    // The program may have locked while the question was open.
    if (trayLock().locked()) return;
    const QString text =
        otp::looksLikeAddress(Text1->text()) ? Text1->text().trimmed() : otp::address(*setting);
    Picture1->setPixmap(QPixmap::fromImage(qrImage(text, twips::toPx(QrSize))));
    Picture1->show();
}

void frmOneTime::Command21_Click() {
    const auto parsed = otp::parse(Text1->text());
    if (const auto* reason = std::get_if<QString>(&parsed)) {
        platform().messageBox(WindowTitle(), *reason + tr("\n\nThe entry is unchanged."), MsgIcon::Error);
        Text1->setFocus();
        return;
    }
    if (Combo1->currentIndex() < 0) {
        platform().messageBox(WindowTitle(),
                              tr("This category has no one-time code field. Choose the field "
                                 "the setting goes into."),
                              MsgIcon::Information);
        Combo1->setFocus();
        return;
    }
    // An address is kept as pasted (with any extra parameters); a bare secret becomes one.
    const QString value = otp::looksLikeAddress(Text1->text()) ? Text1->text().trimmed()
                                                               : otp::address(std::get<otp::Setting>(parsed));
    const int field = Combo1->currentIndex();
    const auto receiver = use;
    unload<frmOneTime>();
    if (receiver) receiver(value, field);
}

void frmOneTime::Command2_Click() {
    unload<frmOneTime>();
}
