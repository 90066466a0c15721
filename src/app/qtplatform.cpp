#include "qtplatform.h"
#include "vaultclaim.h"

#include "clipboard.h"
#include "forms.h"
#include "frmlogin.h"
#include "store/vaultkey.h"
#include "traylock.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

QtPlatform::QtPlatform() : tray_(std::make_unique<QSystemTrayIcon>()) {
    tray_->setIcon(QIcon(QStringLiteral(":/pictures/appicon.svg")));
    // Text selected in the program's boxes (a double or triple click on a shown value) goes to
    // the selection; it is marked and taken off again like a copied value.
    QClipboard* clipboard = QGuiApplication::clipboard();
    QObject::connect(clipboard, &QClipboard::selectionChanged, clipboard, [clipboard] {
        if (clipboard->ownsSelection()) selectionMade(clipboard->text(QClipboard::Selection));
    });
}

QtPlatform::~QtPlatform() = default;

MsgAnswer QtPlatform::messageBox(const QString& title, const QString& prompt, MsgIcon icon,
                                 MsgButtons buttons, MsgAnswer defaultButton) {
    // Locked, only the login window speaks: a command that ends after the lock shows nothing
    // and is answered No.
    if (trayLock().locked() && !isLoaded<frmLogin>())
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText); // prompts quote stored values, shown as typed
    box.setText(prompt);
    switch (icon) {
    case MsgIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::None:
        break;
    }
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultButton == MsgAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    QApplication::setOverrideCursor(Qt::ArrowCursor); // also while a busy pointer is up
    const int answer = box.exec();
    QApplication::restoreOverrideCursor();
    if (buttons == MsgButtons::YesNo) return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    return MsgAnswer::Ok;
}

void QtPlatform::showModal(QDialog& dialog) {
    // Locked, no window but the login window opens.
    if (trayLock().locked() && !qobject_cast<frmLogin*>(&dialog)) return;
    dialog.exec();
}

bool QtPlatform::openDocument(const QString& target) {
    // A file that exists opens as a file, its name exactly as given; anything else is taken as
    // a web address.
    if (!target.isEmpty() && QFileInfo::exists(target))
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty()) return false;
    const QUrl url = QUrl::fromUserInput(trimmed);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void QtPlatform::setClipboardData(std::unique_ptr<QMimeData> data) {
    QGuiApplication::clipboard()->setMimeData(data.release());
}

QString QtPlatform::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void QtPlatform::clearClipboard() {
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setSelectionData(std::unique_ptr<QMimeData> data) {
    if (QGuiApplication::clipboard()->supportsSelection())
        QGuiApplication::clipboard()->setMimeData(data.release(), QClipboard::Selection);
}

QString QtPlatform::selectionText() {
    return QGuiApplication::clipboard()->text(QClipboard::Selection);
}

void QtPlatform::clearSelection() {
    QGuiApplication::clipboard()->clear(QClipboard::Selection);
}

QString QtPlatform::chooseFile() {
    return QFileDialog::getOpenFileName(QApplication::activeWindow());
}

QString QtPlatform::chooseFileToOpen(const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, {}, filter);
}

QString QtPlatform::chooseFileToSave(const QString& caption, const QString& suggestedName,
                                     const QString& filter) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggestedName, filter);
}

void QtPlatform::progress(const QString& label, qint64 done, qint64 total) {
    if (done >= total) {
        progress_.reset();
        return;
    }
    if (!progress_) {
        progress_ = std::make_unique<QProgressDialog>(QApplication::activeWindow());
        progress_->setWindowTitle(QStringLiteral("Quorlane"));
        progress_->setWindowModality(Qt::ApplicationModal);
        progress_->setCancelButton(nullptr);
        progress_->setMinimumDuration(300);
        progress_->setRange(0, 1000);
    }
    progress_->setLabelText(label);
    progress_->setValue(total > 0 ? int(done * 1000 / total) : 0); // a modal dialog draws itself here
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool QtPlatform::print(QTextDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    // The person chooses the printer with the ordinary pointer, even while the program is busy.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = dialog.exec();
    QApplication::restoreOverrideCursor();
    if (answer != QDialog::Accepted) return false;
    return printDocument(document, printer);
}

bool printDocument(QTextDocument& document, QPrinter& printer) {
    const QString file = printer.outputFileName();
    if (!file.isEmpty()) {
        // Qt would create the file readable by everyone; an existing file keeps its permissions
        // when it is written again. Either way it is owner-only before the printout goes in.
        constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly, OwnerOnly) || !out.setPermissions(OwnerOnly)) return false;
    }
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

bool QtPlatform::trayAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtPlatform::trayShow(const QString& tip) {
    tray_->setToolTip(tip);
    tray_->show();
}

void QtPlatform::trayHide() {
    tray_->hide();
}

void QtPlatform::setTrayReceiver(std::function<void(int reason)> receiver) {
    QObject::disconnect(tray_.get(), &QSystemTrayIcon::activated, nullptr, nullptr);
    if (!receiver) return;
    QObject::connect(
        tray_.get(), &QSystemTrayIcon::activated,
        [receiver = std::move(receiver)](QSystemTrayIcon::ActivationReason reason) { receiver(reason); });
}

void QtPlatform::popupMenu(QMenu& menu) {
    menu.popup(QCursor::pos());
}

QSize QtPlatform::screenSizeTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const int tpp = twipsPerPixel();
    return screen->size() * tpp;
}

int QtPlatform::twipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return qMax(1, qRound(1440.0 / dpi));
}

QDateTime QtPlatform::now() {
    return QDateTime::currentDateTime();
}

void QtPlatform::after(int ms, std::function<void()> callback) {
    QTimer::singleShot(ms, QCoreApplication::instance(), std::move(callback));
}

bool QtPlatform::modalWindowOpen() {
    return QApplication::activeModalWidget() != nullptr;
}

void QtPlatform::endProgram() {
    forgetVaultKey();
    releaseVaultClaim();
    tray_->hide();
    std::fflush(nullptr);
    std::_Exit(0);
}
