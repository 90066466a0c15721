// libFuzzer target: a stored value, whatever another tool wrote into the vault, goes through the
// decoder (and, for dtLU, the date reader) without crashing, and plain text of any script comes
// back as it went in through the encoder, in the one-byte form when it fits and otherwise in the
// UTF-8 form that earlier versions read as "ERROR".
#include "store/codec.h"
#include "store/cp1252.h"
#include "store/dates.h"

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// Whether every character has a Windows-1252 code (the one-byte form's alphabet).
bool oneByteText(const QString& text) {
    for (QChar c : text)
        if (cp1252::codeOf(c.unicode()) < 0) return false;
    return true;
}

// Encodes text both ways and checks the form chosen and the way back.
void roundTrip(const QString& text) {
    const QString encoded = EncodeValue(text);
    require(DecodeValue(encoded) == text);
    const bool oneByte = oneByteText(text) && text.size() <= LongestOneByteValue;
    if (oneByte) {
        require(encoded.size() == 6 * text.size());
    } else {
        // The first number, written last, is the mark 256: earlier versions stop at it.
        const qsizetype n = encoded.size();
        require(n >= 6 && encoded[n - 5] == u'6' && encoded[n - 3] == u'5' && encoded[n - 1] == u'2');
    }
    const QString entry = EncodeEntryValue(text);
    require(DecodeEntryValue(entry.toLatin1()) == text);
    for (QChar c : entry)
        require((c.unicode() >= 1 && c.unicode() <= 11) || (c >= u'0' && c <= u'9'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView stored(reinterpret_cast<const char*>(data), qsizetype(size));

    // Decoding: the fast path on bytes and the path on text agree.
    const QString decoded = DecodeValue(stored);
    require(decoded == DecodeValue(QStringView(QString::fromLatin1(stored))));
    const std::optional<QString> entry = DecodeStoredEntryValue(stored);
    require(entry.has_value() == (DecodeStoredValue(stored).has_value()));
    (void)shownUpdateDate(decoded);
    (void)toShownTitle(QString::fromLatin1(stored));

    // Encoding: the bytes taken as Windows-1252 text and as UTF-8 text (any script) come back.
    roundTrip(cp1252::decode(stored));
    roundTrip(QString::fromUtf8(stored));
    return 0;
}
