#include "text.h"

#include "cp1252.h"

#include <QTextBoundaryFinder>

namespace text {

namespace {

char32_t upperOf(char32_t c) {
    const char32_t capital = QChar::toUpper(c);
    if (c > 0xFFFF || capital == c) return capital;
    // Inside the code page a capital the code page lacks is not taken.
    return cp1252::codeOf(char16_t(c)) >= 0 && (capital > 0xFFFF || cp1252::codeOf(char16_t(capital)) < 0)
               ? c
               : capital;
}

} // namespace

QString upper(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80) {
            out += QChar(unit >= u'a' && unit <= u'z' ? char16_t(unit - 0x20) : unit);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t capital = upperOf(QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            out += QStringView(QChar::fromUcs4(capital));
            ++i;
        } else {
            // A lone half of a pair has no capital and stays.
            out += QStringView(QChar::fromUcs4(upperOf(unit)));
        }
    }
    return out;
}

qsizetype characterCount(QStringView text) {
    // Mostly ASCII: one character per unit, CR LF together one.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.size() - text.count(u"\r\n");
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    qsizetype count = 0;
    while (graphemes.toNextBoundary() > 0)
        ++count;
    return count;
}

QString firstUnkeepable(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair) {
            ++i;
            continue;
        }
        if (c.unicode() == 0 || c.isSurrogate())
            return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    }
    return {};
}

} // namespace text
