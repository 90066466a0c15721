#include "language.h"

#include "modregistry.h"
#include "store/globals.h"
#include "store/locations.h"
#include "store/wording.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {
// The translators in force; replaced as a whole when the language changes.
std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> list;
    return list;
}

bool add(const QLocale& locale, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) return false;
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
    return true;
}
} // namespace

QLocale chosenLocale() {
    const QString chosen =
        ReadRegistrySetting(QLatin1String(setting::Key), QLatin1String(setting::Language)).trimmed();
    return chosen.isEmpty() ? QLocale::system() : QLocale(chosen);
}

bool installTranslations(const QLocale& locale, const QString& folder) {
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    QLocale::setDefault(locale);
    TextLocale = locale;
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
        add(QLocale(QLocale::English), QStringLiteral("quorlane"), folder);
        return true;
    }
    add(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (add(locale, QStringLiteral("quorlane"), folder)) return true;
    // No translation of ours: English texts, with English plural forms.
    add(QLocale(QLocale::English), QStringLiteral("quorlane"), folder);
    return false;
}

QString translationsFolder() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString beside = program + QStringLiteral("/translations");
    return QFileInfo::exists(beside) ? beside : installDataFolder(program) + QStringLiteral("/translations");
}

QString deliveredInLanguage(const QString& name) {
    const QString language = TextLocale.name().section(QLatin1Char('_'), 0, 0);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString translated = deliveredFile(name.left(dot) + QLatin1Char('_') + language + name.mid(dot));
    return QFileInfo::exists(translated) ? translated : deliveredFile(name);
}
