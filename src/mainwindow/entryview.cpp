#include "entryview.h"

#include "app/controls.h"
#include "app/forms.h"
#include "app/modmain.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/twips.h"
#include "entries/frmentry.h"
#include "frmmain.h"
#include "store/codec.h"
#include "store/dates.h"
#include "store/statements.h"
#include "store/vault.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <array>
#include <cmath>

bool isWebAddress(const QString& value) {
    return value.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ||
           value.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           value.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

QString upperTrimmed(QString text) {
    // Plain ASCII, the usual case, is upper-cased here; anything else by the full case rules.
    char16_t* d = reinterpret_cast<char16_t*>(text.data());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = d[i];
        if (c >= 0x80) return std::move(text).toUpper().trimmed();
        if (c >= u'a' && c <= u'z') d[i] = char16_t(c - (u'a' - u'A'));
    }
    return std::move(text).trimmed();
}

QString categoryPictureFor(int imageNumber) {
    frmEntry& editor = form<frmEntry>();
    switch (imageNumber) {
    case 0:
        return editor.Picture1->picture();
    case 3:
        return editor.Picture3->picture();
    case 2:
        return editor.Picture4->picture();
    default:
        return editor.Picture6->picture();
    }
}

namespace {

// A title from CatDef as the detail view shows it: trimmed, apostrophes back, a colon appended.
QString shownTitle(const QSqlQuery& row, const char* column) {
    return toShownForm(columnText(row, column).trimmed()) + QLatin1Char(':');
}

} // namespace

// Shows the entry whose description is the entry list's current text: its values under its
// category's titles, the category's icon, the last-update date and the attachment indicator.
void ShowEntry() {
    frmMain& main = form<frmMain>();
    runVaultOperation(214, [&main] {
        main.Picture1->repaint();
        main.Picture9->show();
        main.Picture9->repaint();
        const QString wanted = upperTrimmed(toStoredForm(listText(main.List1)));
        main.Picture5->hide();
        const std::array<QLineEdit*, 4> boxes = {main.Text1, main.Text2, main.Text3, main.Text4};
        for (QLineEdit* box : boxes)
            box->clear();
        main.Text5->clear();
        main.unreadableFields = {};
        for (QWidget* box : {static_cast<QWidget*>(main.Text1), static_cast<QWidget*>(main.Text2), static_cast<QWidget*>(main.Text3), static_cast<QWidget*>(main.Text4), static_cast<QWidget*>(main.Text5)})
            markUnreadable(box, false);
        main.Label10->clear();
        // A show that finds no row leaves no earlier entry's title or key for the commands.
        main.Label3->clear();
        main.Label13->clear();
        main.Label11->clear();

        openVault();
        // Descriptions are stored with random filler, so every one is decoded; when several
        // entries match, the last in table order is the one shown.
        QSqlQuery& rows = openRecords(sql::SelectEntryDescriptionsAndKeys);
        QVariant shownKey;
        while (rows.next())
            if (upperTrimmed(DecodeValue(QByteArrayView(rows.value(1).toByteArray()))) == wanted) shownKey = rows.value(0);
        closeRecords();

        if (shownKey.isValid()) {
            QSqlQuery& entry = openRecords(sql::SelectEntryByKey, {shownKey});
            if (entry.next()) {
                const QString description = upperTrimmed(DecodeValue(entry.value(1).toString()));
                QString shown[5];
                for (int i = 0; i < 5; ++i) {
                    // A value that does not decode (written by another tool) is shown as such.
                    const std::optional<QString> value = DecodeStoredValue(QByteArrayView(entry.value(2 + i).toByteArray()));
                    main.unreadableFields[std::size_t(i)] = !value;
                    shown[i] = value.value_or(QString()).trimmed();
                }
                for (int i = 0; i < 4; ++i)
                    main.placeLaunchButton(i + 1, isWebAddress(shown[i]));
                for (int i = 0; i < 4; ++i) {
                    boxes[i]->setText(toShownForm(shown[i]));
                    boxes[i]->setCursorPosition(0);
                }
                main.Text5->setPlainText(toShownForm(shown[4]));
                for (int i = 0; i < 4; ++i) markUnreadable(boxes[i], main.unreadableFields[std::size_t(i)]);
                markUnreadable(main.Text5, main.unreadableFields[4]);
                main.Label10->setText(upperTrimmed(DecodeValue(entry.value(7).toString())));
                main.Label3->setText(toShownForm(description));
                main.Label13->setText(main.Label3->text());
                main.Label11->setText(entry.value(0).toString().trimmed());
                main.Label29->setText(QStringLiteral("Last Updated: ") +
                                      shownUpdateDate(DecodeValue(entry.value(8).toString())).trimmed());
            }
            closeRecords();
        }

        QSqlQuery& definition = openRecords(sql::SelectCategoryDefinition, {main.Label10->text()});
        if (definition.next()) {
            main.Label4->setText(shownTitle(definition, "pwUDF1"));
            main.Label5->setText(shownTitle(definition, "pwUDF2"));
            main.Label6->setText(shownTitle(definition, "pwUDF3"));
            main.Label7->setText(shownTitle(definition, "pwUDF4"));
            main.Label8->setText(shownTitle(definition, "pwNOTES"));
            main.Label14->setText(shownTitle(definition, "PWDESC"));
            // The icon number is a byte: a text that is not a number from 0 to 255 fails the read.
            bool numeric = false;
            const double number = columnText(definition, "pwImg").trimmed().toDouble(&numeric);
            const double image = numeric ? std::nearbyint(number) : -1;
            if (!numeric || image < 0 || image > 255)
                throw VaultFailure{QStringLiteral("Quorlane"), 13, QStringLiteral("Type mismatch")};
            main.Picture6->setPicture(categoryPictureFor(int(image)));
        }
        closeRecords();

        QSqlQuery& attachments = openRecords(sql::SelectAttachments, {main.Label11->text()});
        main.Picture17->setVisible(attachments.next());

        setPlainToolTip(main.Text1, main.Label4->text());
        setPlainToolTip(main.Text2, main.Label5->text());
        setPlainToolTip(main.Text3, main.Label6->text());
        setPlainToolTip(main.Text4, main.Label7->text());
        setPlainToolTip(main.Text5, main.Label8->text());
        closeRecords();
        closeVault();
        if (main.List1->count() > 0) {
            main.Picture5->show();
            main.Picture5->raise();
        }
        main.Picture9->hide();
    });
}

// Asks the shell to open a web address or a file; says so when it cannot.
void LaunchDocument(const QString& target) {
    if (!platform().openDocument(target))
        platform().messageBox(QStringLiteral("Failed Execution"), QStringLiteral("Failed to open browser."),
                              MsgIcon::Error);
}
