#pragma once

#include "store/onetimecode.h"

#include <QString>
#include <array>
#include <optional>

// The one-time code settings of a shown entry: a field holds one when its value is an
// otpauth:// address, or a bare secret under a one-time code title; the notes when one of their
// lines is an otpauth:// address. The view shows their current codes in their place.
struct ShownCodes {
    std::array<std::optional<otp::Setting>, 4> fields;
    std::optional<otp::NotesLine> notes;

    bool any() const;
    // The setting Ctrl+T copies the code of: the first field's, else the notes'.
    const otp::Setting* first() const;
};

ShownCodes codesOf(const std::array<QString, 4>& values, const std::array<QString, 4>& titles,
                   const QString& notes);

// A code as the view shows it, at a moment in seconds since 1970: "123 456  (17 s left)".
QString shownCode(const otp::Setting& setting, qint64 unixSeconds);
