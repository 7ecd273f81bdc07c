#include "app/clioptions.h"

#include "estimate/settingscontrols.h"

namespace {

struct CommandSpec {
    QStringView name;
    CliOptions::Command command;
    int minFiles;
    int maxFiles;
};

constexpr CommandSpec commands[] = {
    {u"sheet", CliOptions::Command::Sheet, 1, 1},   {u"lines", CliOptions::Command::Lines, 1, 1},
    {u"items", CliOptions::Command::Items, 1, 1},   {u"totals", CliOptions::Command::Totals, 1, 1},
    {u"state", CliOptions::Command::State, 0, 1},   {u"resave", CliOptions::Command::Resave, 2, 2},
};

CliParse fail(const QString &message)
{
    return {std::nullopt, message};
}

} // namespace

CliParse parseCliArguments(const QStringList &arguments)
{
    CliOptions options;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (!arg.startsWith(u"--")) {
            positional.append(arg);
            continue;
        }
        QString name = arg;
        QString value;
        bool hasValue = false;
        if (const qsizetype eq = arg.indexOf(u'='); eq > 0) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
            hasValue = true;
        }
        if (name != u"--program-dir" && name != u"--settings" && name != u"--set")
            return fail(u"unknown option %1"_qs.arg(name));
        if (!hasValue) {
            if (i + 1 >= arguments.size())
                return fail(u"option %1 needs a value"_qs.arg(name));
            value = arguments[++i];
        }
        if (name == u"--program-dir") {
            options.programDir = value;
        } else if (name == u"--settings") {
            options.settingsFile = value;
        } else {
            const qsizetype eq = value.indexOf(u'=');
            if (eq <= 0)
                return fail(u"--set needs NAME=VALUE, got \"%1\""_qs.arg(value));
            const QString control = value.left(eq);
            if (!findSettingsControl(control))
                return fail(u"--set: unknown settings control %1"_qs.arg(control));
            options.sets.emplace_back(control, value.mid(eq + 1));
        }
    }
    if (positional.isEmpty())
        return fail(u"no subcommand given"_qs);
    const QString command = positional.takeFirst();
    for (const CommandSpec &spec : commands) {
        if (spec.name != command)
            continue;
        if (positional.size() < spec.minFiles || positional.size() > spec.maxFiles)
            return fail(u"wrong number of arguments for %1"_qs.arg(command));
        options.command = spec.command;
        options.estimate = positional.value(0);
        options.output = positional.value(1);
        return {options, {}};
    }
    return fail(u"unknown subcommand %1"_qs.arg(command));
}

QString cliUsage()
{
    return uR"(Usage: solvara-cli [options] COMMAND [FILES]
Commands:
  sheet ESTIMATE            the estimate sheet grid
  lines ESTIMATE            the estimate line table
  items ESTIMATE            the item table
  totals ESTIMATE           the key totals as name<TAB>value lines
  state [ESTIMATE]          the settings controls and the main-window state
  resave ESTIMATE OUT.kas   open ESTIMATE and save it to OUT.kas
Options (before or after the command):
  --program-dir DIR         the program folder (setutei.kxt and the other program files)
  --settings FILE.kxt       apply a user settings file after the standard values
  --set NAME=VALUE          set a settings control as a user would (repeatable)
)"_qs;
}
