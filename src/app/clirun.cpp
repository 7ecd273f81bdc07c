#include "app/clirun.h"

#include "app/cliformat.h"
#include "app/clihost.h"
#include "app/clioptions.h"
#include "app/startup.h"
#include "estimate/document.h"
#include "estimate/settingsrules.h"
#include "storage/estimatefile.h"
#include "storage/settingsfile.h"

#include <QDate>
#include <QFileInfo>

namespace {

void write(FILE *f, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
}

bool readable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

// The files the command needs must be there before anything runs.
QString unusableInput(const CliOptions &o, const QString &programFolder)
{
    if (!readable(programFolder + u"setutei.kxt"_qs))
        return u"cannot read the standard values %1setutei.kxt"_qs.arg(programFolder);
    if (!o.estimate.isEmpty() && !readable(o.estimate))
        return u"cannot read the estimate file %1"_qs.arg(o.estimate);
    if (!o.settingsFile.isEmpty() && !readable(o.settingsFile))
        return u"cannot read the settings file %1"_qs.arg(o.settingsFile);
    return {};
}

QString listing(const CliOptions &o, const EstimateDocument &doc)
{
    switch (o.command) {
    case CliOptions::Command::Sheet:
        return cliformat::grid(doc.sheet, 0, doc.sheet.lastNonEmptyRow());
    case CliOptions::Command::Lines:
        return cliformat::grid(doc.lines, 0, doc.st1count);
    case CliOptions::Command::Items:
        return cliformat::grid(doc.items, 0, doc.items.rowCount() - 1);
    case CliOptions::Command::Totals:
        return cliformat::totals(doc);
    case CliOptions::Command::State:
        return cliformat::state(doc);
    case CliOptions::Command::Resave:
        return {};
    }
    return {};
}

} // namespace

int runCli(const CliOptions &o, FILE *out, FILE *err)
{
    const QString folder = startup::programFolder(o.programDir);
    if (const QString problem = unusableInput(o, folder); !problem.isEmpty()) {
        write(err, problem + u'\n');
        return 2;
    }
    CliHost host(err);
    EstimateDocument doc;
    if (!startup::initialize(doc, host, folder, QDate::currentDate()))
        return 2;
    if (!o.settingsFile.isEmpty()) {
        host.openNames = {o.settingsFile};
        settingsfile::readUserSettings(doc, host);
    }
    startup::openStartFile(doc, host, o.estimate);
    if (!o.sets.empty()) {
        for (const auto &[name, value] : o.sets)
            settingsrules::applySettingsControl(doc, host, name, value);
        settingsrules::applySettings(doc, host);
    }
    if (o.command == CliOptions::Command::Resave) {
        host.saveNames = {o.output};
        estimatefile::save(doc, host);
    }
    write(out, listing(o, doc));
    return host.stoppedWithMessage() ? 1 : 0;
}
