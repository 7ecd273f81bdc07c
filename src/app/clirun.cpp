#include "app/clirun.h"

#include "app/clicommand.h"
#include "estimate/settingscontrols.h"
#include "storage/programfiles.h"

#include <QFileInfo>

namespace {

void write(FILE *f, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
}

int usageError(FILE *err, const QString &problem)
{
    write(err, problem + u"\n\n"_qs + cliUsage());
    return 2;
}

bool readable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

// The files the command needs must be there before anything runs.
QString unusableInput(const CliOptions &o, const CliCommand &command, const QString &programFolder)
{
    const QString standardValues = programfiles::readPath(programFolder, u"setutei.kxt"_qs);
    if (command.needsStandardValues() && !readable(standardValues))
        return u"cannot read the standard values %1"_qs.arg(standardValues);
    for (const QString &file : command.inputFiles())
        if (!readable(file))
            return u"cannot read the file %1"_qs.arg(file);
    if (!o.settingsFile.isEmpty() && !readable(o.settingsFile))
        return u"cannot read the settings file %1"_qs.arg(o.settingsFile);
    return {};
}

std::unique_ptr<CliCommand> findCommand(const QString &name)
{
    for (auto &command : cliCommands())
        if (command->name() == name)
            return std::move(command);
    return nullptr;
}

} // namespace

int runCli(const QStringList &arguments, FILE *out, FILE *err)
{
    const CliParse parse = parseCliArguments(arguments);
    if (!parse.options)
        return usageError(err, parse.error);
    const CliOptions &o = *parse.options;
    std::unique_ptr<CliCommand> command = findCommand(o.command);
    if (!command)
        return usageError(err, u"unknown subcommand %1"_qs.arg(o.command));
    if (const QString problem = command->parse(o.arguments); !problem.isEmpty())
        return usageError(err, problem);
    for (const auto &set : o.sets)
        if (!findSettingsControl(set.first) && !command->takesSet(set.first))
            return usageError(err, u"--set: unknown settings control %1"_qs.arg(set.first));

    CliSession session(o, out, err);
    if (const QString problem = unusableInput(o, *command, session.programFolder()); !problem.isEmpty()) {
        write(err, problem + u'\n');
        return 2;
    }
    if (command->needsStandardValues())
        session.start();
    return command->run(session);
}

bool cliPaints(const QStringList &arguments)
{
    const CliParse parse = parseCliArguments(arguments);
    if (!parse.options)
        return false;
    const std::unique_ptr<CliCommand> command = findCommand(parse.options->command);
    return command && command->paints();
}

QString cliUsage()
{
    QString text = u"Usage: solvara-cli [options] COMMAND [ARGUMENTS]\nCommands:\n"_qs;
    for (const auto &command : cliCommands())
        text += command->usage();
    text += uR"(Options (before or after the command):
  --program-dir DIR         the program folder (setutei.kxt and the other program files)
  --settings FILE.kxt       apply a user settings file after the standard values
  --set NAME=VALUE          set a settings control as a user would (repeatable)
)"_qs;
    return text;
}
