#include "entries/frmentry.h"
#include "entries/frmgenerator.h"
#include "entries/passwordgenerator.h"
#include "store/cp1252.h"
#include "testmain.h"
#include "testvault.h"
#include "waits.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace passwordgen;

class GeneratorTest final : public VaultTestCase {
    Q_OBJECT

    // The editor for a new entry, shown and active so that focus changes are real.
    frmEntry& shownEditor() {
        form<frmMain>().Command10_Click();
        frmEntry& editor = form<frmEntry>();
        (void)showActive(editor);
        return editor;
    }

private slots:
    void passwords_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<unsigned>("classes");
        QTest::newRow("default: every class") << DefaultLength << unsigned(Upper | Lower | Digits | Symbols);
        QTest::newRow("a PIN") << 4 << unsigned(Digits);
        QTest::newRow("letters") << 12 << unsigned(Upper | Lower);
        QTest::newRow("symbols, longest") << MaxLength << unsigned(Symbols);
        QTest::newRow("every class, as short as can hold them")
            << 4 << unsigned(Upper | Lower | Digits | Symbols);
    }
    void passwords() {
        QFETCH(int, length);
        QFETCH(unsigned, classes);
        const QString password = generate(length, classes);
        QCOMPARE(password.size(), length);
        for (QChar c : password)
            QVERIFY(alphabet(classes).contains(c));
        for (unsigned cls : {Upper, Lower, Digits, Symbols}) {
            if (!(classes & cls)) continue;
            bool present = false;
            for (QChar c : password)
                present = present || alphabet(cls).contains(c);
            QVERIFY2(present, qPrintable(password));
        }
        QVERIFY(generate(length, classes) != password || length < 8);
    }

    // Every character a password can hold is one the vault stores and gives back as it is.
    void onlyStorableCharacters() {
        const QString all = alphabet(Upper | Lower | Digits | Symbols);
        QCOMPARE(all.size(), 26 + 26 + 10 + 32);
        QCOMPARE(cp1252::firstUnstorable(all, true), QString());
        QVERIFY(!all.contains(QLatin1Char(' ')));
        QCOMPARE(generate(10, 0), QString());
        QCOMPARE(generate(0, Digits), QString());
    }

    // Every digit turns up in a long run: the draw is not stuck on part of the alphabet.
    void drawCoversTheAlphabet() {
        const QString digits = generate(MaxLength, Digits);
        for (QChar d : alphabet(Digits))
            QVERIFY(digits.contains(d));
    }

    void window() {
        frmGenerator& generator = form<frmGenerator>();
        QCOMPARE(generator.Spin1->value(), 20);
        QCOMPARE(generator.Text1->text().size(), 20);
        const QString first = generator.Text1->text();
        generator.Command1->click();
        QVERIFY(generator.Text1->text() != first);
        generator.Spin1->setValue(8);
        QCOMPARE(generator.Text1->text().size(), 8);
        for (QCheckBox* box : {generator.Check1, generator.Check2, generator.Check4})
            box->setChecked(false);
        const QString digits = generator.Text1->text();
        QCOMPARE(digits.size(), 8);
        QVERIFY(std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }));
        generator.Check3->setChecked(false);
        QCOMPARE(generator.Text1->text(), QString());
        QVERIFY(!generator.Command21->isEnabled());
    }

    // The password goes into the box that had the focus; without one, into field 3.
    void editorTakesThePassword() {
        openMainWindow();
        frmEntry& editor = shownEditor();
        editor.Text1->setText(QStringLiteral("old"));
        editor.Command7_Click();
        QCOMPARE(fake().modals.last(), QStringLiteral("frmGenerator"));
        QString password = form<frmGenerator>().Text1->text();
        form<frmGenerator>().Command21->click();
        QVERIFY(!isLoaded<frmGenerator>());
        QCOMPARE(editor.Text4->text(), password);
        QCOMPARE(editor.Text1->text(), QStringLiteral("old"));

        editor.Text1->setFocus();
        QTest::keyClick(&editor, Qt::Key_G, Qt::ControlModifier);
        QVERIFY(isLoaded<frmGenerator>());
        password = form<frmGenerator>().Text1->text();
        form<frmGenerator>().Command21->click();
        QCOMPARE(editor.Text1->text(), password);

        // Into the notes at the cursor, the notes kept.
        editor.Text6->setPlainText(QStringLiteral("pin: "));
        editor.Text6->moveCursor(QTextCursor::End);
        editor.Text6->setFocus();
        editor.Command7->click();
        form<frmGenerator>().Spin1->setValue(6);
        password = form<frmGenerator>().Text1->text();
        form<frmGenerator>().Command21->click();
        QCOMPARE(editor.Text6->toPlainText(), QStringLiteral("pin: ") + password);

        // Closing the generator changes nothing.
        editor.Text2->setFocus();
        editor.Text2->setText(QStringLiteral("kept"));
        editor.Command7_Click();
        form<frmGenerator>().reject();
        QCOMPARE(editor.Text2->text(), QStringLiteral("kept"));
    }
};

QUORLANE_TEST(GeneratorTest);
#include "tst_generator.moc"
