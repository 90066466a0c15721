<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Controls</name>
    <message>
        <source>This field could not be read. It is kept as stored.</source>
        <translation>Dieses Feld konnte nicht gelesen werden. Es bleibt so gespeichert, wie es ist.</translation>
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

Please change your resolution to at least 800x600 pixels.</source>
        <translation>QUORLANE unterstützt Ihre aktuelle Bildschirmauflösung nicht.

Bitte stellen Sie eine Auflösung von mindestens 800x600 Pixeln ein.</translation>
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
</context>
</TS>
