#pragma once

// Every window of the program, opened through the form registry by its name, for the tests that
// check something of each window.
#include "app/forms.h"
#include "app/frmlogin.h"
#include "app/frmsetup.h"
#include "attachments/frmattach.h"
#include "attachments/frmattachname.h"
#include "categories/frmcatadd.h"
#include "categories/frmeditor.h"
#include "categories/frmresource.h"
#include "categories/frmxfer.h"
#include "entries/frmentry.h"
#include "entries/frmgenerator.h"
#include "entries/frmhealth.h"
#include "entries/frmimport.h"
#include "entries/frmmainclip.h"
#include "entries/frmonetime.h"
#include "entries/frmsearch.h"
#include "mainwindow/frmmain.h"
#include "printing/frmprint.h"
#include "printing/frmprintconfirm.h"

#include <QString>
#include <QWidget>
#include <functional>

struct ProgramWindow {
    const char* name;
    std::function<QWidget&()> open;
};

inline const ProgramWindow ProgramWindows[] = {
    {"frmMain", []() -> QWidget& { return form<frmMain>(); }},
    {"frmSetup", []() -> QWidget& { return form<frmSetup>(); }},
    {"frmLogin", []() -> QWidget& { return form<frmLogin>(); }},
    {"frmAttach", []() -> QWidget& { return form<frmAttach>(); }},
    {"frmAttachName", []() -> QWidget& { return form<frmAttachName>(); }},
    {"frmEntry", []() -> QWidget& { return form<frmEntry>(); }},
    {"frmGenerator", []() -> QWidget& { return form<frmGenerator>(); }},
    {"frmImport", []() -> QWidget& { return form<frmImport>(); }},
    {"frmOneTime", []() -> QWidget& { return form<frmOneTime>(); }},
    {"frmSearch", []() -> QWidget& { return form<frmSearch>(); }},
    {"frmHealth", []() -> QWidget& { return form<frmHealth>(); }},
    {"frmMainClip", []() -> QWidget& { return form<frmMainClip>(); }},
    {"frmEditor", []() -> QWidget& { return form<frmEditor>(); }},
    {"frmCatAdd", []() -> QWidget& { return form<frmCatAdd>(); }},
    {"frmXFer", []() -> QWidget& { return form<frmXFer>(); }},
    {"frmResource", []() -> QWidget& { return form<frmResource>(); }},
    {"frmPrint", []() -> QWidget& { return form<frmPrint>(); }},
    {"frmPrintConfirm", []() -> QWidget& { return form<frmPrintConfirm>(); }},
};

inline QWidget& openProgramWindow(const QString& name) {
    for (const ProgramWindow& w : ProgramWindows)
        if (name == QLatin1String(w.name)) return w.open();
    qFatal("no window %s", qPrintable(name));
}
