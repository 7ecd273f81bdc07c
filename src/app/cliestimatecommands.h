#pragma once

#include "app/clicommand.h"

// The listing commands (sheet, lines, items, totals, state) and resave.
std::unique_ptr<CliCommand> makeListingCommand(const QString &name);
std::unique_ptr<CliCommand> makeResaveCommand();
