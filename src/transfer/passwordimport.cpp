#include "passwordimport.h"

#include "store/records.h"
#include "store/text.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <optional>

namespace transfer {
namespace {

// What a column of a recognised file is taken for.
enum class Role { Title, Url, User, Password, Notes, Group, ToNotes, Ignored };

struct Column {
    QStringList names; // header texts, compared case-insensitively after trimming
    Role role;
    bool required;
};

struct Format {
    QString name;
    QList<Column> columns;
    bool groupsStartAtRoot; // a group path whose first part is the file's root group
};

const QList<Format>& formats() {
    static const QList<Format> all = {
        {QStringLiteral("web browser"),
         {{{QStringLiteral("name"), QStringLiteral("title")}, Role::Title, true},
          {{QStringLiteral("url")}, Role::Url, true},
          {{QStringLiteral("username")}, Role::User, true},
          {{QStringLiteral("password")}, Role::Password, true},
          {{QStringLiteral("note"), QStringLiteral("notes")}, Role::Notes, false},
          {{QStringLiteral("otpauth")}, Role::ToNotes, false}},
         false},
        {QStringLiteral("KeePassXC"),
         {{{QStringLiteral("group")}, Role::Group, true},
          {{QStringLiteral("title")}, Role::Title, true},
          {{QStringLiteral("username")}, Role::User, true},
          {{QStringLiteral("password")}, Role::Password, true},
          {{QStringLiteral("url")}, Role::Url, true},
          {{QStringLiteral("notes")}, Role::Notes, true},
          {{QStringLiteral("totp")}, Role::ToNotes, false},
          {{QStringLiteral("icon")}, Role::Ignored, false},
          {{QStringLiteral("last modified")}, Role::Ignored, false},
          {{QStringLiteral("created")}, Role::Ignored, false}},
         true},
        {QStringLiteral("Bitwarden"),
         {{{QStringLiteral("folder")}, Role::Group, false},
          {{QStringLiteral("collections")}, Role::Group, false},
          {{QStringLiteral("favorite")}, Role::Ignored, true},
          {{QStringLiteral("type")}, Role::Ignored, true},
          {{QStringLiteral("name")}, Role::Title, true},
          {{QStringLiteral("notes")}, Role::Notes, true},
          {{QStringLiteral("fields")}, Role::ToNotes, true},
          {{QStringLiteral("reprompt")}, Role::Ignored, false},
          {{QStringLiteral("login_uri")}, Role::Url, true},
          {{QStringLiteral("login_username")}, Role::User, true},
          {{QStringLiteral("login_password")}, Role::Password, true},
          {{QStringLiteral("login_totp")}, Role::ToNotes, true}},
         false},
    };
    return all;
}

const QString OwnFormat = QStringLiteral("Quorlane");

QString normalised(const QString& headerText) {
    return headerText.trimmed().toLower();
}

// The role of each header column under format, or nothing when the header is not that format's.
std::optional<QList<Role>> rolesFor(const Format& format, const QStringList& header) {
    QList<Role> roles;
    QList<bool> found(format.columns.size(), false);
    for (const QString& text : header) {
        const QString name = normalised(text);
        qsizetype match = -1;
        for (qsizetype c = 0; c < format.columns.size() && match < 0; ++c)
            if (!found[c] && format.columns[c].names.contains(name)) match = c;
        if (match < 0) return std::nullopt;
        found[match] = true;
        roles.append(format.columns[match].role);
    }
    for (qsizetype c = 0; c < format.columns.size(); ++c)
        if (format.columns[c].required && !found[c]) return std::nullopt;
    return roles;
}

bool isOwnHeader(const QStringList& header) {
    const QStringList own = exportHeader();
    if (header.size() != own.size()) return false;
    for (qsizetype i = 0; i < own.size(); ++i)
        if (normalised(header[i]) != normalised(own[i])) return false;
    return true;
}

QString unknownHeader(int line) {
    return QStringLiteral(
               "Line %1 is not a header this program knows. It imports the CSV files of web "
               "browsers (name,url,username,password), KeePassXC (\"Group\",\"Title\",\"Username\","
               "\"Password\",\"URL\",\"Notes\"), Bitwarden (folder,favorite,type,name,notes,fields,"
               "reprompt,login_uri,login_username,login_password,login_totp) and its own export "
               "(%2).")
        .arg(line)
        .arg(exportHeader().join(QLatin1Char(',')));
}

QString number(qsizetype n) {
    return QLocale(QLocale::English).toString(n);
}

// One value of a row, with the header text it came from for the reasons.
struct Value {
    QString text;
    QString column;
};

// Why a value cannot be stored as it is, or empty.
QString valueFault(const Value& value, bool oneLine, int limit) {
    const QString character = text::firstUnkeepable(value.text);
    if (!character.isEmpty())
        return QStringLiteral("the \"%1\" value holds the character %2, which the vault cannot keep.")
            .arg(value.column, character);
    if (oneLine && (value.text.contains(QLatin1Char('\n')) || value.text.contains(QLatin1Char('\r'))))
        return QStringLiteral("the \"%1\" value holds a line break, which only notes can hold.")
            .arg(value.column);
    const qsizetype length = text::characterCount(value.text);
    if (length > limit)
        return QStringLiteral("the \"%1\" value has %2 characters; at most %3 fit.")
            .arg(value.column, number(length), number(limit));
    return {};
}

// A group or folder name as a category name: trimmed, upper case, apostrophes (which category
// names cannot hold) as grave accents.
QString categoryName(const QString& group) {
    return text::upper(group.trimmed()).replace(QLatin1Char('\''), QLatin1Char('`'));
}

QString categoryFault(const Value& group, const QString& name) {
    const QString character = text::firstUnkeepable(name);
    if (!character.isEmpty())
        return QStringLiteral("the \"%1\" value holds the character %2, which a category name cannot hold.")
            .arg(group.column, character);
    if (const qsizetype length = text::characterCount(name); length > CategoryNameLimit)
        return QStringLiteral("the \"%1\" value has %2 characters; a category name holds at most %3.")
            .arg(group.column, number(length), number(CategoryNameLimit));
    return {};
}

// The rows of one file becoming entries: categories found or planned, descriptions made unique.
class Planner {
public:
    Planner(const VaultContents& vault, ImportPlan& plan)
        : vault_(vault), plan_(plan), taken_(vault.descriptions) {
        webSite_ = vault.categories.value(
            DefaultCategory, CategoryTitles{QStringLiteral("Description"), {}, QStringLiteral("Notes")});
    }

    // A row that passed every check: its category (created when new, with titles) and a free
    // description.
    void accept(int line, PlainEntry entry, const CategoryTitles& titlesIfNew) {
        if (!vault_.categories.contains(entry.category) && !planned_.contains(entry.category)) {
            planned_.insert(entry.category);
            plan_.newCategories.append({entry.category, titlesIfNew});
        }
        QString description = entry.description;
        if (taken_.contains(descriptionKey(description))) {
            // Numbers go on from the last one given to this title, so a title repeated many times
            // costs no more than one repeated twice.
            const QString base = description.trimmed();
            auto next = nextNumber_.find(descriptionKey(base));
            if (next == nextNumber_.end()) next = nextNumber_.insert(descriptionKey(base), 2);
            do
                description = base + QStringLiteral(" (%1)").arg((*next)++);
            while (taken_.contains(descriptionKey(description)));
        }
        if (text::characterCount(description) > FieldLimit)
            return refuse(line, QStringLiteral("the title is already used, and with a number added it would "
                                               "be longer than %1 characters.")
                                    .arg(number(FieldLimit)));
        taken_.insert(descriptionKey(description));
        entry.description = description;
        plan_.entries.append(std::move(entry));
    }

    void refuse(int line, const QString& reason) { plan_.refused.append({line, reason}); }

    const CategoryTitles& webSite() const { return webSite_; }
    bool exists(const QString& category) const {
        return vault_.categories.contains(category) || planned_.contains(category);
    }

private:
    const VaultContents& vault_;
    ImportPlan& plan_;
    QSet<QString> taken_;
    QHash<QString, int> nextNumber_; // by the key of a title without its number
    QSet<QString> planned_;
    CategoryTitles webSite_;
};

// Told after every few thousand rows planned.
using RowProgress = std::function<void(qsizetype rows)>;
constexpr qsizetype RowProgressStep = 4096;

void planOther(const Format& format, const QList<Role>& roles, const csv::Table& table, Planner& planner,
               const QString& now, const RowProgress& progress) {
    qsizetype rows = 0;
    for (const csv::Record& record : table.records) {
        if (++rows % RowProgressStep == 0) progress(rows);
        Value title, url, user, password, notes, group;
        QStringList extras;
        for (qsizetype c = 0; c < roles.size(); ++c) {
            const Value value{record.fields[c], table.header[c].trimmed()};
            switch (roles[c]) {
            case Role::Title:
                title = value;
                break;
            case Role::Url:
                url = value;
                break;
            case Role::User:
                user = value;
                break;
            case Role::Password:
                password = value;
                break;
            case Role::Notes:
                notes = value;
                break;
            case Role::Group:
                if (group.text.trimmed().isEmpty()) group = value;
                break;
            case Role::ToNotes:
                if (!value.text.trimmed().isEmpty())
                    extras.append(value.column + QStringLiteral(": ") + value.text);
                break;
            case Role::Ignored:
                break;
            }
        }
        if (title.text.trimmed().isEmpty()) {
            planner.refuse(record.line,
                           QStringLiteral("the title (\"%1\") is empty.")
                               .arg(title.column.isEmpty() ? QStringLiteral("name") : title.column));
            continue;
        }
        QString groupPath = group.text.trimmed();
        if (format.groupsStartAtRoot) {
            const qsizetype slash = groupPath.indexOf(QLatin1Char('/'));
            groupPath = slash < 0 ? QString() : groupPath.mid(slash + 1);
        }
        const QString category = groupPath.trimmed().isEmpty() ? DefaultCategory : categoryName(groupPath);
        if (!extras.isEmpty()) {
            if (!notes.text.isEmpty()) extras.prepend(notes.text);
            notes.text = extras.join(QLatin1Char('\n'));
        }
        notes.text = withCrLf(notes.text);
        if (notes.column.isEmpty()) notes.column = QStringLiteral("notes");

        QString fault = categoryFault(group, category);
        for (const Value* value : {&title, &url, &user, &password})
            if (fault.isEmpty()) fault = valueFault(*value, true, FieldLimit);
        if (fault.isEmpty()) fault = valueFault(notes, false, NotesLimit);
        if (!fault.isEmpty()) {
            planner.refuse(record.line, fault);
            continue;
        }
        planner.accept(
            record.line,
            PlainEntry{
                category, title.text, {url.text, user.text, password.text, QString()}, notes.text, now},
            planner.webSite());
    }
}

// The program's own export: category, description, four titles and values, notes, last update.
void planOwn(const csv::Table& table, Planner& planner, const QString& now, const RowProgress& progress) {
    static const QRegularExpression stamp(
        QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d [ap]m$"));
    const QStringList& header = table.header;
    qsizetype rows = 0;
    for (const csv::Record& record : table.records) {
        if (++rows % RowProgressStep == 0) progress(rows);
        const QStringList& f = record.fields;
        const Value group{f[0], header[0].trimmed()};
        const QString category = f[0].trimmed().isEmpty() ? DefaultCategory : categoryName(f[0]);
        PlainEntry entry{category, f[1], {f[3], f[5], f[7], f[9]}, withCrLf(f[10]), f[11]};
        if (!stamp.match(entry.lastUpdate).hasMatch()) entry.lastUpdate = now;
        if (entry.description.trimmed().isEmpty()) {
            planner.refuse(record.line, QStringLiteral("the description is empty."));
            continue;
        }
        CategoryTitles titles = planner.webSite();
        QString fault = categoryFault(group, category);
        for (int i = 0; i < 4 && fault.isEmpty(); ++i) {
            titles.fields[i] = f[2 + 2 * i].trimmed();
            if (!planner.exists(category))
                fault = valueFault({titles.fields[i], header[2 + 2 * i]}, true, 50);
        }
        const int valueColumns[] = {1, 3, 5, 7, 9};
        for (int c : valueColumns)
            if (fault.isEmpty()) fault = valueFault({f[c], header[c].trimmed()}, true, FieldLimit);
        if (fault.isEmpty()) fault = valueFault({entry.notes, header[10].trimmed()}, false, NotesLimit);
        if (!fault.isEmpty()) {
            planner.refuse(record.line, fault);
            continue;
        }
        planner.accept(record.line, std::move(entry), titles);
    }
}

} // namespace

QMap<QString, int> ImportPlan::perCategory() const {
    QMap<QString, int> counts;
    for (const PlainEntry& entry : entries)
        ++counts[entry.category];
    return counts;
}

QStringList exportHeader() {
    return {QStringLiteral("Category"),      QStringLiteral("Description"),   QStringLiteral("Field 1 title"),
            QStringLiteral("Field 1"),       QStringLiteral("Field 2 title"), QStringLiteral("Field 2"),
            QStringLiteral("Field 3 title"), QStringLiteral("Field 3"),       QStringLiteral("Field 4 title"),
            QStringLiteral("Field 4"),       QStringLiteral("Notes"),         QStringLiteral("Last updated")};
}

QString descriptionKey(const QString& description) {
    return upperTrimmed(description);
}

std::variant<ImportPlan, csv::Failure> planImport(QByteArrayView file, const VaultContents& vault,
                                                  const csv::Progress& progress) {
    // Reading is the first half of the progress, checking the rows the second.
    const auto report = [&progress](qint64 permille) {
        if (progress) progress(permille, 1000);
    };
    auto read = csv::read(
        file, [&report](qint64 done, qint64 total) { report(total > 0 ? done * 500 / total : 500); });
    if (auto* failure = std::get_if<csv::Failure>(&read)) return *failure;
    const csv::Table& table = std::get<csv::Table>(read);
    const RowProgress rowProgress = [&report, &table](qsizetype rows) {
        report(500 + rows * 500 / std::max<qsizetype>(table.records.size(), 1));
    };

    ImportPlan plan;
    Planner planner(vault, plan);
    if (isOwnHeader(table.header)) {
        plan.format = OwnFormat;
    } else {
        for (const Format& format : formats()) {
            if (const auto roles = rolesFor(format, table.header)) {
                plan.format = format.name;
                if (table.records.isEmpty()) break;
                planOther(format, *roles, table, planner, vault.now, rowProgress);
                break;
            }
        }
        if (plan.format.isEmpty()) return csv::Failure{table.headerLine, unknownHeader(table.headerLine)};
    }
    if (table.records.isEmpty())
        return csv::Failure{table.headerLine,
                            QStringLiteral("The file holds only its header (line %1) and no "
                                           "entries to import.")
                                .arg(table.headerLine)};
    if (plan.format == OwnFormat) planOwn(table, planner, vault.now, rowProgress);
    report(1000);
    return plan;
}

QByteArray exportEntries(const QList<PlainEntry>& entries, const QMap<QString, CategoryTitles>& categories) {
    QByteArray out = csv::writeRecord(exportHeader());
    for (const PlainEntry& e : entries) {
        const CategoryTitles titles = categories.value(e.category);
        out += csv::writeRecord({e.category, e.description, titles.fields[0], e.fields[0], titles.fields[1],
                                 e.fields[1], titles.fields[2], e.fields[2], titles.fields[3], e.fields[3],
                                 e.notes, e.lastUpdate});
    }
    return out;
}

std::optional<QString> writeOwnerOnlyFile(const QString& path, const QByteArray& contents) {
    QSaveFile file(path);
    // Owner-only from before the first byte is written, also when replacing a file readable by others.
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return file.errorString();
    if (file.write(contents) != contents.size() || !file.commit()) return file.errorString();
    return std::nullopt;
}

} // namespace transfer
