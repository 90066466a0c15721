#include "passwordhealth.h"

#include "codec.h"
#include "fieldmeaning.h"
#include "rowreaders.h"
#include "statements.h"
#include "vault.h"

#include <QHash>

namespace store {

Result<QList<PasswordRecord>> passwordRecords() {
    QList<PasswordRecord> records;
    const bool ok = runVaultOperation(ErrorCode::PasswordHealth, [&records] {
        records.clear();
        openVault();
        // The password field (0..3) of each category that has one, by its titles' meaning.
        QHash<QString, int> secretField;
        {
            sqlite::Statement rows = openRecords(sql::SelectCategoryDefinitions);
            while (rows.next()) {
                const CategoryDefinition definition = categoryDefinitionOf(rows);
                const std::array<QString, 4> titles{definition.titles[1], definition.titles[2],
                                                    definition.titles[3], definition.titles[4]};
                const int field = fieldOfMeaning(titles, FieldMeaning::Secret);
                if (field >= 0) secretField.insert(upperTrimmed(definition.name), field);
            }
        }
        // pNum, PDF1, PDF2 .. PDF5, PDF6, sCat, dtLU: only the columns used are decoded.
        sqlite::Statement rows = openRecords(sql::SelectEntries);
        while (rows.next()) {
            const QString category = upperTrimmed(DecodeValue(rows.bytesView(7)));
            const auto field = secretField.constFind(category);
            if (field == secretField.cend()) continue;
            std::optional<QString> password = DecodeStoredEntryValue(rows.bytesView(2 + *field));
            if (!password) continue;
            // Trimmed in its own buffer, so no untrimmed copy is left behind.
            QString trimmed = std::move(*password).trimmed();
            if (trimmed.isEmpty()) continue;
            PasswordRecord& record = records.emplace_back();
            record.key = rows.isNull(0) ? std::nullopt : std::optional(rows.number(0));
            record.description = upperTrimmed(DecodeEntryValue(rows.bytesView(1)));
            record.category = category;
            record.password = std::move(trimmed);
            record.lastUpdate =
                QDate::fromString(DecodeValue(rows.bytesView(8)).left(10), QStringLiteral("MM/dd/yyyy"));
        }
        closeVault();
    });
    if (!ok) return Result<QList<PasswordRecord>>::failure(ErrorCode::PasswordHealth);
    return records;
}

} // namespace store
