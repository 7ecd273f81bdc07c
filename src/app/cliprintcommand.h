#pragma once

#include "app/clicommand.h"

// print: the print run of an estimate written to a PDF file.
std::unique_ptr<CliCommand> makePrintCommand();
