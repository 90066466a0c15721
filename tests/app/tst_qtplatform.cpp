#include "app/qtplatform.h"
#include "testmain.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <sys/stat.h>

// The real platform's own behaviour where it matters for what the program leaves behind.
class QtPlatformTest final : public QObject {
    Q_OBJECT
private slots:
    // A printout sent to a file holds every value of the entry: only its owner may read it, as a
    // new file and as a file that was there before, readable by everyone.
    void printToFileIsOwnerOnly_data() {
        QTest::addColumn<bool>("existedBefore");
        QTest::newRow("new file") << false;
        QTest::newRow("existing file readable by all") << true;
    }
    void printToFileIsOwnerOnly() {
        QFETCH(bool, existedBefore);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("entry.pdf"));
        if (existedBefore) {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old printout");
            old.close();
            QVERIFY(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ReadGroup | QFileDevice::ReadOther));
        }
        const mode_t before = ::umask(022);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        QTextDocument page;
        page.setPlainText(QStringLiteral("Password: secret"));
        const bool printed = printDocument(page, printer);
        ::umask(before);

        QVERIFY(printed);
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0600));
        QFile out(file);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QVERIFY(out.readAll().startsWith("%PDF"));
    }

    // A prompt quoting a stored value ("Are you sure you want to delete <b>X</b>?") shows the
    // value as typed.
    void messageShowsMarkupAsTyped() {
        QtPlatform platform;
        Qt::TextFormat format = Qt::RichText;
        QString text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            format = box->textFormat();
            text = box->text();
            box->done(QMessageBox::No);
        });
        const QString prompt = QStringLiteral("Are you sure you want to delete <B>BOLD</B>?");
        platform.messageBox(QStringLiteral("Delete Entry?"), prompt, MsgIcon::Warning, MsgButtons::YesNo,
                            MsgAnswer::No);
        QCOMPARE(text, prompt);
        QCOMPARE(format, Qt::PlainText);
    }
};

QUORLANE_TEST(QtPlatformTest);
#include "tst_qtplatform.moc"
