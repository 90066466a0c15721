// libFuzzer target: any file offered to the import goes through the CSV reader and the import
// planning without crashing. A file that reads gives records as wide as its header that the
// writer and the reader carry through unchanged, and every planned entry is one the vault can
// hold as it is.
#include "store/text.h"
#include "transfer/csvreader.h"
#include "transfer/passwordimport.h"

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool storable(const QString& value) {
    return text::firstUnkeepable(value).isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView file(reinterpret_cast<const char*>(data), qsizetype(size));

    const auto read = csv::read(file);
    if (const auto* table = std::get_if<csv::Table>(&read)) {
        require(!table->header.isEmpty() && table->headerLine >= 1);
        QByteArray written = csv::writeRecord(table->header);
        // A UTF-16 file may hold half a surrogate pair, which UTF-8 cannot carry: such a value
        // never reaches the vault (the import refuses it), so it is left out of the round trip.
        bool whole = table->header.join(QString()).isValidUtf16();
        int line = table->headerLine;
        for (const csv::Record& record : table->records) {
            require(record.fields.size() == table->header.size());
            require(record.line > line);
            line = record.line;
            whole = whole && record.fields.join(QString()).isValidUtf16();
            written += csv::writeRecord(record.fields);
        }
        if (whole) {
            const auto again = csv::read(written);
            const auto* back = std::get_if<csv::Table>(&again);
            require(back && back->header == table->header && back->records.size() == table->records.size());
            for (qsizetype i = 0; i < back->records.size(); ++i)
                require(back->records[i].fields == table->records[i].fields);
        }
    } else {
        require(!std::get<csv::Failure>(read).reason.isEmpty());
    }

    const auto planned = transfer::planImport(file, transfer::VaultContents{});
    if (const auto* plan = std::get_if<transfer::ImportPlan>(&planned)) {
        for (const transfer::PlainEntry& entry : plan->entries) {
            require(!entry.description.trimmed().isEmpty() && storable(entry.description));
            for (const QString& field : entry.fields)
                require(text::characterCount(field) <= transfer::FieldLimit && storable(field));
            require(storable(entry.notes) && storable(entry.category));
        }
        for (const transfer::RefusedRow& row : plan->refused)
            require(row.line >= 1 && !row.reason.isEmpty());
    }
    return 0;
}
