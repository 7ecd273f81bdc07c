#pragma once

#include "app/clicommand.h"

// register ESTIMATE OUT.kas ENTRIES.tsv: performs the registrations of an entry script and saves.
std::unique_ptr<CliCommand> makeRegisterCommand();
