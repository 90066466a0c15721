#include "passwordgenerator.h"

#include <sodium.h>

#include <array>

namespace passwordgen {
namespace {

struct ClassCharacters {
    Class cls;
    QLatin1String characters;
};

// Printable ASCII only: every one of these is stored and shown back unchanged (the apostrophe
// through its stored substitute).
constexpr std::array<ClassCharacters, 4> Classes = {{
    {Upper, QLatin1String("ABCDEFGHIJKLMNOPQRSTUVWXYZ")},
    {Lower, QLatin1String("abcdefghijklmnopqrstuvwxyz")},
    {Digits, QLatin1String("0123456789")},
    {Symbols, QLatin1String("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~")},
}};

} // namespace

QString alphabet(unsigned classes) {
    QString out;
    for (const ClassCharacters& c : Classes)
        if (classes & c.cls) out += c.characters;
    return out;
}

QString generate(int length, unsigned classes) {
    const QString characters = alphabet(classes);
    if (characters.isEmpty() || length < 1) return {};
    if (sodium_init() < 0) return {};
    int chosen = 0;
    for (const ClassCharacters& c : Classes)
        if (classes & c.cls) ++chosen;
    // Drawn again until every chosen class appears: each allowed password stays equally likely.
    for (;;) {
        QString password(length, Qt::Uninitialized);
        for (QChar& c : password)
            c = characters[qsizetype(randombytes_uniform(uint32_t(characters.size())))];
        if (length < chosen) return password;
        bool complete = true;
        for (const ClassCharacters& c : Classes) {
            if (!(classes & c.cls)) continue;
            bool present = false;
            for (QChar ch : password)
                present = present || c.characters.contains(ch);
            complete = complete && present;
        }
        if (complete) return password;
    }
}

} // namespace passwordgen
