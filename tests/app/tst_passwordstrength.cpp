#include "app/passwordstrength.h"
#include "testmain.h"

#include <QTest>

// The strength estimate: zxcvbn's guesses and its score thresholds.
class PasswordStrengthTest final : public QObject {
    Q_OBJECT

private slots:
    void scores_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("score");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("the commonest password") << "password" << 0;
        QTest::newRow("leet spelling of it") << "p4ssw0rd" << 0;
        QTest::newRow("digits in a row") << "123456" << 0;
        QTest::newRow("keyboard row") << "qwerty" << 0;
        QTest::newRow("word and year") << "dragon2019" << 1;
        QTest::newRow("season, year, mark") << "Summer2023!" << 1;
        QTest::newRow("short mixed") << "qwER43@!" << 2;
        QTest::newRow("three words run together") << "WinterIsComing" << 2;
        QTest::newRow("the well-known troubadour") << "Tr0ub4dour&3" << 3;
        QTest::newRow("four common words") << "correcthorsebatterystaple" << 4;
        QTest::newRow("twenty random letters") << "rWibMFACxAUGZmxhVncy" << 4;
        QTest::newRow("beyond Latin-1") << "пароль-Καλημέρα-日本語-7" << 4;
    }
    void scores() {
        QFETCH(QString, password);
        QFETCH(int, score);
        const PasswordStrength strength = estimateStrength(password);
        QCOMPARE(strength.score, score);
        QCOMPARE(scoreOfGuesses(strength.guesses), score);
    }

    void thresholds_data() {
        QTest::addColumn<double>("guesses");
        QTest::addColumn<int>("score");
        QTest::newRow("1") << 1.0 << 0;
        QTest::newRow("10^3 + 4") << 1004.0 << 0;
        QTest::newRow("10^3 + 5") << 1005.0 << 1;
        QTest::newRow("10^6 + 5") << 1e6 + 5 << 2;
        QTest::newRow("10^8 + 4") << 1e8 + 4 << 2;
        QTest::newRow("10^8 + 5") << 1e8 + 5 << 3;
        QTest::newRow("10^10 + 5") << 1e10 + 5 << 4;
        QTest::newRow("10^30") << 1e30 << 4;
    }
    void thresholds() {
        QFETCH(double, guesses);
        QFETCH(int, score);
        QCOMPARE(scoreOfGuesses(guesses), score);
    }
};

QUORLANE_TEST(PasswordStrengthTest);
#include "tst_passwordstrength.moc"
