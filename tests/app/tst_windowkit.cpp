// What every window built with the shared window kit shows: picture buttons with a picture that
// fits, a tooltip and no claim on Enter but their own, title pictures 200 twips from the right
// edge, and a name for every control a person works with.
#include "fakeplatform.h"
#include "testmain.h"
#include "testvault.h"

#include "app/controls.h"
#include "app/picturebox.h"
#include "app/twips.h"
#include "app/windowkit.h"
#include "windowlist.h"

#include <QAccessible>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <functional>

namespace {

QWidget& openWindow(const QString& name) {
    return openProgramWindow(name);
}

// Controls a person works with, as assistive technology sees them.
bool interactive(const QAccessibleInterface* control) {
    switch (control->role()) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::Link:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
        return true;
    default:
        return control->state().focusable;
    }
}

// The interactive controls under control that have no name, as "objectName (role)".
void collectUnnamed(QAccessibleInterface* control, QStringList& unnamed) {
    if (!control) return;
    if (interactive(control) && control->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = control->object();
        unnamed << QStringLiteral("%1 %2 (role %3)")
                       .arg(object ? object->metaObject()->className() : "?",
                            object ? object->objectName() : QString())
                       .arg(int(control->role()), 0, 16);
    }
    // A combo box's drop-down list is part of the box, named with it.
    if (control->role() == QAccessible::ComboBox) return;
    for (int i = 0; i < control->childCount(); ++i)
        collectUnnamed(control->child(i), unnamed);
}

} // namespace

class WindowKitTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void buttons_data();
    void buttons();
    void titleStandsOffTheRightEdge_data();
    void titleStandsOffTheRightEdge();
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void namesReadAsWords_data();
    void namesReadAsWords();
    void focusedButtonTakesEnter();
    void pictureCommand();
    void boxNamedByItsTooltip();
};

void WindowKitTest::buttons_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("pictureOnly"); // buttons with a picture and no caption
    QTest::addColumn<bool>("takeEnter");  // whether a button with the focus takes Enter
    QTest::newRow("main window") << "frmMain" << 14 << false;
    QTest::newRow("setup") << "frmSetup" << 2 << false;
    QTest::newRow("attachments") << "frmAttach" << 4 << false;
    QTest::newRow("attachment description") << "frmAttachName" << 2 << false;
    QTest::newRow("entry editor") << "frmEntry" << 4 << false;
    QTest::newRow("search") << "frmSearch" << 2 << false;
    QTest::newRow("password health") << "frmHealth" << 1 << false;
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

void WindowKitTest::everyControlIsNamed_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("withEntry"); // the main window showing an entry
    for (const ProgramWindow& w : ProgramWindows)
        QTest::newRow(w.name) << w.name << false;
    QTest::newRow("frmMain showing an entry") << "frmMain" << true;
}

void WindowKitTest::everyControlIsNamed() {
    QFETCH(QString, window);
    QFETCH(bool, withEntry);
    if (withEntry) {
        vault().addEntry(QStringLiteral("Bank"), QStringLiteral("EMPTY"), // a category with empty titles
                         {QStringLiteral("https://bank.example"), QStringLiteral("1"), QStringLiteral("2"),
                          QStringLiteral("3")});
        vault().exec(QStringLiteral("INSERT INTO CatDef VALUES ('EMPTY', '', '', '', '', '', '', 4)"));
    }
    QWidget& shown = openWindow(window);
    if (withEntry) {
        auto& main = static_cast<frmMain&>(shown);
        main.fillCategoryFilter();
        setListIndex(main.List1, 0);
        QVERIFY(!main.Picture5->web1->isHidden());
    }
    shown.show();
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(&shown), unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

// What assistive technology reads of a window or one of its controls: the main window is a frame
// like every other window, names are words, pictures that tell something are named, and the
// heading's shadow copy is not read at all.
void WindowKitTest::namesReadAsWords_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control"); // empty: the window itself
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("main window") << "frmMain"
                                 << "" << int(QAccessible::Window) << "Quorlane";
    QTest::newRow("print warning") << "frmPrintConfirm"
                                   << "" << int(QAccessible::Dialog) << "Warning!";
    QTest::newRow("new category's save") << "frmCatAdd"
                                         << "Command21" << int(QAccessible::Button) << "Save category.";
    QTest::newRow("generator's password") << "frmGenerator"
                                          << "Text1" << int(QAccessible::EditableText) << "Password made";
    QTest::newRow("import by category") << "frmImport"
                                        << "List1" << int(QAccessible::Tree) << "Entries to add, by category";
    QTest::newRow("import rows left out") << "frmImport"
                                          << "List2" << int(QAccessible::List) << "Rows left out";
    QTest::newRow("empty category") << "frmMain"
                                    << "Picture8" << int(QAccessible::Graphic)
                                    << "No entries in this category";
    QTest::newRow("category picture") << "frmMain"
                                      << "Picture6" << int(QAccessible::Graphic) << "Category picture: NONE";
    QTest::newRow("heading's shadow") << "frmMain"
                                      << "Label13" << int(QAccessible::NoRole) << "";
}

void WindowKitTest::namesReadAsWords() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QWidget& shown = openWindow(window);
    QObject* object = control.isEmpty() ? &shown : shown.findChild<QWidget*>(control);
    QVERIFY(object);
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(object);
    QCOMPARE(int(read->role()), role);
    QCOMPARE(read->text(QAccessible::Name), name);
    if (control == QLatin1String("Label13")) QVERIFY(read->state().invisible);
}

// A focused picture button takes Enter and Space itself; the window's default button answers
// Enter only from elsewhere.
void WindowKitTest::focusedButtonTakesEnter() {
    QDialog dialog;
    QLineEdit* box = new QLineEdit(&dialog);
    QPushButton* primary = windowkit::pictureButton(&dialog, "Command1", "search", QStringLiteral("Search."));
    QPushButton* close = windowkit::pictureButton(&dialog, "Command2", "close", QStringLiteral("Close."));
    primary->setDefault(true);
    dialog.show();
    QSignalSpy pressedPrimary(primary, &QPushButton::clicked);
    QSignalSpy pressedClose(close, &QPushButton::clicked);
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Return);
    QTest::keyClick(close, Qt::Key_Enter);
    QTest::keyClick(close, Qt::Key_Space);
    QCOMPARE(pressedClose.count(), 3);
    QCOMPARE(pressedPrimary.count(), 0);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(pressedPrimary.count(), 1);
    QCOMPARE(pressedClose.count(), 3);
    QCOMPARE(close->accessibleName(), QStringLiteral("Close."));
    close->setEnabled(false);
    QTest::keyClick(close, Qt::Key_Return);
    QCOMPARE(pressedClose.count(), 3);
}

// A picture made a command: Tab reaches it (a mouse click does not take the focus), Space and
// Enter click it, assistive technology sees a button that can be pressed; a plain picture is an
// image that takes no focus.
void WindowKitTest::pictureCommand() {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    PictureBox* plain = windowkit::picture(&window, "Picture1", QStringLiteral("banner"));
    PictureBox* copy = windowkit::picture(&window, "Picture10", QStringLiteral("copyfield"));
    copy->setToolTip(QStringLiteral("Copy this field to your clipboard."));
    QString title = QStringLiteral("Password");
    copy->makeCommand([&title] { return QStringLiteral("Copy ") + title; });
    window.show();
    QSignalSpy clicks(copy, &PictureBox::clicked);

    before->setFocus();
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(window.focusWidget(), before);
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(window.focusWidget(), copy);
    QTest::keyClick(copy, Qt::Key_Space);
    QTest::keyClick(copy, Qt::Key_Return);
    QTest::keyClick(copy, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(clicks.count(), 3);

    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(copy);
    QCOMPARE(button->role(), QAccessible::Button);
    QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Copy Password"));
    title = QStringLiteral("PIN");
    QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Copy PIN"));
    QVERIFY(button->actionInterface());
    QVERIFY(button->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 4);

    QAccessibleInterface* image = QAccessible::queryAccessibleInterface(plain);
    QCOMPARE(image->role(), QAccessible::Graphic);
    QCOMPARE(plain->focusPolicy(), Qt::NoFocus);
}

// A box titled by the person's own text is named by its tooltip, which follows the title; an
// untitled box goes by its design title.
void WindowKitTest::boxNamedByItsTooltip() {
    QLineEdit box;
    box.setToolTip(QStringLiteral("User Defined Field (1)"));
    windowkit::nameByTooltip(&box, QStringLiteral("Field"));
    QAccessibleInterface* named = QAccessible::queryAccessibleInterface(&box);
    QCOMPARE(named->text(QAccessible::Name), QStringLiteral("User Defined Field (1)"));
    box.setToolTip(QStringLiteral("Q&A:"));
    QCOMPARE(named->text(QAccessible::Name), QStringLiteral("Q&A"));
    box.setToolTip(QStringLiteral(" : "));
    QCOMPARE(named->text(QAccessible::Name), QStringLiteral("Field"));
}

QUORLANE_TEST(WindowKitTest);
#include "tst_windowkit.moc"
