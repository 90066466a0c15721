#pragma once

#include <QString>
#include <QStringList>

// The program's command line, read before any window system is needed: --help and --version
// print and leave, --vault names the vault file, anything else is refused. The texts are in the
// user's language once the translations are installed.

struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    QString vaultFile; // --vault FILE, made absolute; empty for the usual places
    QString problem;   // why the line is refused
};

// Exit status of a refused command line.
inline constexpr int CommandLineRefused = 2;

// arguments: without the program's own name.
CommandLine parseCommandLine(const QStringList& arguments);

// What --help prints (the manual page is made from it as well).
QString commandLineHelp();
// What a refused line prints on stderr.
QString refusalText(const CommandLine& line);
// What --version prints.
QString versionText();
