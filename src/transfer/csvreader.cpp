#include "csvreader.h"

#include "store/wording.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace csv {
namespace {

// How often reading reports its progress, in characters.
constexpr qsizetype ProgressStep = 1 << 20;

bool isBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
}

// The line on which position pos of text lies (CR LF, LF and CR each end a line).
int lineAt(QStringView text, qsizetype pos) {
    int line = 1;
    for (qsizetype i = 0; i < pos && i < text.size(); ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))) ++line;
    }
    return line;
}

// The first line of UTF-8 bytes that does not decode; only asked once the whole file failed.
int firstBadUtf8Line(QByteArrayView data) {
    int line = 1;
    qsizetype start = 0;
    while (start <= data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0) end = data.size();
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder.decode(data.sliced(start, end - start)); // converts only when assigned
        if (decoder.hasError()) return line;
        ++line;
        start = end + 1;
    }
    return line;
}

QString notText(int line) {
    return QCoreApplication::translate(
               "Import", "Line %1 holds binary data (a zero byte): the file is not a CSV text file.")
        .arg(line);
}

// The file's text: UTF-8 unless a byte-order mark says otherwise, the mark itself left out.
std::variant<QString, Failure> decodeFile(QByteArrayView data) {
    const auto encoding = QStringConverter::encodingForData(data);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    QString text = decoder.decode(data);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0) return Failure{lineAt(text, zero), notText(lineAt(text, zero))};
    if (decoder.hasError()) {
        const int line = encoding ? 1 : firstBadUtf8Line(data);
        return Failure{line, QCoreApplication::translate(
                                 "Import", "Line %1 is not UTF-8 text. Save the file as UTF-8 CSV and "
                                           "try again.")
                                 .arg(line)};
    }
    return text;
}

// Walks the text record by record.
class Parser {
public:
    explicit Parser(QStringView text) : text_(text) {}

    // The next record's fields; false at the end of the text. A failure is left in failure().
    bool next(QStringList& fields, int& recordLine) {
        fields.clear();
        if (pos_ >= text_.size()) return false;
        recordLine = line_;
        for (;;) {
            QString field;
            if (pos_ < text_.size() && text_[pos_] == u'"') {
                if (!quoted(field)) return false;
            } else {
                const qsizetype start = pos_;
                while (pos_ < text_.size() && text_[pos_] != u',' && !isBreak(text_[pos_].unicode()))
                    ++pos_;
                field = text_.sliced(start, pos_ - start).toString();
            }
            fields.append(std::move(field));
            if (pos_ >= text_.size()) return true;
            if (text_[pos_] == u',') {
                ++pos_;
                continue;
            }
            skipBreak();
            return true;
        }
    }

    qsizetype position() const { return pos_; }
    const std::optional<Failure>& failure() const { return failure_; }

private:
    // A field in quotes, pos_ on its opening quote; leaves pos_ after the closing quote.
    bool quoted(QString& field) {
        const int opened = line_;
        ++pos_;
        for (;;) {
            const qsizetype quote = text_.indexOf(u'"', pos_);
            if (quote < 0) {
                failure_ = Failure{opened, QCoreApplication::translate(
                                               "Import", "Line %1: a value in quotes begins here and its "
                                                         "closing quote is missing.")
                                               .arg(opened)};
                return false;
            }
            countBreaks(pos_, quote);
            if (quote + 1 < text_.size() && text_[quote + 1] == u'"') {
                field += text_.sliced(pos_, quote + 1 - pos_);
                pos_ = quote + 2;
                continue;
            }
            field += text_.sliced(pos_, quote - pos_);
            pos_ = quote + 1;
            break;
        }
        if (pos_ < text_.size() && text_[pos_] != u',' && !isBreak(text_[pos_].unicode())) {
            qsizetype end = pos_;
            while (end < text_.size() && text_[end] != u',' && !isBreak(text_[end].unicode()))
                ++end;
            failure_ = Failure{line_, QCoreApplication::translate(
                                          "Import", "Line %1: a value in quotes is followed by \"%2\" before "
                                                    "the next comma.")
                                          .arg(line_)
                                          .arg(text_.sliced(pos_, std::min<qsizetype>(end - pos_, 20)))};
            return false;
        }
        return true;
    }

    void countBreaks(qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            if (text_[i] == u'\n' || (text_[i] == u'\r' && (i + 1 >= text_.size() || text_[i + 1] != u'\n')))
                ++line_;
        }
    }

    void skipBreak() {
        if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n') ++pos_;
        ++pos_;
        ++line_;
    }

    QStringView text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    std::optional<Failure> failure_;
};

bool isEmptyRecord(const QStringList& fields) {
    return fields.size() == 1 && fields.front().isEmpty();
}

} // namespace

std::variant<Table, Failure> read(QByteArrayView data, const Progress& progress) {
    auto decoded = decodeFile(data);
    if (auto* failure = std::get_if<Failure>(&decoded)) return *failure;
    const QString text = std::get<QString>(std::move(decoded));

    Table table;
    Parser parser(text);
    QStringList fields;
    int line = 0;
    qsizetype reported = 0;
    bool haveHeader = false;
    while (parser.next(fields, line)) {
        if (progress && parser.position() - reported >= ProgressStep) {
            reported = parser.position();
            progress(reported, text.size());
        }
        if (isEmptyRecord(fields)) continue;
        if (!haveHeader) {
            table.header = fields;
            table.headerLine = line;
            haveHeader = true;
        } else if (fields.size() != table.header.size()) {
            return Failure{line, QCoreApplication::translate(
                                     "Import", "Line %1 has %2, but the header (line %3) has %4.")
                                     .arg(line)
                                     .arg(grouped(QCoreApplication::translate("Import", "%n values", nullptr,
                                                                              int(fields.size())),
                                                  fields.size()))
                                     .arg(table.headerLine)
                                     .arg(table.header.size())};
        } else {
            table.records.append(Record{line, fields});
        }
    }
    if (parser.failure()) return *parser.failure();
    if (!haveHeader) return Failure{0, QCoreApplication::translate("Import", "The file is empty.")};
    if (progress) progress(text.size(), text.size());
    return table;
}

QByteArray writeRecord(const QStringList& fields) {
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i) line += QLatin1Char(',');
        line += QLatin1Char('"');
        line += QString(fields[i]).replace(QLatin1Char('"'), QLatin1String("\"\""));
        line += QLatin1Char('"');
    }
    line += QLatin1String("\r\n");
    return line.toUtf8();
}

} // namespace csv
