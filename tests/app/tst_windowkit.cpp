// What every window built with the shared window kit shows: picture buttons with a picture that
// fits, a tooltip and no claim on Enter, and title pictures 200 twips from the right edge.
#include "fakeplatform.h"
#include "testmain.h"
#include "testvault.h"

#include "app/forms.h"
#include "app/frmlogin.h"
#include "app/frmsetup.h"
#include "app/twips.h"
#include "attachments/frmattach.h"
#include "attachments/frmattachname.h"
#include "categories/frmcatadd.h"
#include "categories/frmeditor.h"
#include "categories/frmresource.h"
#include "categories/frmxfer.h"
#include "entries/frmentry.h"
#include "entries/frmmainclip.h"
#include "entries/frmsearch.h"
#include "mainwindow/frmmain.h"
#include "printing/frmprint.h"
#include "printing/frmprintconfirm.h"

#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

struct Window {
    const char* name;
    std::function<QWidget&()> open;
};

const Window Windows[] = {
    {"frmMain", []() -> QWidget& { return form<frmMain>(); }},
    {"frmSetup", []() -> QWidget& { return form<frmSetup>(); }},
    {"frmLogin", []() -> QWidget& { return form<frmLogin>(); }},
    {"frmAttach", []() -> QWidget& { return form<frmAttach>(); }},
    {"frmAttachName", []() -> QWidget& { return form<frmAttachName>(); }},
    {"frmEntry", []() -> QWidget& { return form<frmEntry>(); }},
    {"frmSearch", []() -> QWidget& { return form<frmSearch>(); }},
    {"frmMainClip", []() -> QWidget& { return form<frmMainClip>(); }},
    {"frmEditor", []() -> QWidget& { return form<frmEditor>(); }},
    {"frmCatAdd", []() -> QWidget& { return form<frmCatAdd>(); }},
    {"frmXFer", []() -> QWidget& { return form<frmXFer>(); }},
    {"frmResource", []() -> QWidget& { return form<frmResource>(); }},
    {"frmPrint", []() -> QWidget& { return form<frmPrint>(); }},
    {"frmPrintConfirm", []() -> QWidget& { return form<frmPrintConfirm>(); }},
};

QWidget& openWindow(const QString& name) {
    for (const Window& w : Windows)
        if (name == QLatin1String(w.name)) return w.open();
    qFatal("no window %s", qPrintable(name));
}

} // namespace

class WindowKitTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void buttons_data();
    void buttons();
    void titleStandsOffTheRightEdge_data();
    void titleStandsOffTheRightEdge();
};

void WindowKitTest::buttons_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("pictureOnly"); // buttons with a picture and no caption
    QTest::addColumn<bool>("takeEnter");  // whether a button with the focus takes Enter
    QTest::newRow("main window") << "frmMain" << 11 << false;
    QTest::newRow("setup") << "frmSetup" << 2 << false;
    QTest::newRow("attachments") << "frmAttach" << 4 << false;
    QTest::newRow("attachment description") << "frmAttachName" << 2 << false;
    QTest::newRow("entry editor") << "frmEntry" << 3 << false;
    QTest::newRow("search") << "frmSearch" << 2 << false;
    QTest::newRow("copy") << "frmMainClip" << 4 << false;
    QTest::newRow("category editor") << "frmEditor" << 6 << false;
    QTest::newRow("new category") << "frmCatAdd" << 2 << false;
    QTest::newRow("category transfer") << "frmXFer" << 2 << false;
    QTest::newRow("category breakdown") << "frmResource" << 2 << false;
    QTest::newRow("print preview") << "frmPrint" << 0 << false;
    QTest::newRow("print warning: Enter presses the focused button") << "frmPrintConfirm" << 0 << true;
}

void WindowKitTest::buttons() {
    QFETCH(QString, window);
    QFETCH(int, pictureOnly);
    QFETCH(bool, takeEnter);
    const QList<QPushButton*> buttons = openWindow(window).findChildren<QPushButton*>();
    QVERIFY(!buttons.isEmpty());
    int counted = 0;
    for (const QPushButton* b : buttons) {
        const QString name = b->objectName();
        QVERIFY2(!b->toolTip().isEmpty(), qPrintable(name));
        QCOMPARE(b->autoDefault(), takeEnter);
        if (!b->text().isEmpty()) continue;
        ++counted;
        QVERIFY2(!b->icon().isNull(), qPrintable(name));
        QVERIFY2(b->iconSize().width() > 0 && b->iconSize().width() < b->width(), qPrintable(name));
        QVERIFY2(b->iconSize().height() > 0 && b->iconSize().height() < b->height(), qPrintable(name));
    }
    QCOMPARE(counted, pictureOnly);
}

void WindowKitTest::titleStandsOffTheRightEdge_data() {
    QTest::addColumn<int>("tpp");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    const std::pair<const char*, const char*> titles[] = {
        {"frmAttach", "Picture3"}, {"frmEntry", "Picture9"},    {"frmEntry", "Picture10"},
        {"frmSearch", "Picture1"}, {"frmMainClip", "Picture2"}, {"frmEditor", "Picture1"},
        {"frmCatAdd", "picTitle"}, {"frmXFer", "Picture2"},     {"frmResource", "Picture3"}};
    for (int tpp : {15, 12})
        for (const auto& [window, title] : titles)
            QTest::addRow("%s %s at %d twips a pixel", window, title, tpp) << tpp << window << title;
}

void WindowKitTest::titleStandsOffTheRightEdge() {
    QFETCH(int, tpp);
    QFETCH(QString, window);
    QFETCH(QString, title);
    fake().tpp = tpp;
    QWidget& shown = openWindow(window);
    const QWidget* picture = shown.findChild<QWidget*>(title);
    QVERIFY(picture);
    QVERIFY(picture->x() > 0);
    QCOMPARE(shown.width() - (picture->x() + picture->width()), twips::toPx(200));
}

QUORLANE_TEST(WindowKitTest);
#include "tst_windowkit.moc"
