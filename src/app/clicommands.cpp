#include "app/clicalccommand.h"
#include "app/clicommand.h"
#include "app/cliestimatecommands.h"
#include "app/cliexportcommand.h"
#include "app/climaterialscommand.h"
#include "app/cliregistercommand.h"
#include "app/cliprintcommand.h"

// Every subcommand of solvara-cli. A new command lives in its own file and adds one line here.
std::vector<std::unique_ptr<CliCommand>> cliCommands()
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    for (const char16_t *name : {u"sheet", u"lines", u"items", u"totals", u"state"})
        commands.push_back(makeListingCommand(QString::fromUtf16(name)));
    commands.push_back(makeResaveCommand());
    commands.push_back(makeExportCommand());
    commands.push_back(makeMaterialsCommand());
    commands.push_back(makePrintCommand());
    commands.push_back(makeCalcCommand());
    commands.push_back(makeRegisterCommand());
    return commands;
}
