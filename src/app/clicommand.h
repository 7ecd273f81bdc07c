#pragma once

#include "app/clihost.h"
#include "app/clioptions.h"
#include "estimate/document.h"

#include <QStringList>

#include <cstdio>
#include <memory>
#include <vector>

// What one run of solvara-cli works on: the global options, the program folder, the host that
// reports messages on standard error, and the document of the running estimate.
class CliSession
{
public:
    CliSession(const CliOptions &options, FILE *out, FILE *err);

    const CliOptions &options() const { return m_options; }
    const QString &programFolder() const { return m_folder; }
    CliHost &host() { return m_host; }
    EstimateDocument &doc() { return m_doc; }
    FILE *err() const { return m_err; }

    // The start-up steps of the main window, then the --settings file. Both files were found
    // readable before; a value in them that is not a number stops that file's reading with its
    // message (exit status 1) and the run goes on, as the desktop program does.
    void start();
    // "読込" of the estimate as the desktop program opens its command-line file, then the --set
    // values applied as a user would through the settings screen. An empty path opens nothing.
    void openEstimate(const QString &path);
    // Applies the --set values that name settings controls; the others are left to the command.
    void applySettingsSets();

    void write(const QString &text);
    void writeError(const QString &text);
    // 1 when an operation stopped with a message, 0 otherwise.
    int exitStatus() const { return m_host.stoppedWithMessage() ? 1 : 0; }

private:
    CliOptions m_options;
    QString m_folder;
    FILE *m_out;
    FILE *m_err;
    CliHost m_host;
    EstimateDocument m_doc;
};

// One subcommand of solvara-cli.
class CliCommand
{
public:
    virtual ~CliCommand() = default;

    virtual QString name() const = 0;
    // Its lines of the usage text, each "  NAME ARGS   what it does".
    virtual QString usage() const = 0;
    // Takes the subcommand's own words (files, its options and their values). Returns why they are
    // not usable, or an empty text.
    virtual QString parse(const QStringList &words) = 0;
    // Whether a --set NAME that is not a settings control belongs to this command (for example a
    // control of another window, "TForm5.CheckBox1").
    virtual bool takesSet(const QString &name) const { return false; }
    // Files the command reads; each must be readable before anything runs, else exit 2.
    virtual QStringList inputFiles() const { return {}; }
    // Whether the command paints (a PDF): it then runs in a QGuiApplication for the fonts.
    virtual bool paints() const { return false; }
    // Whether the command needs the program folder's standard values (most do).
    virtual bool needsStandardValues() const { return true; }
    // Runs the command; returns the exit status (0 success, 1 stopped with a message).
    virtual int run(CliSession &session) = 0;
};

// Every subcommand, in the order the usage text lists them.
std::vector<std::unique_ptr<CliCommand>> cliCommands();
