#include "testmain.h"

#include "app/accessibility.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

namespace {

// What reached the accessibility bus: the texts of every text event.
QStringList heard;

void record(QAccessibleEvent* event) {
    switch (event->type()) {
    case QAccessible::TextInserted:
        heard << static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
        break;
    case QAccessible::TextRemoved:
        heard << static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved();
        break;
    case QAccessible::TextUpdated: {
        const auto* updated = static_cast<QAccessibleTextUpdateEvent*>(event);
        heard << updated->textRemoved() << updated->textInserted();
        break;
    }
    default:
        heard << QStringLiteral("(event %1)").arg(int(event->type()));
        break;
    }
}

} // namespace

// The accessibility bus hears what is typed into an ordinary box, and of a password box only
// that characters came and went. (The offscreen platform has no bus, so the events a line edit
// sends are handed to the installed handler here; the end-to-end lock.sh listens to the real one.)
class AccessibilityTest final : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        heard.clear();
        QAccessible::installUpdateHandler(nullptr);
    }

    void passwordBoxesSayNoCharacter_data() {
        QTest::addColumn<int>("echoMode");
        QTest::addColumn<QStringList>("said");
        const QStringList typed{"kq7", "q", "kq7", "zw"};
        QTest::newRow("ordinary box") << int(QLineEdit::Normal) << typed;
        QTest::newRow("password box") << int(QLineEdit::Password) << QStringList{"***", "*", "***", "**"};
        QTest::newRow("password shown while typing")
            << int(QLineEdit::PasswordEchoOnEdit) << QStringList{"***", "*", "***", "**"};
        QTest::newRow("no echo") << int(QLineEdit::NoEcho) << QStringList{"***", "*", "***", "**"};
    }
    void passwordBoxesSayNoCharacter() {
        QFETCH(int, echoMode);
        QAccessible::installUpdateHandler(&record);
        keepPasswordsOffAccessibility(); // in front of the recorder, as in front of the bus
        const QAccessible::UpdateHandler installed = QAccessible::installUpdateHandler(nullptr);
        QAccessible::installUpdateHandler(installed);

        QLineEdit box;
        box.setEchoMode(QLineEdit::EchoMode(echoMode));
        // What the box reports as "kq7" is typed, its "q" removed, then "kq7" replaced by "zw".
        QAccessibleTextInsertEvent inserted(&box, 0, QStringLiteral("kq7"));
        QAccessibleTextRemoveEvent removed(&box, 1, QStringLiteral("q"));
        QAccessibleTextUpdateEvent updated(&box, 0, QStringLiteral("kq7"), QStringLiteral("zw"));
        QAccessibleEvent focus(&box, QAccessible::Focus);
        for (QAccessibleEvent* event :
             std::initializer_list<QAccessibleEvent*>{&inserted, &removed, &updated, &focus})
            installed(event);
        QTEST(heard.mid(0, 4), "said");
        QCOMPARE(heard.mid(4), QStringList{QStringLiteral("(event %1)").arg(int(QAccessible::Focus))});
    }
};

QUORLANE_TEST(AccessibilityTest);
#include "tst_accessibility.moc"
