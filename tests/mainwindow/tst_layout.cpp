#include "app/controls.h"
#include "app/forms.h"
#include "app/picturebox.h"
#include "app/twips.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/layout.h"
#include "store/globals.h"
#include "store/locations.h"
#include "testmain.h"
#include "testvault.h"
#include "waits.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QToolButton>
#include <algorithm>

using namespace mainlayout;

namespace {

constexpr int Row = 225;  // list row height in twips
constexpr int Frame = 30; // twips the list's frame takes

LayoutInput sized(int outerWidth, int outerHeight, int border, int titleBar) {
    return {outerWidth, outerHeight, outerWidth - 2 * border, outerHeight - 2 * border - titleBar,
            Row,        Frame};
}

} // namespace

class LayoutTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void followsTheWindowSize_data() {
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("titleBar");
        QTest::newRow("design size, no frame") << 9930 << 7515 << 0 << 0;
        QTest::newRow("design size with a frame") << 10050 << 7995 << 60 << 360;
        QTest::newRow("maximised 1280 x 1024") << 19200 << 15360 << 0 << 345;
        QTest::newRow("maximised 1920 x 1080") << 28800 << 16200 << 60 << 300;
        QTest::newRow("odd size") << 12345 << 9877 << 45 << 285;
    }
    void followsTheWindowSize() {
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(int, border);
        QFETCH(int, titleBar);
        const MainLayout l = layOutMainWindow(sized(W, H, border, titleBar), designLayout(Row, Frame));

        // The command bar stays inside the window; the panes sit side by side without overlap.
        QVERIFY(l.command22Left + 580 <= W && l.command13Left > l.combo1Left);
        QVERIFY(l.commandTop + 480 <= H - titleBar);
        QVERIFY(90 + l.picture4Width < l.picture5Left);
        QVERIFY(l.picture5Left + l.picture5Width <= l.picture1Width);

        // Whole rows only, and the list pane ends just below them, inside the panel.
        QCOMPARE((l.list1Height - Frame) % Row, 0);
        QVERIFY(l.list1Height <= l.picture1Height - 900 - design::FindRowHeight);
        QVERIFY(l.list1Height > l.picture1Height - 900 - design::FindRowHeight - Row);
        QVERIFY(l.text5Width > 0 && l.text5Height > 0);
        QVERIFY(l.webLeft + 450 <= l.picture5Width);
    }

    // Minimised there is no client area: the sizes that would be negative are skipped and keep
    // what they were; restoring lays the window out as before.
    void minimisingSkipsNegativeSizes() {
        const MainLayout before = designLayout(Row, Frame);
        // Only the frame is left: 60 twips of border each side and a 360-twip title bar.
        const MainLayout minimised = layOutMainWindow({120, 480, 0, 0, Row, Frame}, before);
        QCOMPARE(minimised.titleBar, 360);
        const QList<int> kept{minimised.picture1Width,  minimised.picture1Height, minimised.picture4Width,
                              minimised.picture4Height, minimised.list1Width,     minimised.list1Height,
                              minimised.picture5Width,  minimised.picture5Height, minimised.text5Width,
                              minimised.text5Height};
        const QList<int> was{before.picture1Width,  before.picture1Height, before.picture4Width,
                             before.picture4Height, before.list1Width,     before.list1Height,
                             before.picture5Width,  before.picture5Height, before.text5Width,
                             before.text5Height};
        QCOMPARE(kept, was);
        QCOMPARE(minimised.shape1Width, 120 + 1000);
        // Positions may go negative: they are applied.
        QCOMPARE(minimised.command22Left, 120 - 760);
        QCOMPARE(minimised.commandTop, 480 - 640 - 360);
        QCOMPARE(minimised.combo1Left, 120 - 3960);
        const MainLayout restored = layOutMainWindow({9930, 7515, 9930, 7515, Row, Frame}, minimised);
        QCOMPARE(restored, before);
    }

    // The real window at its design size and maximised.
    void windowIsLaidOutOnEveryResize() {
        vault().addEntry(QStringLiteral("Site"), QStringLiteral("WEB SITE"),
                         {QStringLiteral("www.example.com")});
        frmMain& main = form<frmMain>();
        form<frmMain>().fillCategoryFilter();
        main.show();
        setListIndex(main.List1, 0);
        QCOMPARE(main.size(), main.designSize());
        QCOMPARE(main.size(), QSize(twips::toPx(9930), twips::toPx(7515)));
        QVERIFY(!main.Picture1->isHidden());

        for (bool maximised : {false, true, false}) {
            if (maximised)
                main.showMaximized();
            else
                main.showNormal();
            QTRY_COMPARE_WITH_TIMEOUT(main.isMaximized(), maximised, WaitMs);
            QTRY_VERIFY_WITH_TIMEOUT(
                maximised ? main.size() != main.designSize() : main.size() == main.designSize(), WaitMs);
            const int W = main.frameGeometry().width() * 15;
            const QList<int> lefts{main.Command22->x(), main.Command3->x(), main.Command4->x(),
                                   main.Command1->x(), main.Command13->x()};
            QCOMPARE(lefts, (QList<int>{twips::toPx(W - 760), twips::toPx(W - 1435), twips::toPx(W - 2110),
                                        twips::toPx(W - 2785), twips::toPx(W - 3460)}));
            const QList<int> fixed{main.Command2->x(), main.Command10->x(), main.Command11->x(),
                                   main.Command8->x(), main.Command6->x(),  main.Command5->x()};
            QCOMPARE(fixed, (QList<int>{twips::toPx(110), twips::toPx(785), twips::toPx(1460),
                                        twips::toPx(2135), twips::toPx(2810), twips::toPx(3485)}));
            // Buttons sit on the client area's bottom, the panel above them, the list in whole rows.
            QVERIFY(main.Command2->geometry().bottom() < main.height());
            QVERIFY(main.Picture1->geometry().bottom() < main.Command2->y());
            const int rows =
                (main.List1->height() - 2 * main.List1->frameWidth()) / main.List1->sizeHintForRow(0);
            QCOMPARE(main.List1->height(),
                     rows * main.List1->sizeHintForRow(0) + 2 * main.List1->frameWidth());
            QCOMPARE(main.Picture4->height(), twips::toPx(main.layoutInForce().list1Height + 20));
            // The launch button follows the pane's right edge.
            QVERIFY(!main.Picture5->web1->isHidden());
            QCOMPARE(main.Picture5->web1->x(), twips::toPx(main.layoutInForce().picture5Width - 530));
            QCOMPARE(main.Picture5->Text1->width(), twips::toPx(main.layoutInForce().text5Width - 450));
        }
    }

    // The person drags the border to any size down to the design size at the current font; the
    // window is laid out by the same rules as at its design size or maximised.
    void resizedByDragging_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<QSize>("dragged"); // pixels added to the design size
        QTest::addColumn<QSize>("kept");    // what the window takes of them
        QTest::newRow("larger") << 9 << QSize(200, 150) << QSize(200, 150);
        QTest::newRow("wider, lower than the design: held at the design height")
            << 9 << QSize(300, -100) << QSize(300, 0);
        QTest::newRow("smaller at 13 pt: held at the larger design size")
            << 13 << QSize(-60, -40) << QSize(0, 0);
        QTest::newRow("larger at 16 pt") << 16 << QSize(90, 70) << QSize(90, 70);
    }
    void resizedByDragging() {
        QFETCH(int, points);
        QFETCH(QSize, dragged);
        QFETCH(QSize, kept);
        const QFont before = QApplication::font();
        const auto restoreFont = qScopeGuard([before] { QApplication::setFont(before); });
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), points));
        vault().addEntry(QStringLiteral("Site"), QStringLiteral("WEB SITE"),
                         {QStringLiteral("www.example.com")});
        frmMain& main = form<frmMain>();
        form<frmMain>().fillCategoryFilter();
        main.show();
        setListIndex(main.List1, 0);
        const QSize design = main.designSize();
        QCOMPARE(main.minimumSize(), design);
        QCOMPARE(design.width() > 662, points > 9); // the design size follows the font
        main.resize(design + dragged);
        QTRY_COMPARE_WITH_TIMEOUT(main.size(), design + kept, WaitMs);

        const int W = twips::fromPx(main.frameGeometry().width());
        QCOMPARE(main.Command22->x(), twips::toPx(W - 760));
        QCOMPARE(main.Command13->x(), twips::toPx(W - 3460));
        QVERIFY(main.Command22->geometry().right() < main.width());
        QVERIFY(main.Command2->geometry().bottom() < main.height());
        QVERIFY(main.Picture1->geometry().bottom() < main.Command2->y());
        QVERIFY(main.Picture5->geometry().right() < main.Picture1->width());
        QVERIFY(main.Picture5->web1->geometry().right() < main.Picture5->width());
        QVERIFY(main.Picture5->Text1->geometry().right() < main.Picture5->web1->x());
        const int row = main.List1->sizeHintForRow(0), frame = 2 * main.List1->frameWidth();
        QCOMPARE((main.List1->height() - frame) % row, 0); // whole rows
    }

    void minimiseAndRestore() {
        frmMain& main = form<frmMain>();
        main.show();
        const MainLayout design = main.layoutInForce();
        main.showMinimized();
        QTRY_VERIFY_WITH_TIMEOUT(main.isMinimized(), WaitMs);
        QCOMPARE(main.layoutInForce().picture1Height, design.picture1Height);
        main.showNormal();
        QTRY_VERIFY_WITH_TIMEOUT(!main.isMinimized(), WaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(main.layoutInForce(), design, WaitMs);
        QVERIFY(fake().messages.isEmpty());
    }

    // The copy pictures and the entry count take the program's hand pointer, nothing else does.
    void clickableLabelsTakeTheHandPointer() {
        frmMain& main = form<frmMain>();
        for (QWidget* w :
             {static_cast<QWidget*>(main.Picture5->Picture10),
              static_cast<QWidget*>(main.Picture5->Picture11),
              static_cast<QWidget*>(main.Picture5->Picture12),
              static_cast<QWidget*>(main.Picture5->Picture13),
              static_cast<QWidget*>(main.Picture5->Picture14), static_cast<QWidget*>(main.Label35)}) {
            QCOMPARE(w->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(w->cursor().hotSpot(), QPoint(8, 2));
            QCOMPARE(w->cursor().pixmap().size(), QSize(32, 32));
        }
        for (QWidget* w :
             {static_cast<QWidget*>(main.List1), static_cast<QWidget*>(main.Label29),
              static_cast<QWidget*>(main.Picture5->Text1), static_cast<QWidget*>(main.Picture5->Picture6)})
            QVERIFY(w->cursor().shape() != Qt::BitmapCursor);
    }

    // The command bar: picture buttons with tooltips, whose left-to-right order is the tab order.
    void commandBar() {
        frmMain& main = form<frmMain>();
        main.show();
        QList<QPushButton*> buttons = main.findChildren<QPushButton*>();
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        QCOMPARE(buttons.size(), 14); // with import, export and the health report
        QCOMPARE(buttons.first()->objectName(), QStringLiteral("Command2")); // Exit, at the left
        for (QPushButton* b : buttons) {
            QVERIFY(!b->toolTip().isEmpty());
            QVERIFY(b->text().isEmpty());
            QVERIFY(!b->icon().isNull());
        }
        for (int i = 0; i + 1 < buttons.size(); ++i)
            QCOMPARE(buttons[i]->nextInFocusChain(), buttons[i + 1]);
    }

    // Captions are not cut off at the design size.
    void captionsFit() {
        vault().addEntry(QStringLiteral("A"), QStringLiteral("HOME"), {}, {},
                         QStringLiteral("12/28/2013 11:59:59 pm"));
        frmMain& main = form<frmMain>();
        form<frmMain>().fillCategoryFilter();
        main.show();
        setListIndex(main.List1, 0);
        for (QWidget* w :
             {static_cast<QWidget*>(main.Check1), static_cast<QWidget*>(main.Check2),
              static_cast<QWidget*>(main.Label12), static_cast<QWidget*>(main.Label29),
              static_cast<QWidget*>(main.Picture5->Label4), static_cast<QWidget*>(main.Picture5->Label8)})
            QVERIFY2(w->sizeHint().width() <= w->width(), qPrintable(w->objectName()));
        QVERIFY(main.Check1->geometry().right() < main.Check2->x());
        QCOMPARE(main.Check1->text(), QStringLiteral("&Display information discreetly."));
        QCOMPARE(main.Check2->text(), QStringLiteral("&Hide information."));
    }

    // Exit, the tray menu's shutdown and closing the window all end the program, tray icon gone.
    void everyWayOutEndsTheProgram_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Exit button") << 0;
        QTest::newRow("tray menu shutdown") << 1;
        QTest::newRow("closing the window") << 2;
    }
    void everyWayOutEndsTheProgram() {
        QFETCH(int, way);
        frmMain& main = form<frmMain>();
        main.show();
        fake().trayVisible = true;
        try {
            if (way == 0) main.Command2_Click();
            if (way == 1) main.menShut->trigger();
            if (way == 2) main.close();
        } catch (const ProgramEnded&) {
        }
        QCOMPARE(fake().endCount, 1);
        QVERIFY(!fake().trayVisible);
        QCOMPARE(main.menShut->text(), QStringLiteral("Shutdown Quorlane"));
        QVERIFY(fake().messages.isEmpty());
    }

    // The guide beside the program goes first; when it cannot be shown the user learns why and
    // where the file is.
    void helpOpensTheGuide_data() {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("viewer");
        QTest::addColumn<QString>("prompt"); // "" when no message; %1 the guide's path
        QTest::newRow("guide beside the program opens") << true << true << "";
        QTest::newRow("no PDF viewer")
            << true << false
            << "No program to show PDF files was found. The user's guide is this file:\n\n%1\n\n"
               "Open it with any PDF viewer.";
        QTest::newRow("no guide anywhere: the installed place is asked for and named")
            << false << false << "The user's guide is not installed. It belongs here:\n\n%1";
    }
    void helpOpensTheGuide() {
        QFETCH(bool, beside);
        QFETCH(bool, viewer);
        QFETCH(QString, prompt);
        const QString guide = beside
                                  ? storeState().appFolder + QStringLiteral("/Help.pdf")
                                  : installDataFolder(storeState().appFolder) + QStringLiteral("/Help.pdf");
        if (beside) QVERIFY(QFile(guide).open(QIODevice::WriteOnly));
        frmMain& main = form<frmMain>();
        main.show();
        fake().openSucceeds = viewer;
        main.Command22->click();
        QCOMPARE(fake().opened, QStringList{guide});
        QCOMPARE(fake().titles(), prompt.isEmpty() ? QStringList{} : QStringList{"Help"});
        if (!prompt.isEmpty()) QCOMPARE(fake().messages[0].prompt, prompt.arg(guide));
        QVERIFY(main.isVisible());
    }
};

QUORLANE_TEST(LayoutTest);
#include "tst_layout.moc"
