#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <memory>

// The whole content of a file (empty when it cannot be read): for checking that a file stayed
// byte for byte as it was.
QByteArray fileBytes(const QString& path);

// A fresh delivered vault in a temporary folder that is both the store's appFolder and vaultFolder (print
// pages go to its subfolder "print"), with the globals as start-up leaves them (the store's maxAttempts 5)
// and a new fake platform.
class TestVault {
public:
    TestVault();
    ~TestVault();

    QString folder() const { return dir_.path(); }
    QString path() const;

    // Direct access for preparing and checking the file, outside the program's connection.
    QList<QVariantList> rows(const QString& sql) const;
    QVariant value(const QString& sql) const;
    void exec(const QString& sql, const QVariantList& values = {}) const;

    // Adds an entry with its values encoded as the program stores them (apostrophes as the
    // substitute); gives its key.
    qint64 addEntry(const QString& description, const QString& category, const QStringList& fields = {},
                    const QString& notes = {},
                    const QString& lastUpdate = QStringLiteral("03/15/2013 02:05:09 pm"));
    // The entries the flows start from: "Alarm" (4711) and "Garage" (0815) in HOME, "Shop"
    // (www.shop.example, joe) in WEB SITE.
    struct SampleKeys {
        qint64 alarm, garage, shop;
    };
    SampleKeys addSampleEntries();
    // The decoded values of one entry: PDF1..PDF6, sCat, dtLU.
    QStringList decodedEntry(qint64 key) const;

private:
    QTemporaryDir dir_;
};

// Base of the test classes that use a vault: each test function gets a fresh vault, a fresh
// fake platform and no loaded windows.
class VaultTestCase : public QObject {
    Q_OBJECT
protected:
    TestVault& vault() { return *vault_; }

protected slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<TestVault> vault_;
};
