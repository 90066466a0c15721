#include "passwordimport.h"

#include "store/fieldmeaning.h"
#include "store/onetimecode.h"
#include "store/records.h"
#include "store/text.h"
#include "store/wording.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUrl>
#include <optional>

namespace transfer {
namespace {

// What a column of a recognised file is taken for.
enum class Role { Title, Url, User, Password, Notes, Group, OneTime, ToNotes, Ignored };

struct Column {
    QStringList names; // header texts, compared case-insensitively after trimming
    Role role;
    bool required;
};

struct Format {
    QString name;
    QList<Column> columns;
    bool groupsStartAtRoot;     // a group path whose first part is the file's root group
    bool titleFromHost = false; // no title column: the web address's host is the description
};

const QList<Format>& formats() {
    static const QList<Format> all = {
        {QStringLiteral("web browser"),
         {{{QStringLiteral("name"), QStringLiteral("title")}, Role::Title, true},
          {{QStringLiteral("url")}, Role::Url, true},
          {{QStringLiteral("username")}, Role::User, true},
          {{QStringLiteral("password")}, Role::Password, true},
          {{QStringLiteral("note"), QStringLiteral("notes")}, Role::Notes, false},
          {{QStringLiteral("otpauth")}, Role::OneTime, false}},
         false},
        // Firefox: the realm of a site that asks in a browser box goes into the notes; the form's
        // address, the record's id and its times are left out.
        {QStringLiteral("Firefox"),
         {{{QStringLiteral("url")}, Role::Url, true},
          {{QStringLiteral("username")}, Role::User, true},
          {{QStringLiteral("password")}, Role::Password, true},
          {{QStringLiteral("httprealm")}, Role::ToNotes, true},
          {{QStringLiteral("formactionorigin")}, Role::Ignored, true},
          {{QStringLiteral("guid")}, Role::Ignored, false},
          {{QStringLiteral("timecreated")}, Role::Ignored, false},
          {{QStringLiteral("timelastused")}, Role::Ignored, false},
          {{QStringLiteral("timepasswordchanged")}, Role::Ignored, false}},
         false,
         true},
        {QStringLiteral("KeePassXC"),
         {{{QStringLiteral("group")}, Role::Group, true},
          {{QStringLiteral("title")}, Role::Title, true},
          {{QStringLiteral("username")}, Role::User, true},
          {{QStringLiteral("password")}, Role::Password, true},
          {{QStringLiteral("url")}, Role::Url, true},
          {{QStringLiteral("notes")}, Role::Notes, true},
          {{QStringLiteral("totp")}, Role::OneTime, false},
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
          {{QStringLiteral("login_totp")}, Role::OneTime, true}},
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
    return QCoreApplication::translate(
               "Import", "Line %1 is not a header this program knows. It imports the CSV files of web "
                         "browsers (name,url,username,password), Firefox (url,username,password,httpRealm,"
                         "formActionOrigin,guid,timeCreated,timeLastUsed,timePasswordChanged), KeePassXC "
                         "(\"Group\",\"Title\",\"Username\","
                         "\"Password\",\"URL\",\"Notes\"), Bitwarden (folder,favorite,type,name,notes,fields,"
                         "reprompt,login_uri,login_username,login_password,login_totp) and its own export "
                         "(%2).")
        .arg(line)
        .arg(exportHeader().join(QLatin1Char(',')));
}

QString number(qsizetype n) {
    return TextLocale.toString(n);
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
        return QCoreApplication::translate(
                   "Import", "the \"%1\" value holds the character %2, which the vault cannot keep.")
            .arg(value.column, character);
    if (oneLine && (value.text.contains(QLatin1Char('\n')) || value.text.contains(QLatin1Char('\r'))))
        return QCoreApplication::translate("Import",
                                           "the \"%1\" value holds a line break, which only notes can hold.")
            .arg(value.column);
    const qsizetype length = text::characterCount(value.text);
    if (length > limit)
        return QCoreApplication::translate("Import", "the \"%1\" value has %2 characters; at most %3 fit.")
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
        return QCoreApplication::translate(
                   "Import", "the \"%1\" value holds the character %2, which a category name cannot hold.")
            .arg(group.column, character);
    if (const qsizetype length = text::characterCount(name); length > CategoryNameLimit)
        return QCoreApplication::translate(
                   "Import", "the \"%1\" value has %2 characters; a category name holds at most %3.")
            .arg(group.column, number(length), number(CategoryNameLimit));
    return {};
}

// Titles a new category takes when WEB SITE's do not hold a web address, a user name, a
// password and an e-mail address.
const CategoryTitles FittingTitles{QStringLiteral("Site"),
                                   {QStringLiteral("Web Address"), QStringLiteral("User Name"),
                                    QStringLiteral("Password"), QStringLiteral("E-mail")},
                                   QStringLiteral("Notes")};

bool holdsEveryMeaning(const CategoryTitles& titles) {
    for (FieldMeaning meaning :
         {FieldMeaning::Url, FieldMeaning::User, FieldMeaning::Secret, FieldMeaning::Email})
        if (fieldOfMeaning(titles.fields, meaning) < 0) return false;
    return true;
}

// One value of a record with what it means: the column it came from, and for the program's own
// export the title it had there.
struct Meant {
    Value value;
    FieldMeaning meaning;
    QString sourceTitle;
};

// Where a record's values go under a category's titles.
struct Placement {
    std::array<QString, 4> fields;
    QStringList columns;   // "column -> title" for each value placed
    QList<Value> forNotes; // one-time code settings the category has no field for
};

// Whether a one-time code column's value is a setting; any other text goes into the notes as
// "column: value" like the other columns.
bool isOneTimeSetting(const QString& text) {
    return std::holds_alternative<otp::Setting>(otp::parse(text));
}

// A one-time code setting as a line of the notes: an address on a line of its own, which the
// detail view recognises.
QString notesLine(const Value& value) {
    if (otp::looksLikeAddress(value.text)) return value.text;
    return otp::address(std::get<otp::Setting>(otp::parse(value.text)));
}

// The titles of a new category for a file that brings one-time codes: the e-mail field, which
// no such file fills, holds them.
CategoryTitles withOneTimeField(CategoryTitles titles) {
    if (fieldOfMeaning(titles.fields, FieldMeaning::OneTimeCode) >= 0) return titles;
    const int free = fieldOfMeaning(titles.fields, FieldMeaning::Email);
    if (free >= 0) titles.fields[std::size_t(free)] = OneTimeCodeTitle;
    return titles;
}

QString sameTitle(const QString& title) {
    return title.trimmed().toCaseFolded();
}

// The field of each meaning under a category's titles (-1: none), by FieldMeaning; the user name
// goes to the e-mail field where there is no user-name field.
using FieldsByMeaning = std::array<int, 6>;

FieldsByMeaning fieldsByMeaning(const CategoryTitles& titles) {
    FieldsByMeaning fields{-1, -1, -1, -1, -1, -1};
    for (FieldMeaning meaning :
         {FieldMeaning::Url, FieldMeaning::Secret, FieldMeaning::Email, FieldMeaning::OneTimeCode})
        fields[std::size_t(meaning)] = fieldOfMeaning(titles.fields, meaning);
    fields[std::size_t(FieldMeaning::User)] = userNameField(titles.fields);
    return fields;
}

// The record's values under the category's titles: a value goes under the title it had (own
// export), else under the title of its meaning. Nothing when a value has no place; missing then
// names the value's column.
std::optional<Placement> place(const CategoryTitles& titles, const FieldsByMeaning& byMeaning,
                               const QList<Meant>& values, QString& missing) {
    Placement placement;
    std::array<bool, 4> used{};
    for (const Meant& meant : values) {
        if (meant.value.text.isEmpty()) continue;
        int field = -1;
        if (!meant.sourceTitle.trimmed().isEmpty())
            for (int i = 0; i < 4 && field < 0; ++i)
                if (!used[std::size_t(i)] &&
                    sameTitle(titles.fields[std::size_t(i)]) == sameTitle(meant.sourceTitle))
                    field = i;
        if (field < 0) field = byMeaning[std::size_t(meant.meaning)];
        if ((field < 0 || used[std::size_t(field)]) && meant.meaning == FieldMeaning::OneTimeCode) {
            placement.forNotes.append(meant.value);
            continue;
        }
        if (field < 0 || used[std::size_t(field)]) {
            missing = meant.value.column;
            return std::nullopt;
        }
        used[std::size_t(field)] = true;
        placement.fields[std::size_t(field)] = meant.value.text;
        placement.columns.append(meant.value.column + QStringLiteral(" \u2192 ") +
                                 titles.fields[std::size_t(field)].trimmed());
    }
    return placement;
}

// Values in the order of the four fields, each under its own title: the program's own export
// into a category of the same titles.
Placement inOrder(const CategoryTitles& titles, const QList<Meant>& values) {
    Placement placement;
    for (qsizetype i = 0; i < 4 && i < values.size(); ++i) {
        placement.fields[std::size_t(i)] = values[i].value.text;
        if (!values[i].value.text.isEmpty())
            placement.columns.append(values[i].value.column + QStringLiteral(" \u2192 ") +
                                     titles.fields[std::size_t(i)].trimmed());
    }
    return placement;
}

bool sameTitles(const CategoryTitles& a, const CategoryTitles& b) {
    for (std::size_t i = 0; i < 4; ++i)
        if (sameTitle(a.fields[i]) != sameTitle(b.fields[i])) return false;
    return true;
}

// A description without the number a repeated title was given: "Mail (2)" -> "MAIL".
QString withoutNumber(const QString& description) {
    QString key = descriptionKey(description);
    if (!key.endsWith(QLatin1Char(')'))) return key;
    const qsizetype open = key.lastIndexOf(QLatin1String(" ("));
    if (open < 0 || open + 3 > key.size() - 1) return key;
    for (qsizetype i = open + 2; i < key.size() - 1; ++i)
        if (!key[i].isDigit()) return key;
    key.truncate(open);
    return key.trimmed();
}

// What makes a record the same as a stored entry: category, description (numbered or not) and
// every value.
QStringList sameness(const PlainEntry& entry) {
    return {entry.category,       withoutNumber(entry.description),
            entry.fields[0],      entry.fields[1],
            entry.fields[2],      entry.fields[3],
            withCrLf(entry.notes)};
}

// The rows of one file becoming entries: categories found or planned, descriptions made unique.
class Planner {
public:
    Planner(const VaultContents& vault, ImportPlan& plan, bool importKnown)
        : vault_(vault), plan_(plan), taken_(vault.descriptions), importKnown_(importKnown) {
        const CategoryTitles webSite = vault.categories.value(DefaultCategory, FittingTitles);
        fitting_ = holdsEveryMeaning(webSite) ? webSite : FittingTitles;
        for (const PlainEntry& entry : vault.entries)
            known_.insert(sameness(entry));
    }

    // A record that passed every check: its values go under the category's titles by meaning; a
    // category without a place for one of them gives way to a new one of the same name and a
    // number. ownTitles are the titles the record brought (own export), or none.
    void accept(int line, PlainEntry entry, const QList<Meant>& values, const Value& description,
                const Value& notes, const std::optional<CategoryTitles>& ownTitles) {
        const QString group = entry.category;
        std::optional<Placement> placement;
        QString missing;
        for (int n = 1; !placement; ++n) {
            const QString name = n == 1 ? group : group + QStringLiteral(" (%1)").arg(n);
            if (name.size() > CategoryNameLimit)
                return refuse(line, QCoreApplication::translate(
                                        "Import", "category %1 has no title for the \"%2\" value, and a new "
                                                  "category with a number added to its name would be longer "
                                                  "than %3 characters.")
                                        .arg(group, missing, number(CategoryNameLimit)));
            if (const std::optional<CategoryTitles> titles = titlesOf(name)) {
                QString scratch;
                placement =
                    ownTitles && sameTitles(*titles, *ownTitles)
                        ? inOrder(*titles, values)
                        : place(*titles, meaningsOf(name, *titles), values, n == 1 ? missing : scratch);
                if (placement) entry.category = name;
                continue;
            }
            CategoryTitles titles = fitting_;
            if (ownTitles)
                titles.fields = ownTitles->fields;
            else if (oneTimeCodes_)
                titles = withOneTimeField(titles);
            planned_.insert(name, titles);
            plan_.newCategories.append(
                {name, titles,
                 n == 1 ? QString()
                        : QCoreApplication::translate("Import", "%1 has no title for \"%2\"")
                              .arg(group, missing)});
            QString unused;
            placement =
                ownTitles ? inOrder(titles, values) : place(titles, fieldsByMeaning(titles), values, unused);
            entry.category = name;
        }
        entry.fields = placement->fields;
        const CategoryTitles titles = *titlesOf(entry.category);
        QStringList& columns = plan_.columnTitles[entry.category];
        QStringList shown = placement->columns;
        shown.prepend(description.column + QStringLiteral(" \u2192 ") + titles.description.trimmed());
        if (!notes.text.isEmpty())
            shown.append(notes.column + QStringLiteral(" \u2192 ") + titles.notes.trimmed());
        for (const Value& value : placement->forNotes) {
            if (!entry.notes.isEmpty()) entry.notes += QStringLiteral("\r\n");
            entry.notes += notesLine(value);
            shown.append(value.column + QStringLiteral(" \u2192 ") + titles.notes.trimmed());
        }
        if (!placement->forNotes.isEmpty())
            if (const QString fault = valueFault({entry.notes, notes.column}, false, NotesLimit);
                !fault.isEmpty())
                return refuse(line, fault);
        for (const QString& column : shown)
            if (!columns.contains(column)) columns.append(column);

        if (!importKnown_ && known_.contains(sameness(entry))) {
            plan_.known.append({line, entry.description, entry.category});
            return;
        }
        QString numbered = entry.description;
        if (taken_.contains(descriptionKey(numbered))) {
            // Numbers go on from the last one given to this title, so a title repeated many times
            // costs no more than one repeated twice.
            const QString base = numbered.trimmed();
            auto next = nextNumber_.find(descriptionKey(base));
            if (next == nextNumber_.end()) next = nextNumber_.insert(descriptionKey(base), 2);
            do
                numbered = base + QStringLiteral(" (%1)").arg((*next)++);
            while (taken_.contains(descriptionKey(numbered)));
        }
        if (text::characterCount(numbered) > FieldLimit)
            return refuse(line, QCoreApplication::translate(
                                    "Import", "the title is already used, and with a number added it would "
                                              "be longer than %1 characters.")
                                    .arg(number(FieldLimit)));
        taken_.insert(descriptionKey(numbered));
        entry.description = numbered;
        plan_.entries.append(std::move(entry));
    }

    void refuse(int line, const QString& reason) { plan_.refused.append({line, reason}); }

    // The file brings one-time codes: a category made for it gets a field for them.
    void expectOneTimeCodes() { oneTimeCodes_ = true; }

    std::optional<CategoryTitles> titlesOf(const QString& category) const {
        if (const auto it = vault_.categories.constFind(category); it != vault_.categories.cend()) return *it;
        if (const auto it = planned_.constFind(category); it != planned_.cend()) return *it;
        return std::nullopt;
    }

private:
    // The fields by meaning of a category, worked out once per category.
    const FieldsByMeaning& meaningsOf(const QString& category, const CategoryTitles& titles) {
        auto it = meanings_.find(category);
        if (it == meanings_.end()) it = meanings_.insert(category, fieldsByMeaning(titles));
        return *it;
    }

    QHash<QString, FieldsByMeaning> meanings_;
    const VaultContents& vault_;
    ImportPlan& plan_;
    QSet<QString> taken_;
    QHash<QString, int> nextNumber_; // by the key of a title without its number
    QHash<QString, CategoryTitles> planned_;
    QSet<QStringList> known_;
    bool importKnown_;
    bool oneTimeCodes_ = false;
    CategoryTitles fitting_;
};

// Told after every few thousand rows planned.
using RowProgress = std::function<void(qsizetype rows)>;
constexpr qsizetype RowProgressStep = 4096;

// The site a web address names, for a record that brings no title of its own.
QString hostOf(const QString& url) {
    const QString host = QUrl::fromUserInput(url.trimmed()).host();
    return host.isEmpty() ? url.trimmed() : host;
}

void planOther(const Format& format, const QList<Role>& roles, const csv::Table& table, Planner& planner,
               const QString& now, const RowProgress& progress) {
    if (const qsizetype column = roles.indexOf(Role::OneTime); column >= 0)
        for (const csv::Record& record : table.records)
            if (isOneTimeSetting(record.fields[column])) {
                planner.expectOneTimeCodes();
                break;
            }
    qsizetype rows = 0;
    for (const csv::Record& record : table.records) {
        if (++rows % RowProgressStep == 0) progress(rows);
        Value title, url, user, password, notes, group, oneTime;
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
            case Role::OneTime:
                if (isOneTimeSetting(value.text))
                    oneTime = {value.text.trimmed(), value.column};
                else if (!value.text.trimmed().isEmpty())
                    extras.append(value.column + QStringLiteral(": ") + value.text);
                break;
            case Role::ToNotes:
                if (!value.text.trimmed().isEmpty())
                    extras.append(value.column + QStringLiteral(": ") + value.text);
                break;
            case Role::Ignored:
                break;
            }
        }
        if (format.titleFromHost) title = {hostOf(url.text), url.column};
        if (title.text.trimmed().isEmpty()) {
            planner.refuse(record.line,
                           QCoreApplication::translate("Import", "the title (\"%1\") is empty.")
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
            if (notes.column.isEmpty()) notes.column = QStringLiteral("other columns");
        }
        notes.text = withCrLf(notes.text);
        if (notes.column.isEmpty()) notes.column = QStringLiteral("notes");

        QString fault = categoryFault(group, category);
        for (const Value* value : {&title, &url, &user, &password, &oneTime})
            if (fault.isEmpty()) fault = valueFault(*value, true, FieldLimit);
        if (fault.isEmpty()) fault = valueFault(notes, false, NotesLimit);
        if (!fault.isEmpty()) {
            planner.refuse(record.line, fault);
            continue;
        }
        planner.accept(record.line, PlainEntry{category, title.text, {}, notes.text, now},
                       {{url, FieldMeaning::Url, {}},
                        {user, FieldMeaning::User, {}},
                        {password, FieldMeaning::Secret, {}},
                        {oneTime, FieldMeaning::OneTimeCode, {}}},
                       title, notes, std::nullopt);
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
        PlainEntry entry{category, f[1], {}, withCrLf(f[10]), f[11]};
        if (!stamp.match(entry.lastUpdate).hasMatch()) entry.lastUpdate = now;
        if (entry.description.trimmed().isEmpty()) {
            planner.refuse(record.line, QCoreApplication::translate("Import", "the description is empty."));
            continue;
        }
        CategoryTitles titles;
        QString fault = categoryFault(group, category);
        QList<Meant> values;
        for (int i = 0; i < 4 && fault.isEmpty(); ++i) {
            const QString title = f[2 + 2 * i].trimmed();
            titles.fields[std::size_t(i)] = title;
            fault = valueFault({title, header[2 + 2 * i]}, true, 50);
            values.append({{f[3 + 2 * i], title.isEmpty() ? header[3 + 2 * i].trimmed() : title},
                           meaningOfTitle(title),
                           title});
        }
        const int valueColumns[] = {1, 3, 5, 7, 9};
        for (int c : valueColumns)
            if (fault.isEmpty()) fault = valueFault({f[c], header[c].trimmed()}, true, FieldLimit);
        if (fault.isEmpty()) fault = valueFault({entry.notes, header[10].trimmed()}, false, NotesLimit);
        if (!fault.isEmpty()) {
            planner.refuse(record.line, fault);
            continue;
        }
        planner.accept(record.line, std::move(entry), values, {f[1], header[1].trimmed()},
                       {withCrLf(f[10]), header[10].trimmed()}, titles);
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
                                                  const csv::Progress& progress, bool importKnown) {
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
    Planner planner(vault, plan, importKnown);
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
        return csv::Failure{table.headerLine, QCoreApplication::translate(
                                                  "Import", "The file holds only its header (line %1) and no "
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
