#include "app/clicalccommand.h"
#include "app/clicommand.h"
#include "app/cliestimatecommands.h"
#include "app/cliregistercommand.h"

// Every subcommand of solvara-cli. A new command lives in its own file and adds one line here.
std::vector<std::unique_ptr<CliCommand>> cliCommands()
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    for (const char16_t *name : {u"sheet", u"lines", u"items", u"totals", u"state"})
        commands.push_back(makeListingCommand(QString::fromUtf16(name)));
    commands.push_back(makeResaveCommand());
    commands.push_back(makeCalcCommand());
    commands.push_back(makeRegisterCommand());
    return commands;
}
