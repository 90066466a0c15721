#include "commandline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef QUORLANE_VERSION
#define QUORLANE_VERSION "0"
#endif

namespace {
QString text(const char* source) {
    return QCoreApplication::translate("CommandLine", source);
}
} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    const auto refuse = [&line](const QString& problem) {
        line.action = CommandLine::Action::Refuse;
        line.problem = problem;
        return line;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            line.action = CommandLine::Action::Version;
            return line;
        }
        QString file;
        if (argument == QLatin1String("--vault")) {
            if (++i == arguments.size())
                return refuse(
                    text(QT_TRANSLATE_NOOP("CommandLine", "--vault needs the name of a vault file")));
            file = arguments[i];
        } else if (argument.startsWith(QLatin1String("--vault="))) {
            file = argument.mid(8);
        } else if (argument.startsWith(QLatin1Char('-'))) {
            return refuse(text(QT_TRANSLATE_NOOP("CommandLine", "unknown option %1")).arg(argument));
        } else {
            return refuse(text(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument %1")).arg(argument));
        }
        if (!line.vaultFile.isEmpty())
            return refuse(text(QT_TRANSLATE_NOOP("CommandLine", "--vault is given twice")));
        const QFileInfo info(file);
        if (file.isEmpty() || !info.isFile())
            return refuse(
                text(QT_TRANSLATE_NOOP("CommandLine", "the vault file %1 does not exist")).arg(file));
        line.vaultFile = QDir::cleanPath(info.absoluteFilePath());
    }
    return line;
}

QString commandLineHelp() {
    return text(QT_TRANSLATE_NOOP(
        "CommandLine",
        "Usage: quorlane [--vault FILE]\n"
        "Keeps accounts, card numbers, codes and passwords in one local vault file,\n"
        "sorted into categories whose field titles you choose.\n"
        "\n"
        "Options:\n"
        "  --vault FILE   use FILE as the vault instead of the usual one, for example a\n"
        "                 vault kept on a USB stick\n"
        "  -h, --help     print this help and exit\n"
        "  -v, --version  print the version and exit\n"
        "\n"
        "Files:\n"
        "  ~/.local/share/Quorlane/gpwdfsc.mdb\n"
        "                 the vault (under $XDG_DATA_HOME/Quorlane when that is set), made on\n"
        "                 first start; back it up while Quorlane is closed\n"
        "  gpwdfsc.mdb beside the program\n"
        "                 when present, the vault (portable use)\n"
        "  ~/.config/Quorlane.conf\n"
        "                 the settings: display choices, retry count, clipboard and idle times\n"
        "  /usr/share/quorlane/Help.pdf\n"
        "                 the user's guide (the Help button or F1)\n"
        "\n"
        "Exit status:\n"
        "  0              the program was closed, or help or version was printed\n"
        "  2              the command line was not understood\n"));
}

QString refusalText(const CommandLine& line) {
    return text(QT_TRANSLATE_NOOP("CommandLine",
                                  "quorlane: %1\nTry 'quorlane --help' for more information.\n"))
        .arg(line.problem);
}

QString versionText() {
    return QStringLiteral("quorlane " QUORLANE_VERSION "\n");
}
