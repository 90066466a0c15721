// Builds the delivered vault file from the schema and the delivered rows, encoding with the
// program's own codec. A vault that already exists is never touched: it may hold a user's entries.
//
//   makevault <schema.sql> <categories.sql> <vault file>

#include "store/vaultbuilder.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: makevault <schema.sql> <categories.sql> <vault file>\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[3]);
    if (QFile::exists(target)) return 0;
    if (!buildVault(target, QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "makevault: could not build %s\n", argv[3]);
        return 1;
    }
    return 0;
}
