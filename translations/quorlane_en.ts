<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Import</name>
    <message numerus="yes">
        <source>%n values</source>
        <translation>
            <numerusform>%n value</numerusform>
            <numerusform>%n values</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportExport</name>
    <message numerus="yes">
        <source>Importing %n entries ...</source>
        <translation>
            <numerusform>Importing %n entry ...</numerusform>
            <numerusform>Importing %n entries ...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries exported to %1.</source>
        <translation>
            <numerusform>%n entry exported to %1.</numerusform>
            <numerusform>%n entries exported to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmConflict</name>
    <message numerus="yes">
        <source>%n entries taken into the vault.

Move the conflict copy %1 to the trash?</source>
        <translation>
            <numerusform>%n entry taken into the vault.

Move the conflict copy %1 to the trash?</numerusform>
            <numerusform>%n entries taken into the vault.

Move the conflict copy %1 to the trash?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmEntry</name>
    <message numerus="yes">
        <source>%n characters</source>
        <translation>
            <numerusform>%n character</numerusform>
            <numerusform>%n characters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmHealth</name>
    <message numerus="yes">
        <source>%n passwords: %1 weak, %2 reused, %3 old.</source>
        <translation>
            <numerusform>%n password: %1 weak, %2 reused, %3 old.</numerusform>
            <numerusform>%n passwords: %1 weak, %2 reused, %3 old.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmImport</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows are</source>
        <translation>
            <numerusform>%n row is</numerusform>
            <numerusform>%n rows are</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries successfully imported.</source>
        <translation>
            <numerusform>%n entry successfully imported.</numerusform>
            <numerusform>%n entries successfully imported.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message numerus="yes">
        <source>You have %n more tries.</source>
        <translation>
            <numerusform>You have %n more try.</numerusform>
            <numerusform>You have %n more tries.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmResource</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSearch</name>
    <message numerus="yes">
        <source>%n Matches.</source>
        <translation>
            <numerusform>%n Match.</numerusform>
            <numerusform>%n Matches.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message numerus="yes">
        <source> seconds</source>
        <translation>
            <numerusform> second</numerusform>
            <numerusform> seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> minutes</source>
        <translation>
            <numerusform> minute</numerusform>
            <numerusform> minutes</numerusform>
        </translation>
    </message>
</context>
</TS>
