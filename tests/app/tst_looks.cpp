// How every window looks at the desktop's font sizes and under a light and a dark palette: no
// caption is cut, every text stands out from what is behind it, and the small controls of the
// main window answer clicks on room enough for a finger or an unsteady hand.
#include "fakeplatform.h"
#include "testmain.h"
#include "testvault.h"
#include "windowlist.h"

#include "app/controls.h"
#include "app/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>

namespace {

// A dark palette as qt6ct, KDE and GNOME give it.
QPalette darkPalette() {
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(Qt::white), disabled(127, 127, 127);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, window.lighter(150));
    p.setColor(QPalette::Midlight, window.lighter(120));
    p.setColor(QPalette::Mid, window.darker(120));
    p.setColor(QPalette::Dark, window.darker(150));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

double luminance(QRgb rgb) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a text drawn in area: the commonest colour is what lies behind the text, the
// colour furthest from it the text's own (the middle of a stroke is drawn in the full colour).
double textContrast(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) most = it.value(), background = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(background, it.key()));
    return best;
}

QString shownText(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    return {};
}

// Whether a control's caption shows whole: a push button's text and picture within the room its
// style draws them in, any other control within its size hint's width; one line's height always.
QString cutCaption(QWidget* w) {
    const auto* label = qobject_cast<QLabel*>(w);
    int need = w->sizeHint().width(), room = w->width();
    if (const auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        need = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) +
               (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
    }
    const int height =
        label && label->wordWrap() ? label->heightForWidth(w->width()) : w->fontMetrics().height();
    if (need <= room && height <= w->height()) return {};
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
        .arg(w->objectName(), shownText(w))
        .arg(label && label->wordWrap() ? 0 : need)
        .arg(height)
        .arg(room)
        .arg(w->height());
}

// The window's controls that show a caption of their own, as the person would see them.
QList<QWidget*> captioned(QWidget& window) {
    QList<QWidget*> found;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (w->isVisibleTo(&window) && !shownText(w).trimmed().isEmpty() && w->isEnabled()) found << w;
    return found;
}

// Opens a window as the person meets it: the main window showing an entry.
QWidget& openShown(const QString& name) {
    QWidget& window = openProgramWindow(name);
    if (name == QLatin1String("frmMain")) {
        static_cast<frmMain&>(window).fillCategoryFilter();
        setListIndex(static_cast<frmMain&>(window).List1, 0);
    }
    window.show();
    return window;
}

} // namespace

class LooksTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void init() {
        VaultTestCase::init();
        font_ = QApplication::font();
        palette_ = QApplication::palette();
    }
    void cleanup() {
        QApplication::setFont(font_);
        QApplication::setPalette(palette_);
        VaultTestCase::cleanup();
    }

    // Every caption fits its control and every one-line box its text, whatever the font size.
    void nothingIsCut_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("points");
        for (int points : {8, 10, 13, 16})
            for (const ProgramWindow& w : ProgramWindows)
                QTest::addRow("%s at %d pt", w.name, points) << w.name << points;
    }
    void nothingIsCut() {
        QFETCH(QString, window);
        QFETCH(int, points);
        vault().addSampleEntries();
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), points));
        QWidget& shown = openShown(window);
        QStringList cut;
        for (QWidget* w : captioned(shown))
            if (const QString problem = cutCaption(w); !problem.isEmpty()) cut << problem;
        for (QWidget* box : shown.findChildren<QWidget*>()) {
            if (!box->isVisibleTo(&shown) ||
                !(qobject_cast<QLineEdit*>(box) || qobject_cast<QComboBox*>(box)))
                continue;
            const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
            if (box->fontMetrics().height() > box->height() - 2 * frame)
                cut << QStringLiteral("%1 shows %2 pixels of a %3-pixel line")
                           .arg(box->objectName())
                           .arg(box->height() - 2 * frame)
                           .arg(box->fontMetrics().height());
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

    // Under either palette every caption keeps a contrast of 4.5:1 with the pixels behind it.
    void textStandsOut_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("dark");
        for (bool dark : {false, true})
            for (const ProgramWindow& w : ProgramWindows)
                QTest::addRow("%s, %s palette", w.name, dark ? "dark" : "light") << w.name << dark;
    }
    void textStandsOut() {
        QFETCH(QString, window);
        QFETCH(bool, dark);
        vault().addSampleEntries();
        if (dark) QApplication::setPalette(darkPalette());
        QWidget& shown = openShown(window);
        const QImage image = shown.grab().toImage();
        QStringList faint;
        for (QWidget* w : captioned(shown)) {
            const QRect area = QRect(w->mapTo(&shown, QPoint(0, 0)), w->size()).intersected(image.rect());
            if (area.isEmpty()) continue;
            const double ratio = textContrast(image, area);
            if (ratio < 4.5)
                faint << QStringLiteral("%1 \"%2\" %3:1")
                             .arg(w->objectName(), shownText(w))
                             .arg(ratio, 0, 'f', 2);
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral("; "))));
    }

    // Copy pictures and launch buttons take clicks on at least 24 x 24 pixels at 96 dpi, the
    // copy pictures clicked at the corner of that square.
    void smallControlsAnswerOnRoomEnough_data() {
        QTest::addColumn<QString>("control");
        for (const char* name :
             {"Picture10", "Picture11", "Picture12", "Picture13", "Picture14", "web1", "web4"})
            QTest::newRow(name) << name;
    }
    void smallControlsAnswerOnRoomEnough() {
        QFETCH(QString, control);
        vault().addEntry(QStringLiteral("Site"), QStringLiteral("WEB SITE"),
                         {QStringLiteral("www.example.com"), QStringLiteral("me"), QStringLiteral("pw"),
                          QStringLiteral("www.example.org")},
                         QStringLiteral("notes"));
        auto& main = static_cast<frmMain&>(openShown(QStringLiteral("frmMain")));
        QWidget* target = main.findChild<QWidget*>(control);
        QVERIFY(target && target->isVisible());
        QVERIFY2(target->width() >= 24 && target->height() >= 24,
                 qPrintable(QStringLiteral("%1x%2").arg(target->width()).arg(target->height())));
        QCOMPARE(main.Picture5->childAt(target->geometry().topLeft() + QPoint(1, 1)), target);
        if (!control.startsWith(QLatin1String("Picture"))) return;
        fake().clipboard.clear();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(fake().clipboard.isEmpty(), false);
    }

private:
    QFont font_;
    QPalette palette_;
};

QUORLANE_TEST(LooksTest);
#include "tst_looks.moc"
