#include "store/dates.h"
#include "testmain.h"

#include <QTest>

class DatesTest final : public QObject {
    Q_OBJECT
private slots:
    void storedForm_data() {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("stored");
        QTest::newRow("afternoon") << QDateTime(QDate(2013, 3, 15), QTime(14, 5, 9)) << "03/15/2013 02:05:09 pm";
        QTest::newRow("midnight") << QDateTime(QDate(2024, 12, 31), QTime(0, 0, 0)) << "12/31/2024 12:00:00 am";
        QTest::newRow("noon") << QDateTime(QDate(2024, 1, 2), QTime(12, 30, 59)) << "01/02/2024 12:30:59 pm";
        QTest::newRow("morning") << QDateTime(QDate(1999, 7, 4), QTime(9, 1, 2)) << "07/04/1999 09:01:02 am";
    }
    void storedForm() {
        QFETCH(QDateTime, when);
        QFETCH(QString, stored);
        QCOMPARE(formatLastUpdate(when), stored);
    }

    void shownDate_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("stored form") << "03/15/2013 02:05:09 pm" << "03/15/2013";
        QTest::newRow("capital PM") << "3/5/2013 2:05:09 PM" << "03/05/2013";
        QTest::newRow("date only") << "12/31/2024" << "12/31/2024";
        QTest::newRow("24-hour time") << "01/02/2024 18:30:00" << "01/02/2024";
        QTest::newRow("not a date") << "soon" << "soon";
        QTest::newRow("no such day") << "02/30/2024 01:00:00 am" << "02/30/2024 01:00:00 am";
        QTest::newRow("empty") << "" << "";
    }
    void shownDate() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(shownUpdateDate(stored), shown);
    }
};

QUORLANE_TEST(DatesTest);
#include "tst_dates.moc"
