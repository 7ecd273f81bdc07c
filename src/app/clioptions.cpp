#include "app/clioptions.h"

namespace {

CliParse fail(const QString &message)
{
    return {std::nullopt, message};
}

bool isGlobal(const QString &name)
{
    return name == u"--program-dir" || name == u"--settings" || name == u"--set";
}

} // namespace

CliParse parseCliArguments(const QStringList &arguments)
{
    CliOptions options;
    QStringList words;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        QString name = arg;
        QString value;
        bool hasValue = false;
        if (const qsizetype eq = arg.indexOf(u'='); arg.startsWith(u"--") && eq > 0) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
            hasValue = true;
        }
        if (!isGlobal(name)) {
            words.append(arg);
            continue;
        }
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
            options.sets.emplace_back(value.left(eq), value.mid(eq + 1));
        }
    }
    if (words.isEmpty())
        return fail(u"no subcommand given"_qs);
    options.command = words.takeFirst();
    options.arguments = words;
    return {options, {}};
}
