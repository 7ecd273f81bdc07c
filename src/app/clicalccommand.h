#pragma once

#include "app/clicommand.h"

// calc [--labour-price N] [-v] KEY...: presses the desk calculator's keys on a fresh calculator.
std::unique_ptr<CliCommand> makeCalcCommand();
