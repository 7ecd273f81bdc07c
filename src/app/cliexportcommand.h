#pragma once

#include "app/clicommand.h"

// "export": writes one of the workbooks of an estimate.
std::unique_ptr<CliCommand> makeExportCommand();
