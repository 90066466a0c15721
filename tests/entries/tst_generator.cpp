#include "entries/frmentry.h"
#include "entries/frmgenerator.h"
#include "entries/passwordgenerator.h"
#include "testmain.h"
#include "testvault.h"
#include "waits.h"
#include "windowfixture.h"
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
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

    // Every character a password can hold is printable ASCII, typed the same on every keyboard.
    void onlyStorableCharacters() {
        const QString all = alphabet(Upper | Lower | Digits | Symbols);
        QCOMPARE(all.size(), 26 + 26 + 10 + 32);
        QVERIFY(std::all_of(all.begin(), all.end(),
                            [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7F; }));
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

    // The password goes into the category's password field whatever box has the focus; Enter
    // takes the password shown.
    void editorFillsThePasswordField_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("filled");
        QTest::newRow("web site, focus in the user name") << "WEB SITE"
                                                          << "Text3"
                                                          << "Text4";
        QTest::newRow("bank, focus in the notes") << "BANK ACCOUNT"
                                                  << "Text6"
                                                  << "Text5";
        QTest::newRow("card: the PIN") << "CREDIT CARD"
                                       << "Text2"
                                       << "Text5";
        QTest::newRow("e-mail, focus in the password") << "EMAIL"
                                                       << "Text3"
                                                       << "Text3";
    }
    void editorFillsThePasswordField() {
        QFETCH(QString, category);
        QFETCH(QString, focus);
        QFETCH(QString, filled);
        openMainWindow();
        frmEntry& editor = shownEditor();
        setComboText(editor.Combo1, category);
        QWidget* focused = editor.findChild<QWidget*>(focus);
        focused->setFocus();
        const QList<QLineEdit*> boxes = {editor.Text2, editor.Text1, editor.Text3, editor.Text4,
                                         editor.Text5};
        for (QLineEdit* box : boxes)
            box->setText(QStringLiteral("kept"));
        QTest::keyClick(&editor, Qt::Key_G, Qt::ControlModifier);
        frmGenerator& generator = form<frmGenerator>();
        generator.show();
        const QString shown = generator.Text1->text();
        // Enter in the length box re-reads the same length: the password shown is the one taken.
        QTest::keyClick(generator.Spin1, Qt::Key_Return);
        QVERIFY(!isLoaded<frmGenerator>());
        for (QLineEdit* box : boxes)
            QCOMPARE(box->text(), box->objectName() == filled ? shown : QStringLiteral("kept"));
    }

    // A category without a password title: the generator asks which field.
    void generatorAsksForAField() {
        openMainWindow();
        frmEntry& editor = shownEditor();
        setComboText(editor.Combo1, QStringLiteral("SOFTWARE LICENSE"));
        editor.Command7_Click();
        frmGenerator& generator = form<frmGenerator>();
        QCOMPARE(generator.Combo1->currentIndex(), -1);
        QCOMPARE(generator.Combo1->itemText(0), QStringLiteral("License Key"));
        generator.Command21->click();
        QCOMPARE(fake().messages.last().title, QStringLiteral("Choose a Field"));
        QVERIFY(isLoaded<frmGenerator>());
        generator.Combo1->setCurrentIndex(0);
        const QString password = generator.Text1->text();
        generator.Command21->click();
        QCOMPARE(editor.Text1->text(), password);

        // Closing the generator changes nothing.
        editor.Command7_Click();
        form<frmGenerator>().reject();
        QCOMPARE(editor.Text1->text(), password);
    }
};

QUORLANE_TEST(GeneratorTest);
#include "tst_generator.moc"
