#pragma once

#include <QString>
#include <QVariant>
#include <array>

class QWidget;

// The per-user settings store (the registry on Windows, the user's settings file elsewhere),
// under HKEY_CURRENT_USER "Software\Quorlane". Every operation is silent on failure.

enum class RegistryRoot { CurrentUser };

// Every value the program keeps in the settings store, all under "Software\Quorlane": readers
// and writers name them from here, and the user's guide is checked against this list.
namespace setting {
inline constexpr char Key[] = "Software\\Quorlane";
inline constexpr char Discreet[] = "Discreet";                           // "1": values drawn faintly
inline constexpr char Hide[] = "Hide";                                   // "1": values invisible
inline constexpr char Retries[] = "Retries";                             // the login's retry count
inline constexpr char ClipboardClearSeconds[] = "ClipboardClearSeconds"; // 0: never cleared
inline constexpr char IdleLockMinutes[] = "IdleLockMinutes";             // 0: never locked
inline constexpr char MainWindowGeometry[] = "MainWindowGeometry";       // place, size, maximised
inline constexpr char Language[] = "Language"; // "de", "en", ...: the windows' language; empty: the system's
inline constexpr std::array<const char*, 7> All{
    Discreet, Hide, Retries, ClipboardClearSeconds, IdleLockMinutes, MainWindowGeometry, Language};
} // namespace setting

void CreateRegistryKey(const QString& keyPath, RegistryRoot root = RegistryRoot::CurrentUser);
// The value as text: a string as it is, a 32-bit number as its decimal digits, "" when missing.
QString ReadRegistrySetting(const QString& keyPath, const QString& valueName);
// type 1: a string; type 4: a 32-bit number; other types write nothing.
void WriteRegistryValue(const QString& keyPath, const QString& valueName, const QVariant& value, int type);
// Writes valueName = data under "Software\" + keyName.
void SavePreference(const QString& keyName, const QString& valueName, const QString& data);

// The clipboard and idle settings, kept beside the display preferences as 32-bit numbers. A
// missing or unreadable value reads as its default; 0 means never.
inline constexpr int DefaultClipboardClearSeconds = 20;
inline constexpr int MaxClipboardClearSeconds = 3600;
inline constexpr int DefaultIdleLockMinutes = 5;
inline constexpr int MaxIdleLockMinutes = 1440;
// Seconds until a copied value is taken off the clipboard.
int clipboardClearSeconds();
// Minutes without input until the program locks itself (with a login password set).
int idleLockMinutes();
void saveTimeoutSettings(int clearSeconds, int idleMinutes);

// The main window's place, size and maximised state, kept between runs. Restoring keeps the
// window on a screen and no smaller than its minimum; nothing stored leaves it as it is.
void saveWindowGeometry(const QWidget& window);
void restoreWindowGeometry(QWidget& window);
