#pragma once

#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// The command line of solvara-cli, parsed once.
struct CliOptions {
    enum class Command { Sheet, Lines, Items, Totals, State, Resave };

    Command command = Command::State;
    QString estimate;     // ESTIMATE, empty for "state" without one
    QString output;       // OUT.kas of "resave"
    QString programDir;   // --program-dir, empty for the installed data folder
    QString settingsFile; // --settings
    std::vector<std::pair<QString, QString>> sets; // --set NAME=VALUE, in order
};

struct CliParse {
    std::optional<CliOptions> options;
    QString error; // why the command line is not usable
};

// Parses the arguments after the program name. Global options may stand before or after the
// subcommand.
CliParse parseCliArguments(const QStringList &arguments);

QString cliUsage();
