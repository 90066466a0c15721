#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <variant>

// Comma-separated values as the password programs write them (RFC 4180): fields split by commas,
// records ended by CR LF, LF or CR; a field in double quotes may hold commas, line breaks and
// doubled quotes. The text is UTF-8 with or without a byte-order mark (UTF-16 with its mark is
// read as well).
namespace csv {

// One record and the line of the file on which it starts (1 for the first line).
struct Record {
    int line = 0;
    QStringList fields;
};

// The header record and every record after it, each with as many fields as the header.
struct Table {
    int headerLine = 0;
    QStringList header;
    QList<Record> records;
};

// Why a file cannot be read; line is 0 when the fault belongs to no line (an empty file).
struct Failure {
    int line = 0;
    QString reason;
};

// Told how far reading has come (characters read of total) now and then.
using Progress = std::function<void(qint64 done, qint64 total)>;

// Reads a whole file. Empty lines between records are skipped. A quote inside an unquoted field
// is taken as it is; text after a closing quote, an unclosed quote, a record whose field count
// differs from the header's, a zero byte or text that is not UTF-8 fail with the line.
std::variant<Table, Failure> read(QByteArrayView data, const Progress& progress = {});

// One record as a line of the file: every field in double quotes (quotes doubled), ended by CR LF.
QByteArray writeRecord(const QStringList& fields);

} // namespace csv
