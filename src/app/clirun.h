#pragma once

#include <QStringList>

#include <cstdio>

// Runs solvara-cli on the arguments after the program name. Returns the exit status: 0 success,
// 1 stopped with a message, 2 bad usage or unusable input.
int runCli(const QStringList &arguments, FILE *out, FILE *err);

QString cliUsage();

// Whether the command line names a command that paints, and so needs a QGuiApplication.
bool cliPaints(const QStringList &arguments);
