#pragma once

#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// The global part of solvara-cli's command line, parsed once. Everything that is not a global
// option (the subcommand's files, its own options and their values) stays in `arguments`, in order.
struct CliOptions {
    QString command;      // the subcommand's name
    QStringList arguments; // the subcommand's own words
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
