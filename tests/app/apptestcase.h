#pragma once

#include "testvault.h"

#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

// A vault test whose per-user settings live in a temporary folder of their own.
class AppTestCase : public VaultTestCase {
    Q_OBJECT
protected:
    // The settings as the user's store holds them ("Software\Quorlane").
    static QVariant stored(const QString& name) { return userStore()->value(name); }
    static void store(const QString& name, const QVariant& value) {
        auto s = userStore();
        if (value.isValid())
            s->setValue(name, value);
        else
            s->remove(name);
        s->sync();
    }
    static bool storeExists() { return QFileInfo::exists(userStore()->fileName()); }

    // The login row(s) of the vault, as stored: RUL, decoded UPass, URetry.
    QStringList loginRow(int row = 0);
    void setLogin(const QString& rul, const QString& password, const QString& retries);

protected slots:
    void init() {
        VaultTestCase::init();
        settingsDir_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_->path());
    }
    void cleanup() {
        VaultTestCase::cleanup();
        settingsDir_.reset();
    }

private:
    static std::unique_ptr<QSettings> userStore() {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("Quorlane"));
    }
    std::unique_ptr<QTemporaryDir> settingsDir_;
};
