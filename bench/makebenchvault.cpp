// Writes a vault of N typical entries, for the start-up measurement (startup.sh).
//
//   makebenchvault <vault file> <entries>
#include "benchvault.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: makebenchvault <vault file> <entries>\n");
        return 2;
    }
    return writeBenchVault(QString::fromLocal8Bit(argv[1]), std::atoi(argv[2])) ? 0 : 1;
}
