#include "app/forms.h"
#include "app/frmlogin.h"
#include "app/frmsetup.h"
#include "app/language.h"
#include "app/modregistry.h"
#include "app/picturebox.h"
#include "attachments/frmattach.h"
#include "attachments/frmattachname.h"
#include "categories/frmcatadd.h"
#include "categories/frmeditor.h"
#include "categories/frmresource.h"
#include "categories/frmxfer.h"
#include "entries/frmentry.h"
#include "entries/frmgenerator.h"
#include "entries/frmimport.h"
#include "entries/frmmainclip.h"
#include "entries/frmonetime.h"
#include "entries/frmsearch.h"
#include "printing/frmprint.h"
#include "printing/frmprintconfirm.h"
#include "store/codec.h"
#include "store/globals.h"
#include "store/wording.h"
#include "testmain.h"
#include "testvault.h"
#include "transfer/passwordimport.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>

namespace {
const QString Translations = QStringLiteral(QUORLANE_APP_DIR "/translations");

void speak(const char* language) {
    installTranslations(QLocale(QLatin1String(language)), Translations);
    QLocale::setDefault(QLocale::c()); // the test main's choice for everything but the texts
}

// Every text a window shows of its own (captions, labels, buttons, tips, accessible names,
// placeholders, spin box words), by where it stands; values typed or stored are not among them.
std::map<QString, QString> ownTexts(QWidget* window) {
    std::map<QString, QString> texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    int index = 0;
    const auto add = [&](const QWidget* widget, const char* what, const QString& text) {
        if (!text.trimmed().isEmpty())
            texts[QString::number(index) + QLatin1Char(' ') + widget->objectName() + QLatin1Char('.') +
                  QLatin1String(what)] = text;
    };
    for (QWidget* widget : widgets) {
        ++index;
        add(widget, "tip", widget->toolTip());
        add(widget, "name", widget->accessibleName());
        add(widget, "description", widget->accessibleDescription());
        if (widget->isWindow()) add(widget, "title", widget->windowTitle());
        if (auto* label = qobject_cast<QLabel*>(widget)) add(label, "text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) add(button, "text", button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget)) add(group, "text", group->title());
        if (auto* line = qobject_cast<QLineEdit*>(widget)) add(line, "placeholder", line->placeholderText());
        if (auto* picture = qobject_cast<PictureBox*>(widget)) {
            static const QRegularExpression word(QStringLiteral("<text[^>]*>([^<]+)</text>"));
            int line = 0;
            for (const QRegularExpressionMatch& m :
                 word.globalMatch(QString::fromUtf8(pictureInLanguage(picture->picture()))))
                add(picture, QByteArray("picture" + QByteArray::number(++line)).constData(), m.captured(1));
        }
        if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
            add(spin, "suffix", spin->suffix());
            add(spin, "special", spin->specialValueText());
        }
    }
    return texts;
}

// The windows, each loaded as the program first loads it.
const std::map<QString, std::function<QWidget*()>>& windows() {
    static const std::map<QString, std::function<QWidget*()>> list{
        {QStringLiteral("frmLogin"), [] { return static_cast<QWidget*>(&form<frmLogin>()); }},
        {QStringLiteral("frmSetup"), [] { return static_cast<QWidget*>(&form<frmSetup>()); }},
        {QStringLiteral("frmAttach"), [] { return static_cast<QWidget*>(&form<frmAttach>()); }},
        {QStringLiteral("frmAttachName"), [] { return static_cast<QWidget*>(&form<frmAttachName>()); }},
        {QStringLiteral("frmCatAdd"), [] { return static_cast<QWidget*>(&form<frmCatAdd>()); }},
        {QStringLiteral("frmEditor"), [] { return static_cast<QWidget*>(&form<frmEditor>()); }},
        {QStringLiteral("frmResource"), [] { return static_cast<QWidget*>(&form<frmResource>()); }},
        {QStringLiteral("frmXFer"), [] { return static_cast<QWidget*>(&form<frmXFer>()); }},
        {QStringLiteral("frmEntry"), [] { return static_cast<QWidget*>(&form<frmEntry>()); }},
        {QStringLiteral("frmGenerator"), [] { return static_cast<QWidget*>(&form<frmGenerator>()); }},
        {QStringLiteral("frmImport"), [] { return static_cast<QWidget*>(&form<frmImport>()); }},
        {QStringLiteral("frmMain"), [] { return static_cast<QWidget*>(&openMainWindow()); }},
        {QStringLiteral("frmMainClip"), [] { return static_cast<QWidget*>(&form<frmMainClip>()); }},
        {QStringLiteral("frmOneTime"), [] { return static_cast<QWidget*>(&form<frmOneTime>()); }},
        {QStringLiteral("frmSearch"), [] { return static_cast<QWidget*>(&form<frmSearch>()); }},
        {QStringLiteral("frmPrint"), [] { return static_cast<QWidget*>(&form<frmPrint>()); }},
        {QStringLiteral("frmPrintConfirm"), [] { return static_cast<QWidget*>(&form<frmPrintConfirm>()); }},
    };
    return list;
}

// Texts that read the same in German.
bool sameInGerman(const QString& text) {
    static const QStringList same{QStringLiteral("Quorlane"), QStringLiteral("Details")};
    return same.contains(text) || !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")));
}
} // namespace

class LanguageTest final : public VaultTestCase {
    Q_OBJECT

private slots:
    void cleanup() {
        speak("en");
        VaultTestCase::cleanup();
    }

    // Under German no text a window shows of its own is left as it reads in English.
    void everyWindowSpeaksGerman_data() {
        QTest::addColumn<QString>("window");
        for (const auto& [name, make] : windows())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyWindowSpeaksGerman() {
        QFETCH(QString, window);
        const auto load = [&](const char* language) {
            speak(language);
            QWidget* shown = windows().at(window)();
            const auto texts = ownTexts(shown);
            unloadAllForms();
            settle();
            return texts;
        };
        const auto english = load("en");
        const auto german = load("de");
        QVERIFY(!english.empty());
        QStringList untranslated;
        for (const auto& [where, text] : german)
            if (english.count(where) && english.at(where) == text && !sameInGerman(text))
                untranslated << where + QStringLiteral(": ") + text;
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    }

    // The counted texts take the right form for one and for more, in both languages.
    void pluralForms_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        const QString tries = QStringLiteral("You have %n more tries.");
        QTest::newRow("en 1 try") << "en"
                                  << "frmLogin" << tries << 1 << "You have 1 more try.";
        QTest::newRow("en 2 tries") << "en"
                                    << "frmLogin" << tries << 2 << "You have 2 more tries.";
        QTest::newRow("de 1 try") << "de"
                                  << "frmLogin" << tries << 1 << "Sie haben noch 1 Versuch.";
        QTest::newRow("de 3 tries") << "de"
                                    << "frmLogin" << tries << 3 << "Sie haben noch 3 Versuche.";
        const QString seconds = QStringLiteral(" seconds");
        QTest::newRow("en 1 second") << "en"
                                     << "frmSetup" << seconds << 1 << " second";
        QTest::newRow("en 0 seconds") << "en"
                                      << "frmSetup" << seconds << 0 << " seconds";
        QTest::newRow("de 1 second") << "de"
                                     << "frmSetup" << seconds << 1 << " Sekunde";
        QTest::newRow("de 20 seconds") << "de"
                                       << "frmSetup" << seconds << 20 << " Sekunden";
    }
    void pluralForms() {
        QFETCH(QString, language);
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(int, count);
        QFETCH(QString, expected);
        speak(qPrintable(language));
        QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(source), nullptr, count),
                 expected);
    }

    // Large counts are grouped as the language writes numbers.
    void groupedNumbers_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en") << "en"
                            << "1,500 x";
        QTest::newRow("de") << "de"
                            << "1.500 x";
    }
    void groupedNumbers() {
        QFETCH(QString, language);
        QFETCH(QString, expected);
        speak(qPrintable(language));
        QCOMPARE(grouped(QStringLiteral("1500 x"), 1500), expected);
    }

    // The Language setting overrides the system's language; Qt's own texts follow it.
    void settingChoosesTheLanguage() {
        QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QCOMPARE(chosenLocale(), QLocale::system());
        SavePreference(QStringLiteral("Quorlane"), QLatin1String(setting::Language), QStringLiteral("de"));
        QCOMPARE(chosenLocale().language(), QLocale::German);
        QVERIFY(installTranslations(chosenLocale(), Translations));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        QCOMPARE(QCoreApplication::translate("frmLogin", "Wrong Password"),
                 QStringLiteral("Falsches Passwort"));
        // A language without a translation of ours keeps the English texts, counted in English.
        QVERIFY(!installTranslations(QLocale(QLocale::Swahili), Translations));
        QCOMPARE(QCoreApplication::translate("frmLogin", "You have %n more tries.", nullptr, 1),
                 QStringLiteral("You have 1 more try."));
    }
    // What is stored never follows the language: an entry saved under German holds the delivered
    // category's stored name and the vault's date form, the editor shows the category's stored
    // titles, and the export's columns keep their names.
    void storedValuesIgnoreTheLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("German") << "de";
    }
    void storedValuesIgnoreTheLanguage() {
        QFETCH(QString, language);
        speak(qPrintable(language));
        frmMain& main = openMainWindow();
        QCOMPARE(main.Combo1->itemText(0), language == QLatin1String("de")
                                               ? QStringLiteral("ALLE KATEGORIEN")
                                               : QStringLiteral("ALL CATEGORIES"));
        QStringList titles, categories;
        ModalScript script;
        script.on<frmEntry>(QStringLiteral("frmEntry"), [&](frmEntry& entry) {
            for (int i = 0; i < entry.Combo1->count(); ++i)
                categories << entry.Combo1->itemText(i);
            QVERIFY(setComboText(entry.Combo1, QStringLiteral("WEB SITE")));
            titles << entry.Label1->text() << entry.Label4->text() << entry.Label8->text();
            entry.Text2->setText(QStringLiteral("Bank"));
            entry.Text1->setText(QStringLiteral("www.bank.example"));
            entry.Command21_Click();
        });
        main.Command10_Click();
        settle();
        QVERIFY(categories.contains(QStringLiteral("CREDIT CARD")) &&
                categories.contains(QStringLiteral("HOME")));
        const QList<QVariantList> stored =
            vault().rows(QStringLiteral("SELECT CatDef.pwDesc, CatDef.pwUDF1, CatDef.pwNotes FROM CatDef "
                                        "WHERE pwCat = 'WEB SITE'"));
        QCOMPARE(stored.size(), 1);
        QStringList storedTitles;
        for (const QVariant& title : stored.first())
            storedTitles << title.toString().trimmed() + QLatin1Char(':');
        QCOMPARE(titles, storedTitles);
        const qint64 key = vault().value(QStringLiteral("SELECT max(pNum) FROM PDF")).toLongLong();
        const QStringList entry = vault().decodedEntry(key);
        QCOMPARE(entry.mid(0, 2), (QStringList{QStringLiteral("Bank"), QStringLiteral("www.bank.example")}));
        QCOMPARE(entry.at(6), QStringLiteral("WEB SITE"));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d [ap]m$"))
                     .match(entry.at(7))
                     .hasMatch(),
                 qPrintable(entry.at(7)));
        QCOMPARE(transfer::exportHeader().first(), QStringLiteral("Category"));
        QCOMPARE(transfer::exportHeader().last(), QStringLiteral("Last updated"));
    }
};

QUORLANE_TEST(LanguageTest);
#include "tst_language.moc"
