#pragma once

#include <QLineEdit>
#include <QTest>
#include <QTextBoundaryFinder>

// Types text as a keyboard and an input method would: ASCII key by key, every other character
// (an emoji with its skin tone too) committed whole, as QTest has keys for ASCII only.
inline void typeText(QLineEdit* box, const QString& text) {
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end; (end = characters.toNextBoundary()) > 0; start = end) {
        const QString character = text.mid(start, end - start);
        if (character.size() == 1 && character[0].unicode() < 0x80)
            QTest::keyClicks(box, character);
        else
            box->insert(character);
    }
}
