// libFuzzer target: a stored value, whatever another tool wrote into the vault, goes through the
// decoder (and, for dtLU, the date reader) without crashing, and plain text comes back as it
// went in through the encoder.
#include "store/codec.h"
#include "store/cp1252.h"
#include "store/dates.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr qsizetype LongestDecodableText = 5461;
constexpr qsizetype LongestEncodableText = 10922;

void require(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView stored(reinterpret_cast<const char*>(data), qsizetype(size));

    // Decoding: the fast path on bytes and the path on text agree, and every character that
    // comes back is one the vault can hold.
    const QString decoded = DecodeValue(stored);
    require(decoded == DecodeValue(QStringView(QString::fromLatin1(stored))));
    if (decoded != CodecError)
        for (QChar c : decoded)
            require(cp1252::codeOf(c.unicode()) >= 0);
    (void)shownUpdateDate(decoded);

    // Encoding: the same bytes taken as Windows-1252 text come back unchanged up to the length
    // the decoder accepts, and beyond it the decoder says "ERROR" instead of giving other text.
    const QString plain = cp1252::decode(stored);
    const QString encoded = EncodeValue(plain);
    if (plain.size() > LongestEncodableText) {
        require(encoded == CodecError);
        return 0;
    }
    require(encoded.size() == 6 * plain.size());
    const QString back = DecodeValue(encoded);
    require(plain.size() <= LongestDecodableText ? back == plain : back == CodecError);
    return 0;
}
