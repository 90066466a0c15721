#include "modregistry.h"

#include "modmain.h"

// Placeholder store: nothing is kept between runs yet.
void CreateRegistryKey(const QString&, RegistryRoot) {}

void ReadRegistrySetting(const QString&, const QString&) {
    SettingReadBuffer.clear();
    SettingValue.clear();
}

void WriteRegistryValue(const QString&, const QString&, const QVariant&, int) {}

void SavePreference() {}
