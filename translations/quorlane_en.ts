<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
