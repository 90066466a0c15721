#include "traylock.h"

#include "clipboard.h"
#include "colours.h"
#include "forms.h"
#include "mainwindowport.h"
#include "picturebox.h"
#include "platform.h"
#include "store/vault.h"
#include "store/vaultkey.h"
#include "twips.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>
#include <utility>

namespace {

constexpr char CoverName[] = "lockCover";

// The panel laid over the locked main window where there is no tray: nothing of the entries
// shows through, and a click on it is the way back.
class LockCover final : public QWidget {
public:
    explicit LockCover(QWidget* parent) : QWidget(parent) {
        setObjectName(QLatin1String(CoverName));
        setFocusPolicy(Qt::StrongFocus);
        setAutoFillBackground(true);
        colours::setTextOn(this, colours::valueText(), colours::valueBackground());
        setCursor(Qt::PointingHandCursor);
        auto* layout = new QVBoxLayout(this);
        auto* picture = new PictureBox(this, QStringLiteral("lock"));
        picture->setFixedSize(twips::toPx(960), twips::toPx(960));
        auto* text = new QLabel(
            QCoreApplication::translate("TrayLock", "Quorlane is locked. Click here to unlock."), this);
        text->setObjectName(QStringLiteral("lockCoverText"));
        text->setAlignment(Qt::AlignCenter);
        setAccessibleName(text->text());
        layout->addStretch();
        layout->addWidget(picture, 0, Qt::AlignHCenter);
        layout->addWidget(text);
        layout->addStretch();
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QWidget::mouseReleaseEvent(event);
        unlock();
    }
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
            unlock();
        else
            QWidget::keyPressEvent(event);
    }

private:
    // The way back of a click on the tray icon, once this event is done.
    static void unlock() {
        QMetaObject::invokeMethod(
            &trayLock(), [] { trayLock().activated(QSystemTrayIcon::Trigger); }, Qt::QueuedConnection);
    }
};

} // namespace

TrayLock& trayLock() {
    static QPointer<TrayLock> instance;
    if (!instance) instance = new TrayLock(QCoreApplication::instance());
    return *instance;
}

TrayLock::TrayLock(QObject* parent) : QObject(parent) {}

void TrayLock::reset() {
    enableControls();
    locked_ = false;
    discarded_.clear();
}

void TrayLock::lock() {
    if (locked_) return;
    // A save under way finishes first: never a half-written entry. (Its progress window lets
    // timers run, so the idle lock can come while it works.)
    if (vaultOperationRunning()) {
        platform().after(250, [this] { lock(); });
        return;
    }
    locked_ = true;
    QWidget& main = mainWindow().widget();
    if (discardedWorkProbe_) discarded_ = discardedWorkProbe_();
    closeSecondaryWindows();
    mainWindow().emptyForLock();
    clearCopiedValue();
    // Locked, the vault's key is gone; the login that unlocks derives it again.
    forgetVaultKey();
    disableControls(main);
    // Only the main window's exit ends the program; a window closed while it is hidden does not.
    QApplication::setQuitOnLastWindowClosed(false);
    if (platform().trayAvailable()) {
        main.hide();
        platform().setTrayReceiver(
            [](int reason) { trayLock().activated(static_cast<QSystemTrayIcon::ActivationReason>(reason)); });
        platform().trayShow(QStringLiteral("Quorlane"));
        return;
    }
    cover(main);
    main.showMinimized();
}

void TrayLock::closeSecondaryWindows() {
    QWidget* main = &mainWindow().widget();
    // The program's own windows, the print preview kept hidden among them: unloaded without their
    // questions (an editor's typing is dropped; discarded_ says so after the unlock).
    unloadFormsExcept({main});
    // Message boxes, file and print dialogs: closed as Cancel or No, so the code that asked goes
    // on as after a refusal; menus close.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == main || !window->isVisible()) continue;
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->done(QDialog::Rejected);
        else
            window->close();
    }
}

void TrayLock::disableControls(QWidget& main) {
    // No control answers the keyboard, a mnemonic, a shortcut or an assistive technology while
    // locked, hidden or not; what was enabled comes back on unlock.
    for (QWidget* child : main.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !child->isEnabled() || child == coverOf(main)) continue;
        child->setEnabled(false);
        disabled_.append(child);
    }
}

void TrayLock::enableControls() {
    for (const QPointer<QWidget>& child : std::as_const(disabled_))
        if (child) child->setEnabled(true);
    disabled_.clear();
}

QWidget* TrayLock::coverOf(const QWidget& main) const {
    return main.findChild<QWidget*>(QLatin1String(CoverName), Qt::FindDirectChildrenOnly);
}

void TrayLock::cover(QWidget& main) {
    QWidget* panel = coverOf(main);
    if (!panel) {
        panel = new LockCover(&main);
        main.installEventFilter(this);
    }
    panel->setGeometry(main.rect());
    panel->show();
    panel->raise();
    panel->setFocus();
}

bool TrayLock::covered() const {
    return mainWindowLoaded() && coverOf(mainWindow().widget());
}

bool TrayLock::mainShown() const {
    if (!mainWindowLoaded()) return false;
    const QWidget& main = mainWindow().widget();
    return main.isVisible() && !coverOf(main);
}

void TrayLock::showMainWindow() {
    QWidget& main = mainWindow().widget();
    if (QWidget* panel = coverOf(main)) {
        main.removeEventFilter(this);
        delete panel;
    }
    main.setWindowState(main.windowState() &
                        ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    enableControls();
    main.show();
    main.raise();
    main.activateWindow();
    if (!locked_) return;
    locked_ = false;
    mainWindow().refillAfterLock();
    const QString discarded = std::exchange(discarded_, QString());
    if (!discarded.isEmpty())
        platform().messageBox(QCoreApplication::translate("TrayLock", "Changes Not Saved"), discarded,
                              MsgIcon::Information);
}

bool TrayLock::eventFilter(QObject* watched, QEvent* event) {
    if (mainWindowLoaded() && watched == &mainWindow().widget()) {
        QWidget& main = mainWindow().widget();
        QWidget* panel = coverOf(main);
        if (panel && event->type() == QEvent::Resize) panel->setGeometry(main.rect());
        // Restored from the task bar while locked: the way back of a click on the icon.
        if (panel && event->type() == QEvent::WindowStateChange &&
            (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) &&
            !(main.windowState() & Qt::WindowMinimized))
            QMetaObject::invokeMethod(
                this, [this] { activated(QSystemTrayIcon::Trigger); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
