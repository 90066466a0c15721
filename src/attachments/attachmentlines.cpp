#include "attachmentlines.h"
#include "store/records.h"
#include "store/text.h"

#include <array>

namespace attachments {

namespace {

struct FileType {
    const char* key;
    const char* resource;
    std::array<const char*, 7> endings; // upper case, unused places null
};

// In the order the picture is chosen: the first type whose ending matches wins.
constexpr std::array<FileType, PictureCount> FileTypes{{
    {"Executables", "file_exe", {"EXE", "COM"}},
    {"Pictures", "file_picture", {"BMP", "PCX", "JPG", "TIF", "PSD", "TGA", "GIF"}},
    {"Databases", "file_database", {"MDB", "DBF"}},
    {"Document", "file_document", {"TXT", "ASC"}},
    {"Others", "file_other", {}},
}};

const FileType& typeOf(int number) {
    return FileTypes[std::size_t(number >= 1 && number <= PictureCount ? number : OtherPicture) - 1];
}

} // namespace

QString separator() {
    return QStringLiteral(" ") + QChar(MiddleDot) + QStringLiteral(" ") + QChar(MiddleDot) +
           QStringLiteral(" ");
}

QString attachmentLine(const QString& description, const QString& path) {
    return description + separator() + path;
}

QString storedDescription(const QString& typed) {
    return upperTrimmed(typed).replace(QLatin1Char('\''), QLatin1Char('`'));
}

int pictureForFile(const QString& fileName) {
    const QString ending = text::upper(fileName.right(3));
    for (std::size_t i = 0; i + 1 < FileTypes.size(); ++i)
        for (const char* known : FileTypes[i].endings)
            if (known && ending == QLatin1String(known)) return int(i) + 1;
    return OtherPicture;
}

QString pictureKey(int number) {
    return QLatin1String(typeOf(number).key);
}

QString pictureResource(int number) {
    return QLatin1String(typeOf(number).resource);
}

} // namespace attachments
