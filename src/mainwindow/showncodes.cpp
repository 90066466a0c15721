#include "showncodes.h"

bool ShownCodes::any() const {
    return first() != nullptr;
}

const otp::Setting* ShownCodes::first() const {
    for (const std::optional<otp::Setting>& field : fields)
        if (field) return &*field;
    return notes ? &notes->setting : nullptr;
}

ShownCodes codesOf(const std::array<QString, 4>& values, const std::array<QString, 4>& titles,
                   const QString& notes) {
    ShownCodes codes;
    for (std::size_t i = 0; i < 4; ++i)
        codes.fields[i] = otp::inField(values[i], titles[i]);
    codes.notes = otp::inNotes(notes);
    return codes;
}

QString shownCode(const otp::Setting& setting, qint64 unixSeconds) {
    return QStringLiteral("%1  (%2 s left)")
        .arg(otp::grouped(otp::code(setting, unixSeconds)))
        .arg(otp::secondsLeft(setting, unixSeconds));
}
