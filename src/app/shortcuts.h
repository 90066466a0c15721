#pragma once

#include <QKeyCombination>
#include <array>

// Every keyboard shortcut the program sets up, in one table: the windows take their keys from
// it, and the user's guide is checked against it.

enum class Shortcut {
    Exit,
    NewEntry,
    EditEntry,
    Lock,
    Attachments,
    Print,
    Search,
    Help,
    Breakdown,
    Find,
    Health,
    CopyField1,
    CopyField2,
    CopyField3,
    CopyField4,
    CopyNotes,
    CopyPassword,
    CopyUserName,
    CopyOneTimeCode,
    Generate,
};

struct ShortcutKeys {
    Shortcut command;
    QKeyCombination keys;
};

inline constexpr std::array<ShortcutKeys, 20> Shortcuts{{
    // The main window
    {Shortcut::Exit, Qt::CTRL | Qt::Key_Q},
    {Shortcut::NewEntry, Qt::CTRL | Qt::Key_N},
    {Shortcut::EditEntry, Qt::CTRL | Qt::Key_E},
    {Shortcut::Lock, Qt::CTRL | Qt::Key_L},
    {Shortcut::Attachments, Qt::CTRL | Qt::SHIFT | Qt::Key_A},
    {Shortcut::Print, Qt::CTRL | Qt::Key_P},
    {Shortcut::Search, Qt::CTRL | Qt::Key_F},
    {Shortcut::Help, QKeyCombination(Qt::Key_F1)},
    {Shortcut::Breakdown, Qt::CTRL | Qt::SHIFT | Qt::Key_B},
    {Shortcut::Find, Qt::CTRL | Qt::Key_K},
    {Shortcut::Health, Qt::CTRL | Qt::SHIFT | Qt::Key_H},
    {Shortcut::CopyField1, Qt::CTRL | Qt::Key_1},
    {Shortcut::CopyField2, Qt::CTRL | Qt::Key_2},
    {Shortcut::CopyField3, Qt::CTRL | Qt::Key_3},
    {Shortcut::CopyField4, Qt::CTRL | Qt::Key_4},
    {Shortcut::CopyNotes, Qt::CTRL | Qt::Key_5},
    // The field whose title means password (PIN, code) and the user-name field, wherever they are
    {Shortcut::CopyPassword, Qt::CTRL | Qt::SHIFT | Qt::Key_C},
    {Shortcut::CopyUserName, Qt::CTRL | Qt::Key_B},
    // The current one-time code of the shown entry
    {Shortcut::CopyOneTimeCode, Qt::CTRL | Qt::Key_T},
    // The entry editor
    {Shortcut::Generate, Qt::CTRL | Qt::Key_G},
}};

// The keys of a command.
constexpr QKeyCombination keysOf(Shortcut command) {
    for (const ShortcutKeys& entry : Shortcuts)
        if (entry.command == command) return entry.keys;
    return {};
}
