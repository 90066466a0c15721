#pragma once

#include <QString>

// An attachment is listed as one line: its description, the separator " · · " and the file's
// path. The description never holds a middle dot, so the first one of a line starts the
// separator. These functions build such a line and pick the file-type picture of a file.
namespace attachments {

inline constexpr char16_t MiddleDot = u'\u00B7';

// The separator between description and path: blank, middle dot, blank, middle dot, blank.
QString separator();

// description & " · · " & path.
QString attachmentLine(const QString& description, const QString& path);

// A typed description as it is listed and stored: upper case, trimmed, apostrophes replaced by
// grave accents.
QString storedDescription(const QString& typed);

// The file-type picture of a file, 1 to 5, from the last three characters of its name, upper
// case: 1 executables, 2 pictures, 3 databases, 4 documents, 5 anything else.
int pictureForFile(const QString& fileName);
inline constexpr int PictureCount = 5;
inline constexpr int OtherPicture = 5;

// The key of a picture in the image list ("Executables", "Pictures", "Databases", "Document",
// "Others") and the name of its drawing among the program's pictures.
QString pictureKey(int number);
QString pictureResource(int number);

} // namespace attachments
