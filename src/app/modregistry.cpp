#include "modregistry.h"

#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace {

// The settings store for a key path under HKEY_CURRENT_USER. On Windows that is the registry key
// itself; elsewhere "Software\Quorlane" becomes the user's settings file named "Quorlane" (the
// organisation), and any deeper parts of the path become groups inside it.
std::unique_ptr<QSettings> openKey(const QString& keyPath) {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + keyPath,
                                       QSettings::NativeFormat);
#else
    QStringList parts = keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    const QString organisation = parts.isEmpty() ? QStringLiteral("Quorlane") : parts.takeFirst();
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organisation);
    settings->setFallbacksEnabled(false);
    if (!parts.isEmpty()) settings->beginGroup(parts.join(QLatin1Char('/')));
    return settings;
#endif
}

// A value as the store gives it back: a string as it is, a 32-bit number as its decimal digits,
// anything else (or nothing) as empty.
QVariant QueryRegistryValue(const QSettings& key, const QString& valueName) {
    const QVariant value = key.value(valueName);
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return value.toString();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value;
    default:
        return {};
    }
}

} // namespace

void CreateRegistryKey(const QString& keyPath, RegistryRoot) {
    // The store creates the key with its first value; opening it here is all there is to do.
    openKey(keyPath)->sync();
}

QString ReadRegistrySetting(const QString& keyPath, const QString& valueName) {
    return QueryRegistryValue(*openKey(keyPath), valueName).toString();
}

void WriteRegistryValue(const QString& keyPath, const QString& valueName, const QVariant& value, int type) {
    const auto key = openKey(keyPath);
    if (type == 1)
        key->setValue(valueName, value.toString());
    else if (type == 4)
        key->setValue(valueName, qint32(value.toInt()));
    else
        return;
    // The program leaves without unwinding, so every write reaches the store at once.
    key->sync();
}

namespace {

const QString ProgramKey = QLatin1String(setting::Key);

int storedNumber(const QString& valueName, int fallback, int maximum) {
    bool numeric = false;
    const int value = ReadRegistrySetting(ProgramKey, valueName).trimmed().toInt(&numeric);
    return numeric && value >= 0 ? std::min(value, maximum) : fallback;
}

} // namespace

int clipboardClearSeconds() {
    return storedNumber(QLatin1String(setting::ClipboardClearSeconds), DefaultClipboardClearSeconds,
                        MaxClipboardClearSeconds);
}

int idleLockMinutes() {
    return storedNumber(QLatin1String(setting::IdleLockMinutes), DefaultIdleLockMinutes, MaxIdleLockMinutes);
}

void saveTimeoutSettings(int clearSeconds, int idleMinutes) {
    WriteRegistryValue(ProgramKey, QLatin1String(setting::ClipboardClearSeconds), clearSeconds, 4);
    WriteRegistryValue(ProgramKey, QLatin1String(setting::IdleLockMinutes), idleMinutes, 4);
}

void SavePreference(const QString& keyName, const QString& valueName, const QString& data) {
    const QString keyPath = QStringLiteral("Software\\") + keyName;
    CreateRegistryKey(keyPath, RegistryRoot::CurrentUser);
    WriteRegistryValue(keyPath, valueName, data, 1);
}

void saveWindowGeometry(const QWidget& window) {
    WriteRegistryValue(ProgramKey, QLatin1String(setting::MainWindowGeometry),
                       QString::fromLatin1(window.saveGeometry().toBase64()), 1);
}

void restoreWindowGeometry(QWidget& window) {
    const QString stored = ReadRegistrySetting(ProgramKey, QLatin1String(setting::MainWindowGeometry));
    if (!stored.isEmpty()) window.restoreGeometry(QByteArray::fromBase64(stored.toLatin1()));
}
