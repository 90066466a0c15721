#include "importexport.h"

#include "app/controls.h"
#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/platform.h"
#include "app/vaultreport.h"
#include "frmimport.h"
#include "maincommands.h"
#include "store/dates.h"
#include "store/repository.h"
#include "store/wording.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QLocale>

// Main-window commands of the entries: import from CSV and export to CSV.

namespace {

QString ImportTitle() {
    return QCoreApplication::translate("ImportExport", "Import Passwords");
}
QString ExportTitle() {
    return QCoreApplication::translate("ImportExport", "Export Passwords");
}
QString CsvFilter() {
    return QCoreApplication::translate("ImportExport", "CSV files (*.csv);;All files (*)");
}

transfer::CategoryTitles titlesOf(const CategoryDefinition& definition) {
    const auto& t = definition.titles;
    return {t[0], {t[1], t[2], t[3], t[4]}, t[5]};
}

void refuseImport(const QString& fileName, const QString& reason) {
    platform().messageBox(
        ImportTitle(),
        QCoreApplication::translate("ImportExport", "%1 cannot be imported; nothing has been added.\n\n%2")
            .arg(fileName, reason),
        MsgIcon::Error);
}

} // namespace

// Import: a CSV file chosen, read and checked against the vault (with progress for a large one),
// then the summary window, which writes nothing until the person says so.
void entries::cmdImport_Click(MainWindowPort&) {
    const QString path = platform().chooseFileToOpen(ImportTitle(), CsvFilter());
    if (path.isEmpty()) return;
    const QString fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuseImport(fileName,
                            QCoreApplication::translate("ImportExport", "The file cannot be read (%1).")
                                .arg(file.errorString()));
    if (file.size() > ImportFileLimit)
        return refuseImport(
            fileName, QCoreApplication::translate("ImportExport",
                                                  "The file is larger than %1 MB; no password program writes "
                                                  "files that large.")
                          .arg(ImportFileLimit >> 20));
    const QByteArray contents = file.readAll();
    file.close();

    // Every stored entry, to recognise a file imported before.
    const Result<VaultExport> stored = store::exportEntries();
    if (!stored) return showVaultReport(stored.code());
    transfer::VaultContents vault;
    for (const CategoryDefinition& category : stored->categories)
        vault.categories.insert(category.name, titlesOf(category));
    for (const EntryRecord& entry : stored->entries)
        vault.descriptions.insert(transfer::descriptionKey(entry.description));
    vault.entries = stored->entries;
    vault.now = formatLastUpdate(platform().now());

    const QString label = QCoreApplication::translate("ImportExport", "Reading %1 ...").arg(fileName);
    auto planned = transfer::planImport(
        contents, vault, [&label](qint64 done, qint64 total) { platform().progress(label, done, total); });
    platform().progress(label, 1, 1); // closes the progress window also after a failure
    if (const auto* failure = std::get_if<csv::Failure>(&planned))
        return refuseImport(fileName, failure->reason);

    frmImport& summary = form<frmImport>();
    // The summary plans again when the person asks for the entries already in the vault too.
    summary.showPlan(path, std::get<transfer::ImportPlan>(std::move(planned)),
                     [contents, vault](bool importKnown) {
                         auto again = transfer::planImport(contents, vault, {}, importKnown);
                         return std::get<transfer::ImportPlan>(std::move(again));
                     });
    platform().showModal(summary);
}

bool importPlannedEntries(const transfer::ImportPlan& plan) {
    QList<CategoryDefinition> categories;
    for (const transfer::NewCategory& c : plan.newCategories)
        categories << CategoryDefinition{c.name,
                                         {c.titles.description, c.titles.fields[0], c.titles.fields[1],
                                          c.titles.fields[2], c.titles.fields[3], c.titles.notes},
                                         4};
    const QString label = grouped(QCoreApplication::translate("ImportExport", "Importing %n entries ...",
                                                              nullptr, int(plan.entries.size())),
                                  plan.entries.size());
    const Result<> written =
        store::importEntries(categories, plan.entries, [&label](qint64 done, qint64 total) {
            platform().progress(label, done, total);
        });
    platform().progress(label, 1, 1);
    if (!written) showVaultReport(written.code());
    return written.ok();
}

void afterImport() {
    MainWindowPort& main = mainWindow();
    main.refillCategoryFilter();
    if (!main.hasCurrentEntry() && main.entryCount() > 0) main.selectEntryRow(0);
}

// Export: after a warning that the file holds every password in clear text (No the default), every
// entry goes to a CSV file that only its owner may read.
void entries::cmdExport_Click(MainWindowPort&) {
    if (platform().messageBox(
            ExportTitle(),
            QCoreApplication::translate("ImportExport",
                                        "The exported file holds every password, user name and note in clear "
                                        "text: anyone who can read the file can read them all.\n\n"
                                        "Export every entry?"),
            MsgIcon::Warning, MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return;
    const QString path =
        platform().chooseFileToSave(ExportTitle(), QStringLiteral("quorlane-export.csv"), CsvFilter());
    if (path.isEmpty()) return;
    const Result<VaultExport> all = store::exportEntries();
    if (!all) return showVaultReport(all.code());
    QMap<QString, transfer::CategoryTitles> titles;
    for (const CategoryDefinition& category : all->categories)
        titles.insert(category.name, titlesOf(category));
    if (const auto error =
            transfer::writeOwnerOnlyFile(path, transfer::exportEntries(all->entries, titles))) {
        platform().messageBox(ExportTitle(),
                              QCoreApplication::translate(
                                  "ImportExport", "%1 cannot be written (%2); nothing has been exported.")
                                  .arg(QFileInfo(path).fileName(), *error),
                              MsgIcon::Error);
        return;
    }
    platform().messageBox(QCoreApplication::translate("ImportExport", "Success"),
                          grouped(QCoreApplication::translate("ImportExport", "%n entries exported to %1.",
                                                              nullptr, int(all->entries.size())),
                                  all->entries.size())
                              .arg(QFileInfo(path).fileName()),
                          MsgIcon::Information);
}
