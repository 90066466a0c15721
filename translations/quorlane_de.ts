<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>--vault needs the name of a vault file</source>
        <translation>--vault braucht den Namen einer Tresordatei</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>--vault is given twice</source>
        <translation>--vault ist zweimal angegeben</translation>
    </message>
    <message>
        <source>the vault file %1 does not exist</source>
        <translation>die Tresordatei %1 existiert nicht</translation>
    </message>
    <message>
        <source>Usage: quorlane [--vault FILE]
Keeps accounts, card numbers, codes and passwords in one local vault file,
sorted into categories whose field titles you choose.

Options:
  --vault FILE   use FILE as the vault instead of the usual one, for example a
                 vault kept on a USB stick
  -h, --help     print this help and exit
  -v, --version  print the version and exit

Files:
  ~/.local/share/Quorlane/gpwdfsc.mdb
                 the vault (under $XDG_DATA_HOME/Quorlane when that is set), made on
                 first start; back it up while Quorlane is closed
  gpwdfsc.mdb beside the program
                 when present, the vault (portable use)
  ~/.config/Quorlane.conf
                 the settings: display choices, retry count, clipboard and idle times
  /usr/share/quorlane/Help.pdf
                 the user&apos;s guide (the Help button or F1)

Exit status:
  0              the program was closed, or help or version was printed
  2              the command line was not understood
</source>
        <translation>Aufruf: quorlane [--vault DATEI]
Verwahrt Konten, Kartennummern, Codes und Passwörter in einer lokalen Tresordatei,
geordnet in Kategorien, deren Feldtitel Sie selbst wählen.

Optionen:
  --vault DATEI  DATEI statt des üblichen Tresors verwenden, zum Beispiel einen
                 Tresor auf einem USB-Stick
  -h, --help     diese Hilfe ausgeben und beenden
  -v, --version  die Version ausgeben und beenden

Dateien:
  ~/.local/share/Quorlane/gpwdfsc.mdb
                 der Tresor (unter $XDG_DATA_HOME/Quorlane, wenn das gesetzt ist), beim
                 ersten Start angelegt; sichern Sie ihn, während Quorlane geschlossen ist
  gpwdfsc.mdb neben dem Programm
                 wenn vorhanden, der Tresor (portable Nutzung)
  ~/.config/Quorlane.conf
                 die Einstellungen: Anzeige, Anzahl der Versuche, Zwischenablage- und Sperrzeiten
  /usr/share/quorlane/Help_de.pdf
                 das Handbuch (die Hilfe-Schaltfläche oder F1)

Rückgabewert:
  0              das Programm wurde geschlossen, oder Hilfe bzw. Version wurde ausgegeben
  2              die Befehlszeile wurde nicht verstanden
</translation>
    </message>
    <message>
        <source>quorlane: %1
Try &apos;quorlane --help&apos; for more information.
</source>
        <translation>quorlane: %1
»quorlane --help« gibt weitere Informationen.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>This field could not be read. It is kept as stored.</source>
        <translation>Dieses Feld konnte nicht gelesen werden. Es bleibt so gespeichert, wie es ist.</translation>
    </message>
</context>
<context>
    <name>EntryCommands</name>
    <message>
        <source>Add Entry</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Delete Entry?</source>
        <translation>Eintrag löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Entry successfully deleted.</source>
        <translation>Der Eintrag wurde gelöscht.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>EntryView</name>
    <message>
        <source>Last Updated: </source>
        <translation>Zuletzt geändert: </translation>
    </message>
    <message>
        <source>MM/dd/yyyy</source>
        <comment>the shown date</comment>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>Failed Execution</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to open browser.</source>
        <translation>Der Browser konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>User Defined Field (%1)</source>
        <translation>Benutzerdefiniertes Feld (%1)</translation>
    </message>
    <message>
        <source>Launch URL.</source>
        <translation>Adresse öffnen.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Copy this field to your clipboard.</source>
        <translation>Dieses Feld in die Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>One-time code: </source>
        <translation>Einmalcode: </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Could not retrieve data from database.</source>
        <translation>Die Daten konnten nicht aus der Datenbank gelesen werden.</translation>
    </message>
    <message>
        <source>Could not update database.</source>
        <translation>Die Datenbank konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Transfer Failed</source>
        <translation>Übertragung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not complete category transfer.</source>
        <translation>Die Übertragung in die Kategorie konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Update Failed</source>
        <translation>Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not not update from database.</source>
        <translation>Die Datenbank konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Conversion Error</source>
        <translation>Umwandlungsfehler</translation>
    </message>
    <message>
        <source>Cannot modify template file.</source>
        <translation>Die Vorlagendatei kann nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>Retrieval Error</source>
        <translation>Lesefehler</translation>
    </message>
</context>
<context>
    <name>HealthModel</name>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Rateversuche</translation>
    </message>
    <message>
        <source>Also used by</source>
        <translation>Auch verwendet von</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Zuletzt geändert</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Line %1 holds binary data (a zero byte): the file is not a CSV text file.</source>
        <translation>Zeile %1 enthält Binärdaten (ein Null-Byte): Die Datei ist keine CSV-Textdatei.</translation>
    </message>
    <message>
        <source>Line %1 is not UTF-8 text. Save the file as UTF-8 CSV and try again.</source>
        <translation>Zeile %1 ist kein UTF-8-Text. Speichern Sie die Datei als UTF-8-CSV und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Line %1: a value in quotes begins here and its closing quote is missing.</source>
        <translation>Zeile %1: Hier beginnt ein Wert in Anführungszeichen, dessen schließendes Anführungszeichen fehlt.</translation>
    </message>
    <message>
        <source>Line %1: a value in quotes is followed by &quot;%2&quot; before the next comma.</source>
        <translation>Zeile %1: Auf einen Wert in Anführungszeichen folgt vor dem nächsten Komma „%2“.</translation>
    </message>
    <message>
        <source>Line %1 has %2, but the header (line %3) has %4.</source>
        <translation>Zeile %1 hat %2, die Kopfzeile (Zeile %3) aber %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n values</source>
        <translation>
            <numerusform>%n Wert</numerusform>
            <numerusform>%n Werte</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Line %1 is not a header this program knows. It imports the CSV files of web browsers (name,url,username,password), Firefox (url,username,password,httpRealm,formActionOrigin,guid,timeCreated,timeLastUsed,timePasswordChanged), KeePassXC (&quot;Group&quot;,&quot;Title&quot;,&quot;Username&quot;,&quot;Password&quot;,&quot;URL&quot;,&quot;Notes&quot;), Bitwarden (folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,login_password,login_totp) and its own export (%2).</source>
        <translation>Zeile %1 ist keine Kopfzeile, die dieses Programm kennt. Es importiert die CSV-Dateien von Webbrowsern (name,url,username,password), Firefox (url,username,password,httpRealm,formActionOrigin,guid,timeCreated,timeLastUsed,timePasswordChanged), KeePassXC (&quot;Group&quot;,&quot;Title&quot;,&quot;Username&quot;,&quot;Password&quot;,&quot;URL&quot;,&quot;Notes&quot;), Bitwarden (folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,login_password,login_totp) und seinen eigenen Export (%2).</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; value holds the character %2, which the vault cannot keep.</source>
        <translation>der Wert „%1“ enthält das Zeichen %2, das der Tresor nicht speichern kann.</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; value holds a line break, which only notes can hold.</source>
        <translation>der Wert „%1“ enthält einen Zeilenumbruch, den nur Notizen enthalten dürfen.</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; value has %2 characters; at most %3 fit.</source>
        <translation>der Wert „%1“ hat %2 Zeichen; höchstens %3 sind möglich.</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; value holds the character %2, which a category name cannot hold.</source>
        <translation>der Wert „%1“ enthält das Zeichen %2, das ein Kategoriename nicht enthalten darf.</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; value has %2 characters; a category name holds at most %3.</source>
        <translation>der Wert „%1“ hat %2 Zeichen; ein Kategoriename hat höchstens %3.</translation>
    </message>
    <message>
        <source>category %1 has no title for the &quot;%2&quot; value, and a new category with a number added to its name would be longer than %3 characters.</source>
        <translation>die Kategorie %1 hat keinen Titel für den Wert „%2“, und eine neue Kategorie mit angehängter Nummer wäre länger als %3 Zeichen.</translation>
    </message>
    <message>
        <source>%1 has no title for &quot;%2&quot;</source>
        <translation>%1 hat keinen Titel für „%2“</translation>
    </message>
    <message>
        <source>the title is already used, and with a number added it would be longer than %1 characters.</source>
        <translation>der Titel ist schon vergeben, und mit angehängter Nummer wäre er länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>the title (&quot;%1&quot;) is empty.</source>
        <translation>der Titel („%1“) ist leer.</translation>
    </message>
    <message>
        <source>the description is empty.</source>
        <translation>die Beschreibung ist leer.</translation>
    </message>
    <message>
        <source>The file holds only its header (line %1) and no entries to import.</source>
        <translation>Die Datei enthält nur ihre Kopfzeile (Zeile %1) und keine Einträge zum Importieren.</translation>
    </message>
</context>
<context>
    <name>ImportExport</name>
    <message>
        <source>Import Passwords</source>
        <translation>Passwörter importieren</translation>
    </message>
    <message>
        <source>Export Passwords</source>
        <translation>Passwörter exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 cannot be imported; nothing has been added.

%2</source>
        <translation>%1 kann nicht importiert werden; es wurde nichts hinzugefügt.

%2</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Die Datei kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; no password program writes files that large.</source>
        <translation>Die Datei ist größer als %1 MB; kein Passwortprogramm schreibt so große Dateien.</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>%1 wird gelesen ...</translation>
    </message>
    <message numerus="yes">
        <source>Importing %n entries ...</source>
        <translation>
            <numerusform>%n Eintrag wird importiert ...</numerusform>
            <numerusform>%n Einträge werden importiert ...</numerusform>
        </translation>
    </message>
    <message>
        <source>The exported file holds every password, user name and note in clear text: anyone who can read the file can read them all.

Export every entry?</source>
        <translation>Die exportierte Datei enthält alle Passwörter, Benutzernamen und Notizen im Klartext: Wer die Datei lesen kann, kann sie alle lesen.

Alle Einträge exportieren?</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2); nothing has been exported.</source>
        <translation>%1 kann nicht geschrieben werden (%2); es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message numerus="yes">
        <source>%n entries exported to %1.</source>
        <translation>
            <numerusform>%n Eintrag nach %1 exportiert.</numerusform>
            <numerusform>%n Einträge nach %1 exportiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OneTimeCode</name>
    <message>
        <source>The secret is not valid base32: it may hold only the letters A to Z and the digits 2 to 7.</source>
        <translation>Das Geheimnis ist kein gültiges Base32: Es darf nur die Buchstaben A bis Z und die Ziffern 2 bis 7 enthalten.</translation>
    </message>
    <message>
        <source>The address is not a valid otpauth:// address.</source>
        <translation>Die Adresse ist keine gültige otpauth://-Adresse.</translation>
    </message>
    <message>
        <source>Only time-based codes (otpauth://totp/...) are supported, not &quot;%1&quot;.</source>
        <translation>Nur zeitbasierte Codes (otpauth://totp/...) werden unterstützt, nicht „%1“.</translation>
    </message>
    <message>
        <source>The address holds no secret (secret=...).</source>
        <translation>Die Adresse enthält kein Geheimnis (secret=...).</translation>
    </message>
    <message>
        <source>The algorithm &quot;%1&quot; is not known; use SHA1, SHA256 or SHA512.</source>
        <translation>Der Algorithmus „%1“ ist unbekannt; verwenden Sie SHA1, SHA256 oder SHA512.</translation>
    </message>
    <message>
        <source>A code has 6, 7 or 8 digits, not &quot;%1&quot;.</source>
        <translation>Ein Code hat 6, 7 oder 8 Ziffern, nicht „%1“.</translation>
    </message>
    <message>
        <source>The period is a number of seconds from 1 to %1, not &quot;%2&quot;.</source>
        <translation>Der Zeitraum ist eine Zahl von Sekunden von 1 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>Paste an otpauth:// address or the secret.</source>
        <translation>Fügen Sie eine otpauth://-Adresse oder das Geheimnis ein.</translation>
    </message>
    <message>
        <source>Only otpauth:// addresses and base32 secrets set up a code.</source>
        <translation>Nur otpauth://-Adressen und Base32-Geheimnisse richten einen Code ein.</translation>
    </message>
</context>
<context>
    <name>PasswordStrength</name>
    <message>
        <source>Very weak</source>
        <translation>Sehr schwach</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Sehr stark</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Add Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anhänge</translation>
    </message>
    <message>
        <source>Category Breakdown</source>
        <translation>Einträge nach Kategorie</translation>
    </message>
    <message>
        <source>Category Editor</source>
        <translation>Kategorie-Editor</translation>
    </message>
    <message>
        <source>Category Transfer</source>
        <translation>Kategorie übertragen</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>LOS</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>No entries</source>
        <translation>Keine Einträge</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>in this category</source>
        <translation>in dieser Kategorie</translation>
    </message>
    <message>
        <source>password vault</source>
        <translation>Passwort-Tresor</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>Category: </source>
        <translation>Kategorie: </translation>
    </message>
    <message>
        <source>Last updated on:</source>
        <translation>Zuletzt geändert am:</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Back it up by copying it somewhere safe while Quorlane is closed.</source>
        <translation>Sichern Sie sie, indem Sie sie bei geschlossenem Quorlane an einen sicheren Ort kopieren.</translation>
    </message>
    <message>
        <source>Your entries are kept in this file:

%1

</source>
        <translation>Ihre Einträge werden in dieser Datei gespeichert:

%1

</translation>
    </message>
    <message>
        <source>Your entries are now kept in this file:

%1

It was moved there from %2. </source>
        <translation>Ihre Einträge werden jetzt in dieser Datei gespeichert:

%1

Sie wurde aus %2 dorthin verschoben. </translation>
    </message>
    <message>
        <source>Your entries are kept in this file:

%1

It could not be moved to %2 (%3); Quorlane tries again at the next start.</source>
        <translation>Ihre Einträge werden in dieser Datei gespeichert:

%1

Sie konnte nicht nach %2 verschoben werden (%3); Quorlane versucht es beim nächsten Start erneut.</translation>
    </message>
    <message>
        <source>Your Vault</source>
        <translation>Ihr Tresor</translation>
    </message>
    <message>
        <source>Vault Not Usable</source>
        <translation>Tresor nicht verwendbar</translation>
    </message>
    <message>
        <source>

Nothing is read from it or written to it.</source>
        <translation>

Es wird nichts daraus gelesen oder hineingeschrieben.</translation>
    </message>
    <message>
        <source>Invalid Resolution</source>
        <translation>Ungültige Auflösung</translation>
    </message>
    <message>
        <source>QUORLANE does not support your current resolution mode.

At the current display scaling and font size it needs a screen of at least %1x%2 pixels; this screen has %3x%4. Please lower the display scaling or the font size, or raise the resolution.</source>
        <translation>QUORLANE unterstützt Ihre aktuelle Bildschirmauflösung nicht.

Bei der aktuellen Anzeigeskalierung und Schriftgröße braucht es einen Bildschirm von mindestens %1x%2 Pixeln; dieser Bildschirm hat %3x%4. Bitte verringern Sie die Anzeigeskalierung oder die Schriftgröße, oder erhöhen Sie die Auflösung.</translation>
    </message>
</context>
<context>
    <name>Storable</name>
    <message>
        <source>Unsupported Character</source>
        <translation>Nicht unterstütztes Zeichen</translation>
    </message>
    <message>
        <source>The %1 holds the character %2, which the vault cannot keep.
Please remove it; nothing has been saved.</source>
        <translation>Das Feld „%1“ enthält das Zeichen %2, das der Tresor nicht speichern kann.
Bitte entfernen Sie es; es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>StrengthBar</name>
    <message>
        <source>Password strength</source>
        <translation>Passwortstärke</translation>
    </message>
</context>
<context>
    <name>TrayLock</name>
    <message>
        <source>Quorlane is locked. Click here to unlock.</source>
        <translation>Quorlane ist gesperrt. Klicken Sie hier zum Entsperren.</translation>
    </message>
    <message>
        <source>Changes Not Saved</source>
        <translation>Änderungen nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>VaultFile</name>
    <message>
        <source>the checking program %1 is not installed</source>
        <translation>das Prüfprogramm %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>the checking program %1 could not be started</source>
        <translation>das Prüfprogramm %1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the check did not finish</source>
        <translation>die Prüfung wurde nicht beendet</translation>
    </message>
    <message>
        <source>the checking program stopped without an answer</source>
        <translation>das Prüfprogramm endete ohne Antwort</translation>
    </message>
    <message>
        <source>the checking program gave no answer (%1)</source>
        <translation>das Prüfprogramm gab keine Antwort (%1)</translation>
    </message>
    <message>
        <source>%1 is not a Quorlane vault: %2.</source>
        <translation>%1 ist kein Quorlane-Tresor: %2.</translation>
    </message>
    <message>
        <source>%1 was not opened because it could not be checked first: %2.</source>
        <translation>%1 wurde nicht geöffnet, weil die Datei vorher nicht geprüft werden konnte: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>a write to it was not finished</source>
        <translation>ein Schreibvorgang darin wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>SQLCipher finds it damaged (%1)</source>
        <translation>SQLCipher hält die Datei für beschädigt (%1)</translation>
    </message>
    <message>
        <source>%1 changed while it was checked</source>
        <translation>%1 wurde während der Prüfung geändert</translation>
    </message>
</context>
<context>
    <name>VaultLock</name>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Without a login password the vault file will no longer be protected: anyone who copies it can read every entry.

Save without a password?</source>
        <translation>Ohne Anmeldepasswort ist die Tresordatei nicht mehr geschützt: Wer sie kopiert, kann jeden Eintrag lesen.

Ohne Passwort speichern?</translation>
    </message>
    <message>
        <source>Encrypt Your Vault?</source>
        <translation>Tresor verschlüsseln?</translation>
    </message>
    <message>
        <source>Your vault file is not encrypted: anyone who copies it can read every entry, and your login password too.

Encrypt it now with your login password?</source>
        <translation>Ihre Tresordatei ist nicht verschlüsselt: Wer sie kopiert, kann jeden Eintrag lesen, auch Ihr Anmeldepasswort.

Jetzt mit Ihrem Anmeldepasswort verschlüsseln?</translation>
    </message>
    <message>
        <source>Vault Encrypted</source>
        <translation>Tresor verschlüsselt</translation>
    </message>
    <message>
        <source>Your vault file is now encrypted. Your login password is the only way to open it: do not forget it.</source>
        <translation>Ihre Tresordatei ist jetzt verschlüsselt. Nur mit Ihrem Anmeldepasswort lässt sie sich öffnen: Vergessen Sie es nicht.</translation>
    </message>
</context>
<context>
    <name>VaultRules</name>
    <message>
        <source>SQLite finds it damaged (%1)</source>
        <translation>SQLite hält die Datei für beschädigt (%1)</translation>
    </message>
    <message>
        <source>an unfinished change lies beside it in its journal file</source>
        <translation>neben der Datei liegt eine unvollendete Änderung in ihrer Journaldatei</translation>
    </message>
    <message>
        <source>it cannot be found</source>
        <translation>die Datei ist nicht zu finden</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it holds a second object named %1</source>
        <translation>die Datei enthält ein zweites Objekt namens %1</translation>
    </message>
    <message>
        <source>it holds a view named %1</source>
        <translation>die Datei enthält eine Sicht namens %1</translation>
    </message>
    <message>
        <source>it holds a trigger named %1</source>
        <translation>die Datei enthält einen Trigger namens %1</translation>
    </message>
    <message>
        <source>it holds a virtual table named %1</source>
        <translation>die Datei enthält eine virtuelle Tabelle namens %1</translation>
    </message>
    <message>
        <source>it holds an index named %1</source>
        <translation>die Datei enthält einen Index namens %1</translation>
    </message>
    <message>
        <source>the index PDFList is not as Quorlane makes it</source>
        <translation>der Index PDFList ist nicht so, wie Quorlane ihn anlegt</translation>
    </message>
    <message>
        <source>it holds an object of the kind &quot;%1&quot; named %2</source>
        <translation>die Datei enthält ein Objekt der Art „%1“ namens %2</translation>
    </message>
    <message>
        <source>it holds a table named %1</source>
        <translation>die Datei enthält eine Tabelle namens %1</translation>
    </message>
    <message>
        <source>the table sqlite_sequence is not as SQLite makes it</source>
        <translation>die Tabelle sqlite_sequence ist nicht so, wie SQLite sie anlegt</translation>
    </message>
    <message>
        <source>it holds none of the vault&apos;s tables</source>
        <translation>die Datei enthält keine der Tabellen eines Tresors</translation>
    </message>
    <message>
        <source>the table %1 is missing</source>
        <translation>die Tabelle %1 fehlt</translation>
    </message>
    <message>
        <source>the table %1 has no column %2</source>
        <translation>der Tabelle %1 fehlt die Spalte %2</translation>
    </message>
    <message>
        <source>the table %1 has a column %2 that Quorlane does not make</source>
        <translation>die Tabelle %1 hat eine Spalte %2, die Quorlane nicht anlegt</translation>
    </message>
    <message>
        <source>the table %1 is not as Quorlane makes it</source>
        <translation>die Tabelle %1 ist nicht so, wie Quorlane sie anlegt</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it is not a database file</source>
        <translation>es ist keine Datenbankdatei</translation>
    </message>
    <message>
        <source>its header gives no valid page size</source>
        <translation>der Dateikopf nennt keine gültige Seitengröße</translation>
    </message>
    <message>
        <source>it is kept in write-ahead-log form, which Quorlane never writes</source>
        <translation>die Datei liegt im Write-Ahead-Log-Format vor, das Quorlane nie schreibt</translation>
    </message>
    <message>
        <source>its header gives an unknown file format</source>
        <translation>der Dateikopf nennt ein unbekanntes Dateiformat</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>der Dateikopf ist beschädigt</translation>
    </message>
    <message>
        <source>it keeps its text in UTF-16, which Quorlane never writes</source>
        <translation>die Datei speichert ihren Text in UTF-16, das Quorlane nie schreibt</translation>
    </message>
    <message>
        <source>its size, %1 bytes, is not a whole number of its %2-byte pages</source>
        <translation>die Dateigröße von %1 Byte ist kein Vielfaches der Seitengröße von %2 Byte</translation>
    </message>
    <message>
        <source>%1 bytes follow its last page</source>
        <translation>auf die letzte Seite folgen %1 Byte</translation>
    </message>
    <message>
        <source>it is cut short: it holds %1 of its %2 pages</source>
        <translation>die Datei ist abgeschnitten: sie enthält %1 von %2 Seiten</translation>
    </message>
</context>
<context>
    <name>VaultWatch</name>
    <message>
        <source>Vault Changed</source>
        <translation>Tresor geändert</translation>
    </message>
    <message>
        <source>The vault was changed by another program; Quorlane shows its current state</source>
        <translation>Der Tresor wurde von einem anderen Programm geändert; Quorlane zeigt seinen aktuellen Stand</translation>
    </message>
    <message>
        <source>Entry Deleted</source>
        <translation>Eintrag gelöscht</translation>
    </message>
    <message>
        <source>Entry Changed</source>
        <translation>Eintrag geändert</translation>
    </message>
    <message>
        <source>Another program deleted this entry; nothing was saved.</source>
        <translation>Ein anderes Programm hat diesen Eintrag gelöscht; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Another program changed this entry since you opened it; nothing was saved.
Quorlane shows its current state.</source>
        <translation>Ein anderes Programm hat diesen Eintrag geändert, seit Sie ihn geöffnet haben; es wurde nichts gespeichert.
Quorlane zeigt seinen aktuellen Stand.</translation>
    </message>
</context>
<context>
    <name>frmAttach</name>
    <message>
        <source>Attachments</source>
        <translation>Anhänge</translation>
    </message>
    <message>
        <source>Associated Attachments:</source>
        <translation>Zugehörige Anhänge:</translation>
    </message>
    <message>
        <source>Note: Attachments are not encrypted.</source>
        <translation>Hinweis: Anhänge werden nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>Attachment listing.</source>
        <translation>Liste der Anhänge.</translation>
    </message>
    <message>
        <source>Click to SAVE attachments.</source>
        <translation>Klicken, um die Anhänge zu SPEICHERN.</translation>
    </message>
    <message>
        <source>Click to ADD a new attachment.</source>
        <translation>Klicken, um einen neuen Anhang HINZUZUFÜGEN.</translation>
    </message>
    <message>
        <source>Click to DELETE the selected attachment.</source>
        <translation>Klicken, um den gewählten Anhang zu LÖSCHEN.</translation>
    </message>
    <message>
        <source>Click to CLOSE attachments window.</source>
        <translation>Klicken, um das Anhangsfenster zu SCHLIESSEN.</translation>
    </message>
    <message>
        <source>path of the chosen file</source>
        <translation>Pfad der gewählten Datei</translation>
    </message>
    <message>
        <source>Discard Changes?</source>
        <translation>Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Discard the changes to the attachments of this entry?</source>
        <translation>Die Änderungen an den Anhängen dieses Eintrags verwerfen?</translation>
    </message>
    <message>
        <source>Failed Execution</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>No associated application found for this type of file.</source>
        <translation>Für diesen Dateityp wurde keine zugeordnete Anwendung gefunden.</translation>
    </message>
</context>
<context>
    <name>frmAttachName</name>
    <message>
        <source>Attachment Description</source>
        <translation>Beschreibung des Anhangs</translation>
    </message>
    <message>
        <source>Enter a Description for this attachment:</source>
        <translation>Geben Sie eine Beschreibung für diesen Anhang ein:</translation>
    </message>
    <message>
        <source>Description of the attachment.</source>
        <translation>Beschreibung des Anhangs.</translation>
    </message>
    <message>
        <source>Click to SAVE attachment.</source>
        <translation>Klicken, um den Anhang zu SPEICHERN.</translation>
    </message>
    <message>
        <source>Click here to CANCEL attachment.</source>
        <translation>Hier klicken, um den Anhang ABZUBRECHEN.</translation>
    </message>
    <message>
        <source>Invalid Character</source>
        <translation>Ungültiges Zeichen</translation>
    </message>
    <message>
        <source>Invalid character has been used.</source>
        <translation>Es wurde ein ungültiges Zeichen verwendet.</translation>
    </message>
    <message>
        <source>Duplicate Found</source>
        <translation>Doppelter Eintrag</translation>
    </message>
    <message>
        <source>This item already exists! Please enter a different description.</source>
        <translation>Dieser Eintrag existiert bereits! Bitte geben Sie eine andere Beschreibung ein.</translation>
    </message>
</context>
<context>
    <name>frmCatAdd</name>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Enter the name of the new Category:</source>
        <translation>Geben Sie den Namen der neuen Kategorie ein:</translation>
    </message>
    <message>
        <source>Enter new category name here.</source>
        <translation>Geben Sie hier den Namen der neuen Kategorie ein.</translation>
    </message>
    <message>
        <source>Cancel.</source>
        <translation>Abbrechen.</translation>
    </message>
    <message>
        <source>Invalid Character</source>
        <translation>Ungültiges Zeichen</translation>
    </message>
    <message>
        <source>You cannot use apostrophe&apos;s within a category name.</source>
        <translation>Ein Kategoriename darf keine Apostrophe enthalten.</translation>
    </message>
    <message>
        <source>category name</source>
        <translation>Kategoriename</translation>
    </message>
    <message>
        <source>Duplicate Category</source>
        <translation>Kategorie existiert bereits</translation>
    </message>
    <message>
        <source>This category already exists! Please enter a new category.</source>
        <translation>Diese Kategorie existiert bereits! Bitte geben Sie eine neue Kategorie ein.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Category successfully created.</source>
        <translation>Die Kategorie wurde angelegt.</translation>
    </message>
    <message>
        <source>Save category.</source>
        <translation>Kategorie speichern.</translation>
    </message>
</context>
<context>
    <name>frmConflict</name>
    <message>
        <source>Conflict Copy</source>
        <translation>Konfliktkopie</translation>
    </message>
    <message>
        <source>The copy could not be moved to the trash; it stays at %1.</source>
        <translation>Die Kopie konnte nicht in den Papierkorb verschoben werden; sie bleibt unter %1.</translation>
    </message>
    <message>
        <source>only in the copy</source>
        <translation>nur in der Kopie</translation>
    </message>
    <message>
        <source>description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>field %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>The conflict copy %1 holds nothing that the vault lacks.

Move the copy to the trash?</source>
        <translation>Die Konfliktkopie %1 enthält nichts, was dem Tresor fehlt.

Die Kopie in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Sync Conflict</source>
        <translation>Synchronisationskonflikt</translation>
    </message>
    <message>
        <source>A sync tool left a conflict copy of the vault beside it:
%1

Compare the copy with the vault now?</source>
        <translation>Ein Synchronisationsprogramm hat neben dem Tresor eine Konfliktkopie abgelegt:
%1

Die Kopie jetzt mit dem Tresor vergleichen?</translation>
    </message>
    <message>
        <source>Compare Conflict Copy</source>
        <translation>Konfliktkopie vergleichen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Differs in</source>
        <translation>Unterschied in</translation>
    </message>
    <message>
        <source>Take Ticked Entries</source>
        <translation>Markierte Einträge übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Entries of the conflict copy %1 that the vault lacks or holds with other values. The ticked ones are taken into the vault:</source>
        <translation>Einträge der Konfliktkopie %1, die dem Tresor fehlen oder dort andere Werte haben. Die markierten werden in den Tresor übernommen:</translation>
    </message>
    <message>
        <source>Tick the entries to take into the vault.</source>
        <translation>Markieren Sie die Einträge, die in den Tresor übernommen werden sollen.</translation>
    </message>
    <message>
        <source>Vault Changed</source>
        <translation>Tresor geändert</translation>
    </message>
    <message>
        <source>An entry of the vault changed since the comparison; nothing was taken.
The comparison is shown again.</source>
        <translation>Ein Eintrag des Tresors hat sich seit dem Vergleich geändert; nichts wurde übernommen.
Der Vergleich wird erneut angezeigt.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries taken into the vault.

Move the conflict copy %1 to the trash?</source>
        <translation>
            <numerusform>%n Eintrag in den Tresor übernommen.

Die Konfliktkopie %1 in den Papierkorb verschieben?</numerusform>
            <numerusform>%n Einträge in den Tresor übernommen.

Die Konfliktkopie %1 in den Papierkorb verschieben?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmCopyPassword</name>
    <message>
        <source>Conflict Copy Password</source>
        <translation>Passwort der Konfliktkopie</translation>
    </message>
    <message>
        <source>The conflict copy %1 is encrypted. Its password:</source>
        <translation>Die Konfliktkopie %1 ist verschlüsselt. Ihr Passwort:</translation>
    </message>
    <message>
        <source>This password does not open the copy.</source>
        <translation>Dieses Passwort öffnet die Kopie nicht.</translation>
    </message>
</context>
<context>
    <name>frmEditor</name>
    <message>
        <source>Category Editor</source>
        <translation>Kategorie-Editor</translation>
    </message>
    <message>
        <source>Category Listing:</source>
        <translation>Kategorien:</translation>
    </message>
    <message>
        <source>Category listing.</source>
        <translation>Liste der Kategorien.</translation>
    </message>
    <message>
        <source>User-Defined Fields:</source>
        <translation>Benutzerdefinierte Felder:</translation>
    </message>
    <message>
        <source>Field (1):</source>
        <translation>Feld (1):</translation>
    </message>
    <message>
        <source>Field (2):</source>
        <translation>Feld (2):</translation>
    </message>
    <message>
        <source>Field (3):</source>
        <translation>Feld (3):</translation>
    </message>
    <message>
        <source>Field (4):</source>
        <translation>Feld (4):</translation>
    </message>
    <message>
        <source>Field (5):</source>
        <translation>Feld (5):</translation>
    </message>
    <message>
        <source>Field (6): (Multi-Line Field)</source>
        <translation>Feld (6): (mehrzeiliges Feld)</translation>
    </message>
    <message>
        <source>User-defined field.</source>
        <translation>Benutzerdefiniertes Feld.</translation>
    </message>
    <message>
        <source>Create a new category.</source>
        <translation>Eine neue Kategorie anlegen.</translation>
    </message>
    <message>
        <source>Edit the selected category.</source>
        <translation>Die gewählte Kategorie bearbeiten.</translation>
    </message>
    <message>
        <source>Delete the selected category.</source>
        <translation>Die gewählte Kategorie löschen.</translation>
    </message>
    <message>
        <source>Close category editor.</source>
        <translation>Kategorie-Editor schließen.</translation>
    </message>
    <message>
        <source>Save field information.</source>
        <translation>Feldtitel speichern.</translation>
    </message>
    <message>
        <source>Cancel.</source>
        <translation>Abbrechen.</translation>
    </message>
    <message>
        <source>Discard Changes?</source>
        <translation>Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Discard the changes to these titles?</source>
        <translation>Die Änderungen an diesen Titeln verwerfen?</translation>
    </message>
    <message>
        <source>Missing Field</source>
        <translation>Feld fehlt</translation>
    </message>
    <message>
        <source>Some data must be entered into Field (1) before saving.</source>
        <translation>Vor dem Speichern muss Feld (1) ausgefüllt sein.</translation>
    </message>
    <message>
        <source>Preset Category</source>
        <translation>Vorgegebene Kategorie</translation>
    </message>
    <message>
        <source>You cannot delete this category.</source>
        <translation>Diese Kategorie kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the %1 category?</source>
        <translation>Möchten Sie die Kategorie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>title of Field (%1)</source>
        <translation>Titel von Feld (%1)</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Category values successfully updated.</source>
        <translation>Die Kategorie wurde aktualisiert.</translation>
    </message>
    <message>
        <source>Entries Found</source>
        <translation>Einträge vorhanden</translation>
    </message>
    <message>
        <source>There are entries currently assigned to this category. You must reassign those entries to a different category before this category may be deleted.</source>
        <translation>Dieser Kategorie sind noch Einträge zugeordnet. Sie müssen diese Einträge einer anderen Kategorie zuordnen, bevor die Kategorie gelöscht werden kann.</translation>
    </message>
    <message>
        <source>Category successfully deleted.</source>
        <translation>Die Kategorie wurde gelöscht.</translation>
    </message>
</context>
<context>
    <name>frmEntry</name>
    <message>
        <source>Too Long</source>
        <translation>Zu lang</translation>
    </message>
    <message>
        <source>The %1 takes at most %2; with the pasted text it would hold %3.
Nothing has been pasted.</source>
        <translation>%1: höchstens %2 möglich; mit dem eingefügten Text wären es %3.
Es wurde nichts eingefügt.</translation>
    </message>
    <message numerus="yes">
        <source>%n characters</source>
        <translation>
            <numerusform>%n Zeichen</numerusform>
            <numerusform>%n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 field</source>
        <translation>Feld „%1“</translation>
    </message>
    <message>
        <source>Add Entry</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Category selection.</source>
        <translation>Kategorieauswahl.</translation>
    </message>
    <message>
        <source>Click to open category editor.</source>
        <translation>Klicken, um den Kategorie-Editor zu öffnen.</translation>
    </message>
    <message>
        <source>Generate a password.</source>
        <translation>Ein Passwort erzeugen.</translation>
    </message>
    <message>
        <source>Category image.</source>
        <translation>Kategoriebild.</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>User Defined Field (1)</source>
        <translation>Benutzerdefiniertes Feld (1)</translation>
    </message>
    <message>
        <source>User Defined Field (2)</source>
        <translation>Benutzerdefiniertes Feld (2)</translation>
    </message>
    <message>
        <source>User Defined Field (3)</source>
        <translation>Benutzerdefiniertes Feld (3)</translation>
    </message>
    <message>
        <source>User Defined Field (4)</source>
        <translation>Benutzerdefiniertes Feld (4)</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>&amp;Display information discreetly.</source>
        <translation>Angaben &amp;unauffällig anzeigen.</translation>
    </message>
    <message>
        <source>Select to discreetly view information.</source>
        <translation>Auswählen, um die Angaben unauffällig anzuzeigen.</translation>
    </message>
    <message>
        <source>Save entry.</source>
        <translation>Eintrag speichern.</translation>
    </message>
    <message>
        <source>Close entry form.</source>
        <translation>Eintragsfenster schließen.</translation>
    </message>
    <message>
        <source>Discard Changes?</source>
        <translation>Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Discard the changes to this entry?</source>
        <translation>Die Änderungen an diesem Eintrag verwerfen?</translation>
    </message>
    <message>
        <source>Missing Selection</source>
        <translation>Auswahl fehlt</translation>
    </message>
    <message>
        <source>You must select a category before saving.</source>
        <translation>Sie müssen vor dem Speichern eine Kategorie wählen.</translation>
    </message>
    <message>
        <source>Missing Entry</source>
        <translation>Angabe fehlt</translation>
    </message>
    <message>
        <source>You must enter a description before saving.</source>
        <translation>Sie müssen vor dem Speichern eine Beschreibung eingeben.</translation>
    </message>
    <message>
        <source>Unreadable Field</source>
        <translation>Unlesbares Feld</translation>
    </message>
    <message>
        <source>The %1 could not be read from the vault, so it is kept as stored and cannot be changed.
Empty it to save the other fields.</source>
        <translation>%1 konnte nicht aus dem Tresor gelesen werden; es bleibt so gespeichert, wie es ist, und kann nicht geändert werden.
Leeren Sie es, um die anderen Felder zu speichern.</translation>
    </message>
    <message>
        <source>Duplicate Identity</source>
        <translation>Doppelte Angabe</translation>
    </message>
    <message>
        <source>This %1 value is already being used.
Please enter a new %1.</source>
        <translation>Dieser Wert für „%1“ wird bereits verwendet.
Bitte geben Sie einen anderen Wert für „%1“ ein.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Entry successfully saved.</source>
        <translation>Der Eintrag wurde gespeichert.</translation>
    </message>
    <message>
        <source>Entry updated saved.</source>
        <translation>Der Eintrag wurde aktualisiert.</translation>
    </message>
    <message>
        <source>Quorlane locked while you were adding an entry. The new entry was not saved.</source>
        <translation>Quorlane wurde gesperrt, während Sie einen Eintrag hinzugefügt haben. Der neue Eintrag wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Quorlane locked while you were editing &quot;%1&quot;. Your changes to it were not saved.</source>
        <translation>Quorlane wurde gesperrt, während Sie „%1“ bearbeitet haben. Ihre Änderungen daran wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>One-&amp;time code...</source>
        <translation>&amp;Einmalcode...</translation>
    </message>
    <message>
        <source>Set up a one-time code (TOTP) for this entry.</source>
        <translation>Einen Einmalcode (TOTP) für diesen Eintrag einrichten.</translation>
    </message>
</context>
<context>
    <name>frmGenerator</name>
    <message>
        <source>Password Generator</source>
        <translation>Passwortgenerator</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <source>Number of characters.</source>
        <translation>Anzahl der Zeichen.</translation>
    </message>
    <message>
        <source>The password made.</source>
        <translation>Das erzeugte Passwort.</translation>
    </message>
    <message>
        <source>Make another password.</source>
        <translation>Ein anderes Passwort erzeugen.</translation>
    </message>
    <message>
        <source>&amp;Put it into:</source>
        <translation>&amp;Einfügen in:</translation>
    </message>
    <message>
        <source>The field that receives the password.</source>
        <translation>Das Feld, in das das Passwort kommt.</translation>
    </message>
    <message>
        <source>Choose a field</source>
        <translation>Feld wählen</translation>
    </message>
    <message>
        <source>Use this password.</source>
        <translation>Dieses Passwort verwenden.</translation>
    </message>
    <message>
        <source>Close without using a password.</source>
        <translation>Schließen, ohne ein Passwort zu verwenden.</translation>
    </message>
    <message>
        <source>Choose a Field</source>
        <translation>Feld wählen</translation>
    </message>
    <message>
        <source>This category has no password field. Choose the field the password goes into.</source>
        <translation>Diese Kategorie hat kein Passwortfeld. Wählen Sie das Feld, in das das Passwort kommt.</translation>
    </message>
    <message>
        <source>&amp;Upper-case letters (A-Z)</source>
        <translation>&amp;Großbuchstaben (A-Z)</translation>
    </message>
    <message>
        <source>Lo&amp;wer-case letters (a-z)</source>
        <translation>&amp;Kleinbuchstaben (a-z)</translation>
    </message>
    <message>
        <source>&amp;Digits (0-9)</source>
        <translation>&amp;Ziffern (0-9)</translation>
    </message>
    <message>
        <source>&amp;Symbols (!#$%&amp;&amp;*+-/:;=?@ ...)</source>
        <translation>&amp;Sonderzeichen (!#$%&amp;&amp;*+-/:;=?@ ...)</translation>
    </message>
    <message>
        <source>Password made</source>
        <translation>Erzeugtes Passwort</translation>
    </message>
</context>
<context>
    <name>frmHealth</name>
    <message>
        <source>Password Health</source>
        <translation>Passwortqualität</translation>
    </message>
    <message>
        <source>Show only:</source>
        <translation>Nur zeigen:</translation>
    </message>
    <message>
        <source>&amp;Weak</source>
        <translation>&amp;Schwache</translation>
    </message>
    <message>
        <source>Show only passwords that are easy to guess.</source>
        <translation>Nur Passwörter zeigen, die leicht zu erraten sind.</translation>
    </message>
    <message>
        <source>&amp;Reused</source>
        <translation>&amp;Mehrfach verwendete</translation>
    </message>
    <message>
        <source>Show only passwords that other entries use too.</source>
        <translation>Nur Passwörter zeigen, die auch andere Einträge verwenden.</translation>
    </message>
    <message>
        <source>&amp;Old</source>
        <translation>&amp;Alte</translation>
    </message>
    <message>
        <source>Show only passwords not changed for more than a year.</source>
        <translation>Nur Passwörter zeigen, die seit mehr als einem Jahr nicht geändert wurden.</translation>
    </message>
    <message>
        <source>Password health</source>
        <translation>Passwortqualität</translation>
    </message>
    <message>
        <source>Double-click a row to show its entry.</source>
        <translation>Doppelklick auf eine Zeile zeigt ihren Eintrag.</translation>
    </message>
    <message>
        <source>Rating passwords</source>
        <translation>Passwörter werden bewertet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop rating the passwords.</source>
        <translation>Das Bewerten der Passwörter abbrechen.</translation>
    </message>
    <message>
        <source>&amp;Show entry</source>
        <translation>Eintrag &amp;zeigen</translation>
    </message>
    <message>
        <source>Show the chosen row&apos;s entry in the main window.</source>
        <translation>Den Eintrag der gewählten Zeile im Hauptfenster zeigen.</translation>
    </message>
    <message>
        <source>Close the password health report.</source>
        <translation>Den Bericht zur Passwortqualität schließen.</translation>
    </message>
    <message>
        <source>Stopped: nothing was rated.</source>
        <translation>Abgebrochen: Nichts wurde bewertet.</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords: %1 weak, %2 reused, %3 old.</source>
        <translation>
            <numerusform>%n Passwort: %1 schwach, %2 mehrfach verwendet, %3 alt.</numerusform>
            <numerusform>%n Passwörter: %1 schwach, %2 mehrfach verwendet, %3 alt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmImport</name>
    <message>
        <source>Import Entries</source>
        <translation>Einträge importieren</translation>
    </message>
    <message>
        <source>Entries to add, by category:</source>
        <translation>Hinzuzufügende Einträge nach Kategorie:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>How many entries each category receives, and which column goes under which title.</source>
        <translation>Wie viele Einträge jede Kategorie erhält und welche Spalte unter welchen Titel kommt.</translation>
    </message>
    <message>
        <source>Rows left out:</source>
        <translation>Ausgelassene Zeilen:</translation>
    </message>
    <message>
        <source>Rows of the file that cannot be stored as they are.</source>
        <translation>Zeilen der Datei, die so nicht gespeichert werden können.</translation>
    </message>
    <message>
        <source>Import entries &amp;already in the vault too</source>
        <translation>Auch Einträge importieren, die &amp;schon im Tresor sind</translation>
    </message>
    <message>
        <source>Records equal to a stored entry are left out unless this is ticked.</source>
        <translation>Datensätze, die einem gespeicherten Eintrag gleichen, werden ausgelassen, außer wenn dies angekreuzt ist.</translation>
    </message>
    <message>
        <source>Add the entries listed above.</source>
        <translation>Die oben aufgeführten Einträge hinzufügen.</translation>
    </message>
    <message>
        <source>Close without importing anything.</source>
        <translation>Schließen, ohne etwas zu importieren.</translation>
    </message>
    <message>
        <source>, %1 already in the vault</source>
        <translation>, %1 schon im Tresor</translation>
    </message>
    <message>
        <source>%1 (%2 file): %3 can be imported%4, %5 left out.</source>
        <translation>%1 (%2-Datei): %3 importierbar%4, %5 ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows are</source>
        <translation>
            <numerusform>%n Zeile wird</numerusform>
            <numerusform>%n Zeilen werden</numerusform>
        </translation>
    </message>
    <message>
        <source>new category</source>
        <translation>neue Kategorie</translation>
    </message>
    <message>
        <source>new category: </source>
        <translation>neue Kategorie: </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; (%3) is already in the vault.</source>
        <translation>Zeile %1: „%2“ (%3) ist schon im Tresor.</translation>
    </message>
    <message>
        <source>None: every row can be stored.</source>
        <translation>Keine: Jede Zeile kann gespeichert werden.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message numerus="yes">
        <source>%n entries successfully imported.</source>
        <translation>
            <numerusform>%n Eintrag wurde importiert.</numerusform>
            <numerusform>%n Einträge wurden importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Quorlane - Password REQUIRED</source>
        <translation>Quorlane - Passwort ERFORDERLICH</translation>
    </message>
    <message>
        <source>Enter your login password here.</source>
        <translation>Geben Sie hier Ihr Anmeldepasswort ein.</translation>
    </message>
    <message>
        <source>Password, then Enter</source>
        <translation>Passwort, dann Eingabetaste</translation>
    </message>
    <message>
        <source>Give up</source>
        <translation>Aufgeben</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>The password is not correct.

</source>
        <translation>Das Passwort ist nicht richtig.

</translation>
    </message>
    <message numerus="yes">
        <source>You have %n more tries.</source>
        <translation>
            <numerusform>Sie haben noch %n Versuch.</numerusform>
            <numerusform>Sie haben noch %n Versuche.</numerusform>
        </translation>
    </message>
    <message>
        <source>That was the last try: Quorlane stays locked. Click its icon to try again.</source>
        <translation>Das war der letzte Versuch: Quorlane bleibt gesperrt. Klicken Sie auf das Symbol, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>That was the last try: Quorlane will now close to protect your entries.</source>
        <translation>Das war der letzte Versuch: Quorlane wird jetzt beendet, um Ihre Einträge zu schützen.</translation>
    </message>
    <message>
        <source>Wrong Password</source>
        <translation>Falsches Passwort</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source> Category:</source>
        <translation> Kategorie:</translation>
    </message>
    <message>
        <source>Select category to only view associated items.</source>
        <translation>Kategorie wählen, um nur deren Einträge anzuzeigen.</translation>
    </message>
    <message>
        <source>Displays the number of entries within the current category. (Click for graph.)</source>
        <translation>Zeigt die Zahl der Einträge in der aktuellen Kategorie. (Klicken für ein Diagramm.)</translation>
    </message>
    <message>
        <source>Date this entry was last updated.</source>
        <translation>Datum der letzten Änderung dieses Eintrags.</translation>
    </message>
    <message>
        <source>&amp;Display information discreetly.</source>
        <translation>Angaben &amp;unauffällig anzeigen.</translation>
    </message>
    <message>
        <source>Select to discreetly view information.</source>
        <translation>Auswählen, um die Angaben unauffällig anzuzeigen.</translation>
    </message>
    <message>
        <source>&amp;Hide information.</source>
        <translation>Angaben &amp;verbergen.</translation>
    </message>
    <message>
        <source>Select to hide information.</source>
        <translation>Auswählen, um die Angaben zu verbergen.</translation>
    </message>
    <message>
        <source>Decrypting message.</source>
        <translation>Entschlüsselungshinweis.</translation>
    </message>
    <message>
        <source>View attachments.</source>
        <translation>Anhänge anzeigen.</translation>
    </message>
    <message>
        <source>Exit Quorlane.</source>
        <translation>Quorlane beenden.</translation>
    </message>
    <message>
        <source>Create a new password entry.</source>
        <translation>Einen neuen Passworteintrag anlegen.</translation>
    </message>
    <message>
        <source>Edit the selected password entry.</source>
        <translation>Den gewählten Passworteintrag bearbeiten.</translation>
    </message>
    <message>
        <source>Delete the selected password entry.</source>
        <translation>Den gewählten Passworteintrag löschen.</translation>
    </message>
    <message>
        <source>Click to lock Quorlane to system tray.</source>
        <translation>Klicken, um Quorlane in den Systembereich zu sperren.</translation>
    </message>
    <message>
        <source>Click to set system parameters.</source>
        <translation>Klicken, um die Einstellungen zu ändern.</translation>
    </message>
    <message>
        <source>Import passwords from a CSV file (web browsers, KeePassXC, Bitwarden).</source>
        <translation>Passwörter aus einer CSV-Datei importieren (Webbrowser, KeePassXC, Bitwarden).</translation>
    </message>
    <message>
        <source>Export every entry to a CSV file.</source>
        <translation>Alle Einträge in eine CSV-Datei exportieren.</translation>
    </message>
    <message>
        <source>Copy information to the clipboard.</source>
        <translation>Angaben in die Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>Click to PRINT current entry.</source>
        <translation>Klicken, um den aktuellen Eintrag zu DRUCKEN.</translation>
    </message>
    <message>
        <source>Click to perform a detailed SEARCH.</source>
        <translation>Klicken, um eine ausführliche SUCHE zu starten.</translation>
    </message>
    <message>
        <source>Click for additional help.</source>
        <translation>Klicken für weitere Hilfe.</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Shutdown Quorlane</source>
        <translation>Quorlane beenden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>No Password Field</source>
        <translation>Kein Passwortfeld</translation>
    </message>
    <message>
        <source>The category %1 has no field whose title says password, PIN or code.
Copy a field with its copy picture or Ctrl+1 to Ctrl+4.</source>
        <translation>Die Kategorie %1 hat kein Feld, dessen Titel Passwort, PIN oder Code sagt.
Kopieren Sie ein Feld mit seinem Kopieren-Bild oder mit Strg+1 bis Strg+4.</translation>
    </message>
    <message>
        <source>No User Name Field</source>
        <translation>Kein Benutzernamenfeld</translation>
    </message>
    <message>
        <source>The category %1 has no field whose title says user name or e-mail.
Copy a field with its copy picture or Ctrl+1 to Ctrl+4.</source>
        <translation>Die Kategorie %1 hat kein Feld, dessen Titel Benutzername oder E-Mail sagt.
Kopieren Sie ein Feld mit seinem Kopieren-Bild oder mit Strg+1 bis Strg+4.</translation>
    </message>
    <message>
        <source>No One-Time Code</source>
        <translation>Kein Einmalcode</translation>
    </message>
    <message>
        <source>The entry %1 has no one-time code.
Set one up in the entry editor with One-time code...</source>
        <translation>Der Eintrag %1 hat keinen Einmalcode.
Richten Sie einen im Eintragsfenster mit Einmalcode... ein.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The user&apos;s guide is not installed. It belongs here:

%1</source>
        <translation>Das Benutzerhandbuch ist nicht installiert. Es gehört hierher:

%1</translation>
    </message>
    <message>
        <source>No program to show PDF files was found. The user&apos;s guide is this file:

%1

Open it with any PDF viewer.</source>
        <translation>Es wurde kein Programm zum Anzeigen von PDF-Dateien gefunden. Das Benutzerhandbuch ist diese Datei:

%1

Öffnen Sie sie mit einem beliebigen PDF-Betrachter.</translation>
    </message>
    <message>
        <source>No entries in this category</source>
        <translation>Keine Einträge in dieser Kategorie</translation>
    </message>
    <message>
        <source>ALL CATEGORIES</source>
        <translation>ALLE KATEGORIEN</translation>
    </message>
    <message>
        <source>Password health: weak, reused and old passwords.</source>
        <translation>Passwortqualität: schwache, mehrfach verwendete und alte Passwörter.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Show only the entries whose description holds this text.</source>
        <translation>Nur die Einträge zeigen, deren Beschreibung diesen Text enthält.</translation>
    </message>
    <message>
        <source>Find entries</source>
        <translation>Einträge suchen</translation>
    </message>
    <message>
        <source>All &amp;values</source>
        <translation>Alle &amp;Werte</translation>
    </message>
    <message>
        <source>Find the text in every value, as the Search window does.</source>
        <translation>Den Text in allen Werten suchen, wie das Suchfenster.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Clear the find</source>
        <translation>Suche leeren</translation>
    </message>
</context>
<context>
    <name>frmMainClip</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Select the fields you want to copy:</source>
        <translation>Wählen Sie die Felder, die Sie kopieren möchten:</translation>
    </message>
    <message>
        <source>Click to copy the selected entry information to your clipboard.</source>
        <translation>Klicken, um die gewählten Angaben des Eintrags in die Zwischenablage zu kopieren.</translation>
    </message>
    <message>
        <source>Click to select all fields.</source>
        <translation>Klicken, um alle Felder zu wählen.</translation>
    </message>
    <message>
        <source>Click to deselect all fields.</source>
        <translation>Klicken, um die Auswahl aller Felder aufzuheben.</translation>
    </message>
    <message>
        <source>Click to close the copy screen.</source>
        <translation>Klicken, um das Kopierfenster zu schließen.</translation>
    </message>
    <message>
        <source>Do you want field titles to accompany the data?</source>
        <translation>Sollen die Feldtitel mitkopiert werden?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Data successfully copied to your clipboard.</source>
        <translation>Die Daten wurden in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>Company Code</source>
        <translation>Firmencode</translation>
    </message>
    <message>
        <source>Address (1)</source>
        <translation>Adresse (1)</translation>
    </message>
    <message>
        <source>Address (2)</source>
        <translation>Adresse (2)</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State / Province</source>
        <translation>Bundesland / Provinz</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>Postleitzahl</translation>
    </message>
</context>
<context>
    <name>frmOneTime</name>
    <message>
        <source>One-Time Code</source>
        <translation>Einmalcode</translation>
    </message>
    <message>
        <source>&amp;Address (otpauth://...) or secret:</source>
        <translation>&amp;Adresse (otpauth://...) oder Geheimnis:</translation>
    </message>
    <message>
        <source>Paste the otpauth:// address or the secret the service shows.</source>
        <translation>Fügen Sie die otpauth://-Adresse oder das Geheimnis ein, das der Dienst anzeigt.</translation>
    </message>
    <message>
        <source>&amp;Put it into:</source>
        <translation>&amp;Einfügen in:</translation>
    </message>
    <message>
        <source>The field that keeps the one-time code setting.</source>
        <translation>Das Feld, das die Einstellung des Einmalcodes aufnimmt.</translation>
    </message>
    <message>
        <source>Choose a field</source>
        <translation>Feld wählen</translation>
    </message>
    <message>
        <source>Scan this with the phone&apos;s authenticator app.</source>
        <translation>Scannen Sie dies mit der Authenticator-App des Telefons.</translation>
    </message>
    <message>
        <source>Show &amp;QR code...</source>
        <translation>&amp;QR-Code anzeigen...</translation>
    </message>
    <message>
        <source>Show the setting as a QR code for a phone.</source>
        <translation>Die Einstellung als QR-Code für ein Telefon anzeigen.</translation>
    </message>
    <message>
        <source>Use this one-time code.</source>
        <translation>Diesen Einmalcode verwenden.</translation>
    </message>
    <message>
        <source>Close without changing the entry.</source>
        <translation>Schließen, ohne den Eintrag zu ändern.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Code now: %1 (%2 s left)</source>
        <translation>Aktueller Code: %1 (noch %2 s)</translation>
    </message>
    <message>
        <source>Show QR Code</source>
        <translation>QR-Code anzeigen</translation>
    </message>
    <message>
        <source>The QR code holds the secret of this one-time code: anyone who sees it, or a photo of it, can make the codes.

Show it?</source>
        <translation>Der QR-Code enthält das Geheimnis dieses Einmalcodes: Wer ihn sieht oder ein Foto davon hat, kann die Codes erzeugen.

Anzeigen?</translation>
    </message>
    <message>
        <source>

The entry is unchanged.</source>
        <translation>

Der Eintrag bleibt unverändert.</translation>
    </message>
    <message>
        <source>This category has no one-time code field. Choose the field the setting goes into.</source>
        <translation>Diese Kategorie hat kein Feld für einen Einmalcode. Wählen Sie das Feld, in das die Einstellung kommt.</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print (Print Preview)</source>
        <translation>Drucken (Druckvorschau)</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>SEND TO &amp;PRINTER</source>
        <translation>An &amp;DRUCKER SENDEN</translation>
    </message>
    <message>
        <source>Click to send form to printer.</source>
        <translation>Klicken, um die Seite an den Drucker zu senden.</translation>
    </message>
    <message>
        <source>&amp;CLOSE WINDOW</source>
        <translation>Fenster &amp;SCHLIESSEN</translation>
    </message>
    <message>
        <source>Click to close print preview window.</source>
        <translation>Klicken, um die Druckvorschau zu schließen.</translation>
    </message>
</context>
<context>
    <name>frmPrintConfirm</name>
    <message>
        <source>W A R N I N G !</source>
        <translation>W A R N U N G !</translation>
    </message>
    <message>
        <source>Printing password information increases the chance of them being found by other people.</source>
        <translation>Ausgedruckte Passwörter können leichter von anderen gefunden werden.</translation>
    </message>
    <message>
        <source>Click on GO if you are sure you still want to print. If you want to print ALL your passwords, click on the PRINT ALL button.</source>
        <translation>Klicken Sie auf LOS, wenn Sie trotzdem drucken möchten. Um ALLE Ihre Passwörter zu drucken, klicken Sie auf ALLE DRUCKEN.</translation>
    </message>
    <message>
        <source>Print selected password information.</source>
        <translation>Die gewählten Passwortangaben drucken.</translation>
    </message>
    <message>
        <source>PRINT &amp;ALL</source>
        <translation>&amp;ALLE DRUCKEN</translation>
    </message>
    <message>
        <source>Print all passwords.</source>
        <translation>Alle Passwörter drucken.</translation>
    </message>
    <message>
        <source>Cancel print.</source>
        <translation>Drucken abbrechen.</translation>
    </message>
    <message>
        <source>WARNING! You are about to print ALL passwords.

Are you absolutely sure you want to do this?</source>
        <translation>WARNUNG! Sie sind dabei, ALLE Passwörter zu drucken.

Sind Sie sich ganz sicher?</translation>
    </message>
    <message>
        <source>All passwords have been printed.

You should close this window ONLY after you have retrieved your information from your printer.</source>
        <translation>Alle Passwörter wurden gedruckt.

Schließen Sie dieses Fenster ERST, wenn Sie die Ausdrucke aus dem Drucker genommen haben.</translation>
    </message>
    <message>
        <source>&amp;GO</source>
        <translation>&amp;LOS</translation>
    </message>
    <message>
        <source>&amp;CANCEL</source>
        <translation>&amp;ABBRECHEN</translation>
    </message>
    <message>
        <source>** WARNING **</source>
        <translation>** WARNUNG **</translation>
    </message>
    <message>
        <source>** REMINDER **</source>
        <translation>** ERINNERUNG **</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
</context>
<context>
    <name>frmResource</name>
    <message>
        <source>Category Breakdown</source>
        <translation>Einträge nach Kategorie</translation>
    </message>
    <message>
        <source>Category breakdown graph.</source>
        <translation>Diagramm der Einträge nach Kategorie.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Every category and its number of entries.</source>
        <translation>Jede Kategorie und die Zahl ihrer Einträge.</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>&amp;Jump to category when category is selected.</source>
        <translation>Bei Auswahl zur Kategorie &amp;springen.</translation>
    </message>
    <message>
        <source>Enable to jump to selected category.</source>
        <translation>Aktivieren, um zur gewählten Kategorie zu springen.</translation>
    </message>
    <message>
        <source>No data point selected.</source>
        <translation>Kein Balken ausgewählt.</translation>
    </message>
    <message>
        <source>Series information.</source>
        <translation>Angaben zum Balken.</translation>
    </message>
    <message>
        <source>Click to perform a category transfer.</source>
        <translation>Klicken, um Einträge in eine andere Kategorie zu übertragen.</translation>
    </message>
    <message>
        <source>Click to close the category breakdown screen.</source>
        <translation>Klicken, um die Übersicht zu schließen.</translation>
    </message>
    <message>
        <source>%1 MORE</source>
        <translation>%1 WEITERE</translation>
    </message>
    <message>
        <source>The %1 smallest categories have %2 together; the table lists each.</source>
        <translation>Die %1 kleinsten Kategorien haben zusammen %2; die Tabelle führt jede einzeln auf.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>The %1 category has %2.</source>
        <translation>Die Kategorie %1 hat %2.</translation>
    </message>
</context>
<context>
    <name>frmSearch</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Enter Search Word/Phrase:</source>
        <translation>Suchbegriff eingeben:</translation>
    </message>
    <message>
        <source>Click to perform search.</source>
        <translation>Klicken, um die Suche zu starten.</translation>
    </message>
    <message>
        <source>Enter your search word / phrase here.</source>
        <translation>Geben Sie hier Ihren Suchbegriff ein.</translation>
    </message>
    <message>
        <source>Record(s) that contain your Search Word/Phrase:</source>
        <translation>Einträge, die Ihren Suchbegriff enthalten:</translation>
    </message>
    <message>
        <source>Results from your search are displayed here.</source>
        <translation>Hier werden die Ergebnisse Ihrer Suche angezeigt.</translation>
    </message>
    <message>
        <source>0 Matches</source>
        <translation>0 Treffer</translation>
    </message>
    <message>
        <source>Indicates the number of matches that were found from your search.</source>
        <translation>Zeigt die Zahl der Treffer Ihrer Suche.</translation>
    </message>
    <message>
        <source>Click to close the search window.</source>
        <translation>Klicken, um das Suchfenster zu schließen.</translation>
    </message>
    <message numerus="yes">
        <source>%n Matches.</source>
        <translation>
            <numerusform>%n Treffer.</numerusform>
            <numerusform>%n Treffer.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Require Password Login</source>
        <translation>Anmeldung mit Passwort verlangen</translation>
    </message>
    <message>
        <source>Enable to require user login.</source>
        <translation>Aktivieren, um eine Anmeldung zu verlangen.</translation>
    </message>
    <message>
        <source>Enter Password:</source>
        <translation>Passwort eingeben:</translation>
    </message>
    <message>
        <source>Password.</source>
        <translation>Passwort.</translation>
    </message>
    <message>
        <source>Re-Type Password:</source>
        <translation>Passwort wiederholen:</translation>
    </message>
    <message>
        <source>Confirmation.</source>
        <translation>Bestätigung.</translation>
    </message>
    <message>
        <source>Number of retries:</source>
        <translation>Anzahl der Versuche:</translation>
    </message>
    <message>
        <source>Retry count.</source>
        <translation>Anzahl der Versuche.</translation>
    </message>
    <message>
        <source>&amp;Reset Password</source>
        <translation>Passwort &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Reset password.</source>
        <translation>Passwort zurücksetzen.</translation>
    </message>
    <message>
        <source>Clear copied values after:</source>
        <translation>Kopierte Werte löschen nach:</translation>
    </message>
    <message numerus="yes">
        <source> seconds</source>
        <translation>
            <numerusform> Sekunde</numerusform>
            <numerusform> Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Seconds until a copied value is taken off the clipboard.</source>
        <translation>Sekunden, bis ein kopierter Wert aus der Zwischenablage entfernt wird.</translation>
    </message>
    <message>
        <source>Lock when idle for:</source>
        <translation>Sperren nach Untätigkeit von:</translation>
    </message>
    <message numerus="yes">
        <source> minutes</source>
        <translation>
            <numerusform> Minute</numerusform>
            <numerusform> Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Minutes without keyboard or mouse input until Quorlane locks itself (with a login password).</source>
        <translation>Minuten ohne Tastatur- oder Mauseingabe, bis Quorlane sich sperrt (mit Anmeldepasswort).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Save setup parameters.</source>
        <translation>Einstellungen speichern.</translation>
    </message>
    <message>
        <source>Close Setup menu.</source>
        <translation>Einstellungen schließen.</translation>
    </message>
    <message>
        <source>Missing Password</source>
        <translation>Passwort fehlt</translation>
    </message>
    <message>
        <source>You must assign a password if you are requiring a user login.</source>
        <translation>Wenn Sie eine Anmeldung verlangen, müssen Sie ein Passwort festlegen.</translation>
    </message>
    <message>
        <source>Confirmation Needed</source>
        <translation>Bestätigung erforderlich</translation>
    </message>
    <message>
        <source>You must confirm your password before saving.</source>
        <translation>Sie müssen Ihr Passwort vor dem Speichern bestätigen.</translation>
    </message>
    <message>
        <source>Confirmation Failed</source>
        <translation>Bestätigung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Passwords did not match. Please re-enter your password.</source>
        <translation>Die Passwörter stimmen nicht überein. Bitte geben Sie Ihr Passwort erneut ein.</translation>
    </message>
    <message>
        <source>Illegal Character</source>
        <translation>Unzulässiges Zeichen</translation>
    </message>
    <message>
        <source>You cannot use apostrophe&apos;s within a password.</source>
        <translation>Ein Passwort darf keine Apostrophe enthalten.</translation>
    </message>
    <message>
        <source>password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>retry count</source>
        <translation>Anzahl der Versuche</translation>
    </message>
    <message>
        <source>Invalid Retry Count</source>
        <translation>Ungültige Anzahl von Versuchen</translation>
    </message>
    <message>
        <source>Retry count cannot be less than zero.</source>
        <translation>Die Anzahl der Versuche darf nicht kleiner als null sein.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Parameters successfully updated.</source>
        <translation>Die Einstellungen wurden gespeichert.</translation>
    </message>
    <message>
        <source>%1: weak for the vault key</source>
        <translation>%1: schwach für den Tresorschlüssel</translation>
    </message>
</context>
<context>
    <name>frmXFer</name>
    <message>
        <source>Category Transfer</source>
        <translation>Kategorie übertragen</translation>
    </message>
    <message>
        <source>Select the category you want to move entries FROM:</source>
        <translation>Wählen Sie die Kategorie, AUS der Einträge verschoben werden:</translation>
    </message>
    <message>
        <source>FROM category.</source>
        <translation>AUS-Kategorie.</translation>
    </message>
    <message>
        <source>Select the category for the items to be moved TO:</source>
        <translation>Wählen Sie die Kategorie, IN die die Einträge verschoben werden:</translation>
    </message>
    <message>
        <source>TO category.</source>
        <translation>IN-Kategorie.</translation>
    </message>
    <message>
        <source>Click to perform transfer.</source>
        <translation>Klicken, um die Übertragung auszuführen.</translation>
    </message>
    <message>
        <source>Click to close transfer screen.</source>
        <translation>Klicken, um das Übertragungsfenster zu schließen.</translation>
    </message>
    <message>
        <source>Invalid Selections</source>
        <translation>Ungültige Auswahl</translation>
    </message>
    <message>
        <source>Selected categories must be different before performing transfer.</source>
        <translation>Für die Übertragung müssen zwei verschiedene Kategorien gewählt sein.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Transfer successfully completed.</source>
        <translation>Die Übertragung ist abgeschlossen.</translation>
    </message>
</context>
</TS>
